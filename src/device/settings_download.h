#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "device/button_entry.h"
#include "device/device_memory.h"
#include "device/group_macro_source.h"
#include "device/macro_image.h"
#include "device/settings_image.h"
#include "macro/macro_record.h"
#include "platform/pointer/pointer_settings.h"
#include "platform/user/warning_service.h"
#include "profile/product_description.h"
#include "profile/profile_settings.h"

namespace devero {

inline constexpr uint16_t kButtonEntryAddress = 160;
inline constexpr int kButtonEntryCount = kProfileCount * kDeviceSlots;

// What one download reads and, for invalid function codes, changes.
struct DownloadContext {
  ProfileSettings& settings;
  const ProductDescription& product;
  int product_variant;  // 0: the mouse answered with the alternative product id
  const BuiltInMacroTable& built_ins;
  const RapidFireTable& rapid_fire;
  const GroupMacroSource& groups;
};

// One device slot's place in the macro area, as the last placement left it.
struct PlacedSlot {
  int32_t code = 0;
  uint8_t device_function_code = 0;
  uint16_t address = 0;
  uint32_t size = 0;
  uint16_t encoded_step_count = 0;
};

// The group macro of the current profile's first button, ready to be written again.
struct LeftButtonJob {
  int group = 0;
  int index = 0;
  MacroRecord macro;
  uint16_t address = 0;
  uint32_t size = 0;
  int interval_ms = 1;
};

// Turns the settings record into the mouse's memory. Keeps, between downloads, the lighting
// state, the macro end and data addresses, and where the left button's macro went.
class SettingsDownload {
 public:
  enum class Result { kDone, kStopped, kBusy };

  SettingsDownload(DeviceMemory& memory, WarningService& warnings, PointerSettings& pointer,
                   uint16_t vendor_id, uint16_t regular_product_id)
      : memory_(memory),
        warnings_(warnings),
        pointer_(pointer),
        vendor_id_(vendor_id),
        product_id_(regular_product_id) {}

  // The whole download, in its order. Stops (kStopped) after a warning when the macros do not
  // fit; does nothing (kBusy) while another download runs.
  Result Run(DownloadContext& ctx);
  bool busy() const { return busy_; }

  // Reports each step of Run as it starts (1..total).
  std::function<void(int step, int total)> progress;

  // Sets function codes that name a missing group macro or rapid-fire item (or nothing at
  // all) to 0 in the settings, and gives the slot bytes of the four profiles.
  SlotBytes ValidateAndBuildSlots(DownloadContext& ctx);
  // Sizes and places every macro a button plays and builds the button entries.
  bool PlaceMacros(const DownloadContext& ctx);
  bool WriteMacros(const DownloadContext& ctx);

  const std::array<ButtonEntry, kButtonEntryCount>& entries() const { return entries_; }
  const std::array<PlacedSlot, kButtonEntryCount>& placement() const { return placement_; }
  uint16_t macro_end() const { return macro_end_; }
  const std::array<uint16_t, 3>& data_addresses() const { return data_addresses_; }
  const LightingState& lighting() const { return lighting_; }
  int interval_ms() const { return interval_ms_; }
  uint16_t left_button_macro_address() const { return left_address_; }
  uint32_t left_button_macro_size() const { return left_size_; }

  // The left-button re-download, in its halves: what to write (read on the thread that owns the
  // settings) and the writing itself (on any thread). Nothing when the first button plays no
  // group macro or no download has placed one.
  std::optional<LeftButtonJob> PrepareLeftButtonRedownload(const ProfileSettings& settings,
                                                           const GroupMacroSource& groups) const;
  // Writes the adjusted image and gives back the adjusted macro, to be stored in its group.
  MacroRecord WriteLeftButtonMacro(LeftButtonJob job, int direction);

 private:
  void WriteBlock(const SettingsBlock& block, uint16_t address, int length);
  void Progress(int step);
  MacroRecord MacroOfSlot(const DownloadContext& ctx, int32_t code, MacroKind& kind) const;

  DeviceMemory& memory_;
  WarningService& warnings_;
  PointerSettings& pointer_;
  uint16_t vendor_id_;
  uint16_t product_id_;

  bool busy_ = false;
  LightingState lighting_;
  uint16_t macro_end_ = 0;
  std::array<uint16_t, 3> data_addresses_{};
  uint16_t left_address_ = 0;
  uint32_t left_size_ = 0;
  int interval_ms_ = 1;
  std::array<int, kDeviceSlots> buttons_by_slot_{};
  std::array<ButtonEntry, kButtonEntryCount> entries_{};
  std::array<PlacedSlot, kButtonEntryCount> placement_{};
  uint16_t next_macro_address_ = kMacroAreaStart;
};

}  // namespace devero
