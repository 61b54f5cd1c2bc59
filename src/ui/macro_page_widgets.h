#pragma once

#include <QDialog>
#include <QFont>
#include <QLineEdit>
#include <QPointer>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "macro/macro_edit_view.h"
#include "ui/list_box_xi.h"
#include "ui/skin_images.h"
#include "ui/skin_tables.h"

namespace devero::ui {

enum class MacroList { kGroup, kStep, kLighting };

// What a right-button release over a list of the macro page does (while no recording runs).
enum class RightReleaseAction {
  kNone,
  kSelectStepRow,  // select the step row; it becomes the step list's current row
  kGroupPopup,     // select the row (none in an empty list), open the group popup (kind 11)
  kMacroPopup,     // select the macro row, open the macro popup (kind 12)
  kLightingRow,    // the lighting row's popup, as the editor says (kinds 6 and 7)
};

// `row` is the row under the pointer (it may not exist), `row_icon` that row's icon;
// `lighting_step_selected`: the step list's selected step is a lighting step.
RightReleaseAction ClassifyRightRelease(MacroList list, int row, int row_count, int row_icon,
                                        bool lighting_step_selected);

// What the key-capture dialog needs from the window.
struct KeyCaptureSetup {
  SkinImages* images = nullptr;
  int languageIsEnglish = 1;
  QString title;  // the product name of the language in force
  QFont font;
};

// The macro page's child windows: the group, step and lighting lists and the repeat-count
// field. The window creates them when the macro page is entered and destroys them when it is
// left; while they do not exist, the page's calls change nothing (the field's text is kept).
class MacroPageWidgets final : public MacroEditView {
 public:
  struct Callbacks {
    // The user chose a row (a click on a row reports it even when it was selected already).
    std::function<void(MacroList, int row)> selection_changed;
    std::function<void(MacroList, int row)> double_click;
    // `row` is the row under the pointer, counted as the lists count it; it may not exist.
    std::function<void(MacroList, int row, QPoint global)> right_release;
    // An in-place edit changed the row, which now holds `text`.
    std::function<void(MacroList, int row, const std::u16string& text)> row_changed;
    // Every change of the repeat-count field's text, the program's own included.
    std::function<void(const std::u16string& text)> repeat_count_changed;
    // MacroEditView calls the page cannot answer itself.
    std::function<void()> refresh_step_list;
    std::function<void()> repaint_page;
    std::function<void()> redraw_record_button;
    std::function<void()> close_popup_menu;
    // The key-capture dialog's OK, with the device key code.
    std::function<void(uint8_t device_key)> key_captured;
  };

  explicit MacroPageWidgets(std::filesystem::path skin_directory);
  ~MacroPageWidgets() override;
  MacroPageWidgets(const MacroPageWidgets&) = delete;
  MacroPageWidgets& operator=(const MacroPageWidgets&) = delete;

  // `display`: "MACRODISPLAY" keys 1..3; `count_field`: "EDIT" key 2.
  void Create(QWidget* parent, const std::array<SkinRect, kMacroDisplayRects>& display,
              const SkinRect& count_field, const QFont& font);
  // Ends any in-place edit (keeping it) and takes the child windows away.
  void Destroy();
  bool created() const { return group_list_ != nullptr; }

  // A click on the macro page: in-place edits end, keeping their text.
  void EndEdits();

  CListBoxXI* group_list() const { return group_list_; }
  CListBoxXI* step_list() const { return step_list_; }
  CListBoxXI* lighting_list() const { return lighting_list_; }
  CListBoxXI* list(MacroList which) const;
  QLineEdit* repeat_field() const { return repeat_field_; }

  // Views that stay valid across Create and Destroy, for StepList and LightingList.
  MacroListView& step_view() { return step_view_; }
  MacroListView& lighting_view() { return lighting_view_; }

  void SetKeyCaptureSetup(KeyCaptureSetup setup) { capture_ = std::move(setup); }
  // Tests and the window's exit can reach the open dialog; null when none is open.
  QDialog* open_key_capture() const { return open_capture_; }

  Callbacks callbacks;

  // MacroPageView
  void ShowGroupList(const std::vector<GroupListRow>& rows, int selected_row) override;
  void SelectGroupRow(int row) override;
  void EmptyGroupList() override;
  void StartGroupRowRename(int row) override;
  void EmptyStepList() override;
  void RefreshStepList() override;
  void SelectStepRow(int row) override;
  void SetRepeatCountField(std::u16string_view text, bool enabled) override;
  std::u16string RepeatCountText() const override;
  void EmptyLightingList() override;
  void ClosePopupMenu() override;
  // MacroEditView
  void RepaintPage() override;
  void RedrawRecordButton() override;
  void OpenKeyCapture(const std::u16string& current_key_name) override;

 private:
  // Forwards to a list while it exists; a list that is not there has no rows.
  class ListProxy final : public MacroListView {
   public:
    explicit ListProxy(QPointer<CListBoxXI>& list) : list_(list) {}
    void Clear() override;
    void AddRow(const std::u16string& text, int icon) override;
    int RowCount() const override;
    std::u16string RowText(int row) const override;
    int SelectedRow() const override;
    void SelectRow(int row) override;
    void StartEdit(int row) override;

   private:
    QPointer<CListBoxXI>& list_;
  };

  CListBoxXI* MakeList(MacroList which, CListBoxXI::Kind kind, std::span<const int> icons,
                       const SkinRect& rect, QWidget* parent, const QFont& font);

  std::filesystem::path skin_directory_;
  QPointer<CListBoxXI> group_list_;
  QPointer<CListBoxXI> step_list_;
  QPointer<CListBoxXI> lighting_list_;
  QPointer<QLineEdit> repeat_field_;
  ListProxy step_view_{step_list_};
  ListProxy lighting_view_{lighting_list_};
  std::u16string repeat_text_ = u"1";
  bool repeat_enabled_ = false;
  KeyCaptureSetup capture_;
  QPointer<QDialog> open_capture_;
};

}  // namespace devero::ui
