#include "ui/macro_page_widgets.h"

#include <QWidget>
#include <optional>

#include "macro/group_list_row.h"
#include "ui/key_capture_dialog.h"
#include "ui/skin_painter.h"

namespace devero::ui {
namespace {

const char kFieldStyle[] =
    "QLineEdit { background: black; color: white; border: 1px solid #5d5d5d; }"
    "QLineEdit:disabled { color: #8c8c8c; border-color: #3a3a3a; }";

QRect ChildRect(const SkinRect& r) {
  return EntryRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TakeAway(QWidget* widget) {
  if (widget == nullptr) return;
  widget->hide();
  widget->deleteLater();
}

}  // namespace

RightReleaseAction ClassifyRightRelease(MacroList list, int row, int row_count, int row_icon,
                                        bool lighting_step_selected) {
  const bool row_exists = row >= 0 && row < row_count;
  switch (list) {
    case MacroList::kStep:
      return row_exists ? RightReleaseAction::kSelectStepRow : RightReleaseAction::kNone;
    case MacroList::kGroup:
      if (row_count == 0) return RightReleaseAction::kGroupPopup;
      if (!row_exists) return RightReleaseAction::kNone;
      return row_icon == kMacroIcon ? RightReleaseAction::kMacroPopup
                                    : RightReleaseAction::kGroupPopup;
    case MacroList::kLighting:
      return lighting_step_selected && row_exists ? RightReleaseAction::kLightingRow
                                                  : RightReleaseAction::kNone;
  }
  return RightReleaseAction::kNone;
}

void MacroPageWidgets::ListProxy::Clear() {
  if (list_) list_->Clear();
}
void MacroPageWidgets::ListProxy::AddRow(const std::u16string& text, int icon) {
  if (list_) list_->AddRow(text, icon);
}
int MacroPageWidgets::ListProxy::RowCount() const {
  return list_ ? list_->RowCount() : 0;
}
std::u16string MacroPageWidgets::ListProxy::RowText(int row) const {
  return list_ ? list_->RowText(row) : std::u16string();
}
int MacroPageWidgets::ListProxy::SelectedRow() const {
  return list_ ? list_->SelectedRow() : -1;
}
void MacroPageWidgets::ListProxy::SelectRow(int row) {
  if (list_) list_->SelectRow(row);
}
void MacroPageWidgets::ListProxy::StartEdit(int row) {
  if (list_) list_->StartEdit(row);
}

MacroPageWidgets::MacroPageWidgets(std::filesystem::path skin_directory)
    : skin_directory_(std::move(skin_directory)) {}

MacroPageWidgets::~MacroPageWidgets() {
  for (CListBoxXI* l : {group_list_.data(), step_list_.data(), lighting_list_.data()}) {
    if (l == nullptr) continue;
    l->on_selection_changed = nullptr;
    l->on_double_click = nullptr;
    l->on_right_release = nullptr;
    l->on_row_changed = nullptr;
  }
  if (repeat_field_) repeat_field_->disconnect();
}

CListBoxXI* MacroPageWidgets::list(MacroList which) const {
  switch (which) {
    case MacroList::kGroup:
      return group_list_;
    case MacroList::kStep:
      return step_list_;
    case MacroList::kLighting:
      return lighting_list_;
  }
  return nullptr;
}

CListBoxXI* MacroPageWidgets::MakeList(MacroList which, CListBoxXI::Kind kind,
                                       std::span<const int> icons, const SkinRect& rect,
                                       QWidget* parent, const QFont& font) {
  auto* l = new CListBoxXI(kind, LoadListIcons(skin_directory_, icons), parent);
  l->SetRowFont(font);
  l->setGeometry(ChildRect(rect));
  l->on_selection_changed = [this, which](int row) {
    if (callbacks.selection_changed) callbacks.selection_changed(which, row);
  };
  l->on_double_click = [this, which](int row) {
    if (callbacks.double_click) callbacks.double_click(which, row);
  };
  l->on_right_release = [this, which](int row, QPoint global) {
    if (callbacks.right_release) callbacks.right_release(which, row, global);
  };
  l->on_row_changed = [this, which, l](int row) {
    if (callbacks.row_changed) callbacks.row_changed(which, row, l->RowText(row));
  };
  l->show();
  return l;
}

void MacroPageWidgets::Create(QWidget* parent,
                              const std::array<SkinRect, kMacroDisplayRects>& display,
                              const SkinRect& count_field, const QFont& font) {
  Destroy();
  group_list_ = MakeList(MacroList::kGroup, CListBoxXI::Kind::kGroup, kGroupListIcons, display[0],
                         parent, font);
  step_list_ =
      MakeList(MacroList::kStep, CListBoxXI::Kind::kStep, kStepListIcons, display[1], parent, font);
  lighting_list_ = MakeList(MacroList::kLighting, CListBoxXI::Kind::kLighting, kLightingListIcons,
                            display[2], parent, font);
  auto* field = new QLineEdit(parent);
  field->setFont(font);
  field->setAlignment(Qt::AlignCenter);
  field->setStyleSheet(QString::fromLatin1(kFieldStyle));
  field->setGeometry(ChildRect(count_field));
  field->setText(QString::fromStdU16String(repeat_text_));
  field->setEnabled(repeat_enabled_);
  QObject::connect(field, &QLineEdit::textChanged, field, [this](const QString& text) {
    repeat_text_ = text.toStdU16String();
    if (callbacks.repeat_count_changed) callbacks.repeat_count_changed(repeat_text_);
  });
  field->show();
  repeat_field_ = field;
}

void MacroPageWidgets::EndEdits() {
  for (CListBoxXI* l : {group_list_.data(), step_list_.data(), lighting_list_.data()}) {
    if (l != nullptr) l->EndEdit(true);
  }
}

void MacroPageWidgets::Destroy() {
  EndEdits();
  for (CListBoxXI* l : {group_list_.data(), step_list_.data(), lighting_list_.data()}) {
    if (l == nullptr) continue;
    l->on_selection_changed = nullptr;
    l->on_double_click = nullptr;
    l->on_right_release = nullptr;
    l->on_row_changed = nullptr;
    TakeAway(l);
  }
  if (repeat_field_) {
    repeat_field_->disconnect();
    TakeAway(repeat_field_);
  }
  group_list_ = nullptr;
  step_list_ = nullptr;
  lighting_list_ = nullptr;
  repeat_field_ = nullptr;
}

void MacroPageWidgets::ShowGroupList(const std::vector<GroupListRow>& rows, int selected_row) {
  if (group_list_) {
    group_list_->Clear();
    for (const GroupListRow& row : rows)
      group_list_->AddRow(row.text, row.icon);
    group_list_->SelectRow(selected_row);
  }
  RepaintPage();
}

void MacroPageWidgets::SelectGroupRow(int row) {
  if (group_list_) group_list_->SelectRow(row);
}

void MacroPageWidgets::EmptyGroupList() {
  if (group_list_) group_list_->Clear();
}

void MacroPageWidgets::StartGroupRowRename(int row) {
  if (group_list_) group_list_->StartEdit(row);
}

void MacroPageWidgets::EmptyStepList() {
  step_view_.Clear();
}

void MacroPageWidgets::RefreshStepList() {
  if (callbacks.refresh_step_list) callbacks.refresh_step_list();
}

void MacroPageWidgets::SelectStepRow(int row) {
  step_view_.SelectRow(row);
}

void MacroPageWidgets::SetRepeatCountField(std::u16string_view text, bool enabled) {
  repeat_enabled_ = enabled;
  if (repeat_field_) {
    repeat_field_->setEnabled(enabled);
    const QString value = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    // The field's change handler keeps the text and reports it; the same text is reported too.
    if (repeat_field_->text() == value) {
      if (callbacks.repeat_count_changed) callbacks.repeat_count_changed(repeat_text_);
    } else {
      repeat_field_->setText(value);
    }
  } else {
    repeat_text_ = std::u16string(text);
    if (callbacks.repeat_count_changed) callbacks.repeat_count_changed(repeat_text_);
  }
}

std::u16string MacroPageWidgets::RepeatCountText() const {
  return repeat_field_ ? repeat_field_->text().toStdU16String() : repeat_text_;
}

void MacroPageWidgets::EmptyLightingList() {
  lighting_view_.Clear();
}

void MacroPageWidgets::ClosePopupMenu() {
  if (callbacks.close_popup_menu) callbacks.close_popup_menu();
}

void MacroPageWidgets::RepaintPage() {
  if (callbacks.repaint_page) callbacks.repaint_page();
}

void MacroPageWidgets::RedrawRecordButton() {
  if (callbacks.redraw_record_button) callbacks.redraw_record_button();
}

void MacroPageWidgets::OpenKeyCapture(const std::u16string& current_key_name) {
  if (capture_.images == nullptr || open_capture_) return;
  QWidget* parent = group_list_ ? group_list_->window() : nullptr;
  // On the heap: the window's end may take its child dialog away while it runs.
  QPointer<CDialogGetKey> dialog =
      new CDialogGetKey(*capture_.images, capture_.languageIsEnglish, capture_.title,
                        current_key_name, capture_.font, parent);
  if (parent != nullptr) {
    dialog->move(parent->geometry().center() - QPoint(dialog->width() / 2, dialog->height() / 2));
  }
  std::optional<uint8_t> key;
  dialog->on_ok = [&key](uint8_t device_key) { key = device_key; };
  open_capture_ = dialog.data();
  dialog->Run();
  open_capture_ = nullptr;
  if (dialog) {
    dialog->on_ok = nullptr;
    delete dialog.data();
  }
  if (key && callbacks.key_captured) callbacks.key_captured(*key);
}

}  // namespace devero::ui
