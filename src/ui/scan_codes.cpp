#include "ui/scan_codes.h"

#include <QKeyEvent>
#include <array>

#include "keys/vk.h"

namespace devero::ui {
namespace {

struct CodeRow {
  uint8_t evdev;
  uint8_t vk;
};

// Kernel key codes (linux/input-event-codes.h) of the keys the key tables name.
constexpr CodeRow kRows[] = {
    {1, vk::kEscape},    {2, 0x31},
    {3, 0x32},           {4, 0x33},
    {5, 0x34},           {6, 0x35},
    {7, 0x36},           {8, 0x37},
    {9, 0x38},           {10, 0x39},
    {11, vk::k0},        {12, vk::kOemMinus},
    {13, vk::kOemPlus},  {14, vk::kBack},
    {15, vk::kTab},      {16, 'Q'},
    {17, 'W'},           {18, 'E'},
    {19, 'R'},           {20, 'T'},
    {21, 'Y'},           {22, 'U'},
    {23, 'I'},           {24, 'O'},
    {25, 'P'},           {26, vk::kOem4},
    {27, vk::kOem6},     {28, vk::kReturn},
    {29, vk::kLControl}, {30, 'A'},
    {31, 'S'},           {32, 'D'},
    {33, 'F'},           {34, 'G'},
    {35, 'H'},           {36, 'J'},
    {37, 'K'},           {38, 'L'},
    {39, vk::kOem1},     {40, vk::kOem7},
    {41, vk::kOem3},     {42, vk::kLShift},
    {43, vk::kOem5},     {44, 'Z'},
    {45, 'X'},           {46, 'C'},
    {47, 'V'},           {48, 'B'},
    {49, 'N'},           {50, 'M'},
    {51, vk::kOemComma}, {52, vk::kOemPeriod},
    {53, vk::kOem2},     {54, vk::kRShift},
    {55, vk::kMultiply}, {56, vk::kLMenu},
    {57, vk::kSpace},    {58, vk::kCapital},
    {59, 0x70},          {60, 0x71},
    {61, 0x72},          {62, 0x73},
    {63, 0x74},          {64, 0x75},
    {65, 0x76},          {66, 0x77},
    {67, 0x78},          {68, vk::kF10},
    {69, vk::kNumLock},  {70, vk::kScroll},
    {71, 0x67},          {72, 0x68},
    {73, 0x69},          {74, vk::kSubtract},
    {75, 0x64},          {76, 0x65},
    {77, 0x66},          {78, vk::kAdd},
    {79, 0x61},          {80, 0x62},
    {81, 0x63},          {82, vk::kNumpad0},
    {83, vk::kDecimal},  {87, 0x7A},
    {88, vk::kF12},      {96, vk::kReturn},
    {97, vk::kRControl}, {98, vk::kDivide},
    {99, vk::kSnapshot}, {100, vk::kRMenu},
    {102, vk::kHome},    {103, vk::kUp},
    {104, vk::kPrior},   {105, vk::kLeft},
    {106, vk::kRight},   {107, vk::kEnd},
    {108, vk::kDown},    {109, vk::kNext},
    {110, vk::kInsert},  {111, vk::kDelete},
    {119, vk::kPause},   {121, vk::kSeparator},
    {125, vk::kLWin},    {126, vk::kRWin},
    {127, vk::kApps},    {134, vk::kExecute},
    {138, vk::kHelp},    {183, vk::kF13},
    {184, 0x7D},         {185, 0x7E},
    {186, 0x7F},         {187, 0x80},
    {188, 0x81},         {189, 0x82},
    {190, 0x83},         {191, 0x84},
    {192, 0x85},         {193, 0x86},
    {194, vk::kF24},
};

constexpr std::array<uint8_t, 256> MakeTable() {
  std::array<uint8_t, 256> t{};
  for (const CodeRow& row : kRows)
    t[row.evdev] = row.vk;
  return t;
}

constexpr std::array<uint8_t, 256> kTable = MakeTable();

// With Num Lock off the keypad's digit keys are navigation keys; Qt says which by the key.
uint8_t KeypadNavigationVk(int qt_key) {
  switch (qt_key) {
    case Qt::Key_Home:
      return vk::kHome;
    case Qt::Key_End:
      return vk::kEnd;
    case Qt::Key_Up:
      return vk::kUp;
    case Qt::Key_Down:
      return vk::kDown;
    case Qt::Key_Left:
      return vk::kLeft;
    case Qt::Key_Right:
      return vk::kRight;
    case Qt::Key_PageUp:
      return vk::kPrior;
    case Qt::Key_PageDown:
      return vk::kNext;
    case Qt::Key_Insert:
      return vk::kInsert;
    case Qt::Key_Delete:
      return vk::kDelete;
    case Qt::Key_Clear:
      return vk::kClear;
    default:
      return 0;
  }
}

bool IsNumpadVk(uint8_t code) {
  return (code >= vk::kNumpad0 && code <= vk::kNumpad9) || code == vk::kDecimal;
}

}  // namespace

uint8_t VkFromEvdevCode(uint32_t evdev_code) {
  return evdev_code < kTable.size() ? kTable[evdev_code] : 0;
}

uint8_t VkFromKeyEvent(const QKeyEvent& event) {
  const uint32_t native = event.nativeScanCode();
  if (native < kXkbEvdevOffset) return 0;
  const uint8_t code = VkFromEvdevCode(native - kXkbEvdevOffset);
  if (IsNumpadVk(code) && (event.modifiers() & Qt::KeypadModifier)) {
    if (const uint8_t nav = KeypadNavigationVk(event.key())) return nav;
  }
  return code;
}

}  // namespace devero::ui
