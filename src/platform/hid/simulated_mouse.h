#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/hid/hid_device.h"
#include "platform/hid/hid_types.h"

namespace devero::hid {

struct SimulatedMouseOptions {
  uint16_t vendor_id = 0;
  uint16_t product_id = 0;
  uint16_t feature_report_length = 8;  // report ID byte included; at least 8
  uint16_t input_report_length = 8;    // report ID byte included; at least 3
  // A raw 64 KiB image of the memory kept between runs; empty for none.
  std::filesystem::path memory_file;
};

// The firmware of the mouse, standing in for the real one: a 64 KiB configuration memory,
// the staging block of the memory protocol, the quick-set, consumer-key, close and state
// reports (report ID 7 on the feature interface, usage page 0xFF01), and input reports with
// report ID 6 on the input interface (usage page 0xFF00) when its buttons are pressed.
// Every method is safe to call from any thread.
class SimulatedMouse {
 public:
  static constexpr std::size_t kMemorySize = 65536;
  static constexpr uint16_t kInputUsagePage = 0xFF00;
  static constexpr uint16_t kFeatureUsagePage = 0xFF01;

  explicit SimulatedMouse(SimulatedMouseOptions options);
  // Saves the memory to the memory file when it changed since the last load or save, unless
  // an image was there that was not loaded.
  ~SimulatedMouse();
  SimulatedMouse(const SimulatedMouse&) = delete;
  SimulatedMouse& operator=(const SimulatedMouse&) = delete;

  // The USB ids it answers with. The product id follows a complete identity block written to
  // memory bytes 0..7 (0x5A, identity byte, 0xA5, product id, vendor id, 0x10).
  uint16_t vendor_id() const;
  uint16_t product_id() const;
  void SetProductId(uint16_t product_id);

  std::vector<uint8_t> InputReportDescriptor() const;
  std::vector<uint8_t> FeatureReportDescriptor() const;
  // Handles on the two interfaces. They stay valid after the mouse object is gone, but fail.
  std::shared_ptr<HidDevice> OpenInputInterface();
  std::shared_ptr<HidDevice> OpenFeatureInterface();

  // Unplugging makes every open handle fail for good; after replugging new opens work.
  void SetPresent(bool present);
  bool present() const;

  // The memory, byte for byte.
  std::vector<uint8_t> Memory() const;
  std::vector<uint8_t> ReadMemory(uint16_t address, std::size_t length) const;
  uint8_t MemoryByte(uint16_t address) const;
  // Writes as a committed block would (the current profile follows byte 1).
  void WriteMemory(uint16_t address, std::span<const uint8_t> bytes);

  // Loads the memory file when it exists; an error text, or empty on success (or no file).
  std::string LoadMemoryFile();
  std::string SaveMemoryFile();

  int CurrentProfile() const;
  int DpiStage() const;
  std::vector<uint16_t> ConsumerKeys() const;
  int CloseReportCount() const;
  int ApplyCount() const;
  int FeatureSetCount() const;
  int FeatureGetCount() const;
  // Bytes 0..7 of the last lighting (0x13) and DPI colour (0x14) quick-set reports.
  std::array<uint8_t, 8> LastLightingQuickSet() const;
  std::array<uint8_t, 8> LastDpiColorQuickSet() const;

  // A press of device slot 1..14 in the current profile, as the firmware handles it from the
  // slot byte in memory: a DPI button moves the stage and reports it, a profile button changes
  // the profile and reports the change, any other button reports press and release.
  void PressButton(int slot);
  // Queues an input report exactly as given (any length, any report ID).
  void InjectInputReport(std::span<const uint8_t> report);

  class Core;

 private:
  std::shared_ptr<Core> core_;
};

}  // namespace devero::hid
