#include "keys/key_codes.h"

#include <array>
#include <string_view>

#include "keys/vk.h"

namespace devero {
namespace {

struct VkRow {
  uint8_t vk;
  uint8_t device_key;
};

// The explicit rows of the standard conversion; the letters, digits 1..9 and F-keys are ranges,
// and VK_OEM_8 depends on the language.
constexpr VkRow kExplicitRows[] = {
    {vk::kBack, 0x2A},
    {vk::kTab, 0x2B},
    {vk::kClear, 0x9C},
    {vk::kReturn, 0x28},
    {vk::kPause, 0x48},
    {vk::kCapital, 0x39},
    {vk::kEscape, 0x29},
    {vk::kSpace, 0x2C},
    {vk::kPrior, 0x4B},
    {vk::kNext, 0x4E},
    {vk::kEnd, 0x4D},
    {vk::kHome, 0x4A},
    {vk::kLeft, 0x50},
    {vk::kUp, 0x52},
    {vk::kRight, 0x4F},
    {vk::kDown, 0x51},
    {vk::kSelect, 0x77},
    {vk::kExecute, 0x74},
    {vk::kSnapshot, 0x46},
    {vk::kInsert, 0x49},
    {vk::kDelete, 0x4C},
    {vk::kHelp, 0x75},
    {vk::k0, 0x27},
    {vk::kLWin, 0xE3},
    {vk::kRWin, 0xE7},
    {vk::kApps, 0x65},
    {vk::kNumpad0, 0x62},
    {0x61, 0x59},
    {0x62, 0x5A},
    {0x63, 0x5B},
    {0x64, 0x5C},
    {0x65, 0x5D},
    {0x66, 0x5E},
    {0x67, 0x5F},
    {0x68, 0x60},
    {vk::kNumpad9, 0x61},
    {vk::kMultiply, 0x55},
    {vk::kAdd, 0x57},
    {vk::kSeparator, 0x9F},
    {vk::kSubtract, 0x56},
    {vk::kDecimal, 0x63},
    {vk::kDivide, 0x54},
    {vk::kNumLock, 0x53},
    {vk::kScroll, 0x47},
    {vk::kLShift, 0xE1},
    {vk::kRShift, 0xE5},
    {vk::kLControl, 0xE0},
    {vk::kRControl, 0xE4},
    {vk::kLMenu, 0xE2},
    {vk::kRMenu, 0xE6},
    {vk::kOem1, 0x33},
    {vk::kOemPlus, 0x2E},
    {vk::kOemComma, 0x36},
    {vk::kOemMinus, 0x2D},
    {vk::kOemPeriod, 0x37},
    {vk::kOem2, 0x38},
    {vk::kOem3, 0x35},
    {vk::kOem4, 0x2F},
    {vk::kOem5, 0x31},
    {vk::kOem6, 0x30},
    {vk::kOem7, 0x34},
    {vk::kLeftButton, 0xF1},
    {vk::kRightButton, 0xF3},
    {vk::kMiddleButton, 0xF2},
};

constexpr uint8_t kKeypadMultiply = 0x55;

using Table = std::array<uint8_t, 256>;

constexpr Table MakeStandardTable(bool english) {
  Table t{};
  for (int v = 0; v < 256; ++v)
    t[v] = static_cast<uint8_t>(v);
  for (int v = vk::kA; v <= vk::kZ; ++v)
    t[v] = static_cast<uint8_t>(v - 0x3D);
  for (int v = vk::k1; v <= vk::k9; ++v)
    t[v] = static_cast<uint8_t>(v - 0x13);
  for (int v = vk::kF1; v <= vk::kF12; ++v)
    t[v] = static_cast<uint8_t>(v - 0x36);
  for (int v = vk::kF13; v <= vk::kF24; ++v)
    t[v] = static_cast<uint8_t>(v - 0x14);
  for (const VkRow& row : kExplicitRows)
    t[row.vk] = row.device_key;
  if (!english) t[vk::kOem8] = kKeypadMultiply;
  return t;
}

constexpr Table MakeCaptureTable() {
  Table t = MakeStandardTable(true);
  t[vk::kOem3] = 0x32;
  t[vk::kLeftButton] = vk::kLeftButton;
  t[vk::kRightButton] = vk::kRightButton;
  return t;
}

// The VK that reads back as each device code; codes that no VK gives are kept as they are.
constexpr Table MakeInverseTable() {
  Table t{};
  for (int d = 0; d < 256; ++d)
    t[d] = static_cast<uint8_t>(d);
  for (int d = 0x04; d <= 0x1D; ++d)
    t[d] = static_cast<uint8_t>(d + 0x3D);
  for (int d = 0x1E; d <= 0x26; ++d)
    t[d] = static_cast<uint8_t>(d + 0x13);
  for (int d = 0x3A; d <= 0x45; ++d)
    t[d] = static_cast<uint8_t>(d + 0x36);
  for (int d = 0x68; d <= 0x73; ++d)
    t[d] = static_cast<uint8_t>(d + 0x14);
  for (const VkRow& row : kExplicitRows)
    t[row.device_key] = row.vk;
  return t;
}

constexpr Table kStandardEnglish = MakeStandardTable(true);
constexpr Table kStandardChinese = MakeStandardTable(false);
constexpr Table kCapture = MakeCaptureTable();
constexpr Table kInverse = MakeInverseTable();

struct NamedCode {
  uint8_t code;
  std::u16string_view name;
};

// The capture dialog's names from 0x27 on that are not part of a numbered run.
constexpr NamedCode kCaptureNames[] = {
    {0x27, u"0"},         {0x28, u"RETURN"},   {0x29, u"ESCAPE"},   {0x2A, u"BACK"},
    {0x2B, u"TAB"},       {0x2C, u"SPACE"},    {0x2D, u"-"},        {0x2E, u"+"},
    {0x2F, u"[{"},        {0x30, u"]}"},       {0x31, u"\\|"},      {0x32, u"`~"},
    {0x33, u";:"},        {0x34, u" ' "},      {0x36, u","},        {0x37, u"."},
    {0x38, u"/?"},        {0x39, u"CAPITAL"},  {0x46, u"SNAPSHOT"}, {0x47, u"SCROLL"},
    {0x48, u"PAUSE"},     {0x49, u"INSERT"},   {0x4A, u"HOME"},     {0x4B, u"PRIOR"},
    {0x4C, u"DELETE"},    {0x4D, u"END"},      {0x4E, u"NEXT"},     {0x4F, u"RIGHT"},
    {0x50, u"LEFT"},      {0x51, u"DOWN"},     {0x52, u"UP"},       {0x53, u"NUMLOCK"},
    {0x54, u"DIVIDE"},    {0x55, u"MULTIPLY"}, {0x56, u"SUBTRACT"}, {0x57, u"ADD"},
    {0x62, u"NUMPAD0"},   {0x63, u"DECIMAL"},  {0x65, u"APPS"},     {0x74, u"EXECUTE"},
    {0x75, u"HELP"},      {0x76, u"MENU"},     {0x77, u"SELECT"},   {0x9C, u"CLEAR"},
    {0x9F, u"SEPARATOR"}, {0xE0, u"LCONTROL"}, {0xE1, u"LSHIFT"},   {0xE2, u"LMENU"},
    {0xE3, u"LWIN"},      {0xE4, u"RCONTROL"}, {0xE5, u"RSHIFT"},   {0xE6, u"RMENU"},
    {0xE7, u"RWIN"},
};

constexpr NamedCode kEnglishStepNames[] = {
    {0x1E, u"1!"},        {0x1F, u"2@"},        {0x20, u"3#"},           {0x21, u"4$"},
    {0x22, u"5%"},        {0x23, u"6^"},        {0x24, u"7&"},           {0x25, u"8*"},
    {0x26, u"9("},        {0x27, u"0)"},        {0x28, u"KeyPad Enter"}, {0x29, u"ESCAPE"},
    {0x2A, u"BackSpace"}, {0x2B, u"TAB"},       {0x2C, u"Space"},        {0x2D, u"_-"},
    {0x2E, u"=+"},        {0x2F, u"[{"},        {0x30, u"]}"},           {0x31, u"\\|"},
    {0x33, u";:"},        {0x34, u"'"},         {0x35, u"`~"},           {0x36, u",<"},
    {0x37, u".>"},        {0x38, u"/?"},        {0x39, u"CAPS"},         {0x46, u"SNAPSHOT"},
    {0x47, u"Scroll"},    {0x48, u"Pause"},     {0x49, u"Insert"},       {0x4A, u"Home"},
    {0x4B, u"Page Up"},   {0x4C, u"Delete"},    {0x4D, u"End"},          {0x4E, u"Page Down"},
    {0x4F, u"\u2192"},    {0x50, u"\u2190"},    {0x51, u"\u2193"},       {0x52, u"\u2191"},
    {0x53, u"NumLock"},   {0x54, u"KeyPad /"},  {0x55, u"KeyPad *"},     {0x56, u"KeyPad -"},
    {0x57, u"KeyPad +"},  {0x62, u"KeyPad0"},   {0x63, u"KeyPad ."},     {0x65, u"APPS"},
    {0x74, u"EXECUTE"},   {0x75, u"HELP"},      {0x76, u"MENU"},         {0x77, u"SELECT"},
    {0x9C, u"CLEAR"},     {0x9F, u"SEPARATOR"}, {0xE0, u"L-Ctrl"},       {0xE1, u"L-Shift"},
    {0xE2, u"L-Alt"},     {0xE3, u"L-Win"},     {0xE4, u"R-Ctrl"},       {0xE5, u"R-Shift"},
    {0xE6, u"R-Alt"},     {0xE7, u"R-Win"},
};

const std::u16string_view* FindName(const NamedCode* begin, const NamedCode* end, uint8_t code) {
  for (const NamedCode* n = begin; n != end; ++n) {
    if (n->code == code) return &n->name;
  }
  return nullptr;
}

std::u16string Numbered(std::u16string_view prefix, int number) {
  std::u16string out(prefix);
  if (number >= 10) out.push_back(static_cast<char16_t>(u'0' + number / 10));
  out.push_back(static_cast<char16_t>(u'0' + number % 10));
  return out;
}

// The letters and the numbered runs that both name tables share: F1..F24 and the keypad digits.
bool NameOfRun(uint8_t code, std::u16string_view keypad_prefix, std::u16string& out) {
  if (code >= 0x04 && code <= 0x1D) {
    out = std::u16string(1, static_cast<char16_t>(code + 0x3D));
  } else if (code >= 0x3A && code <= 0x45) {
    out = Numbered(u"F", code - 0x39);
  } else if (code >= 0x68 && code <= 0x73) {
    out = Numbered(u"F", code - 0x68 + 13);
  } else if (code >= 0x59 && code <= 0x61) {
    out = Numbered(keypad_prefix, code - 0x58);
  } else {
    return false;
  }
  return true;
}

std::u16string CaptureName(uint8_t code, bool with_0x32) {
  std::u16string out;
  if (NameOfRun(code, u"NUMPAD", out)) return out;
  if (code >= 0x1E && code <= 0x26) return Numbered(u"", code - 0x1D);
  if (code == 0x32 && !with_0x32) return u"NON-AVAILABLE";
  const auto* name = FindName(std::begin(kCaptureNames), std::end(kCaptureNames), code);
  return name ? std::u16string(*name) : std::u16string(u"NON-AVAILABLE");
}

}  // namespace

uint8_t VkToDeviceKey(uint8_t vk, int language_is_english) {
  return language_is_english != 0 ? kStandardEnglish[vk] : kStandardChinese[vk];
}

uint8_t CaptureVkToDeviceKey(uint8_t vk) {
  return kCapture[vk];
}

uint8_t DeviceKeyToVk(uint8_t device_key) {
  return kInverse[device_key];
}

std::u16string CaptureKeyName(uint8_t device_key) {
  return CaptureName(device_key, true);
}

std::u16string StepKeyName(uint8_t device_key, int language_is_english) {
  constexpr uint8_t kLeft = 0xF1, kMiddle = 0xF2, kRight = 0xF3;
  if (language_is_english == 0) {
    if (device_key == kLeft) return u"L-KEY";
    if (device_key == kMiddle) return u"M-KEY";
    if (device_key == kRight) return u"R-KEY";
    if (device_key == 0x35) return u"`~";
    return CaptureName(device_key, false);
  }
  if (device_key == kLeft) return language_is_english == 1 ? u"L-KEY" : u"左键";
  if (device_key == kMiddle) return language_is_english == 1 ? u"M-KEY" : u"中键";
  if (device_key == kRight) return language_is_english == 1 ? u"R-KEY" : u"右键";
  std::u16string out;
  if (NameOfRun(device_key, u"KeyPad", out)) return out;
  const auto* name =
      FindName(std::begin(kEnglishStepNames), std::end(kEnglishStepNames), device_key);
  return name ? std::u16string(*name) : std::u16string(u"NULL");
}

uint8_t KeyboardKeyToDeviceKey(int key_index) {
  static constexpr uint8_t kKeyboardVks[] = {
      vk::kEscape, 0x70,          0x71,          0x72,       0x73,          0x74,
      0x75,        0x76,          0x77,          0x78,       0x79,          0x7A,
      0x7B,        vk::kInsert,   vk::kOem3,     '1',        '2',           '3',
      '4',         '5',           '6',           '7',        '8',           '9',
      '0',         vk::kOemMinus, vk::kOemPlus,  vk::kBack,  vk::kDelete,   vk::kTab,
      'Q',         'W',           'E',           'R',        'T',           'Y',
      'U',         'I',           'O',           'P',        vk::kOem4,     vk::kOem6,
      vk::kOem5,   vk::kCapital,  'A',           'S',        'D',           'F',
      'G',         'H',           'J',           'K',        'L',           vk::kOem1,
      vk::kOem7,   vk::kReturn,   vk::kLShift,   'Z',        'X',           'C',
      'V',         'B',           'N',           'M',        vk::kOemComma, vk::kOemPeriod,
      vk::kOem2,   vk::kRShift,   vk::kLControl, vk::kLMenu, vk::kLWin,     vk::kSpace,
      vk::kRWin,   vk::kRMenu,    vk::kRControl, vk::kLeft,  vk::kUp,       vk::kRight,
      vk::kDown,
  };
  static_assert(std::size(kKeyboardVks) == 79);
  if (key_index < 0 || key_index >= static_cast<int>(std::size(kKeyboardVks))) return 0xFF;
  // The list holds no language-dependent key.
  return VkToDeviceKey(kKeyboardVks[key_index], 1);
}

}  // namespace devero
