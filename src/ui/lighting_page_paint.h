#pragma once

#include <QPainter>
#include <span>

#include "profile/profile_settings.h"
#include "ui/skin_images.h"
#include "ui/skin_tables.h"

namespace devero::ui {

// The lighting entries a mode cannot use, copied from "\led_null.jpg".
std::span<const int> LightingGreyedEntries(int led_type);
// Whether the label of lighting entry `entry` shows in mode `led_type` on a product with
// `button_count` buttons.
bool LightingLabelShown(int entry, int led_type, int button_count);

// The lighting page's control states, after its hovered control.
void PaintLightingStates(QPainter& p, SkinImages& images, const MainWindowSkin& skin,
                         const ProfileSettings& settings, const QImage& down);

}  // namespace devero::ui
