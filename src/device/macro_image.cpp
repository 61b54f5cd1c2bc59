#include "device/macro_image.h"

#include <algorithm>

namespace devero {
namespace {

constexpr uint32_t RoundUp8(uint32_t n) {
  return (n + 7u) & ~7u;
}

int StepsOf(const MacroRecord& m) {
  return std::min<int>(m.stepCount, kMaxSteps);
}

// Writes into a fixed buffer; whatever would pass its end is dropped.
class BoundedWriter {
 public:
  explicit BoundedWriter(std::vector<uint8_t>& out) : out_(out) {}
  void Put(size_t at, uint8_t byte) {
    if (at < out_.size()) out_[at] = byte;
  }
  void Append(std::initializer_list<uint8_t> bytes) {
    for (uint8_t b : bytes)
      Put(pos_++, b);
  }
  void Append16(uint16_t value) {
    Append({static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>(value >> 8)});
  }
  size_t pos() const { return pos_; }

 private:
  std::vector<uint8_t>& out_;
  size_t pos_ = 0;
};

struct Delay {
  uint8_t d = 1;
  int extra_full = 0;   // (127, 0) records
  int extra_empty = 0;  // (0, 0) records
};

Delay SplitDelay(uint32_t q) {
  Delay out;
  if (q <= 127) {
    out.d = static_cast<uint8_t>(q == 0 ? 1 : q);
    return out;
  }
  const uint32_t n = q / 127;
  uint32_t rest = q;
  for (uint32_t i = 0; i < n; ++i) {
    if (rest > 127) {
      ++out.extra_full;
      rest -= 127;
    } else {
      ++out.extra_empty;
    }
  }
  out.d = static_cast<uint8_t>(rest);
  return out;
}

uint32_t DelayUnits(uint16_t delay_ms, int interval_ms, bool cap) {
  const uint32_t ms = cap ? std::min<uint32_t>(delay_ms, kMaxDelayMs) : delay_ms;
  return ms / static_cast<uint32_t>(std::max(interval_ms, 1));
}

uint32_t PaddedBlock(const DataBlock& block) {
  return RoundUp8(4u * block[0] + 4u);
}

int TotalExtraRecords(const MacroRecord& m, int interval_ms) {
  int e = 0;
  for (int i = 0; i < StepsOf(m); ++i)
    e += ExtraDelayRecords(m.stepDelay[i], interval_ms);
  return e;
}

uint32_t DataOffset(const MacroRecord& m, uint32_t steps, int extra) {
  const uint32_t units = steps + static_cast<uint32_t>(extra) + 2u * m.xyStepCount +
                         m.code247Count + m.dpiStepCount + m.code250Count + m.ledDataCount +
                         m.code251DataCount;
  return RoundUp8(2u + 2u * units);
}

void AppendDelayRecords(BoundedWriter& w, const Delay& delay) {
  for (int i = 0; i < delay.extra_full; ++i)
    w.Append({127, 0});
  for (int i = 0; i < delay.extra_empty; ++i)
    w.Append({0, 0});
}

void AppendCursorMove(BoundedWriter& w, uint8_t d, uint8_t action, const StepParam& p) {
  const bool x_negative = action == 3 || action == 4;
  const bool y_negative = action == 3 || action == 5;
  const auto x = static_cast<uint16_t>(x_negative ? -static_cast<int>(p.param1) : p.param1);
  const auto y = static_cast<uint16_t>(y_negative ? -static_cast<int>(p.param2) : p.param2);
  w.Append({d, kStepCursorMove});
  w.Append16(x);
  w.Append16(y);
}

// The records every kind of step shares; false for a lighting step, which the caller writes.
bool AppendCommonRecord(BoundedWriter& w, uint8_t d, uint8_t code, uint8_t action,
                        const StepParam& p) {
  switch (code) {
    case kStepDelay:
      w.Append({d, 0});
      return true;
    case kStepCursorMove:
      if (action >= 3 && action <= 6) {
        AppendCursorMove(w, d, action, p);
      } else {
        w.Append({d, kStepCursorMove});
      }
      return true;
    case kStepDpi: {
      const uint8_t level = static_cast<uint8_t>(p.param1 & 0xFF);
      const uint8_t first = action == 9 ? static_cast<uint8_t>(d + 128) : action == 10 ? d : 0;
      w.Append({first, kStepDpi, level, 0});
      return true;
    }
    case kStepLighting:
      return false;
    default:
      if (action == kActionPress) w.Append({static_cast<uint8_t>(d + 128), code});
      if (action == kActionRelease) w.Append({d, code});
      return true;
  }
}

}  // namespace

void RepeatShortMacro(MacroRecord& m) {
  if (m.repeatMode != 2) return;
  const int steps = StepsOf(m);
  if (steps == 0) return;
  uint32_t total = 1;
  for (int i = 0; i < steps; ++i)
    total += m.stepDelay[i];
  const uint32_t factor = 40 / total;
  if (factor <= 1) return;
  int count = steps;
  for (uint32_t copy = 1; copy < factor; ++copy) {
    for (int i = 0; i < steps && count < kMaxSteps; ++i, ++count) {
      m.stepAction[count] = m.stepAction[i];
      m.stepParam[count] = m.stepParam[i];
      m.stepDelay[count] = m.stepDelay[i];
      m.stepCode[count] = m.stepCode[i] > kStepCursorMove ? kStepDelay : m.stepCode[i];
      if (m.stepCode[i] == kStepCursorMove) ++m.xyStepCount;
    }
  }
  m.stepCount = static_cast<uint16_t>(count);
}

int ExtraDelayRecords(uint16_t delay_ms, int interval_ms) {
  const uint32_t q = DelayUnits(delay_ms, interval_ms, true);
  return q > 127 ? static_cast<int>(q / 127) : 0;
}

uint32_t MacroDataSize(const MacroRecord& m, MacroKind kind, int interval_ms) {
  const bool built_in = kind == MacroKind::kBuiltIn;
  uint32_t steps = static_cast<uint32_t>(StepsOf(m));
  if (!built_in && steps == 0) steps = 3;
  uint32_t size = DataOffset(m, steps, built_in ? 0 : TotalExtraRecords(m, interval_ms));
  for (int b = 0; b < std::min<int>(m.ledDataCount, kDataBlockCount); ++b) {
    size += PaddedBlock(m.ledData[b]);
  }
  for (int b = 0; b < std::min<int>(m.code251DataCount, kDataBlockCount); ++b) {
    size += PaddedBlock(m.code251Data[b]);
  }
  return RoundUp8(std::min(size, kMaxMacroSize));
}

uint16_t EncodedStepCount(const MacroRecord& m, MacroKind kind, int interval_ms) {
  if (kind == MacroKind::kBuiltIn) return static_cast<uint16_t>(StepsOf(m));
  const int steps = StepsOf(m) == 0 ? 3 : StepsOf(m);
  return static_cast<uint16_t>(steps + TotalExtraRecords(m, interval_ms));
}

bool BuildMacroImage(const MacroRecord& m, MacroKind kind, uint32_t size, uint16_t address,
                     int interval_ms, WarningService& warnings, std::vector<uint8_t>& image) {
  image.assign(size, 0);
  BoundedWriter w(image);
  const bool built_in = kind == MacroKind::kBuiltIn;
  const int low = built_in ? 0 : (m.repeatMode & 3);
  w.Append16(low == 1 || low == 2 ? 1 : m.repeatCount);

  const int steps = StepsOf(m);
  const int extra = built_in ? 0 : TotalExtraRecords(m, interval_ms);
  uint32_t data_at = DataOffset(m, static_cast<uint32_t>(steps), extra);
  for (int i = 0; i < steps; ++i) {
    const uint32_t q = DelayUnits(m.stepDelay[i], interval_ms, true);
    // Built-in macros carry no extra delay records: their size and step count leave no room.
    const Delay delay = built_in ? SplitDelay(std::min<uint32_t>(q, 127)) : SplitDelay(q);
    const uint8_t code = m.stepCode[i];
    const uint8_t action = m.stepAction[i];
    if (!AppendCommonRecord(w, delay.d, code, action, m.stepParam[i])) {
      const int block = m.stepParam[i].param1 & 0xFF;
      if (m.ledDataCount == 0 || block >= kDataBlockCount) {
        warnings.ShowWarning(u"Error ");
      } else {
        const bool known = action >= 13 && action <= 15;
        if (!known) warnings.ShowWarning(u"Error ");
        const uint32_t copy_address = address + data_at;
        const DataBlock& data = m.ledData[block];
        const uint32_t length = 4u * data[0] + 4u;
        const uint8_t kind_bits = known ? static_cast<uint8_t>((action - 13) * 64) : 0;
        w.Append({delay.d, kStepLighting, static_cast<uint8_t>(copy_address & 0xFF),
                  static_cast<uint8_t>(((copy_address >> 8) & 0x3F) + kind_bits)});
        w.Put(data_at, static_cast<uint8_t>(data[0] - 1));
        for (uint32_t k = 1; k < length && k < data.size(); ++k)
          w.Put(data_at + k, data[k]);
        data_at += RoundUp8(length);
        if (address + data_at > 16385) {
          warnings.ShowWarning(u" Error");
          return false;
        }
      }
    }
    AppendDelayRecords(w, delay);
  }
  return true;
}

std::vector<uint8_t> BuildAdjustedCursorImage(MacroRecord& m, uint32_t size, int interval_ms,
                                              int direction) {
  std::vector<uint8_t> image(size, 0);
  BoundedWriter w(image);
  const int low = m.repeatMode & 3;
  w.Append16(low == 1 || low == 2 ? 1 : m.repeatCount);
  for (int i = 0; i < StepsOf(m); ++i) {
    const uint32_t q = DelayUnits(m.stepDelay[i], interval_ms, false);
    const uint8_t d = static_cast<uint8_t>(std::clamp<uint32_t>(q, 1, 127));
    StepParam& p = m.stepParam[i];
    if (m.stepCode[i] == kStepCursorMove) {
      if (direction == 1 && p.param2 < 30) ++p.param2;
      if (direction == 0 && p.param2 > 0) --p.param2;
    }
    AppendCommonRecord(w, d, m.stepCode[i], m.stepAction[i], p);
  }
  return image;
}

}  // namespace devero
