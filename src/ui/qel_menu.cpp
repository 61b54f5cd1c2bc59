#include "ui/qel_menu.h"

namespace devero::ui {

CQelMenu::CQelMenu(QWidget* parent) : QMenu(parent) {
  setStyleSheet(QStringLiteral(
      "QMenu { background: rgb(0, 120, 153); color: white; border: 1px solid rgb(0, 90, 115); "
      "padding: 0px; }"
      "QMenu::item { background: rgb(0, 120, 153); color: white; min-height: 20px; "
      "padding: 0px 16px 0px 10px; }"
      "QMenu::item:selected { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
      "stop:0 rgb(0, 0, 255), stop:1 rgb(0, 255, 255)); }"
      "QMenu::separator { height: 1px; background: rgb(255, 0, 0); margin-left: 25px; }"));
}

}  // namespace devero::ui
