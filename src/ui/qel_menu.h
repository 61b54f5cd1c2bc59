#pragma once

#include <QMenu>

namespace devero::ui {

// The program's popup menus in their own colours: items on RGB(0, 120, 153) in white, the
// selected item in a blue-to-cyan gradient, 20 pixels high, the text 10 pixels from the left.
class CQelMenu : public QMenu {
 public:
  explicit CQelMenu(QWidget* parent = nullptr);
};

}  // namespace devero::ui
