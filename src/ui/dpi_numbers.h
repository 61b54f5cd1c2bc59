#pragma once

#include <cstdint>

namespace devero::ui {

// The DPI shown for a stage's stored value: the value's device code, then the code's DPI.
int DpiShownForStageValue(int stage_value);
int DpiForDeviceCode(int code);

}  // namespace devero::ui
