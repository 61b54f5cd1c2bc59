#include "macro/macro_record.h"

#include <algorithm>

namespace devero {
namespace {

template <typename Table>
auto* SlotOf(Table& slots, int index) {
  return index >= 0 && index < static_cast<int>(slots.size()) ? &slots[static_cast<size_t>(index)]
                                                              : nullptr;
}

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

}  // namespace

void ClearMacro(MacroRecord& macro) {
  macro = MacroRecord{};
}

std::u16string MacroName(const MacroRecord& macro) {
  const auto& name = macro.macroName;
  const auto end = std::find(name.begin(), name.end(), u'\0');
  return std::u16string(name.begin(), end);
}

std::u16string StoredMacroName(std::u16string_view name) {
  name = name.substr(0, std::min(name.find(u'\0'), name.size()));
  if (name.size() > static_cast<size_t>(kMaxMacroNameChars)) {
    name = name.substr(0, kMaxMacroNameChars);
    if (IsHighSurrogate(name.back())) name.remove_suffix(1);
  }
  return std::u16string(name);
}

void SetMacroName(MacroRecord& macro, std::u16string_view name) {
  macro.macroName.fill(u'\0');
  const std::u16string stored = StoredMacroName(name);
  std::copy(stored.begin(), stored.end(), macro.macroName.begin());
}

int UsedStepCount(const MacroRecord& macro) {
  return std::min<int>(macro.stepCount, kMaxSteps);
}

bool IsStepSlot(int slot) {
  return slot >= 0 && slot < kMaxSteps;
}

std::optional<MacroStep> StepAt(const MacroRecord& macro, int slot) {
  if (!IsStepSlot(slot)) return std::nullopt;
  const auto i = static_cast<size_t>(slot);
  return MacroStep{macro.stepAction[i], macro.stepCode[i], macro.stepParam[i].param1,
                   macro.stepParam[i].param2, macro.stepDelay[i]};
}

bool SetStepAt(MacroRecord& macro, int slot, const MacroStep& step) {
  if (!IsStepSlot(slot)) return false;
  const auto i = static_cast<size_t>(slot);
  macro.stepAction[i] = step.stepAction;
  macro.stepCode[i] = step.stepCode;
  macro.stepParam[i] = StepParam{step.param1, step.param2};
  macro.stepDelay[i] = step.stepDelay;
  return true;
}

bool ClearStepAt(MacroRecord& macro, int slot) {
  return SetStepAt(macro, slot, MacroStep{});
}

bool MoveStep(MacroRecord& macro, int from, int to) {
  const auto step = StepAt(macro, from);
  return step && SetStepAt(macro, to, *step);
}

DataBlock* LedBlock(MacroRecord& macro, int index) {
  return SlotOf(macro.ledData, index);
}
const DataBlock* LedBlock(const MacroRecord& macro, int index) {
  return SlotOf(macro.ledData, index);
}
DataBlock* Code251Block(MacroRecord& macro, int index) {
  return SlotOf(macro.code251Data, index);
}
const DataBlock* Code251Block(const MacroRecord& macro, int index) {
  return SlotOf(macro.code251Data, index);
}

MacroRecord* MacroTable::Slot(int index) {
  return SlotOf(slots, index);
}
const MacroRecord* MacroTable::Slot(int index) const {
  return SlotOf(slots, index);
}

bool MacroTable::ClearSlot(int index) {
  MacroRecord* slot = Slot(index);
  if (slot == nullptr) return false;
  ClearMacro(*slot);
  return true;
}

void MacroTable::ClearAllSlots() {
  for (MacroRecord& slot : slots)
    ClearMacro(slot);
}

const MacroRecord* BuiltInMacroTable::Slot(int index) const {
  return SlotOf(slots, index);
}

MacroRecord* RapidFireTable::Slot(int index) {
  return SlotOf(slots, index);
}
const MacroRecord* RapidFireTable::Slot(int index) const {
  return SlotOf(slots, index);
}

}  // namespace devero
