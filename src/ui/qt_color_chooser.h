#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/user/color_chooser.h"

namespace devero::ui {

class QtColorChooser final : public ColorChooser {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  std::optional<uint32_t> ChooseColor() override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace devero::ui
