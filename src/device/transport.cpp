#include "device/transport.h"

#include <algorithm>
#include <array>

namespace devero {
namespace {

constexpr uint8_t kReportId = 0x07;
constexpr uint8_t kCmdMemory = 0x18;
constexpr uint8_t kCmdLighting = 0x13;
constexpr uint8_t kCmdDpiColor = 0x14;
constexpr uint8_t kCmdConsumerKey = 0x17;
constexpr uint8_t kCmdClose = 0x20;

constexpr uint8_t kMemEnd = 0x00;
constexpr uint8_t kMemStage = 0x03;
constexpr uint8_t kMemRead = 0x05;
constexpr uint8_t kMemCommit = 0x09;
constexpr uint8_t kMemApply = 0x10;

constexpr std::size_t kMaxBlock = 256;

constexpr int kStagedWaitMs = 4;
constexpr int kStepWaitMs = 2;
constexpr int kApplyWaitMs = 5;

uint8_t Lo(uint16_t address) {
  return static_cast<uint8_t>(address & 0xFF);
}
uint8_t Hi(uint16_t address) {
  return static_cast<uint8_t>(address >> 8);
}

}  // namespace

DeviceTransport::DeviceTransport(const DeviceLink& link, Clock& clock)
    : link_(link), clock_(clock) {}

void DeviceTransport::SetObserver(TransportObserver* observer) {
  std::lock_guard lock(mutex_);
  observer_ = observer;
}

hid::HidHandle DeviceTransport::PrepareLocked() {
  DeviceLink::Endpoint endpoint = link_.WriteEndpoint();
  report_.Resize(endpoint.caps.feature_report_length);
  return std::move(endpoint.handle);
}

bool DeviceTransport::SetLocked(const hid::HidHandle& handle) {
  if (observer_) observer_->OnFeatureSet(report_.bytes());
  return handle.SetFeature(report_.bytes());
}

bool DeviceTransport::GetLocked(const hid::HidHandle& handle) {
  std::array<uint8_t, FeatureReport::kMeaningfulBytes> sent{};
  if (observer_) std::copy_n(report_.bytes().begin(), sent.size(), sent.begin());
  const bool ok = handle.GetFeature(report_.bytes());
  if (observer_) observer_->OnFeatureGet(sent, report_.bytes());
  return ok;
}

void DeviceTransport::WaitLocked(int ms) {
  if (observer_) observer_->OnDelay(ms);
  clock_.SleepMs(ms);
}

void DeviceTransport::SetBytesLocked(std::initializer_list<uint8_t> bytes) {
  std::size_t i = 0;
  for (uint8_t b : bytes)
    report_[i++] = b;
}

bool DeviceTransport::WriteBlockLocked(const hid::HidHandle& handle, uint16_t address,
                                       std::span<const uint8_t> data) {
  const auto last = static_cast<uint8_t>(data.size() - 1);
  for (std::size_t i = 0; i < data.size(); ++i) {
    SetBytesLocked({kReportId, kCmdMemory, kMemStage, static_cast<uint8_t>(i), Lo(address),
                    Hi(address), data[i], last});
    SetLocked(handle);
  }
  WaitLocked(kStagedWaitMs);
  SetBytesLocked({kReportId, kCmdMemory, kMemCommit, 0, Lo(address), Hi(address), 0, last});
  SetLocked(handle);
  WaitLocked(kStepWaitMs);
  SetBytesLocked({kReportId, kCmdMemory, kMemEnd, 0, Lo(address), Hi(address), 0, 0});
  return SetLocked(handle);
}

bool DeviceTransport::ReadBlockLocked(const hid::HidHandle& handle, uint16_t address,
                                      std::span<uint8_t> buffer) {
  const auto last = static_cast<uint8_t>(buffer.size() - 1);
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    SetBytesLocked({kReportId, kCmdMemory, kMemStage, static_cast<uint8_t>(i), Lo(address),
                    Hi(address), 0, last});
    SetLocked(handle);
    WaitLocked(kStepWaitMs);
  }
  WaitLocked(kStepWaitMs);
  SetBytesLocked({kReportId, kCmdMemory, kMemEnd, 0, Lo(address), Hi(address), 0, 0});
  SetLocked(handle);
  bool all_got = true;
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    SetBytesLocked({kReportId, kCmdMemory, kMemRead, static_cast<uint8_t>(i), Lo(address),
                    Hi(address), 0, last});
    SetLocked(handle);
    WaitLocked(kStepWaitMs);
    all_got = GetLocked(handle) && all_got;
    buffer[i] = report_[1];
  }
  WaitLocked(kStepWaitMs);
  SetBytesLocked({kReportId, kCmdMemory, kMemEnd, 0, 0, 0, 0, 0});
  SetLocked(handle);
  return all_got;
}

bool DeviceTransport::ReadDeviceBytes(uint16_t address, std::span<uint8_t> buffer) {
  if (buffer.empty()) return false;
  std::lock_guard lock(mutex_);
  const hid::HidHandle handle = PrepareLocked();
  bool ok = true;
  for (std::size_t done = 0; done < buffer.size(); done += kMaxBlock) {
    const std::size_t n = std::min(kMaxBlock, buffer.size() - done);
    ok = ReadBlockLocked(handle, static_cast<uint16_t>(address + done), buffer.subspan(done, n)) &&
         ok;
  }
  return ok;
}

bool DeviceTransport::WriteDeviceBytes(uint16_t address, std::span<const uint8_t> data) {
  if (data.empty()) return false;
  std::lock_guard lock(mutex_);
  const hid::HidHandle handle = PrepareLocked();
  bool last = false;
  for (std::size_t done = 0; done < data.size(); done += kMaxBlock) {
    const std::size_t n = std::min(kMaxBlock, data.size() - done);
    last = WriteBlockLocked(handle, static_cast<uint16_t>(address + done), data.subspan(done, n));
  }
  return last;
}

void DeviceTransport::ApplyDeviceSettings() {
  std::lock_guard lock(mutex_);
  const hid::HidHandle handle = PrepareLocked();
  SetBytesLocked({kReportId, kCmdMemory, kMemApply, 0, 0, 0, 0, 0});
  SetLocked(handle);
  WaitLocked(kApplyWaitMs);
  SetBytesLocked({kReportId, kCmdMemory, kMemEnd, 0, 0, 0, 0, 0});
  SetLocked(handle);
}

void DeviceTransport::SendLightingQuickSet(const LightingQuickSet& l) {
  const int mask = CycleColorMask(l.cycleColorEnable);
  const auto b2 = static_cast<uint8_t>(mask + l.ledUserColorEnable * 128);
  const auto b3 = static_cast<uint8_t>((8 + l.ledType) * 16 + (l.ledCycleTime & 7));
  const auto b4 = static_cast<uint8_t>(
      ((l.ledFeatureScolor * 2 + l.ledFeatureSymmetry) * 4 + (l.ledFeatureDirection & 3)) * 16 +
      0x0B);
  const auto b5 = static_cast<uint8_t>(l.ledBrightness & 7);
  std::lock_guard lock(mutex_);
  const hid::HidHandle handle = PrepareLocked();
  SetBytesLocked({kReportId, kCmdLighting, b2, b3, b4, b5, 0x00, 0x02});
  SetLocked(handle);
}

void DeviceTransport::SendDpiColorQuickSet(int level, const ColorLevels& color) {
  // Levels come from files and may hold any number: unsigned arithmetic wraps instead of
  // overflowing.
  const auto b2 =
      static_cast<uint8_t>(static_cast<uint32_t>(level) * 32u + static_cast<uint32_t>(color.g));
  const auto b3 =
      static_cast<uint8_t>(static_cast<uint32_t>(color.r) * 16u + static_cast<uint32_t>(color.b));
  std::lock_guard lock(mutex_);
  const hid::HidHandle handle = PrepareLocked();
  SetBytesLocked({kReportId, kCmdDpiColor, b2, b3});
  SetLocked(handle);
}

void DeviceTransport::SendConsumerKey(uint16_t usage) {
  std::lock_guard lock(mutex_);
  const hid::HidHandle handle = PrepareLocked();
  // Byte 0 is set too: were this the first report of the run, the zeroed buffer would carry
  // report ID 0 and the key would be lost.
  SetBytesLocked({kReportId, kCmdConsumerKey, static_cast<uint8_t>(usage >> 8),
                  static_cast<uint8_t>(usage & 0xFF)});
  SetLocked(handle);
}

void DeviceTransport::SendCloseReport() {
  std::lock_guard lock(mutex_);
  const hid::HidHandle handle = PrepareLocked();
  if (handle.IsInvalid()) return;
  SetBytesLocked({kReportId, kCmdClose, 0x00, 0x00});
  SetLocked(handle);
}

int DeviceTransport::QueryCurrentProfile() {
  std::lock_guard lock(mutex_);
  const hid::HidHandle handle = PrepareLocked();
  report_[0] = kReportId;
  GetLocked(handle);
  return (report_[6] >> 2) & 3;
}

void DeviceTransport::GetDownloadOpeningReport() {
  std::lock_guard lock(mutex_);
  const hid::HidHandle handle = PrepareLocked();
  report_[0] = kReportId;
  GetLocked(handle);
}

void DeviceTransport::Delay(int ms) {
  {
    std::lock_guard lock(mutex_);
    if (observer_) observer_->OnDelay(ms);
  }
  clock_.SleepMs(ms);
}

std::array<uint8_t, 8> DeviceTransport::BufferHead() const {
  std::lock_guard lock(mutex_);
  std::array<uint8_t, 8> head{};
  std::copy_n(report_.bytes().begin(), head.size(), head.begin());
  return head;
}

}  // namespace devero
