#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/user/file_chooser.h"

namespace devero::ui {

// The platform's open and save dialogs.
class QtFileChooser final : public FileChooser {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  std::optional<std::filesystem::path> Choose(const FileChoiceRequest& request) override;

  // "All Files(*.ini)|*.ini||" becomes "All Files(*.ini) (*.ini)": description and pattern
  // pairs separated by bars.
  static QString QtFilter(std::u16string_view filter);

 private:
  QPointer<QWidget> parent_;
};

}  // namespace devero::ui
