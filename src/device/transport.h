#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <span>

#include "device/device_link.h"
#include "device/feature_report.h"
#include "device/quick_set.h"
#include "device/transport_observer.h"
#include "platform/clock/clock.h"

namespace devero {

// Every report to the mouse: feature reports with report ID 7 through the link's write handle,
// built in the one feature-report buffer. Each command holds the transport's lock from its
// first report to its last, so commands from several threads never interleave. Report results
// are not reported: with no mouse (a null or invalid handle) the reports simply fail, the
// delays are kept.
class DeviceTransport {
 public:
  DeviceTransport(const DeviceLink& link, Clock& clock);

  // The observer must outlive its use; nullptr for none.
  void SetObserver(TransportObserver* observer);

  // Reads buffer.size() bytes from address: for each byte a read report and a get, whose reply
  // carries the byte in byte 1 (a failed get leaves the previous byte 1). Returns false when a
  // get failed. Blocks are at most 256 bytes; a longer buffer is read block after block.
  bool ReadDeviceBytes(uint16_t address, std::span<uint8_t> buffer);
  // Stages every byte, commits the block and ends; returns the result of the last report.
  bool WriteDeviceBytes(uint16_t address, std::span<const uint8_t> data);
  void ApplyDeviceSettings();
  void SendLightingQuickSet(const LightingQuickSet& lighting);
  // `level` is the DPI stage 0..5, `color` its colour levels.
  void SendDpiColorQuickSet(int level, const ColorLevels& color);
  void SendConsumerKey(uint16_t usage);
  // Not sent when the write handle failed to open; sent (and failing) when it was never opened.
  void SendCloseReport();
  // The profile in force on the mouse (byte 6 bits 2-3 of the state reply).
  int QueryCurrentProfile();
  // The get, with only the report ID set, that opens every settings download.
  void GetDownloadOpeningReport();
  // A protocol delay between commands.
  void Delay(int ms);

  // Bytes 0..7 of the buffer, for tests of the carry-over.
  std::array<uint8_t, 8> BufferHead() const;

 private:
  hid::HidHandle PrepareLocked();
  bool SetLocked(const hid::HidHandle& handle);
  bool GetLocked(const hid::HidHandle& handle);
  void WaitLocked(int ms);
  void SetBytesLocked(std::initializer_list<uint8_t> bytes);
  bool WriteBlockLocked(const hid::HidHandle& handle, uint16_t address,
                        std::span<const uint8_t> data);
  bool ReadBlockLocked(const hid::HidHandle& handle, uint16_t address, std::span<uint8_t> buffer);

  const DeviceLink& link_;
  Clock& clock_;
  mutable std::mutex mutex_;
  FeatureReport report_;
  TransportObserver* observer_ = nullptr;
};

}  // namespace devero
