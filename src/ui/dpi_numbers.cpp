#include "ui/dpi_numbers.h"

#include <algorithm>

#include "device/settings_image.h"

namespace devero::ui {

int DpiForDeviceCode(int code) {
  switch (code) {
    case 2:
      return 400;
    case 3:
      return 600;
    case 4:
      return 800;
    case 5:
      return 1000;
    case 6:
      return 1200;
    case 7:
      return 1400;
    case 8:
      return 1600;
    case 9:
      return 1800;
    case 10:
      return 2000;
    case 12:
      return 2400;
    case 13:
      return 3200;
    case 14:
      return 4000;
    case 15:
      return 4800;
    case 16:
      return 5600;
    case 17:
      return 6400;
    case 20:
      return 7200;
    case 21:
      return 9600;
    case 22:
      return 10400;
    case 23:
      return 11200;
    case 24:
      return 12800;
    default:
      return 200;
  }
}

int DpiShownForStageValue(int stage_value) {
  return DpiForDeviceCode(DpiCode(static_cast<uint8_t>(std::clamp(stage_value, 0, 255))));
}

}  // namespace devero::ui
