#include "ui/qt_color_chooser.h"

#include <QColorDialog>

namespace devero::ui {

std::optional<uint32_t> QtColorChooser::ChooseColor() {
  const QColor color = QColorDialog::getColor(Qt::white, parent_.data());
  if (!color.isValid()) return std::nullopt;
  return static_cast<uint32_t>(color.red()) | (static_cast<uint32_t>(color.green()) << 8) |
         (static_cast<uint32_t>(color.blue()) << 16);
}

}  // namespace devero::ui
