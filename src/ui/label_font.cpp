#include "ui/label_font.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

#include "app/runtime_paths.h"

namespace devero::ui {

QString LabelFontFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const QString& f :
         {QStringLiteral("\u5FAE\u8F6F\u96C5\u9ED1"), QStringLiteral("Microsoft YaHei"),
          QStringLiteral("WenQuanYi Micro Hei")}) {
      if (installed.contains(f, Qt::CaseInsensitive)) return f;
    }
    return QStringLiteral("Sans Serif");
  }();
  return family;
}

int LabelFontTenths(double logical_dpi) {
  const float scale = static_cast<float>(logical_dpi) / 96.0f;
  const int tenths = FontTenthsOfPointForScale(scale);
  // Scales without a row of their own would get 4-point text; keep the pixel size of the
  // 100 % text instead (9.7 points at 96 dpi).
  if (FontBaseForScale(scale) == 30 && scale > 0.0f) {
    return static_cast<int>(std::lround(97.0 / scale));
  }
  return tenths;
}

QFont LabelFont(double logical_dpi) {
  QFont font(LabelFontFamily());
  font.setPointSizeF(LabelFontTenths(logical_dpi) / 10.0);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace devero::ui
