#include "app/tray_icon.h"

#include <QSystemTrayIcon>

namespace devero {

TrayIcon::TrayIcon(QIcon icon, std::function<void()> show_window,
                   std::function<void()> exit_program)
    : icon_(std::make_unique<QSystemTrayIcon>(std::move(icon))) {
  show_ = menu_.addAction(QString());
  exit_ = menu_.addAction(QString());
  connect(show_, &QAction::triggered, this, [f = show_window] { f(); });
  connect(exit_, &QAction::triggered, this, [f = exit_program] { f(); });
  icon_->setContextMenu(&menu_);
  connect(icon_.get(), &QSystemTrayIcon::activated, this,
          [f = std::move(show_window)](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::DoubleClick) f();
          });
  SetLanguage(1);
}

TrayIcon::~TrayIcon() {
  Remove();
}

bool TrayIcon::Available() {
  return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::Add(const QString& tooltip) {
  icon_->setToolTip(tooltip);
  if (Available()) icon_->show();
}

void TrayIcon::Remove() {
  if (icon_) icon_->hide();
}

bool TrayIcon::Shown() const {
  return icon_->isVisible();
}

void TrayIcon::SetLanguage(int language_is_english) {
  if (language_is_english != 0) {
    show_->setText(QStringLiteral("Show Window"));
    exit_->setText(QStringLiteral("Exit Driver"));
  } else {
    show_->setText(QStringLiteral("\u663E\u793A\u7A97\u53E3   "));
    exit_->setText(QStringLiteral("\u5173\u95ED\u9A71\u52A8"));
  }
}

}  // namespace devero
