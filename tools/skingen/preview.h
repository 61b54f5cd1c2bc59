#pragma once

#include <QDir>

#include "layout.h"

namespace skingen {

// Pictures of every page, dialog and menu in both languages with their labels drawn as the
// program draws them, and a report of labels that do not fit.
bool WritePreviews(const Skin& skin, const QDir& dir);

}  // namespace skingen
