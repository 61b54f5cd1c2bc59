#include "profile/profile_store.h"

#include "platform/fs/file_ops.h"
#include "platform/ini/ini_file.h"
#include "platform/text/utf.h"

namespace devero {
namespace {

constexpr size_t kRoom4 = 5;  // 4 characters and the terminator
constexpr size_t kRoom9 = 10;

std::u16string Key(std::u16string_view base, int index) {
  return std::u16string(base) + ToU16(index);
}

std::u16string ColorKey(std::u16string_view base, int index, char16_t channel) {
  return std::u16string(base) + ToU16(index) + u'_' + channel;
}

bool ValidProfile(int n) {
  return n >= 0 && n < kProfileCount;
}

}  // namespace

void ProfileStore::LoadProfileFrom(const ini::IniDocument& f, int n, ProfileSettings& s) {
  if (!ValidProfile(n)) return;
  const std::u16string config = u"Config" + ToU16(n);
  for (int j = 0; j < kSlotCount; ++j) {
    s.buttonFunction[n][j] = f.GetInt(config, Key(u"K", j), kRoom4);
    s.buttonMacro[n][j] = f.GetInt(config, Key(u"LEFT_MAC", j), kRoom4);
    f.GetInt(config, Key(u"LED_REACT_EN", j), kRoom4);
    s.buttonLedReactEnable[n][j] = 1;
    s.buttonLedReactType[n][j] = f.GetInt(config, Key(u"LED_REACT_TYPE", j), kRoom4);
  }
  f.GetInt(config, u"WHEEL_STATUS", kRoom4);
  s.wheelStatus = 0;

  constexpr std::u16string_view share = u"ShareData";
  s.dpiLevel = f.GetInt(share, u"DPI_LEVEL", kRoom4);
  for (int i = 0; i < kDpiStageCount; ++i) {
    s.dpiStageValue[i] = static_cast<uint8_t>(f.GetInt(share, Key(u"DPI_SET", i), kRoom9));
    s.dpiStageEnabled[i] = f.GetInt(share, Key(u"DPI_SET_EN", i), kRoom9) != 0 ? 1 : 0;
    s.dpiStageColor[i].r = f.GetInt(share, ColorKey(u"DPI", i, u'R'), kRoom9);
    s.dpiStageColor[i].g = f.GetInt(share, ColorKey(u"DPI", i, u'G'), kRoom9);
    s.dpiStageColor[i].b = f.GetInt(share, ColorKey(u"DPI", i, u'B'), kRoom9);
    s.DeriveDpiStageColorRef(i);
  }
  s.ledType = static_cast<uint8_t>(f.GetInt(share, u"LED_TYPE", kRoom4));
  for (int m = 0; m < kLedTypeSwitchCount; ++m) {
    s.ledTypeSwitchEnable[m] = f.GetInt(share, Key(u"LED_TYPE_SW_EN", m), kRoom4);
  }
  s.ledCycleTime = static_cast<uint8_t>(f.GetInt(share, u"LED_CYCTIME", kRoom4));
  f.GetInt(share, u"LED_USER_COLER_EN", kRoom4);
  s.ledUserColorEnable = 1;
  f.GetInt(share, u"LED_FEATURE_SCOLOR", kRoom4);  // read, but the setting stays as it is
  s.ledFeatureDirection = f.GetInt(share, u"LED_FEATURE_DIREC", kRoom4);
  s.ledFeatureSymmetry = f.GetInt(share, u"LED_FEATURE_SYMMETRY", kRoom4);
  s.ledBrightness = f.GetInt(share, u"LED_BRIGHT", kRoom4);
  for (int k = 0; k < kUserColorCount; ++k) {
    s.ledUserColor[k].r = f.GetInt(share, ColorKey(u"LED_USER", k, u'R'), kRoom9);
    s.ledUserColor[k].g = f.GetInt(share, ColorKey(u"LED_USER", k, u'G'), kRoom9);
    s.ledUserColor[k].b = f.GetInt(share, ColorKey(u"LED_USER", k, u'B'), kRoom9);
    s.DeriveUserColorRef(k);
  }
  s.cycleColorMask = static_cast<uint8_t>(f.GetInt(share, u"CYC_7COL_EN", kRoom4));
  s.DeriveCycleFlagsFromMask();
  s.dpiSpeed = static_cast<uint8_t>(f.GetInt(share, u"DPI_SPEED", kRoom4));
  s.wheelSpeed = static_cast<uint8_t>(f.GetInt(share, u"WHEEL_SPEED", kRoom4));
  s.usbSpeed = static_cast<uint8_t>(f.GetInt(share, u"USB_SPEED", kRoom4));
  s.DeriveReportRateCode();
  s.fireTime = f.GetInt(share, u"FIRE_TIME", kRoom4);
}

bool ProfileStore::SaveProfileInto(ini::IniDocument& f, int n, ProfileSettings& s) {
  if (!ValidProfile(n)) return false;
  bool ok = true;
  auto put = [&](std::u16string_view section, const std::u16string& key, long long value) {
    ok = f.Set(section, key, ToU16(value)) && ok;
  };
  const std::u16string config = u"Config" + ToU16(n);
  for (int j = 0; j < kSlotCount; ++j) {
    put(config, Key(u"K", j), s.buttonFunction[n][j]);
    put(config, Key(u"LED_REACT_EN", j), 1);
    put(config, Key(u"LEFT_MAC", j), s.buttonMacro[n][j]);
    put(config, Key(u"LED_REACT_TYPE", j), s.buttonLedReactType[n][j]);
  }
  s.wheelStatus = 0;
  put(config, u"WHEEL_STATUS", 0);

  constexpr std::u16string_view share = u"ShareData";
  put(share, u"DPI_LEVEL", s.dpiLevel);
  s.ledUserColorEnable = 1;
  put(share, u"LED_USER_COLER_EN", 1);
  s.DeriveCycleColorMaskFromFlags();
  put(share, u"CYC_7COL_EN", s.cycleColorMask);
  for (int i = 0; i < kDpiStageCount; ++i) {
    put(share, Key(u"DPI_SET", i), s.dpiStageValue[i]);
    put(share, Key(u"DPI_SET_EN", i), s.dpiStageEnabled[i] != 0 ? 1 : 0);
    put(share, ColorKey(u"DPI", i, u'R'), s.dpiStageColor[i].r);
    put(share, ColorKey(u"DPI", i, u'G'), s.dpiStageColor[i].g);
    put(share, ColorKey(u"DPI", i, u'B'), s.dpiStageColor[i].b);
  }
  for (int k = 0; k < kUserColorCount; ++k) {
    put(share, ColorKey(u"LED_USER", k, u'R'), s.ledUserColor[k].r);
    put(share, ColorKey(u"LED_USER", k, u'G'), s.ledUserColor[k].g);
    put(share, ColorKey(u"LED_USER", k, u'B'), s.ledUserColor[k].b);
  }
  put(share, u"LED_TYPE", s.ledType);
  for (int m = 0; m < kLedTypeSwitchCount; ++m) {
    put(share, Key(u"LED_TYPE_SW_EN", m), s.ledTypeSwitchEnable[m]);
  }
  put(share, u"LED_CYC_TIME", s.ledCycleTime);
  put(share, u"LED_FEATURE_SCOLOR", s.ledFeatureScolor);
  put(share, u"LED_FEATURE_SYMMETRY", s.ledFeatureSymmetry);
  put(share, u"LED_FEATURE_DIREC", s.ledFeatureDirection);
  put(share, u"LED_BRIGHT", s.ledBrightness);
  put(share, u"LED_CYCTIME", s.ledCycleTime);
  put(share, u"DPI_SPEED", s.dpiSpeed);
  put(share, u"WHEEL_SPEED", s.wheelSpeed);
  put(share, u"USB_SPEED", s.usbSpeed);
  put(share, u"FIRE_TIME", s.fireTime);
  return ok;
}

void ProfileStore::LoadProfile(const Path& directory, int n, bool reset) {
  const Path file = directory.native() + (reset ? "configReset.ini" : "config.ini");
  if (!fs::FileExists(file)) {
    warnings_.ShowWarning(reset ? kMissingResetFileWarning : kMissingProductFileWarning);
    return;
  }
  LoadProfileFrom(ini::Load(file), n, settings_);
}

bool ProfileStore::SaveProfile(const Path& file, int n) {
  return ini::Update(file,
                     [&](ini::IniDocument& doc) { return SaveProfileInto(doc, n, settings_); });
}

bool ProfileStore::SaveAll(const Path& file) {
  return ini::Update(file, [&](ini::IniDocument& doc) {
    bool ok = doc.Set(u"Init", u"CurConfig", ToU16(settings_.currentProfile));
    for (int n = 0; n < kProfileCount; ++n)
      ok = SaveProfileInto(doc, n, settings_) && ok;
    return ok;
  });
}

bool ProfileStore::RecordCurrentProfile(const Path& product_file) {
  return ini::WriteString(product_file, u"Init", u"CurConfig", ToU16(settings_.currentProfile));
}

bool ProfileStore::RecordDpiLevel(const Path& product_file) {
  return ini::WriteString(product_file, u"ShareData", u"DPI_LEVEL", ToU16(settings_.dpiLevel));
}

int ReadCurrentProfile(const ini::IniDocument& product_file) {
  const int value = product_file.GetInt(u"Init", u"CurConfig", kRoom4);
  return ValidProfile(value) ? value : 0;
}

}  // namespace devero
