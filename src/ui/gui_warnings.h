#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <array>
#include <atomic>
#include <functional>
#include <ostream>

#include "platform/user/warning_service.h"
#include "ui/skin_images.h"
#include "ui/skin_tables.h"

namespace devero::ui {

// Where the next warning opens: centred on the screen while the window starts, then relative
// to the main window.
enum class WarningPlacement { kRelativeToWindow = 0, kScreenCentre = 2 };

// The warning service of the window program: the skinned warning dialog, modal, above the
// main window; every text also goes to stderr as "warning: <text>". Calls from other threads
// wait for the dialog on the window's thread.
class GuiWarnings final : public WarningService {
 public:
  GuiWarnings(SkinImages& images, const std::array<SkinEntry, kWarningEntries>& table,
              std::function<QFont()> font, std::ostream& err);

  void SetPlacement(WarningPlacement placement) { placement_ = placement; }
  WarningPlacement placement() const { return placement_; }
  void SetMainWindow(QWidget* window) { window_ = window; }
  // While the program ends, warnings only go to stderr (and count as confirmed).
  void SetClosing(bool closing) { closing_ = closing; }

  int ShowWarning(const std::u16string& text) override;
  int ShowQuestion(const std::u16string& text) override;

  // The anchor for the placement: (left + 330, top + 280) of the window, or the desktop's
  // centre less (200, 100).
  static QPoint Anchor(WarningPlacement placement, QPoint window_top_left, QSize desktop);
  // The line written to stderr: line breaks as "\n".
  static std::string StderrLine(const std::u16string& text);

 private:
  int Show(const std::u16string& text, int form);

  SkinImages& images_;
  const std::array<SkinEntry, kWarningEntries>& table_;
  std::function<QFont()> font_;
  std::ostream& err_;
  WarningPlacement placement_ = WarningPlacement::kScreenCentre;
  QPointer<QWidget> window_;
  QPoint anchor_;
  std::atomic<bool> closing_{false};
};

}  // namespace devero::ui
