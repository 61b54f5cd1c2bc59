#include "platform/pointer/x11_pointer_settings.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <memory>

namespace devero {
namespace {

constexpr int kThreshold = 4;

struct DisplayCloser {
  void operator()(Display* d) const { XCloseDisplay(d); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

DisplayPtr OpenDisplay() {
  return DisplayPtr(XOpenDisplay(nullptr));
}

}  // namespace

std::optional<int> X11PointerSettings::GetMouseSpeed() {
  DisplayPtr display = OpenDisplay();
  if (!display) return std::nullopt;
  int numerator = 0;
  int denominator = 1;
  int threshold = 0;
  XGetPointerControl(display.get(), &numerator, &denominator, &threshold);
  if (denominator <= 0) return std::nullopt;
  return std::clamp((numerator * 10 + denominator / 2) / denominator, 1, 20);
}

bool X11PointerSettings::SetMouseSpeed(int speed) {
  DisplayPtr display = OpenDisplay();
  if (!display) return false;
  XChangePointerControl(display.get(), True, True, std::clamp(speed, 1, 20), 10, kThreshold);
  XSync(display.get(), False);
  return true;
}

}  // namespace devero
