#include "device/discovery.h"

#include <cerrno>
#include <system_error>

#include "device/usb_ids.h"
#include "platform/text/utf.h"

namespace devero {
namespace {

constexpr int kInterfaceIndexes = 100;

bool IsMouse(const hid::HidInterfaceInfo& info) {
  return info.vendor_id == kVendorId &&
         (info.product_id == kRegularProductId || info.product_id == kAlternativeProductId);
}

}  // namespace

DiscoveryResult FindDevice(hid::HidBus& bus, DeviceLink& link) {
  DiscoveryResult result;
  bool connected = false;
  link.SetConnected(false);
  // Handles of an earlier discovery are dropped, so that a stale handle on a node that is gone
  // cannot pass for an open one; a thread still using one keeps it until it is done.
  link.SetReadEndpoint({});
  link.SetWriteEndpoint({});
  const hid::HidEnumeration interfaces = bus.Enumerate();
  for (int index = 0; index < kInterfaceIndexes; ++index) {
    const auto info = interfaces.At(index);
    if (!info) continue;
    connected = false;
    if (!IsMouse(*info)) continue;

    link.SetProductVariant(info->product_id == kRegularProductId ? DeviceLink::kVariantRegular
                                                                 : DeviceLink::kVariantAlternative);
    connected = true;
    link.SetDevicePath(info->path);

    const auto open = [&](hid::HidAccess access) {
      hid::HidHandle handle = bus.Open(info->path, access);
      if (handle.IsInvalid()) {
        result.open_failures.push_back({info->path, access, handle.error_number()});
      }
      return handle;
    };
    if (info->caps.usage_page == kInputUsagePage && info->caps.usage == kInterfaceUsage) {
      link.SetReadEndpoint({open(hid::HidAccess::kRead), info->caps});
    }
    if (info->caps.usage_page == kFeatureUsagePage && info->caps.usage == kInterfaceUsage) {
      link.SetWriteEndpoint({open(hid::HidAccess::kWrite), info->caps});
    }
    if (!link.ReadEndpoint().handle.IsNull() && !link.WriteEndpoint().handle.IsNull()) {
      connected = true;
      break;
    }
  }
  // A handle that failed to open is not null, but nothing sent through it reaches the mouse.
  if (!result.open_failures.empty()) connected = false;
  result.connected = connected;
  link.SetConnected(connected);
  return result;
}

std::u16string DeviceAccessWarning(const DiscoveryResult& result) {
  if (result.open_failures.empty()) return {};
  std::string text = "The mouse is plugged in but cannot be opened:";
  bool denied = false;
  for (const InterfaceOpenFailure& f : result.open_failures) {
    text += "\n" + f.path + ": " + std::generic_category().message(f.error_number);
    denied = denied || f.error_number == EACCES || f.error_number == EPERM;
  }
  if (denied) {
    text +=
        "\nThe udev rule 70-devero.rules gives the logged-in user access to the mouse. Install it "
        "into /etc/udev/rules.d/, then unplug and replug the mouse.";
  }
  return Utf8ToUtf16(text);
}

}  // namespace devero
