#pragma once

// What the download targets share: records and settings from fuzz input, and a memory that
// checks where each phase of the download writes.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "device/device_memory.h"
#include "device/function_codes.h"
#include "device/group_macro_source.h"
#include "device/settings_download.h"
#include "macro/macro_record.h"

namespace devero::fuzz {

inline void Check(bool ok) {
  if (!ok) std::abort();
}

// A record with every counter and column arbitrary; step codes lean towards the special ones.
inline MacroRecord MacroFrom(FuzzedDataProvider& in) {
  MacroRecord m;
  m.repeatMode = in.ConsumeIntegral<uint8_t>();
  m.repeatCount = in.ConsumeIntegral<uint16_t>();
  m.stepCount = in.ConsumeIntegral<uint16_t>();
  m.xyStepCount = in.ConsumeIntegral<uint16_t>();
  m.code247Count = in.ConsumeIntegral<uint16_t>();
  m.dpiStepCount = in.ConsumeIntegral<uint16_t>();
  m.code250Count = in.ConsumeIntegral<uint16_t>();
  m.ledDataCount = in.ConsumeIntegral<uint8_t>();
  m.code251DataCount = in.ConsumeIntegral<uint8_t>();
  for (uint8_t& b : m.reservedBytes)
    b = in.ConsumeIntegral<uint8_t>();
  const int steps = in.ConsumeIntegralInRange<int>(0, kMaxSteps);
  for (int i = 0; i < steps && in.remaining_bytes() > 0; ++i) {
    static constexpr uint8_t kSpecial[] = {kStepDelay, kStepCursorMove, kStep247,
                                           kStepDpi,   kStepLighting,   kStep250,
                                           kStep251,   kLeftButton,     0x04};
    m.stepAction[i] = in.ConsumeIntegral<uint8_t>();
    m.stepCode[i] =
        in.ConsumeBool() ? in.PickValueInArray(kSpecial) : in.ConsumeIntegral<uint8_t>();
    m.stepParam[i].param1 = in.ConsumeIntegral<uint16_t>();
    m.stepParam[i].param2 = in.ConsumeIntegral<uint16_t>();
    m.stepDelay[i] = in.ConsumeIntegral<uint16_t>();
  }
  for (auto* blocks : {&m.ledData, &m.code251Data}) {
    for (DataBlock& block : *blocks) {
      const size_t n = in.ConsumeIntegralInRange<size_t>(0, kDataBlockSize);
      for (size_t k = 0; k < n && in.remaining_bytes() > 0; ++k)
        block[k] = in.ConsumeIntegral<uint8_t>();
    }
  }
  return m;
}

// Any function code, most of them naming a macro of some kind.
inline int32_t FunctionCodeFrom(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange<int>(0, 4)) {
    case 0:
      return in.ConsumeIntegral<int32_t>();
    case 1:
      return in.ConsumeIntegralInRange<int32_t>(0, kFirstBuiltInCode - 1);
    case 2:
      return in.ConsumeIntegralInRange<int32_t>(kFirstBuiltInCode, kLastBuiltInCode);
    case 3:
      return in.ConsumeIntegralInRange<int32_t>(kFirstRapidFireCode, kFirstRapidFireCode + 13);
    default:
      return 256 * in.ConsumeIntegralInRange<int32_t>(1, 13) +
             in.ConsumeIntegralInRange<int32_t>(0, 13);
  }
}

class FuzzGroups final : public GroupMacroSource {
 public:
  int GroupCount() const override { return count; }
  int GroupMacroCount(int group) const override {
    return group >= 0 && group < count ? macro_counts[static_cast<size_t>(group)] : 0;
  }
  MacroRecord GroupMacro(int group, int index) const override {
    if (group < 0 || group >= count || index < 0 || index >= GroupMacroCount(group) ||
        pool.empty()) {
      return MacroRecord{};
    }
    return pool[static_cast<size_t>(group * 12 + index) % pool.size()];
  }

  int count = 0;
  std::array<int, 12> macro_counts{};
  std::vector<MacroRecord> pool;
};

// Forwards to the mouse (or keeps its own 64 KiB) and checks every write against the areas
// of the memory map the download's current step may write.
class CheckedMemory final : public DeviceMemory {
 public:
  explicit CheckedMemory(DeviceMemory* forward = nullptr) : forward_(forward) {}

  // The step the download reports; 0 outside a download, where only the left-button macro is
  // written again.
  int step = 0;
  std::vector<bool> written = std::vector<bool>(65536, false);

  void OpeningGet() override {
    if (forward_) forward_->OpeningGet();
  }
  void Write(uint16_t address, const uint8_t* data, int length) override {
    Check(length >= 1 && length <= 256 && address + length <= 65536);
    const uint32_t end = address + static_cast<uint32_t>(length);
    if (step == 14 || step == 0) {  // the macros
      Check(address >= kMacroAreaStart && end <= kMacroAreaEnd);
    } else {  // the settings block and the button entries
      const uint32_t entries_end = kButtonEntryAddress + kButtonEntryCount * kButtonEntrySize;
      Check(end <= 128 || (address >= kButtonEntryAddress && end <= entries_end));
    }
    for (uint32_t a = address; a < end; ++a)
      written[a] = true;
    if (forward_) forward_->Write(address, data, length);
  }
  void Read(uint16_t address, uint8_t* data, int length) override {
    Check(length >= 1 && length <= 256 && address + length <= 65536);
    if (forward_) {
      forward_->Read(address, data, length);
    } else {
      std::fill(data, data + length, 0);
    }
  }
  void Apply() override {
    if (forward_) forward_->Apply();
  }

 private:
  DeviceMemory* forward_;
};

}  // namespace devero::fuzz
