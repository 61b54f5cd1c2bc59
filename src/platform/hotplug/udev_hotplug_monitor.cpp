#include "platform/hotplug/udev_hotplug_monitor.h"

#include <libudev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace devero::hotplug {

std::unique_ptr<UdevHotplugMonitor> UdevHotplugMonitor::Create(std::string* error) {
  auto fail = [&](const std::string& text) -> std::unique_ptr<UdevHotplugMonitor> {
    if (error) *error = text;
    return nullptr;
  };
  struct udev* udev = udev_new();
  if (udev == nullptr) return fail("Cannot reach udev");
  struct udev_monitor* monitor = udev_monitor_new_from_netlink(udev, "udev");
  if (monitor == nullptr) {
    udev_unref(udev);
    return fail("Cannot watch udev events");
  }
  if (udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
      udev_monitor_enable_receiving(monitor) < 0) {
    udev_monitor_unref(monitor);
    udev_unref(udev);
    return fail("Cannot watch udev events of the hidraw subsystem");
  }
  const int stop_fd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (stop_fd < 0) {
    udev_monitor_unref(monitor);
    udev_unref(udev);
    return fail(std::string("Cannot create an event descriptor: ") + std::strerror(errno));
  }
  return std::unique_ptr<UdevHotplugMonitor>(new UdevHotplugMonitor(udev, monitor, stop_fd));
}

UdevHotplugMonitor::UdevHotplugMonitor(struct udev* udev, struct udev_monitor* monitor, int stop_fd)
    : udev_(udev), monitor_(monitor), stop_fd_(stop_fd) {}

UdevHotplugMonitor::~UdevHotplugMonitor() {
  Stop();
  ::close(stop_fd_);
  udev_monitor_unref(monitor_);
  udev_unref(udev_);
}

int UdevHotplugMonitor::Fd() const {
  return udev_monitor_get_fd(monitor_);
}

std::vector<HotplugEvent> UdevHotplugMonitor::ReadEvents() {
  std::vector<HotplugEvent> events;
  for (;;) {
    pollfd p{Fd(), POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0 || (p.revents & POLLIN) == 0) break;
    struct udev_device* device = udev_monitor_receive_device(monitor_);
    if (device == nullptr) break;
    events.push_back(MakeHotplugEvent(udev_device_get_action(device),
                                      udev_device_get_subsystem(device),
                                      udev_device_get_devnode(device)));
    udev_device_unref(device);
  }
  return events;
}

void UdevHotplugMonitor::Start(Callback callback) {
  if (thread_.joinable()) return;
  thread_ = std::thread([this, cb = std::move(callback)] { Run(cb); });
}

void UdevHotplugMonitor::Stop() {
  if (!thread_.joinable()) return;
  const uint64_t one = 1;
  [[maybe_unused]] const ssize_t n = ::write(stop_fd_, &one, sizeof one);
  thread_.join();
  uint64_t drained = 0;
  [[maybe_unused]] const ssize_t m = ::read(stop_fd_, &drained, sizeof drained);
}

void UdevHotplugMonitor::Run(Callback callback) {
  for (;;) {
    pollfd fds[2] = {{Fd(), POLLIN, 0}, {stop_fd_, POLLIN, 0}};
    const int ready = ::poll(fds, 2, -1);
    if (ready < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents != 0) return;
    if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) return;
    for (const HotplugEvent& event : ReadEvents())
      callback(event);
  }
}

}  // namespace devero::hotplug
