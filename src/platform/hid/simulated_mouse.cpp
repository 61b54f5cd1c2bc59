#include "platform/hid/simulated_mouse.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/fs/file_ops.h"

namespace devero::hid {
namespace {

constexpr uint8_t kFeatureReportId = 7;
constexpr uint8_t kInputReportId = 6;

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

constexpr uint16_t kIdentityByte = 1;
constexpr uint16_t kDpiStageByte = 24;
constexpr uint16_t kDpiEnableByte = 25;
constexpr int kDpiStages = 6;

constexpr uint8_t kEventProfileChanged = 3;
constexpr uint8_t kSlotEventBase = 0xF0;
constexpr uint8_t kStatePressed = 0x00;
constexpr uint8_t kStateReleased = 0x80;

// Device function codes the firmware acts on itself.
constexpr int kFnDpiCycle = 6;
constexpr int kFnDpiUp = 11;
constexpr int kFnDpiDown = 12;
constexpr int kFnProfile0 = 23;
constexpr int kFnProfile3 = 26;

// hidraw keeps this many unread reports per open file.
constexpr std::size_t kInputQueueLimit = 64;

// Address of the slot byte of device slot s (1..12) of profile p; -1 when the mouse keeps none.
int SlotByteAddress(int profile, int slot) {
  if (slot < 1 || slot > 12) return -1;
  if (profile == 0) {
    if (slot <= 9) return 8 + slot - 1;
    return 59 + slot - 10;
  }
  static constexpr int kBase[] = {68, 80, 96};
  return kBase[profile - 1] + slot - 1;
}

std::vector<uint8_t> VendorDescriptor(uint16_t usage_page, uint8_t report_id, bool feature,
                                      uint16_t report_length) {
  const int count = std::max(1, report_length - 1);
  std::vector<uint8_t> d = {0x06,
                            static_cast<uint8_t>(usage_page & 0xFF),
                            static_cast<uint8_t>(usage_page >> 8),  // Usage Page
                            0x09,
                            0x01,  // Usage 1
                            0xA1,
                            0x01,  // Collection (Application)
                            0x85,
                            report_id,  // Report ID
                            0x09,
                            0x01,  // Usage 1
                            0x15,
                            0x00,
                            0x26,
                            0xFF,
                            0x00,  // Logical 0..255
                            0x75,
                            0x08};  // Report Size 8
  if (count <= 0xFF) {
    d.insert(d.end(), {0x95, static_cast<uint8_t>(count)});
  } else {
    d.insert(d.end(), {0x96, static_cast<uint8_t>(count & 0xFF), static_cast<uint8_t>(count >> 8)});
  }
  d.insert(d.end(), {static_cast<uint8_t>(feature ? 0xB1 : 0x81), 0x02,  // Feature/Input (Var)
                     0xC0});                                             // End Collection
  return d;
}

}  // namespace

// Everything the mouse holds, shared with the open handles so that they outlive the facade.
class SimulatedMouse::Core {
 public:
  struct InputQueue {
    uint64_t generation = 0;
    std::deque<std::vector<uint8_t>> reports;
  };

  explicit Core(SimulatedMouseOptions o) : options(std::move(o)), memory(kMemorySize, 0) {
    keep_file = !options.memory_file.empty() && fs::FileExists(options.memory_file);
    options.feature_report_length = std::max<uint16_t>(options.feature_report_length, 8);
    options.input_report_length = std::max<uint16_t>(options.input_report_length, 3);
  }

  bool Alive(uint64_t handle_generation) const {
    return present && generation == handle_generation;
  }

  void FollowIdentityByte() { profile = (memory[kIdentityByte] >> 5) & 3; }

  // A complete identity block (0x5A, identity byte, 0xA5, product id, vendor id, 0x10) names
  // the product id the mouse reports from then on: a repaired mouse stays repaired.
  void FollowIdentityBlock() {
    const uint16_t product = static_cast<uint16_t>(memory[3] | (memory[4] << 8));
    const uint16_t vendor = static_cast<uint16_t>(memory[5] | (memory[6] << 8));
    if (memory[0] == 0x5A && memory[2] == 0xA5 && memory[7] == 0x10 &&
        vendor == options.vendor_id && product != 0) {
      options.product_id = product;
    }
  }

  void WriteLocked(uint16_t address, std::span<const uint8_t> bytes) {
    bool identity = false;
    bool identity_block = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const uint16_t a = static_cast<uint16_t>(address + i);
      memory[a] = bytes[i];
      identity = identity || a == kIdentityByte;
      identity_block = identity_block || a < 8;
    }
    if (!bytes.empty()) dirty = true;
    if (identity) FollowIdentityByte();
    if (identity_block) FollowIdentityBlock();
  }

  void SendInputLocked(std::span<const uint8_t> report) {
    std::erase_if(inputs, [](const std::weak_ptr<InputQueue>& q) { return q.expired(); });
    for (const auto& weak : inputs) {
      auto queue = weak.lock();
      if (!queue || queue->generation != generation) continue;
      if (queue->reports.size() >= kInputQueueLimit) queue->reports.pop_front();
      queue->reports.emplace_back(report.begin(), report.end());
    }
    readable.notify_all();
  }

  void SendEventLocked(uint8_t code, uint8_t state) {
    std::vector<uint8_t> report(options.input_report_length, 0);
    report[0] = kInputReportId;
    report[1] = code;
    report[2] = state;
    SendInputLocked(report);
  }

  int NextDpiStage(int function) const {
    int enabled = memory[kDpiEnableByte] & 0x3F;
    if (enabled == 0) enabled = 0x3F;
    const int current = std::min(memory[kDpiStageByte] & 7, kDpiStages - 1);
    auto on = [&](int s) { return (enabled >> s) & 1; };
    if (function == kFnDpiUp) {
      for (int s = current + 1; s < kDpiStages; ++s)
        if (on(s)) return s;
      return current;
    }
    if (function == kFnDpiDown) {
      for (int s = current - 1; s >= 0; --s)
        if (on(s)) return s;
      return current;
    }
    for (int step = 1; step <= kDpiStages; ++step) {
      const int s = (current + step) % kDpiStages;
      if (on(s)) return s;
    }
    return current;
  }

  void PressLocked(int slot) {
    if (!present || slot < 1 || slot > 14) return;
    const int address = SlotByteAddress(profile, slot);
    const int function = address < 0 ? 0 : memory[static_cast<std::size_t>(address)] & 0x1F;
    const auto code = static_cast<uint8_t>(kSlotEventBase + slot);
    if (function == kFnDpiUp || function == kFnDpiDown || function == kFnDpiCycle) {
      const int stage = NextDpiStage(function);
      memory[kDpiStageByte] = static_cast<uint8_t>((memory[kDpiStageByte] & 0xF8) | stage);
      dirty = true;
      SendEventLocked(code, static_cast<uint8_t>(0x80 | stage));
      return;
    }
    if (function >= kFnProfile0 && function <= kFnProfile3) {
      profile = function - kFnProfile0;
      memory[kIdentityByte] = static_cast<uint8_t>((memory[kIdentityByte] & 0x9F) | (profile << 5));
      dirty = true;
      SendEventLocked(code, kStatePressed);
      SendEventLocked(code, kStateReleased);
      SendEventLocked(kEventProfileChanged, 0);
      return;
    }
    SendEventLocked(code, kStatePressed);
    SendEventLocked(code, kStateReleased);
  }

  bool SetFeatureLocked(std::span<const uint8_t> report) {
    if (report.empty() || report[0] != kFeatureReportId) return false;
    ++set_count;
    std::array<uint8_t, 8> b{};
    std::copy_n(report.begin(), std::min<std::size_t>(report.size(), 8), b.begin());
    last_set = b;
    last_was_read = false;
    const uint16_t address = static_cast<uint16_t>(b[4] | (b[5] << 8));
    switch (b[1]) {
      case kCmdMemory:
        switch (b[2]) {
          case kMemStage:
            staging[b[3]] = b[6];
            break;
          case kMemCommit:
            WriteLocked(address, std::span<const uint8_t>(staging.data(), b[7] + 1u));
            break;
          case kMemRead:
            read_byte = memory[static_cast<uint16_t>(address + b[3])];
            last_was_read = true;
            break;
          case kMemApply:
            ++apply_count;
            break;
          case kMemEnd:
          default:
            break;
        }
        break;
      case kCmdLighting:
        lighting = b;
        break;
      case kCmdDpiColor:
        dpi_color = b;
        break;
      case kCmdConsumerKey:
        consumer_keys.push_back(static_cast<uint16_t>((b[2] << 8) | b[3]));
        break;
      case kCmdClose:
        ++close_count;
        break;
      default:
        break;
    }
    return true;
  }

  bool GetFeatureLocked(std::span<uint8_t> report) {
    if (report.empty() || report[0] != kFeatureReportId) return false;
    ++get_count;
    std::vector<uint8_t> reply(options.feature_report_length, 0);
    std::copy(last_set.begin(), last_set.end(), reply.begin());
    reply[0] = kFeatureReportId;
    if (last_was_read) reply[1] = read_byte;
    reply[6] = static_cast<uint8_t>(profile << 2);
    std::copy_n(reply.begin(), std::min(reply.size(), report.size()), report.begin());
    return true;
  }

  SimulatedMouseOptions options;
  mutable std::mutex mutex;
  std::condition_variable readable;
  bool present = true;
  uint64_t generation = 1;
  std::vector<uint8_t> memory;
  bool dirty = false;
  // An image on disk that was not loaded (yet, or because it is broken) is never overwritten
  // on exit.
  bool keep_file = false;
  std::array<uint8_t, 256> staging{};
  std::array<uint8_t, 8> last_set{};
  bool last_was_read = false;
  uint8_t read_byte = 0;
  int profile = 0;
  std::vector<uint16_t> consumer_keys;
  int close_count = 0;
  int apply_count = 0;
  int set_count = 0;
  int get_count = 0;
  std::array<uint8_t, 8> lighting{};
  std::array<uint8_t, 8> dpi_color{};
  std::vector<std::weak_ptr<InputQueue>> inputs;
};

namespace {

class SimulatedFeatureDevice final : public HidDevice {
 public:
  SimulatedFeatureDevice(std::shared_ptr<SimulatedMouse::Core> core, uint64_t generation)
      : core_(std::move(core)), generation_(generation) {}

  bool SetFeature(std::span<const uint8_t> report) override {
    std::lock_guard lock(core_->mutex);
    return core_->Alive(generation_) && core_->SetFeatureLocked(report);
  }
  bool GetFeature(std::span<uint8_t> report) override {
    std::lock_guard lock(core_->mutex);
    return core_->Alive(generation_) && core_->GetFeatureLocked(report);
  }
  HidReadResult ReadInput(std::span<uint8_t>, int timeout_ms) override {
    // This interface delivers no input reports: a read waits out its time.
    std::unique_lock lock(core_->mutex);
    if (!core_->Alive(generation_)) return {HidReadStatus::kError, 0};
    const uint64_t generation = generation_;
    auto gone = [&] { return !core_->Alive(generation); };
    if (timeout_ms < 0) {
      core_->readable.wait(lock, gone);
    } else {
      core_->readable.wait_for(lock, std::chrono::milliseconds(timeout_ms), gone);
    }
    return {gone() ? HidReadStatus::kError : HidReadStatus::kTimeout, 0};
  }

 private:
  std::shared_ptr<SimulatedMouse::Core> core_;
  uint64_t generation_;
};

class SimulatedInputDevice final : public HidDevice {
 public:
  SimulatedInputDevice(std::shared_ptr<SimulatedMouse::Core> core,
                       std::shared_ptr<SimulatedMouse::Core::InputQueue> queue)
      : core_(std::move(core)), queue_(std::move(queue)) {}

  bool SetFeature(std::span<const uint8_t>) override { return false; }
  bool GetFeature(std::span<uint8_t>) override { return false; }
  HidReadResult ReadInput(std::span<uint8_t> report, int timeout_ms) override {
    std::unique_lock lock(core_->mutex);
    auto ready = [&] { return !core_->Alive(queue_->generation) || !queue_->reports.empty(); };
    if (timeout_ms < 0) {
      core_->readable.wait(lock, ready);
    } else if (!core_->readable.wait_for(lock, std::chrono::milliseconds(timeout_ms), ready)) {
      return {HidReadStatus::kTimeout, 0};
    }
    if (!core_->Alive(queue_->generation)) return {HidReadStatus::kError, 0};
    const std::vector<uint8_t> next = std::move(queue_->reports.front());
    queue_->reports.pop_front();
    const std::size_t n = std::min(next.size(), report.size());
    std::copy_n(next.begin(), n, report.begin());
    return {HidReadStatus::kData, n};
  }

 private:
  std::shared_ptr<SimulatedMouse::Core> core_;
  std::shared_ptr<SimulatedMouse::Core::InputQueue> queue_;
};

}  // namespace

SimulatedMouse::SimulatedMouse(SimulatedMouseOptions options)
    : core_(std::make_shared<Core>(std::move(options))) {}

SimulatedMouse::~SimulatedMouse() {
  std::lock_guard lock(core_->mutex);
  if (core_->dirty && !core_->keep_file && !core_->options.memory_file.empty()) {
    const std::string bytes(core_->memory.begin(), core_->memory.end());
    fs::WriteFileAtomically(core_->options.memory_file, bytes);
  }
  core_->present = false;
  core_->readable.notify_all();
}

uint16_t SimulatedMouse::vendor_id() const {
  std::lock_guard lock(core_->mutex);
  return core_->options.vendor_id;
}

uint16_t SimulatedMouse::product_id() const {
  std::lock_guard lock(core_->mutex);
  return core_->options.product_id;
}

void SimulatedMouse::SetProductId(uint16_t product_id) {
  std::lock_guard lock(core_->mutex);
  core_->options.product_id = product_id;
}

std::vector<uint8_t> SimulatedMouse::InputReportDescriptor() const {
  std::lock_guard lock(core_->mutex);
  return VendorDescriptor(kInputUsagePage, kInputReportId, false,
                          core_->options.input_report_length);
}

std::vector<uint8_t> SimulatedMouse::FeatureReportDescriptor() const {
  std::lock_guard lock(core_->mutex);
  return VendorDescriptor(kFeatureUsagePage, kFeatureReportId, true,
                          core_->options.feature_report_length);
}

std::shared_ptr<HidDevice> SimulatedMouse::OpenInputInterface() {
  std::lock_guard lock(core_->mutex);
  if (!core_->present) return nullptr;
  auto queue = std::make_shared<Core::InputQueue>();
  queue->generation = core_->generation;
  core_->inputs.push_back(queue);
  return std::make_shared<SimulatedInputDevice>(core_, std::move(queue));
}

std::shared_ptr<HidDevice> SimulatedMouse::OpenFeatureInterface() {
  std::lock_guard lock(core_->mutex);
  if (!core_->present) return nullptr;
  return std::make_shared<SimulatedFeatureDevice>(core_, core_->generation);
}

void SimulatedMouse::SetPresent(bool present) {
  std::lock_guard lock(core_->mutex);
  if (present == core_->present) return;
  core_->present = present;
  if (!present) ++core_->generation;
  core_->readable.notify_all();
}

bool SimulatedMouse::present() const {
  std::lock_guard lock(core_->mutex);
  return core_->present;
}

std::vector<uint8_t> SimulatedMouse::Memory() const {
  std::lock_guard lock(core_->mutex);
  return core_->memory;
}

std::vector<uint8_t> SimulatedMouse::ReadMemory(uint16_t address, std::size_t length) const {
  std::lock_guard lock(core_->mutex);
  std::vector<uint8_t> bytes(length);
  for (std::size_t i = 0; i < length; ++i)
    bytes[i] = core_->memory[(address + i) % kMemorySize];
  return bytes;
}

uint8_t SimulatedMouse::MemoryByte(uint16_t address) const {
  std::lock_guard lock(core_->mutex);
  return core_->memory[address];
}

void SimulatedMouse::WriteMemory(uint16_t address, std::span<const uint8_t> bytes) {
  std::lock_guard lock(core_->mutex);
  core_->WriteLocked(address, bytes.first(std::min(bytes.size(), kMemorySize)));
}

std::string SimulatedMouse::LoadMemoryFile() {
  std::lock_guard lock(core_->mutex);
  const auto& path = core_->options.memory_file;
  if (path.empty() || !fs::FileExists(path)) return {};
  const auto bytes = fs::ReadWholeFile(path);
  if (!bytes || bytes->size() != kMemorySize) core_->keep_file = true;
  if (!bytes) return "Cannot read the mouse memory image " + path.string();
  if (bytes->size() != kMemorySize) {
    return "The mouse memory image " + path.string() + " holds " + std::to_string(bytes->size()) +
           " bytes instead of 65536";
  }
  std::copy(bytes->begin(), bytes->end(), core_->memory.begin());
  core_->FollowIdentityByte();
  core_->FollowIdentityBlock();
  core_->dirty = false;
  core_->keep_file = false;
  return {};
}

std::string SimulatedMouse::SaveMemoryFile() {
  std::lock_guard lock(core_->mutex);
  const auto& path = core_->options.memory_file;
  if (path.empty()) return {};
  const std::string bytes(core_->memory.begin(), core_->memory.end());
  if (!fs::WriteFileAtomically(path, bytes)) {
    return "Cannot write the mouse memory image " + path.string();
  }
  core_->dirty = false;
  core_->keep_file = false;
  return {};
}

int SimulatedMouse::CurrentProfile() const {
  std::lock_guard lock(core_->mutex);
  return core_->profile;
}

int SimulatedMouse::DpiStage() const {
  std::lock_guard lock(core_->mutex);
  return core_->memory[kDpiStageByte] & 7;
}

std::vector<uint16_t> SimulatedMouse::ConsumerKeys() const {
  std::lock_guard lock(core_->mutex);
  return core_->consumer_keys;
}

int SimulatedMouse::CloseReportCount() const {
  std::lock_guard lock(core_->mutex);
  return core_->close_count;
}

int SimulatedMouse::ApplyCount() const {
  std::lock_guard lock(core_->mutex);
  return core_->apply_count;
}

int SimulatedMouse::FeatureSetCount() const {
  std::lock_guard lock(core_->mutex);
  return core_->set_count;
}

int SimulatedMouse::FeatureGetCount() const {
  std::lock_guard lock(core_->mutex);
  return core_->get_count;
}

std::array<uint8_t, 8> SimulatedMouse::LastLightingQuickSet() const {
  std::lock_guard lock(core_->mutex);
  return core_->lighting;
}

std::array<uint8_t, 8> SimulatedMouse::LastDpiColorQuickSet() const {
  std::lock_guard lock(core_->mutex);
  return core_->dpi_color;
}

void SimulatedMouse::PressButton(int slot) {
  std::lock_guard lock(core_->mutex);
  core_->PressLocked(slot);
}

void SimulatedMouse::InjectInputReport(std::span<const uint8_t> report) {
  std::lock_guard lock(core_->mutex);
  if (core_->present) core_->SendInputLocked(report);
}

}  // namespace devero::hid
