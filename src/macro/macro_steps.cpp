#include "macro/macro_steps.h"

namespace devero {

namespace {

struct DpiLevel {
  int code;
  int dpi;
};

// Level codes in the order the editor stores them; 8, 10 and 12 repeat the code before them.
constexpr DpiLevel kDpiLevels[] = {{1, 200},   {2, 400},   {3, 600},   {4, 800},   {5, 1000},
                                   {6, 1200},  {7, 1600},  {8, 1600},  {9, 2000},  {10, 2000},
                                   {11, 2400}, {12, 2400}, {13, 3200}, {14, 4000}, {15, 4800}};

void DecrementCounter(uint16_t& counter) {
  if (counter > 0) --counter;
}

void ForgetBlock(MacroRecord& m, int s, uint8_t code, uint8_t& count,
                 std::array<DataBlock, kDataBlockCount>& blocks) {
  if (count > 0) --count;
  const int used = UsedStepCount(m);
  for (int i = s + 1; i < used; ++i) {
    if (m.stepCode[i] != code) continue;
    const int k = m.stepParam[i].param1;
    if (k < 1 || k >= kDataBlockCount) continue;
    m.stepParam[i].param1 = static_cast<uint16_t>(k - 1);
    blocks[k - 1] = blocks[k];
  }
  if (count < kDataBlockCount) blocks[count] = {};
}

}  // namespace

int DpiOfLevelCode(int level_code) {
  for (const DpiLevel& level : kDpiLevels) {
    if (level.code == level_code) return level.dpi;
  }
  return 800;
}

int LevelCodeOfDpi(int dpi) {
  for (const DpiLevel& level : kDpiLevels) {
    if (level.dpi == dpi) return level.code;
  }
  return -1;
}

bool OpenStepAt(MacroRecord& macro, int p) {
  const int used = UsedStepCount(macro);
  if (used >= kMaxSteps || p < 0 || p > used) return false;
  for (int i = used; i > p; --i)
    MoveStep(macro, i - 1, i);
  macro.stepCount = static_cast<uint16_t>(used + 1);
  return true;
}

bool RemoveStepAt(MacroRecord& macro, int s) {
  const int used = UsedStepCount(macro);
  if (s < 0 || s >= used) return false;
  for (int i = s; i + 1 < used; ++i)
    MoveStep(macro, i + 1, i);
  ClearStepAt(macro, used - 1);
  macro.stepCount = static_cast<uint16_t>(used - 1);
  return true;
}

void ForgetStepData(MacroRecord& macro, int s) {
  if (s < 0 || s >= UsedStepCount(macro)) return;
  switch (macro.stepCode[s]) {
    case kStepCursorMove:
      DecrementCounter(macro.xyStepCount);
      break;
    case kStep247:
      DecrementCounter(macro.code247Count);
      break;
    case kStepDpi:
      DecrementCounter(macro.dpiStepCount);
      break;
    case kStep250:
      DecrementCounter(macro.code250Count);
      break;
    case kStepLighting:
      ForgetBlock(macro, s, kStepLighting, macro.ledDataCount, macro.ledData);
      break;
    case kStep251:
      ForgetBlock(macro, s, kStep251, macro.code251DataCount, macro.code251Data);
      break;
    default:
      break;
  }
}

bool IsKeyStepCode(uint8_t code) {
  return code != kStepDelay && (code < kStepCursorMove || code > kStep251);
}

void InitLightingBlock(DataBlock& block) {
  block = {};
  block[0] = 1;
  block[6] = 10;
}

}  // namespace devero
