#include "ui/menu_dialogs.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/function_assignment.h"
#include "ui/function_menus.h"
#include "ui/skin_painter.h"

namespace devero::ui {
namespace {

const QColor kMenuBackground{30, 34, 41};
constexpr int kSwatchFrame = 3;

const QImage& Picture(const FunctionMenus& menus, const char* name) {
  static const QImage none;
  if (name == nullptr || *name == '\0') return none;
  return menus.context().images.Get(name);
}

QSize MaskSize(const FunctionMenus& menus, const char* name) {
  return Picture(menus, name).size();
}

std::vector<QString> ToQStrings(const std::vector<std::u16string>& texts) {
  std::vector<QString> out;
  out.reserve(texts.size());
  for (const auto& t : texts)
    out.push_back(QString::fromStdU16String(t));
  return out;
}

QFont MenuFont(const FunctionMenus& menus) {
  return menus.context().font ? menus.context().font() : QFont();
}

}  // namespace

// --- SkinnedMenu ---------------------------------------------------------------------------

SkinnedMenu::SkinnedMenu(FunctionMenus& menus, QWidget* parent, const QString& title,
                         MenuPictures pictures, MenuGeometry geometry,
                         const std::vector<std::u16string>& texts, int hover_at_open,
                         bool keep_hover_off_rows, bool has_pressed_look)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint),
      menus_(menus),
      pictures_(pictures),
      geometry_value_(geometry),
      texts_(ToQStrings(texts)),
      hover_(hover_at_open),
      keep_hover_off_rows_(keep_hover_off_rows),
      has_pressed_look_(has_pressed_look) {
  setWindowTitle(title);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(geometry.width, geometry.height);
}

QRect SkinnedMenu::RowRect(int row) const {
  const int rh = geometry_value_.rowHeight;
  return QRect(0, rh * (row - 1), geometry_value_.width, rh);
}

int SkinnedMenu::RowAt(QPoint pos) const {
  for (int row = 1; row <= geometry_value_.rows; ++row) {
    if (RowRect(row).contains(pos)) return row;
  }
  return kMenuNoRow;
}

void SkinnedMenu::Render(QPainter& p) {
  p.save();
  p.setClipRect(rect(), Qt::IntersectClip);
  const QImage& normal = Picture(menus_, pictures_.normal);
  p.fillRect(rect(), kMenuBackground);
  if (!normal.isNull()) p.drawImage(0, 0, normal);
  if (hover_ >= 1 && hover_ <= kMaxFirstLevelRows) {
    const bool down = pressed_ && has_pressed_look_ && *pictures_.down != '\0';
    CopyControl(p, Picture(menus_, down ? pictures_.down : pictures_.over), RowRect(hover_));
  }
  DrawRows(p);
  p.restore();
}

void SkinnedMenu::DrawRows(QPainter& p) {
  const QFont font = MenuFont(menus_);
  const QFontMetrics metrics(font);
  p.setFont(font);
  p.setPen(kLabelWhite);
  const int rh = geometry_value_.rowHeight;
  const int rows = std::min(geometry_value_.rows, static_cast<int>(texts_.size()));
  for (int row = 1; row <= rows; ++row) {
    const QString& text = texts_[static_cast<size_t>(row - 1)];
    if (text.isEmpty()) continue;
    const int x = (geometry_value_.width - metrics.horizontalAdvance(text)) / 2;
    const int y = rh * (row - 1) + (rh - metrics.height()) / 2;
    p.drawText(x, y + metrics.ascent(), text);
  }
}

void SkinnedMenu::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Render(p);
}

void SkinnedMenu::SetHover(int row) {
  if (row == hover_) return;
  hover_ = row;
  update();
  HoverChanged();
}

void SkinnedMenu::mouseMoveEvent(QMouseEvent* event) {
  // Moves outside belong to whatever window lies there.
  const QPoint pos = event->position().toPoint();
  if (!rect().contains(pos)) return;
  const int row = RowAt(pos);
  if (row == kMenuNoRow && keep_hover_off_rows_) return;
  SetHover(row);
}

void SkinnedMenu::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !has_pressed_look_) return;
  pressed_ = true;
  update();
}

void SkinnedMenu::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = false;
  update();
  if (!rect().contains(event->position().toPoint())) return;
  Choose(hover_);
}

// --- CMenuDlg ------------------------------------------------------------------------------

CMenuDlg::CMenuDlg(FunctionMenus& menus, int kind, QWidget* parent)
    : SkinnedMenu(menus, parent, QStringLiteral("MainMenuDlg"), FirstLevelPictures(kind),
                  FirstLevelGeometry(kind, MaskSize(menus, FirstLevelPictures(kind).mask),
                                     menus.context().macros.rapidFireTable.rapidFireCount),
                  FirstLevelTexts(kind, menus.TextSource()), kFirstLevelHoverAtOpen, false, true),
      kind_(kind),
      colours_(FirstLevelColours(kind, menus.context().settings)) {}

int CMenuDlg::RowAt(QPoint pos) const {
  const int rh = rowHeight();
  if (rh <= 0) return kMenuNoRow;
  const int rows = std::min(kMaxFirstLevelRows, menuGeometry().height / rh);
  for (int row = 1; row <= rows; ++row) {
    if (RowRect(row).contains(pos)) return row;
  }
  return kMenuNoRow;
}

void CMenuDlg::DrawRows(QPainter& p) {
  if (kind_ != kLightingStepColorMenu) {
    SkinnedMenu::DrawRows(p);
    return;
  }
  const int rh = rowHeight();
  const int rows = std::min(rowCount(), static_cast<int>(colours_.size()));
  for (int row = 1; row <= rows; ++row) {
    QRect swatch(0, rh * (row - 1), width(), rh - 1);
    // A full swatch would cover the hovered look: keep a frame of it around the colour.
    if (row == hover()) swatch.adjust(kSwatchFrame * 2, kSwatchFrame, -kSwatchFrame, -kSwatchFrame);
    p.fillRect(swatch, colours_[static_cast<size_t>(row - 1)]);
  }
}

void CMenuDlg::HoverChanged() {
  menus_.CloseSubmenu();
  const auto list = SubmenuOfRow(kind_, hover());
  if (!list) return;
  const int rows_down = SubmenuRowOffset(*list, menus_.context().library.library().groupCount);
  const QRect g = geometry();
  menus_.OpenSubmenu(*list, QPoint(g.x() + g.width(), g.y() + rows_down * rowHeight()), this);
}

void CMenuDlg::Choose(int row) {
  // Kind 10 has no rows of its own look; its handler takes any row it is given.
  const int limit = kind_ == kHeaderMenu ? kMaxFirstLevelRows : rowCount();
  if (row < 1 || row > limit) return;
  const MenuContext& ctx = menus_.context();
  switch (kind_) {
    case kProfileMenu:
      ctx.settings.currentProfile = row - 1;
      ctx.host.OnProfileChosen();
      break;
    case kFunctionMenu: {
      const int32_t function = FunctionMenuCode(row);
      if (function == 0) return;  // the rows that open lists
      menus_.Assign(function, false);
      break;
    }
    case kMoreOptionsMenu:
      ctx.host.OnMoreOptionsChosen(row);
      break;
    case kLightingModeMenu:
      ctx.settings.ledType = static_cast<uint8_t>(row);
      ctx.settings.ledFeatureDirection = 0;
      ctx.host.RepaintMainWindow();
      break;
    case kLightingStepModeMenu:
      ctx.host.OnLightingStepModeChosen(row - 1);
      break;
    case kLightingStepColorMenu:
    case kLightingStepValueMenu:
      ctx.host.OnLightingStepValueChosen(row);
      break;
    case kRapidFireItemMenu: {
      const int previous = menus_.rapidFireItem();
      if (row != previous + 1) {
        menus_.setRapidFireItem(row - 1);
        ctx.host.OnRapidFireItemChanged(previous);
      }
      break;
    }
    case kHeaderMenu:
      ctx.host.OnHeaderMenuChosen(row);
      break;
    case kGroupPopupMenu:
    case kMacroPopupMenu:
      ctx.host.OnMacroMenuAction(kind_, row);
      break;
    case kInsertMenu:
      if (row != 3) return;  // the rows that open the insert lists
      ctx.host.OnMacroMenuAction(kInsertMenu, 146);
      break;
    default:
      return;
  }
  menus_.CloseAll();
}

// --- CSubMenuDlg ---------------------------------------------------------------------------

CSubMenuDlg::CSubMenuDlg(FunctionMenus& menus, Submenu list, QWidget* parent)
    : SkinnedMenu(menus, parent, QStringLiteral("SubMenuDlg"), SubmenuPictures(list),
                  SubmenuGeometry(list, MaskSize(menus, SubmenuPictures(list).mask),
                                  menus.context().library.library().groupCount),
                  SubmenuTexts(list, menus.TextSource()), kLowerLevelHoverAtOpen, true, true),
      list_(list) {}

void CSubMenuDlg::HoverChanged() {
  if (list_ != Submenu::kMacroGroups || hover() < 1 || hover() > rowCount()) return;
  menus_.CloseMacroList();
  const int count = GroupMacroCount(menus_.context().library.library(), hover());
  const QRect g = geometry();
  menus_.OpenMacroList(
      hover(), QPoint(g.x() + g.width(), g.y() + MacroListRowOffset(hover(), count) * rowHeight()),
      this);
}

void CSubMenuDlg::Choose(int row) {
  if (row < 1 || row > rowCount()) return;
  switch (list_) {
    case Submenu::kMedia:
      menus_.Assign(MediaCode(row), true);
      break;
    case Submenu::kMacroGroups:
      return;  // a group only opens its macros
    case Submenu::kShortcut:
      menus_.Assign(ShortcutCode(row), false);
      break;
    case Submenu::kProfile:
      menus_.Assign(ProfileSwitchCode(row), false);
      break;
    case Submenu::kInsertBefore:
    case Submenu::kInsertAfter:
      menus_.context().host.OnMacroMenuAction(kInsertMenu, InsertCode(list_, row));
      break;
  }
  menus_.EndLowerLevelChoice();
}

// --- MacSelMenuDlg -------------------------------------------------------------------------

MacSelMenuDlg::MacSelMenuDlg(FunctionMenus& menus, int group_row, QWidget* parent)
    : SkinnedMenu(menus, parent, QStringLiteral("MacSelMenuDlg"),
                  MacroListPictures(menus.OpenKind()),
                  MacroListGeometry(MaskSize(menus, MacroListPictures(menus.OpenKind()).mask),
                                    GroupMacroCount(menus.context().library.library(), group_row)),
                  MacroListTexts(menus.context().library.library(), group_row),
                  kLowerLevelHoverAtOpen, true, false),
      group_row_(group_row) {}

void MacSelMenuDlg::Choose(int row) {
  if (row < 1 || row > kMaxFirstLevelRows) return;  // no row touched yet
  if (row <= rowCount()) menus_.Assign(MacroCode(group_row_, row), false);
  menus_.CloseAll();
}

}  // namespace devero::ui
