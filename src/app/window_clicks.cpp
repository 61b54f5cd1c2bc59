#include "app/window_clicks.h"

#include "ui/function_assignment.h"
#include "ui/hit_test.h"
#include "ui/menu_host.h"

namespace devero {

using ui::kNoEntry;
using ui::SliderMode;

namespace {

bool In(int v, std::initializer_list<int> list) {
  for (int x : list) {
    if (x == v) return true;
  }
  return false;
}

}  // namespace

void ToggleDpiStage(ProfileSettings& s, int stage) {
  if (stage < 0 || stage >= kDpiStageCount) return;
  auto& enabled = s.dpiStageEnabled;
  if (enabled[stage] == 0) {
    enabled[stage] = 1;
    return;
  }
  enabled[stage] = 0;
  if (stage == s.dpiLevel) {
    int candidate = s.dpiLevel;
    for (int tries = 0; tries < kDpiStageCount; ++tries) {
      candidate = candidate >= kDpiStageCount - 1 ? 0 : candidate + 1;
      if (enabled[candidate] != 0) {
        s.dpiLevel = candidate;
        return;
      }
    }
    s.dpiLevel = stage;
    enabled[stage] = 1;
    return;
  }
  // A product file may name no valid stage: the last enabled stage still stays on.
  bool any = false;
  for (uint8_t e : enabled)
    any = any || e != 0;
  if (!any) {
    enabled[stage] = 1;
    if (s.dpiLevel < 0 || s.dpiLevel >= kDpiStageCount) s.dpiLevel = stage;
  }
}

bool LightingClickAvailable(int c, int mode) {
  if (c >= 0 && c <= 13) return In(mode, {1, 3, 4, 5});
  switch (c) {
    case 35:
      return true;
    case 40:
      return In(mode, {2, 3, 4, 5});
    case 41:
      return !In(mode, {2, 9, 12, 13});
    case 45:
      return In(mode, {3, 4, 5, 7});
    case 47:
    case 48:
      return In(mode, {3, 4, 5, 7, 10});
    case 49:
      return In(mode, {3, 4, 5});
    case 50:
      return mode == 3;
    default:
      return false;
  }
}

bool MainWindowClicks::UpdateHover(int x, int y) {
  ui::MainViewState& v = ctx_.View();
  const ui::MainWindowSkin& skin = ctx_.Skin();
  const int main_count = v.page == ui::kMainPage ? ui::kMainEntries : ui::kHeaderEntries;
  int* indexes[4] = {&v.hoverMain, &v.hoverLighting, &v.hoverAdvanced, &v.hoverMacro};
  const int hits[4] = {ui::HitTest(skin.main, main_count, x, y),
                       ui::HitTest(skin.lighting, 70, x, y),
                       ui::HitTest(skin.advanced, ui::kAdvancedEntries, x, y),
                       ui::HitTest(skin.macro, ui::kMacroEntries, x, y)};
  bool changed = false;
  bool now = false;
  for (int t = 0; t < 4; ++t) {
    if (*indexes[t] == hits[t]) continue;
    *indexes[t] = hits[t];
    changed = true;
    // The macro table's changes wait for the next paint: its page holds child windows.
    now = now || t != 3;
  }
  if (changed) {
    ctx_.InvalidatePage();
    if (now) ctx_.RepaintNow();
  }
  return changed;
}

void MainWindowClicks::OnPointerMove(int x, int y) {
  if (drag_ != SliderMode::kNone) {
    Drag(x);
    return;
  }
  UpdateHover(x, y);
}

void MainWindowClicks::OnPointerLeave(bool left_button_down) {
  if (!left_button_down) drag_ = SliderMode::kNone;
}

bool MainWindowClicks::RecordingBlocks() {
  if (!ctx_.Recording()) return false;
  const ui::MainViewState& v = ctx_.View();
  if (v.hoverMacro == 4 || v.hoverMain == 0 || v.hoverMain == 1) return false;
  if (v.hoverMain == kNoEntry && v.hoverMacro == kNoEntry) return false;
  ctx_.Warnings().ShowWarning(kRecordingWarning);
  return true;
}

bool MainWindowClicks::AllHoversEmpty() const {
  const ui::MainViewState& v = ctx_.View();
  return v.hoverMain == kNoEntry && v.hoverAdvanced == kNoEntry && v.hoverMacro == kNoEntry &&
         v.hoverLighting == kNoEntry;
}

void MainWindowClicks::OpenMenuBelow(int kind, const ui::SkinEntry& e, int dx, int dy, int width,
                                     int height) {
  const QPoint top_left = ctx_.WindowTopLeft();
  ctx_.OpenMenu(kind, QPoint(top_left.x() + e.x + dx, top_left.y() + e.y + e.height + dy), width,
                height);
}

void MainWindowClicks::StartDrag(SliderMode mode, int x) {
  drag_ = mode;
  Drag(x);
}

void MainWindowClicks::Drag(int x) {
  const ui::SliderSpec& spec = ui::SliderSpecFor(drag_);
  const ui::MainWindowSkin& skin = ctx_.Skin();
  const ui::SkinEntry& e = spec.table == ui::SliderSpec::Table::kAdvanced
                               ? skin.advanced[static_cast<size_t>(spec.entry)]
                               : skin.lighting[static_cast<size_t>(spec.entry)];
  const int64_t width = drag_ == SliderMode::kDpiValue ? ui::kDpiSliderWidth : e.width;
  const int level = ui::SliderValue(true, x, e.x, width, spec.steps);
  ui::StoreSliderLevel(drag_, level, ctx_.Settings());
  ctx_.InvalidateAll();
}

void MainWindowClicks::OnButtonDown(int x, int y) {
  UpdateHover(x, y);
  ui::MainViewState& v = ctx_.View();
  if (v.page == ui::kMacroPage) ctx_.EndListEdits();
  if (RecordingBlocks()) return;
  if (!AllHoversEmpty()) {
    v.pressed = true;
    ctx_.InvalidatePage();
  }
  if (ctx_.MenuOpen()) {
    v.profileMenuOpen = false;
    function_menu_open_ = false;
    ctx_.CloseMenu();
  }
  bool go_on = true;
  switch (v.page) {
    case ui::kMainPage:
      go_on = MainPage(x);
      break;
    case ui::kAdvancedPage:
      AdvancedPage(x);
      break;
    case ui::kMacroPage:
      MacroPage();
      break;
    default:
      LightingPage(x);
      break;
  }
  if (!go_on) return;
  const auto& main = ctx_.Skin().main;
  if (v.hoverMain == 17) {
    function_menu_open_ = true;
    OpenMenuBelow(ui::kHeaderMenu, main[17], 0, 0, main[17].width + 80, 360);
  }
  if (v.hoverMain == 10) {
    function_menu_open_ = true;
    v.profileMenuOpen = true;
    OpenMenuBelow(ui::kProfileMenu, main[10], 0, -134, main[10].width, 360);
  }
  if (v.page == ui::kAdvancedPage || v.page == ui::kLightingPage) {
    ctx_.InvalidateAll();
  } else {
    ctx_.InvalidatePage();
  }
  ctx_.RepaintNow();
}

bool MainWindowClicks::MainPage(int) {
  ui::MainViewState& v = ctx_.View();
  const int h = v.hoverMain;
  const int n = ctx_.Product().keyNum;
  if (h >= 7 && h <= 9) {
    ctx_.ShowPage(h - 6);
  } else if (h >= 20 && h < 20 + n) {
    if (!ui::OtherButtonHasLeftClick(ctx_.Settings(), ctx_.Product(), h - 20)) {
      ctx_.Warnings().ShowWarning(kLeftClickWarning);
      return false;
    }
    selected_button_ = h;
    function_menu_open_ = true;
    const ui::SkinEntry& e = ctx_.Skin().main[static_cast<size_t>(h)];
    OpenMenuBelow(ui::kFunctionMenu, e, 1, 0, e.width + 1, 405);
  } else if (h >= 47 && h <= 49) {
    ToggleDpiStage(ctx_.Settings(), h - 47);
  } else if (h == kNoEntry) {
    ctx_.StartWindowMove();
  }
  return true;
}

void MainWindowClicks::AdvancedPage(int x) {
  const ui::MainViewState& v = ctx_.View();
  ProfileSettings& s = ctx_.Settings();
  const int m = v.hoverMain;
  const int a = v.hoverAdvanced;
  if (m == 6) {
    ctx_.ShowPage(ui::kMainPage);
  } else if (m == 8) {
    ctx_.ShowPage(ui::kMacroPage);
  } else if (m == 9) {
    ctx_.ShowPage(ui::kLightingPage);
  } else if (a >= 47 && a <= 52) {
    ToggleDpiStage(s, a - 47);
  } else if (a >= 60 && a <= 65) {
    if (s.dpiStageEnabled[static_cast<size_t>(a - 60)] != 0) s.dpiLevel = a - 60;
  } else if (a >= 77 && a <= 82) {
    if (const auto rgb = ctx_.ChooseColour()) s.SetDpiStageColorFromRgb(a - 77, *rgb);
    ctx_.InvalidateAll();
  } else if (a == 66) {
    StartDrag(SliderMode::kDpiValue, x);
  } else if (a == 1) {
    StartDrag(SliderMode::kDpiSpeed, x);
  } else if (a == 18) {
    StartDrag(SliderMode::kWheelSpeed, x);
  } else if (a == 31) {
    StartDrag(SliderMode::kFireTime, x);
  } else if (a >= 34 && a <= 37) {
    s.usbSpeed = static_cast<uint8_t>(a - 34);
    s.DeriveReportRateCode();
  } else if (a >= 38 && a <= 40) {
    s.usbSpeed = static_cast<uint8_t>(a - 38);
    s.DeriveReportRateCode();
  } else if (a == kNoEntry && m == kNoEntry) {
    ctx_.StartWindowMove();
  }
}

void MainWindowClicks::MacroPage() {
  const ui::MainViewState& v = ctx_.View();
  const int m = v.hoverMain;
  if (m == 6 || m == 7 || m == 9) {
    ctx_.ShowPage(m - 6);
  } else if (v.hoverMacro != kNoEntry) {
    ctx_.MacroPageButtonDown(v.hoverMacro);
  } else if (m == kNoEntry) {
    ctx_.StartWindowMove();
  }
}

void MainWindowClicks::LightingPage(int x) {
  const ui::MainViewState& v = ctx_.View();
  ProfileSettings& s = ctx_.Settings();
  const int m = v.hoverMain;
  const int c = v.hoverLighting;
  const int mode = s.ledType;
  if (m >= 6 && m <= 8) {
    ctx_.ShowPage(m - 6);
  } else if (c == kNoEntry) {
    if (m == kNoEntry) ctx_.StartWindowMove();
  } else if (!LightingClickAvailable(c, mode)) {
    // Not available in this mode.
  } else if (c <= 6) {
    if (s.ledUserColorEnable != 0 && s.cycleColorEnable[static_cast<size_t>(c)] != 0) {
      if (const auto rgb = ctx_.ChooseColour()) s.SetUserColorFromRgb(c, *rgb);
    }
  } else if (c <= 13) {
    int32_t& flag = s.cycleColorEnable[static_cast<size_t>(c - 7)];
    int on = 0;
    for (int32_t f : s.cycleColorEnable)
      on += f != 0;
    if (flag == 0) {
      flag = 1;
    } else if (on >= 2) {
      flag = 0;
    }
    s.DeriveCycleColorMaskFromFlags();
  } else if (c == 35) {
    const ui::SkinEntry& e = ctx_.Skin().lighting[35];
    OpenMenuBelow(ui::kLightingModeMenu, e, 0, 0, e.width, 405);
  } else if (c == 41) {
    StartDrag(SliderMode::kLedCycleTime, x);
  } else if (c == 40) {
    StartDrag(SliderMode::kLedBrightness, x);
  } else if (c == 45) {
    s.ledFeatureSymmetry = s.ledFeatureSymmetry == 0 ? 1 : 0;
  } else if (c >= 47 && c <= 50) {
    s.ledFeatureDirection = c - 47;
  }
  ctx_.InvalidateAll();
}

void MainWindowClicks::OnButtonUp(int x, int y) {
  UpdateHover(x, y);
  if (RecordingBlocks()) return;
  ui::MainViewState& v = ctx_.View();
  v.pressed = false;
  switch (v.hoverMain) {
    case 0:
      v.hoverMain = kNoEntry;
      ctx_.Minimise();
      break;
    case 1:
      v.hoverMain = kNoEntry;
      ctx_.CloseProgram();
      return;
    case 2:
      v.hoverMain = kNoEntry;
      ctx_.HideToTray();
      break;
    case 3:
      ctx_.Apply();
      break;
    case 4:
      ctx_.SwitchLanguage(0);
      break;
    case 5:
      ctx_.SwitchLanguage(1);
      break;
    case 14:
      ctx_.ImportProfiles();
      break;
    case 15:
      ctx_.ExportProfiles();
      break;
    case 16:
      ctx_.ResetProfiles();
      break;
    case 19:
      ctx_.OpenSupportPage();
      break;
    default:
      break;
  }
  if (v.page == ui::kAdvancedPage || v.page == ui::kLightingPage) {
    ctx_.InvalidateAll();
  } else {
    ctx_.InvalidatePage();
  }
  drag_ = SliderMode::kNone;
}

}  // namespace devero
