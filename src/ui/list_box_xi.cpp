#include "ui/list_box_xi.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "macro/group_list_row.h"

namespace devero::ui {
namespace {

constexpr int kIconRole = Qt::UserRole;
constexpr int kMacroRowIndent = 10;
constexpr int kDelayRowIndent = 85;
constexpr int kTextGap = 4;

const char kListStyle[] =
    "QListWidget { background: black; color: white; border: none; outline: 0; }"
    "QScrollBar:vertical { background: #141414; width: 12px; margin: 0; border: none; }"
    "QScrollBar::handle:vertical { background: #5d5d5d; min-height: 24px; margin: 2px;"
    " border-radius: 4px; }"
    "QScrollBar::handle:vertical:hover { background: #808080; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; border: none; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";

const char kEditStyle[] =
    "QLineEdit { background: white; color: black; border: 1px solid #808080; padding: 0 1px; }";

}  // namespace

CEditHelper::CEditHelper(QWidget* parent, std::function<void(bool keep)> on_end)
    : QLineEdit(parent), on_end_(std::move(on_end)) {
  setStyleSheet(QString::fromLatin1(kEditStyle));
}

void CEditHelper::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (auto end = on_end_) end(true);
      return;
    case Qt::Key_Escape:
      if (auto end = on_end_) end(false);
      return;
    default:
      QLineEdit::keyPressEvent(event);
  }
}

void CEditHelper::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // The edit box itself is taken away when the edit ends; that focus loss ends nothing.
  if (isVisible()) {
    if (auto end = on_end_) end(true);
  }
}

// Draws the rows: the selected row's colour or black, the indents, the icon and white text.
class CListBoxXI::Delegate : public QStyledItemDelegate {
 public:
  explicit Delegate(CListBoxXI& list) : QStyledItemDelegate(&list), list_(list) {}

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return {list_.viewport()->width(), list_.row_height_};
  }

  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QRect row = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    p->fillRect(row, selected ? QColor(kSelectedColour) : QColor(Qt::black));
    const int icon = index.data(kIconRole).isValid() ? index.data(kIconRole).toInt() : -1;
    int left = row.left();
    if (list_.kind_ == Kind::kGroup && icon == kMacroIcon) left += kMacroRowIndent;
    if (list_.kind_ == Kind::kStep && icon == 0) left += kDelayRowIndent;
    // Text without an icon keeps the gap text after an icon has, off the list's edge.
    int text_left = left + kTextGap;
    const QImage& image = list_.Icon(icon);
    if (!image.isNull()) {
      p->drawImage(QPoint(left + 2, row.top() + 2), image);
      text_left = left + image.width() + kTextGap;
      if (list_.kind_ == Kind::kGroup) text_left += icon == kMacroIcon ? 10 : 5;
      if (list_.kind_ == Kind::kStep && icon != 0) text_left += 5;
    }
    p->save();
    p->setClipRect(row);
    p->setFont(option.font);
    p->setPen(Qt::white);
    p->drawText(QRect(text_left, row.top(), std::max(0, row.right() - text_left + 1), row.height()),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                index.data(Qt::DisplayRole).toString());
    p->restore();
  }

 private:
  CListBoxXI& list_;
};

CListBoxXI::CListBoxXI(Kind kind, std::vector<QImage> icons, QWidget* parent)
    : QListWidget(parent), kind_(kind), icons_(std::move(icons)) {
  setItemDelegate(new Delegate(*this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setUniformItemSizes(true);
  setFrameShape(QFrame::NoFrame);
  setStyleSheet(QString::fromLatin1(kListStyle));
  UpdateRowHeight();
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (quiet_ == 0 && !in_mouse_press_ && on_selection_changed) on_selection_changed(row);
  });
}

CListBoxXI::~CListBoxXI() {
  // The edit box goes with the list, without reporting an end.
  if (editor_) {
    CEditHelper* editor = editor_;
    editor_ = nullptr;
    editor->DetachEnd();
    delete editor;
  }
}

const QImage& CListBoxXI::Icon(int index) const {
  static const QImage kNone;
  if (index < 0 || index >= IconCount()) return kNone;
  return icons_[static_cast<size_t>(index)];
}

void CListBoxXI::UpdateRowHeight() {
  // The image list is made for 16 x 16 icons whether or not their files could be read.
  row_height_ = std::max(fontMetrics().height(), kIconSize + 4);
  doItemsLayout();
}

void CListBoxXI::SetRowFont(const QFont& font) {
  setFont(font);
  UpdateRowHeight();
}

void CListBoxXI::Clear() {
  EndEdit(false);
  ++quiet_;
  clear();
  --quiet_;
}

void CListBoxXI::AddRow(const std::u16string& text, int icon) {
  InsertRow(count(), text, icon);
}

void CListBoxXI::InsertRow(int row, const std::u16string& text, int icon) {
  auto* item = new QListWidgetItem(QString::fromStdU16String(text));
  item->setData(kIconRole, icon);
  // A row put before the edited one would move it: the edit ends first, on its own row.
  if (editor_ && row <= edit_.row()) EndEdit(true);
  ++quiet_;
  insertItem(std::clamp(row, 0, count()), item);
  --quiet_;
}

void CListBoxXI::DeleteRow(int row) {
  if (row < 0 || row >= count()) return;
  if (editor_) EndEdit(edit_.row() != row);
  ++quiet_;
  delete takeItem(row);
  --quiet_;
}

int CListBoxXI::RowIcon(int row) const {
  const QListWidgetItem* it = item(row);
  if (it == nullptr || !it->data(kIconRole).isValid()) return -1;
  return it->data(kIconRole).toInt();
}

std::u16string CListBoxXI::RowText(int row) const {
  const QListWidgetItem* it = item(row);
  return it ? it->text().toStdU16String() : std::u16string();
}

void CListBoxXI::SelectRow(int row) {
  ++quiet_;
  if (row >= 0 && row < count()) {
    setCurrentRow(row);
    scrollToItem(item(row));
  } else {
    setCurrentRow(-1);
    clearSelection();
  }
  --quiet_;
}

void CListBoxXI::StartEdit(int row) {
  if (row < 0 || row >= count()) return;
  EndEdit(true);
  if (!edit_.Begin(row, RowText(row))) return;
  SelectRow(row);
  const QRect rect = visualItemRect(item(row));
  editor_ = new CEditHelper(viewport(), [this](bool keep) { EndEdit(keep); });
  editor_->setFont(font());
  editor_->setGeometry(rect);
  editor_->setText(QString::fromStdU16String(RowText(row)));
  editor_->selectAll();
  editor_->show();
  editor_->setFocus(Qt::OtherFocusReason);
}

void CListBoxXI::EndEdit(bool keep) {
  if (editor_ == nullptr) return;
  CEditHelper* editor = editor_;
  editor_ = nullptr;
  const bool had_focus = editor->hasFocus();
  const std::u16string text = editor->text().toStdU16String();
  editor->DetachEnd();
  editor->hide();
  editor->deleteLater();
  if (had_focus) setFocus(Qt::OtherFocusReason);
  const std::optional<InPlaceEdit::Change> change = edit_.End(keep, text);
  if (!change || change->row >= count()) return;
  ++quiet_;
  item(change->row)->setText(QString::fromStdU16String(change->text));
  setCurrentRow(change->row);
  --quiet_;
  if (on_row_changed) on_row_changed(change->row);
}

void CListBoxXI::OnChar(int code) {
  if (code == kStartEditChar) StartEdit(currentRow());
}

int CListBoxXI::RowAt(int y) const {
  if (row_height_ <= 0 || y < 0) return -1;
  const int top = verticalScrollBar() ? verticalScrollBar()->value() : 0;
  return (row_height_ * top + y) / row_height_;
}

void CListBoxXI::keyPressEvent(QKeyEvent* event) {
  const bool ctrl_a = event->key() == Qt::Key_A && (event->modifiers() & Qt::ControlModifier);
  const bool char_1 = event->text().size() == 1 && event->text().at(0) == QChar(kStartEditChar);
  if (ctrl_a || char_1 || event->key() == Qt::Key_F2) {
    OnChar(kStartEditChar);
    return;
  }
  QListWidget::keyPressEvent(event);
}

void CListBoxXI::mousePressEvent(QMouseEvent* event) {
  // The right button selects nothing here; its release is the page's.
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  in_mouse_press_ = true;
  QListWidget::mousePressEvent(event);
  in_mouse_press_ = false;
  // Every click on a row reports it, the selected row's too (a group row then folds).
  const QListWidgetItem* it = itemAt(event->position().toPoint());
  if (it != nullptr && on_selection_changed) on_selection_changed(row(it));
}

void CListBoxXI::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    EndEdit(true);
    const int y = event->position().toPoint().y();
    if (on_right_release) on_right_release(RowAt(y), event->globalPosition().toPoint());
    event->accept();
    return;
  }
  QListWidget::mouseReleaseEvent(event);
}

void CListBoxXI::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  in_mouse_press_ = true;
  QListWidget::mouseDoubleClickEvent(event);
  in_mouse_press_ = false;
  if (on_double_click) on_double_click(currentRow());
}

void CListBoxXI::wheelEvent(QWheelEvent* event) {
  EndEdit(true);
  QListWidget::wheelEvent(event);
}

void CListBoxXI::scrollContentsBy(int dx, int dy) {
  EndEdit(true);
  QListWidget::scrollContentsBy(dx, dy);
}

std::vector<QImage> LoadListIcons(const std::filesystem::path& skin_directory,
                                  std::span<const int> resource_ids) {
  std::vector<QImage> icons;
  for (int id : resource_ids) {
    const std::filesystem::path file = skin_directory / "icons" / (std::to_string(id) + ".png");
    QImage image(QString::fromStdString(file.string()));
    if (!image.isNull() && image.size() != QSize(CListBoxXI::kIconSize, CListBoxXI::kIconSize)) {
      image = image.scaled(CListBoxXI::kIconSize, CListBoxXI::kIconSize, Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
    }
    icons.push_back(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
  }
  return icons;
}

}  // namespace devero::ui
