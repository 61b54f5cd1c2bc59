#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "ui/qel_menu.h"

class QSystemTrayIcon;

namespace devero {

// The tray icon with its two-entry menu. Without a system tray (a bare X server, GNOME
// without an extension) it is never shown, and Available() says so: the window then minimises
// where it would hide.
class TrayIcon : public QObject {
 public:
  TrayIcon(QIcon icon, std::function<void()> show_window, std::function<void()> exit_program);
  ~TrayIcon() override;

  static bool Available();
  // Adds the icon with the tooltip (the product name of the language in force at start).
  void Add(const QString& tooltip);
  void Remove();
  bool Shown() const;
  // The menu's texts in the interface language.
  void SetLanguage(int language_is_english);
  ui::CQelMenu& menu() { return menu_; }

 private:
  std::unique_ptr<QSystemTrayIcon> icon_;
  ui::CQelMenu menu_;
  QAction* show_ = nullptr;
  QAction* exit_ = nullptr;
};

}  // namespace devero
