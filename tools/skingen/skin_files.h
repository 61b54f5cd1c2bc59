#pragma once

#include <QDir>
#include <QString>

#include "layout.h"

namespace skingen {

// The text of one skin description file: UTF-8 with a byte-order mark, CRLF line ends, every
// key of every table with seven comma-separated fields.
QByteArray SkinFileText(const SkinFile& file, Language language);

// Writes both languages' files of every skin description file below `dir`.
bool WriteSkinFiles(const Skin& skin, const QDir& dir);

}  // namespace skingen
