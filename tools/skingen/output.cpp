#include "output.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace skingen {

bool WriteIfChanged(const QString& path, const QByteArray& bytes) {
  QFile existing(path);
  if (existing.size() == bytes.size() && existing.open(QIODevice::ReadOnly) &&
      existing.readAll() == bytes) {
    return true;
  }
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile out(path);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
    std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace skingen
