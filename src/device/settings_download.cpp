#include "device/settings_download.h"

#include <algorithm>

#include "device/function_codes.h"

namespace devero {
namespace {

constexpr int kSteps = 18;
constexpr uint16_t kIdentityAddress = 0;
constexpr uint16_t kLastEightByteBlock = 104;

int BuiltInNumber(int32_t code) {
  const int n = code - kFirstBuiltInCode;
  return n > 12 ? 0 : n;
}

bool IsRapidFireCode(int32_t code) {
  return code >= kFirstRapidFireCode && code <= kLastRapidFireCode;
}

bool GroupMacroExists(const GroupMacroSource& groups, int32_t code) {
  const int g = GroupOfCode(code);
  const int k = MacroOfCode(code);
  const int count = groups.GroupCount();
  // Group and macro must exist: an index equal to the count names nothing.
  if (count == 0 || g < 0 || g >= count) return false;
  const int macros = groups.GroupMacroCount(g);
  return macros != 0 && k < macros;
}

}  // namespace

void SettingsDownload::Progress(int step) {
  if (progress) progress(step, kSteps);
}

void SettingsDownload::WriteBlock(const SettingsBlock& block, uint16_t address, int length) {
  memory_.Write(address, block.data() + address, length);
}

MacroRecord SettingsDownload::MacroOfSlot(const DownloadContext& ctx, int32_t code,
                                          MacroKind& kind) const {
  if (code >= kFirstGroupMacroCode) {
    kind = MacroKind::kRapidFireOrGroup;
    return ctx.groups.GroupMacro(GroupOfCode(code), MacroOfCode(code));
  }
  if (IsRapidFireCode(code)) {
    kind = MacroKind::kRapidFireOrGroup;
    const int n = code - kFirstRapidFireCode;
    return n < kRapidFireSlots ? ctx.rapid_fire.slots[n] : MacroRecord{};
  }
  kind = MacroKind::kBuiltIn;
  return ctx.built_ins.slots[BuiltInNumber(code)];
}

SlotBytes SettingsDownload::ValidateAndBuildSlots(DownloadContext& ctx) {
  ProfileSettings& s = ctx.settings;
  buttons_by_slot_ = ButtonsBySlot(ctx.product);
  SlotBytes slots{};
  placement_ = {};
  for (int p = 0; p < kProfileCount; ++p) {
    for (int i = 0; i < ctx.product.keyNum; ++i) {
      int32_t& code = s.buttonFunction[p][i];
      if (code < 0) code = 0;
      if (code >= kFirstGroupMacroCode && !GroupMacroExists(ctx.groups, code)) code = 0;
      if (IsRapidFireCode(code) && code - kFirstRapidFireCode >= ctx.rapid_fire.rapidFireCount) {
        code = 0;
      }
      if (!ctx.product.HasValidMapNumber(i)) continue;
      uint8_t mode = 0;
      if (code >= kFirstBuiltInCode) {
        MacroKind kind;
        mode = MacroOfSlot(ctx, code, kind).repeatMode;
      }
      const uint8_t device_code = DeviceFunctionCode(code, s.buttonMacro[p][i], mode);
      const int slot = ctx.product.keyMap[i];
      slots[p][slot - 1] =
          SlotByte(device_code, s.buttonLedReactEnable[p][i], s.buttonLedReactType[p][i]);
      PlacedSlot& placed = placement_[p * kDeviceSlots + slot - 1];
      placed.code = code;
      placed.device_function_code = device_code;
    }
  }
  return slots;
}

bool SettingsDownload::PlaceMacros(const DownloadContext& ctx) {
  uint16_t next = kMacroAreaStart;
  // The re-download's place and size come from one slot of one placement, and only from one
  // that succeeded: a stopped download leaves the mouse's entries as they were.
  uint16_t left_address = 0;
  uint32_t left_size = 0;
  entries_ = {};
  for (int p = 0; p < kProfileCount; ++p) {
    for (int s = 1; s <= kDeviceSlots; ++s) {
      const int e = p * kDeviceSlots + s - 1;
      PlacedSlot& placed = placement_[e];
      if (!HasButtonEntry(placed.device_function_code)) continue;
      const int32_t code = placed.code;
      MacroRecord macro;
      bool has_macro = false;
      placed.size = 0;
      placed.encoded_step_count = 0;
      if (code >= kFirstBuiltInCode) {
        MacroKind kind;
        macro = MacroOfSlot(ctx, code, kind);
        if (kind == MacroKind::kRapidFireOrGroup) RepeatShortMacro(macro);
        placed.size = MacroDataSize(macro, kind, interval_ms_);
        placed.encoded_step_count = EncodedStepCount(macro, kind, interval_ms_);
        has_macro = true;
      }
      const auto earlier =
          std::find_if(placement_.begin(), placement_.begin() + e, [&](const PlacedSlot& other) {
            return HasButtonEntry(other.device_function_code) && other.code == code;
          });
      if (earlier != placement_.begin() + e) {
        placed.address = earlier->address;
      } else {
        placed.address = next;
        next = static_cast<uint16_t>(std::min<uint32_t>(next + placed.size, 0xFFFF));
        if (next >= kMacroAreaEnd) {
          warnings_.ShowWarning(u"Please reduce the number of macros ");
          return false;
        }
      }
      if (has_macro && code >= kFirstRapidFireCode && p == ctx.settings.currentProfile && s == 1) {
        left_address = placed.address;
        left_size = placed.size;
      }
      entries_[e] = BuildButtonEntry({code, placed.device_function_code,
                                      has_macro ? &macro : nullptr, placed.address,
                                      placed.encoded_step_count, ctx.settings.reportRateCode, s});
    }
  }
  next_macro_address_ = next;
  left_address_ = left_address;
  left_size_ = left_size;
  return true;
}

bool SettingsDownload::WriteMacros(const DownloadContext& ctx) {
  for (int e = 0; e < kButtonEntryCount; ++e) {
    const PlacedSlot& placed = placement_[e];
    if (!PlaysMacro(placed.device_function_code) || placed.code < kFirstBuiltInCode) continue;
    MacroKind kind;
    MacroRecord macro = MacroOfSlot(ctx, placed.code, kind);
    if (kind == MacroKind::kRapidFireOrGroup) {
      const bool written =
          std::any_of(placement_.begin(), placement_.begin() + e, [&](const PlacedSlot& other) {
            return PlaysMacro(other.device_function_code) && other.code == placed.code &&
                   other.address == placed.address;
          });
      if (written) continue;
      RepeatShortMacro(macro);
    }
    std::vector<uint8_t> image;
    if (!BuildMacroImage(macro, kind, placed.size, placed.address, interval_ms_, warnings_,
                         image)) {
      return false;
    }
    for (uint32_t offset = 0; offset < image.size(); offset += 8) {
      const uint32_t address = placed.address + offset;
      if (address >= kMacroAreaEnd) {
        warnings_.ShowWarning(u" Please reduce the number of macros");
        return false;
      }
      const int length = static_cast<int>(std::min<size_t>(8, image.size() - offset));
      memory_.Write(static_cast<uint16_t>(address), image.data() + offset, length);
    }
  }
  return true;
}

SettingsDownload::Result SettingsDownload::Run(DownloadContext& ctx) {
  if (busy_) return Result::kBusy;
  busy_ = true;
  ProfileSettings& s = ctx.settings;
  Progress(1);
  memory_.OpeningGet();

  Progress(2);
  const SlotBytes slots = ValidateAndBuildSlots(ctx);
  Progress(3);
  UpdateLightingState(lighting_, s.ledType);
  Progress(4);
  s.DeriveCycleColorMaskFromFlags();

  SettingsBlockInput in;
  in.settings = &s;
  in.slots = &slots;
  in.lighting = lighting_;
  in.regular_product_id = product_id_;
  in.vendor_id = vendor_id_;
  in.macro_end = macro_end_;
  std::copy(data_addresses_.begin(), data_addresses_.end(), in.data_addresses.begin());
  SettingsBlock block = BuildSettingsBlock(in);

  Progress(5);
  if (ctx.product_variant == 0) {
    WriteBlock(block, kIdentityAddress, 8);
  } else {
    WriteBlock(block, 1, 1);
  }
  Progress(6);
  interval_ms_ = s.reportRateCode + 1;
  for (uint16_t address = 8; address <= kLastEightByteBlock; address += 8) {
    WriteBlock(block, address, 8);
  }
  Progress(7);
  uint8_t byte118 = 0;
  memory_.Read(118, &byte118, 1);
  block[118] = static_cast<uint8_t>((byte118 & 0xFC) + (s.currentProfile & 3));
  block[119] = 0;
  WriteBlock(block, 112, 8);
  Progress(8);
  const SettingsBlock zeros{};
  WriteBlock(zeros, 120, 8);

  Progress(9);
  if (!PlaceMacros(ctx)) {
    busy_ = false;
    return Result::kStopped;
  }
  Progress(10);
  std::array<uint8_t, kButtonEntryCount * kButtonEntrySize> entry_bytes{};
  for (int e = 0; e < kButtonEntryCount; ++e) {
    std::copy(entries_[e].begin(), entries_[e].end(), entry_bytes.begin() + e * kButtonEntrySize);
  }
  for (size_t offset = 0; offset < entry_bytes.size(); offset += 8) {
    memory_.Write(static_cast<uint16_t>(kButtonEntryAddress + offset), entry_bytes.data() + offset,
                  8);
  }

  macro_end_ = next_macro_address_;
  const uint16_t a1 = static_cast<uint16_t>(macro_end_ + 8);
  data_addresses_ = {a1, static_cast<uint16_t>(a1 + 8), static_cast<uint16_t>(a1 + 16)};
  in.macro_end = macro_end_;
  in.data_addresses = {data_addresses_[0], data_addresses_[1], data_addresses_[2],
                       static_cast<uint16_t>(a1 + 24)};
  block = BuildSettingsBlock(in);
  Progress(11);
  WriteBlock(block, 110, 2);
  Progress(12);
  WriteBlock(block, 112, 8);
  Progress(13);
  WriteBlock(block, 120, 8);

  Progress(14);
  if (!WriteMacros(ctx)) {
    busy_ = false;
    return Result::kStopped;
  }
  Progress(15);
  memory_.Apply();
  Progress(16);
  if (pointer_.GetMouseSpeed()) pointer_.SetMouseSpeed(PointerSpeedFor(s.dpiSpeed));
  Progress(17);
  if (pointer_.GetWheelScrollLines()) pointer_.SetWheelScrollLines(s.wheelSpeed);
  Progress(18);
  busy_ = false;
  return Result::kDone;
}

std::optional<LeftButtonJob> SettingsDownload::PrepareLeftButtonRedownload(
    const ProfileSettings& settings, const GroupMacroSource& groups) const {
  const int profile = settings.currentProfile;
  if (profile < 0 || profile >= kProfileCount) return std::nullopt;
  const int32_t code = settings.buttonFunction[profile][0];
  if (code < kFirstGroupMacroCode || left_size_ == 0) return std::nullopt;
  LeftButtonJob job;
  job.group = GroupOfCode(code);
  job.index = MacroOfCode(code);
  job.macro = groups.GroupMacro(job.group, job.index);
  job.address = left_address_;
  job.size = left_size_;
  job.interval_ms = interval_ms_;
  return job;
}

MacroRecord SettingsDownload::WriteLeftButtonMacro(LeftButtonJob job, int direction) {
  const std::vector<uint8_t> image =
      BuildAdjustedCursorImage(job.macro, job.size, job.interval_ms, direction);
  for (size_t offset = 0; offset < image.size(); offset += 8) {
    const size_t address = job.address + offset;
    const int length = static_cast<int>(std::min<size_t>(8, image.size() - offset));
    // Only ever into the macro area, whatever job it is handed.
    if (address < kMacroAreaStart || address + length > kMacroAreaEnd) break;
    memory_.Write(static_cast<uint16_t>(address), image.data() + offset, length);
  }
  return job.macro;
}

}  // namespace devero
