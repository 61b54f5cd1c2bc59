#pragma once

#include <QByteArray>
#include <QString>

namespace skingen {

// Writes `bytes` to `path` (creating its directory) unless the file already holds them, so that
// a build that changes nothing leaves the skin's files as they are. False with a message on
// stderr when the file cannot be written.
bool WriteIfChanged(const QString& path, const QByteArray& bytes);

}  // namespace skingen
