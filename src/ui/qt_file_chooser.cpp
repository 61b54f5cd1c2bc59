#include "ui/qt_file_chooser.h"

#include <QFileDialog>
#include <QStringList>

namespace devero::ui {

QString QtFileChooser::QtFilter(std::u16string_view filter) {
  const QStringList parts =
      QString::fromStdU16String(std::u16string(filter)).split(u'|', Qt::KeepEmptyParts);
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    filters << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(u';', u' '));
  }
  return filters.join(QStringLiteral(";;"));
}

std::optional<std::filesystem::path> QtFileChooser::Choose(const FileChoiceRequest& request) {
  QFileDialog dialog(parent_.data());
  dialog.setNameFilter(QtFilter(request.filter));
  if (!request.initial_directory.empty())
    dialog.setDirectory(QString::fromStdString(request.initial_directory.string()));
  if (request.mode == FileChoiceRequest::Mode::kSave) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdU16String(request.default_extension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwrite_prompt);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

}  // namespace devero::ui
