#include "app/macro_page_controller.h"

#include <QWidget>

#include "ui/menu_host.h"
#include "ui/rapid_fire_dialog.h"

namespace devero {

using ui::MacroList;

MacroPageController::MacroPageController(std::filesystem::path skin_directory)
    : page_(std::move(skin_directory)) {
  step_list_ = std::make_unique<StepList>(page_.step_view(), page_);
  lighting_list_ = std::make_unique<LightingList>(page_.lighting_view());
}

MacroPageController::~MacroPageController() {
  // The recorder ends with the page; a grab must not outlive the program's window.
  if (grab_ && grab_->Installed()) grab_->Remove();
}

void MacroPageController::Attach(const MacroPageDeps& deps) {
  deps_.emplace(deps);
  MacroPageDeps& d = *deps_;
  edit_context_ = std::make_unique<LibraryEditContext>(d.library, d.macros, d.paths);
  grab_ = std::make_unique<ui::X11KeyboardGrab>(&d.window, [this](int message, uint8_t vk) {
    if (recorder_) recorder_->OnKeyMessage(message, vk);
  });
  grab_->on_refused = [this] { deps_->warnings.ShowWarning(kGrabRefusedWarning); };
  recorder_ = std::make_unique<MacroRecorder>(d.macros, *edit_context_, *step_list_,
                                              *lighting_list_, page_, *grab_, d.clock, d.warnings);
  editor_ = std::make_unique<MacroEditor>(d.macros, *edit_context_, *recorder_, *step_list_,
                                          *lighting_list_, page_, d.warnings);

  ui::MacroPageWidgets::Callbacks& c = page_.callbacks;
  c.selection_changed = [this](MacroList list, int row) {
    switch (list) {
      case MacroList::kGroup:
        deps_->library.SelectRow(row);
        break;
      case MacroList::kStep:
        // A selection in the step list closes a lighting popup, and an open function menu.
        deps_->menus.CloseAll();
        deps_->function_menu_closed();
        step_list_->set_current_row(row);
        break;
      case MacroList::kLighting:
        deps_->menus.CloseAll();
        lighting_list_->RememberRow(row);
        break;
    }
  };
  c.double_click = [this](MacroList list, int row) {
    deps_->menus.CloseAll();
    if (list == MacroList::kLighting && editor_->LightingRowEditableInPlace(row))
      page_.lighting_view().StartEdit(row);
  };
  c.right_release = [this](MacroList list, int row, QPoint global) {
    RightRelease(list, row, global);
  };
  c.row_changed = [this](MacroList list, int row, const std::u16string& text) {
    switch (list) {
      case MacroList::kGroup:
        deps_->library.Rename(row, text);
        break;
      case MacroList::kStep:
        editor_->ApplyStepListEdit(row);
        break;
      case MacroList::kLighting:
        editor_->ApplyLightingListEdit(row);
        break;
    }
  };
  c.repeat_count_changed = [this](const std::u16string& text) {
    editor_->OnRepeatCountTextChanged(text);
  };
  c.refresh_step_list = [this] { editor_->RefreshStepList(); };
  c.repaint_page = [this] { deps_->repaint(); };
  c.redraw_record_button = [this] { deps_->repaint(); };
  c.close_popup_menu = [this] { deps_->menus.CloseAll(); };
  c.key_captured = [this](uint8_t key) { editor_->ApplyCapturedKey(key); };
  SetLanguage(d.paths.LanguageIsEnglish());
}

void MacroPageController::SetLanguage(int language_is_english) {
  if (!deps_) return;
  page_.SetKeyCaptureSetup({&deps_->images, language_is_english, deps_->title(), deps_->font()});
}

void MacroPageController::Enter() {
  if (!deps_ || page_.created()) return;
  page_.Create(&deps_->window, deps_->skin.macroDisplay, deps_->skin.macroEdit[2], deps_->font());
  deps_->library.RebuildGroupList();
  const int row = deps_->library.library().selectedRow;
  const GroupListRow* selected = Row(row);
  if (row > 0 && selected != nullptr && !selected->isGroupRow) editor_->RefreshStepList();
}

void MacroPageController::Leave() {
  page_.Destroy();
}

void MacroPageController::CloseDialogs() {
  if (QDialog* capture = page_.open_key_capture()) capture->reject();
  if (gun_) gun_->reject();
  if (recorder_ && recorder_->recording()) recorder_->End();
}

int MacroPageController::SelectedRow() const {
  const int row = page_.group_list() != nullptr ? page_.group_list()->SelectedRow() : -1;
  return row >= 0 ? row : 0;
}

const GroupListRow* MacroPageController::Row(int row) const {
  const auto& rows = deps_->library.library().groupRows;
  if (row < 0 || row >= static_cast<int>(rows.size())) return nullptr;
  return &rows[static_cast<size_t>(row)];
}

void MacroPageController::MakeSelectedRowCurrent() {
  const GroupListRow* row = Row(SelectedRow());
  if (row == nullptr || row->isGroupRow) return;
  if (row->group == deps_->library.library().loadedGroup)
    deps_->macros.macroTable.currentMacro = row->macro;
}

std::optional<int> MacroPageController::SelectedMacroRepeatMode() const {
  if (!deps_) return std::nullopt;
  const GroupListRow* row = Row(deps_->library.library().selectedRow);
  if (row == nullptr || row->isGroupRow) return std::nullopt;
  const MacroRecord* current = deps_->macros.macroTable.Current();
  if (current == nullptr) return std::nullopt;
  // The page shows the modes 0, 1 and 2 of the low bits.
  return current->repeatMode & 0x3;
}

void MacroPageController::ButtonDown(int entry) {
  if (!deps_) return;
  MacroPageDeps& d = *deps_;
  MakeSelectedRowCurrent();
  const int row = SelectedRow();
  const GroupListRow* selected = Row(row);
  const bool macro_row = selected != nullptr && !selected->isGroupRow;
  const bool empty = d.library.library().groupRows.empty();
  switch (entry) {
    case 4:
      if (!macro_row || empty) return;
      if (d.macros.groupLocked != 0) {
        d.warnings.ShowWarning(kLockedGroupWarning);
        return;
      }
      recorder_->ToggleRecording();
      break;
    case 5: {
      if (!macro_row) {
        if (selected != nullptr) d.warnings.ShowWarning(kSelectMacroWarning);
        return;
      }
      const ui::SkinEntry& e = d.skin.macro[5];
      const QPoint at = d.window.mapToGlobal(QPoint(e.x, e.y + e.height));
      step_list_->set_current_row(page_.step_view().SelectedRow());
      d.menus.Open(ui::kInsertMenu, at, &d.window);
      break;
    }
    case 6:
      editor_->SetRepeatMode(2);
      break;
    case 7:
      editor_->SetRepeatMode(1);
      break;
    case 8:
      editor_->SetRepeatMode(0);
      break;
    case 13: {
      auto* dialog = new ui::CDialogGun(d.menu_context, &d.window);
      gun_ = dialog;
      dialog->Run();
      delete gun_.data();
      break;
    }
    case 14:
      d.library.NewMacro(row);
      break;
    case 15:
      if (!empty) d.library.DeleteSelected(row);
      break;
    case 16:
      editor_->Modify();
      break;
    case 17:
      editor_->DeleteStep();
      break;
    default:
      break;
  }
  d.repaint();
}

bool MacroPageController::LightingStepSelected() {
  const int row = page_.step_view().SelectedRow();
  const MacroRecord* macro = deps_->macros.macroTable.Current();
  if (row < 0 || IsDelayRow(row) || macro == nullptr) return false;
  const int step = StepOfRow(row);
  return step < macro->stepCount && step < kMaxSteps &&
         macro->stepCode[static_cast<size_t>(step)] == 249;
}

void MacroPageController::OpenMenuAt(int kind, QPoint global) {
  deps_->menus.Open(kind, global, &deps_->window);
}

void MacroPageController::RightRelease(MacroList list, int row, QPoint global) {
  if (IsRecording()) return;
  MacroPageDeps& d = *deps_;
  d.menus.CloseAll();
  ui::CListBoxXI* box = page_.list(list);
  if (box == nullptr) return;
  const int count = box->RowCount();
  const int icon = row >= 0 && row < count ? box->RowIcon(row) : -1;
  switch (ui::ClassifyRightRelease(list, row, count, icon, LightingStepSelected())) {
    case ui::RightReleaseAction::kNone:
      return;
    case ui::RightReleaseAction::kSelectStepRow:
      step_list_->Select(row);
      return;
    case ui::RightReleaseAction::kGroupPopup:
    case ui::RightReleaseAction::kMacroPopup: {
      const GroupListRow* target = Row(row);
      if (target != nullptr) {
        page_.SelectGroupRow(row);
        d.library.library().selectedRow = row;
      }
      OpenMenuAt(
          target == nullptr || target->isGroupRow ? ui::kGroupPopupMenu : ui::kMacroPopupMenu,
          global);
      if (target == nullptr) return;
      // The row's macro becomes the current one; the macro left is not saved.
      d.library.EnsureLoaded(target->group);
      if (target->isGroupRow) {
        d.macros.macroTable.currentMacro = 0;
        page_.EmptyStepList();
      } else {
        d.macros.macroTable.currentMacro = target->macro;
        editor_->RefreshStepList();
      }
      return;
    }
    case ui::RightReleaseAction::kLightingRow: {
      const LightingPopup popup = editor_->LightingPopupForRow(row);
      if (popup == LightingPopup::kNone) return;
      const QPoint left_edge = box->mapToGlobal(QPoint(0, 0));
      OpenMenuAt(
          popup == LightingPopup::kMode ? ui::kLightingStepModeMenu : ui::kLightingStepColorMenu,
          QPoint(left_edge.x(), global.y() + 10));
      return;
    }
  }
}

void MacroPageController::MenuAction(int kind, int item) {
  if (!deps_) return;
  if (kind == ui::kInsertMenu) {
    editor_->HandleInsertMenu(item);
  } else {
    deps_->library.HandleMenuAction(kind, item, deps_->library.library().selectedRow);
  }
  deps_->repaint();
}

void MacroPageController::MoreOptions(int item) {
  if (deps_) deps_->library.HandleMoreOptions(item);
}

void MacroPageController::LightingModeChoice(int row) {
  if (editor_) editor_->ApplyLightingModeChoice(row);
}

void MacroPageController::LightingColourChoice(int row) {
  if (editor_) editor_->ApplyLightingColourChoice(row);
}

}  // namespace devero
