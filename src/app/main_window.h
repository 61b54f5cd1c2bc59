#pragma once

#include <QPoint>
#include <QRegion>
#include <QWidget>
#include <optional>

#include "app/window_clicks.h"
#include "app/window_context.h"
#include "macro/macro_library.h"
#include "profile/product_description.h"
#include "profile/profile_settings.h"
#include "ui/main_window_paint.h"
#include "ui/skin_images.h"
#include "ui/skin_tables.h"

namespace devero {

// With DEVERO_REPORT_TIMING set, writes "devero: <what> <steady-clock ms>" to stderr.
void ReportTiming(const char* what);

// What the paint needs to know of the macro page.
class MacroPageState {
 public:
  virtual ~MacroPageState() = default;
  virtual bool Recording() const = 0;
  // The repeat mode of the selected macro, when a macro row is selected.
  virtual std::optional<int> SelectedMacroRepeatMode() const = 0;
  virtual bool GroupLocked() const = 0;
};

// The main window: one frameless top-level widget shaped by the main mask, painted from the
// skin, with four pages. Pointer events go to the click handlers.
class CQEL_DEveroDlg : public QWidget {
 public:
  static constexpr QSize kFallbackSize{1000, 660};

  CQEL_DEveroDlg(const ui::MainWindowSkin& skin, ui::SkinImages& images,
                 const ProfileSettings& settings, const ProductDescription& product,
                 const MacroLibraryState& library, const MacroPageState& macro_page,
                 WindowContext& context);

  // Shapes the window from "\main_mask.jpg" and builds the page regions (once, at start-up).
  void ShapeFromMask();

  ui::MainViewState& view() { return view_; }
  const ui::MainViewState& view() const { return view_; }
  MainWindowClicks& clicks() { return clicks_; }
  int page() const { return view_.page; }
  void SetPage(int page);

  // Repaints through the page's region: on the macro page the list boxes are left alone.
  void InvalidatePage();
  void RepaintPageNow();

  // Follows the pointer from the current button-down until the button is released.
  void StartMove();
  // The whole window as it paints now.
  QImage Render();
  QFont LabelFont() const;
  // Set when a menu choice below the first level closed the menus: the next paint of the main
  // page closes the first level.
  void SetCloseMenuFlag() { close_menu_flag_ = true; }
  void SetBeforePaint(std::function<void()> hook) { before_paint_ = std::move(hook); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void ContinueMove(QPoint global);
  void Paint(QPainter& p);

  const ui::MainWindowSkin& skin_;
  ui::SkinImages& images_;
  const ProfileSettings& settings_;
  const ProductDescription& product_;
  const MacroLibraryState& library_;
  const MacroPageState& macro_page_;
  MainWindowClicks clicks_;

  ui::MainViewState view_;
  QRegion window_region_;
  QRegion other_pages_region_;
  QRegion macro_page_region_;
  bool close_menu_flag_ = false;
  std::function<void()> before_paint_;

  // Moving the window by an empty part of a page.
  bool move_pending_ = false;
  bool moving_by_hand_ = false;
  QPoint move_press_global_;
  QPoint move_window_start_;
  QPoint last_press_global_;
};

}  // namespace devero
