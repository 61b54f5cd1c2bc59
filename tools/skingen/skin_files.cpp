#include "skin_files.h"

#include <cstdio>

#include "output.h"

namespace skingen {
namespace {

bool FieldIsSafe(const QString& text) {
  return !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('\n')) &&
         !text.contains(QLatin1Char('\r')) && text.trimmed() == text;
}

QString Value(const Table& table, int key, Language language) {
  const Entry* e = table.Find(key);
  if (e == nullptr) return QStringLiteral(",0,0,0,0,,0");
  const QString& text = Text(*e, language);
  // Field 0 is the name; only the function name table reads it.
  const bool names = table.section == QLatin1String("FUN_STRING");
  const QString name = names ? text : QString::fromLatin1(e->name);
  const QString label = names ? QString() : text;
  const QRect r = e->look == Look::kZero ? QRect() : e->rect;
  return QStringLiteral("%1,%2,%3,%4,%5,%6,0")
      .arg(name)
      .arg(r.x())
      .arg(r.y())
      .arg(r.width())
      .arg(r.height())
      .arg(label);
}

}  // namespace

QByteArray SkinFileText(const SkinFile& file, Language language) {
  QString text;
  for (const Table& table : file.tables) {
    if (!text.isEmpty()) text += QStringLiteral("\r\n");
    text += QStringLiteral("[%1]\r\n").arg(table.section);
    for (int key = table.first_key; key < table.first_key + table.count; ++key) {
      text += QStringLiteral("%1=%2\r\n").arg(key).arg(Value(table, key, language));
    }
  }
  return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool WriteSkinFiles(const Skin& skin, const QDir& dir) {
  for (const SkinFile& file : skin.files) {
    for (const Table& table : file.tables) {
      for (const Entry& e : table.entries) {
        if (!FieldIsSafe(e.en) || !FieldIsSafe(e.cn)) {
          std::fprintf(stderr, "skingen: the text of key %d in [%s] cannot be a field\n", e.key,
                       qPrintable(table.section));
          return false;
        }
        if (e.key < table.first_key || e.key >= table.first_key + table.count) {
          std::fprintf(stderr, "skingen: key %d lies outside [%s]\n", e.key,
                       qPrintable(table.section));
          return false;
        }
      }
    }
    for (Language language : {Language::kEnglish, Language::kChinese}) {
      const QString path =
          dir.filePath(language == Language::kEnglish ? file.english : file.chinese);
      if (!WriteIfChanged(path, SkinFileText(file, language))) return false;
    }
  }
  return true;
}

}  // namespace skingen
