#include "ui/gui_warnings.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

#include "platform/text/utf.h"
#include "ui/warning_dialog.h"

namespace devero::ui {

GuiWarnings::GuiWarnings(SkinImages& images, const std::array<SkinEntry, kWarningEntries>& table,
                         std::function<QFont()> font, std::ostream& err)
    : images_(images), table_(table), font_(std::move(font)), err_(err) {}

QPoint GuiWarnings::Anchor(WarningPlacement placement, QPoint window_top_left, QSize desktop) {
  if (placement == WarningPlacement::kRelativeToWindow) return window_top_left + QPoint(330, 280);
  return QPoint(desktop.width() / 2 - 200, desktop.height() / 2 - 100);
}

std::string GuiWarnings::StderrLine(const std::u16string& text) {
  std::string line = "warning: ";
  for (char c : Utf16ToUtf8(text)) {
    if (c == '\n') {
      line += "\\n";
    } else if (c != '\r') {
      line += c;
    }
  }
  return line;
}

int GuiWarnings::ShowWarning(const std::u16string& text) {
  return Show(text, WarningDlg::kPlain);
}

int GuiWarnings::ShowQuestion(const std::u16string& text) {
  return Show(text, WarningDlg::kQuestion);
}

int GuiWarnings::Show(const std::u16string& text, int form) {
  if (closing_) {
    err_ << StderrLine(text) << std::endl;
    return 1;
  }
  QCoreApplication* app = QCoreApplication::instance();
  if (app != nullptr && QThread::currentThread() != app->thread()) {
    int result = 0;
    QMetaObject::invokeMethod(
        app, [&] { result = Show(text, form); }, Qt::BlockingQueuedConnection);
    return result;
  }
  err_ << StderrLine(text) << std::endl;
  QWidget* window = window_.data();
  QScreen* screen = window != nullptr ? window->screen() : QGuiApplication::primaryScreen();
  const QSize desktop = screen != nullptr ? screen->size() : QSize(1024, 768);
  anchor_ = Anchor(placement_, window != nullptr ? window->pos() : QPoint(), desktop);
  WarningDlg dialog(images_, table_, QString::fromStdU16String(text),
                    static_cast<WarningDlg::Form>(form), anchor_, font_(), window);
  return dialog.exec();
}

}  // namespace devero::ui
