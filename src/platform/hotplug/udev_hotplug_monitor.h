#pragma once

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/hotplug/hotplug_event.h"

struct udev;
struct udev_monitor;

namespace devero::hotplug {

// Watches the hidraw nodes coming and going, through udev (after udev's rules have run, so
// an arriving node already carries its permissions). Either poll Fd() and call ReadEvents(),
// or Start() a thread that hands every event to a callback.
class UdevHotplugMonitor {
 public:
  using Callback = std::function<void(const HotplugEvent&)>;

  // Nothing, with *error set, when udev cannot be reached.
  static std::unique_ptr<UdevHotplugMonitor> Create(std::string* error);
  ~UdevHotplugMonitor();
  UdevHotplugMonitor(const UdevHotplugMonitor&) = delete;
  UdevHotplugMonitor& operator=(const UdevHotplugMonitor&) = delete;

  // Readable when events wait; ReadEvents() never blocks.
  int Fd() const;
  std::vector<HotplugEvent> ReadEvents();

  // The callback runs on the monitor's thread. Stop() (and the destructor) ends the thread.
  void Start(Callback callback);
  void Stop();

 private:
  UdevHotplugMonitor(struct udev* udev, struct udev_monitor* monitor, int stop_fd);
  void Run(Callback callback);

  struct udev* udev_;
  struct udev_monitor* monitor_;
  int stop_fd_;
  std::thread thread_;
};

}  // namespace devero::hotplug
