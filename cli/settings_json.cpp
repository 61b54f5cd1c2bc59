#include "cli/settings_json.h"

#include "platform/text/utf.h"

namespace devero::cli {
namespace {

template <typename Array>
nlohmann::ordered_json Numbers(const Array& values) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (const auto& v : values)
    out.push_back(static_cast<long long>(v));
  return out;
}

template <typename Array>
nlohmann::ordered_json Colors(const Array& colors) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (const ColorLevels& c : colors)
    out.push_back({c.r, c.g, c.b});
  return out;
}

}  // namespace

std::string Utf8(const std::u16string& text) {
  return Utf16ToUtf8(text);
}

nlohmann::ordered_json WarningsJson(const std::vector<std::u16string>& texts) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (const auto& t : texts)
    out.push_back(Utf8(t));
  return out;
}

nlohmann::ordered_json ProductJson(const ProductDescription& p) {
  return {{"productNameCn", Utf8(p.productNameCn)},
          {"productNameEn", Utf8(p.productNameEn)},
          {"devString", Utf8(p.devString)},
          {"keyNum", p.keyNum},
          {"keyMap", Numbers(p.keyMap)},
          {"keyInitValue", Numbers(p.keyInitValue)},
          {"buttonByMapNumber", Numbers(p.buttonByMapNumber)}};
}

nlohmann::ordered_json ProfilesJson(const ProfileSettings& s) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (int n = 0; n < kProfileCount; ++n) {
    out.push_back({{"buttonFunction", Numbers(s.buttonFunction[n])},
                   {"buttonMacro", Numbers(s.buttonMacro[n])},
                   {"buttonLedReactEnable", Numbers(s.buttonLedReactEnable[n])},
                   {"buttonLedReactType", Numbers(s.buttonLedReactType[n])}});
  }
  return out;
}

nlohmann::ordered_json SharedJson(const ProfileSettings& s) {
  return {{"wheelStatus", s.wheelStatus},
          {"dpiLevel", s.dpiLevel},
          {"dpiStageValue", Numbers(s.dpiStageValue)},
          {"dpiStageEnabled", Numbers(s.dpiStageEnabled)},
          {"dpiStageColor", Colors(s.dpiStageColor)},
          {"dpiStageColorRef", Numbers(s.dpiStageColorRef)},
          {"ledType", s.ledType},
          {"ledTypeSwitchEnable", Numbers(s.ledTypeSwitchEnable)},
          {"ledCycleTime", s.ledCycleTime},
          {"ledUserColorEnable", s.ledUserColorEnable},
          {"ledFeatureScolor", s.ledFeatureScolor},
          {"ledFeatureSymmetry", s.ledFeatureSymmetry},
          {"ledFeatureDirection", s.ledFeatureDirection},
          {"ledBrightness", s.ledBrightness},
          {"ledUserColor", Colors(s.ledUserColor)},
          {"ledUserColorRef", Numbers(s.ledUserColorRef)},
          {"cycleColorMask", s.cycleColorMask},
          {"cycleColorEnable", Numbers(s.cycleColorEnable)},
          {"dpiSpeed", s.dpiSpeed},
          {"wheelSpeed", s.wheelSpeed},
          {"usbSpeed", s.usbSpeed},
          {"reportRateCode", s.reportRateCode},
          {"fireTime", s.fireTime}};
}

}  // namespace devero::cli
