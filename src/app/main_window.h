#pragma once

#include <QPoint>
#include <QRegion>
#include <QWidget>
#include <functional>

#include "macro/macro_library.h"
#include "profile/product_description.h"
#include "profile/profile_settings.h"
#include "ui/main_window_paint.h"
#include "ui/skin_images.h"
#include "ui/skin_tables.h"
#include "ui/slider.h"

namespace devero {

// What the main window asks of the program around it.
class MainWindowActions {
 public:
  virtual ~MainWindowActions() = default;
  virtual void CloseProgram() = 0;  // the close button: the program ends
  virtual void HideToTray() = 0;
  virtual void SwitchLanguage(int language_is_english) = 0;
  // The page just shown; the macro page fills its lists, the lighting page starts its preview.
  virtual void PageShown(int page) = 0;
  // Whether a macro is being recorded (the recording guard).
  virtual bool Recording() const = 0;
  virtual void ShowRecordingWarning() = 0;
  // The repeat mode of the selected macro, when a macro row is selected.
  virtual std::optional<int> SelectedMacroRepeatMode() const = 0;
  virtual bool GroupLocked() const = 0;
};

// The main window: one frameless top-level widget shaped by the main mask, painted from the
// skin, with four pages. Its hover indexes and page drive the paint.
class CQEL_DEveroDlg : public QWidget {
 public:
  static constexpr QSize kFallbackSize{1000, 660};

  CQEL_DEveroDlg(const ui::MainWindowSkin& skin, ui::SkinImages& images,
                 const ProfileSettings& settings, const ProductDescription& product,
                 const MacroLibraryState& library, MainWindowActions& actions);

  // Shapes the window from "\main_mask.jpg" and builds the page regions (once, at start-up).
  void ShapeFromMask();
  void SetLanguage(int language_is_english);

  ui::MainViewState& view() { return view_; }
  const ui::MainViewState& view() const { return view_; }
  int page() const { return view_.page; }
  void ShowPage(int page);

  // Repaint through the page's region: on the macro page the list boxes are left alone.
  void InvalidatePage();
  const QRegion& windowRegion() const { return window_region_; }
  const QRegion& otherPagesRegion() const { return other_pages_region_; }
  const QRegion& macroPageRegion() const { return macro_page_region_; }

  // The four hit tests of a pointer position; true when any hover index changed.
  bool UpdateHover(QPoint pos);
  // The whole window as it paints now.
  QImage Render();
  QFont LabelFont() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  bool RecordingBlocks() const;
  void OnButtonDown(QPoint pos, QPoint global);
  void OnButtonUp(QPoint pos);
  void HandleTabs();
  bool NothingUnderPointer() const;
  void StartMove(QPoint global);
  void ContinueMove(QPoint global);
  void Paint(QPainter& p);

  const ui::MainWindowSkin& skin_;
  ui::SkinImages& images_;
  const ProfileSettings& settings_;
  const ProductDescription& product_;
  const MacroLibraryState& library_;
  MainWindowActions& actions_;

  ui::MainViewState view_;
  QRegion window_region_;
  QRegion other_pages_region_;
  QRegion macro_page_region_;

  // Moving the window by an empty part of a page.
  bool move_pending_ = false;
  bool moving_by_hand_ = false;
  QPoint move_press_global_;
  QPoint move_window_start_;
};

}  // namespace devero
