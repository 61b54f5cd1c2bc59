#pragma once

#include <QFont>
#include <QString>

namespace devero::ui {

// The face every label is drawn in: "微软雅黑" where installed, else a CJK face the setup
// installs, else the default sans serif.
QString LabelFontFamily();

// Tenths of a point for a logical DPI: the base of the display scale (dpi / 96) plus 10.
int LabelFontTenths(double logical_dpi);

// The label font for a paint device of the given logical DPI.
QFont LabelFont(double logical_dpi);

}  // namespace devero::ui
