#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include "macro/lighting_list.h"
#include "macro/macro_library.h"
#include "macro/macro_steps.h"
#include "macro/step_list.h"
#include "ui/list_box_xi.h"
#include "ui/macro_page_widgets.h"

namespace devero::ui {
namespace {

// Icons in flat colours, so that a pixel tells which icon it came from.
std::vector<QImage> FlatIcons(int count) {
  std::vector<QImage> icons;
  for (int i = 0; i < count; ++i) {
    QImage icon(16, 16, QImage::Format_ARGB32_Premultiplied);
    icon.fill(QColor(200, 20 + 30 * i, 40));
    icons.push_back(icon);
  }
  return icons;
}

struct Row {
  std::u16string text;
  int icon;
  bool operator==(const Row&) const = default;
};

std::vector<Row> Rows(const CListBoxXI& list) {
  std::vector<Row> rows;
  for (int i = 0; i < list.RowCount(); ++i)
    rows.push_back({list.RowText(i), list.RowIcon(i)});
  return rows;
}

void Append(MacroRecord& m, uint8_t code, uint8_t action, uint16_t delay, uint16_t p1 = 0,
            uint16_t p2 = 0) {
  const int i = m.stepCount++;
  m.stepCode[i] = code;
  m.stepAction[i] = action;
  m.stepDelay[i] = delay;
  m.stepParam[i] = {p1, p2};
}

// The three lists and the field at fixed places in a window, as the macro page makes them.
class MacroPageTest : public ::testing::Test {
 protected:
  MacroPageTest() : page(std::filesystem::path(DEVERO_SKIN_DIR)) {
    window.resize(600, 400);
    const std::array<SkinRect, kMacroDisplayRects> display = {
        SkinRect{10, 10, 210, 310}, SkinRect{220, 10, 420, 310}, SkinRect{430, 10, 590, 310}};
    page.Create(&window, display, SkinRect{220, 320, 300, 344}, window.font());
    page.callbacks.row_changed = [this](MacroList list, int row, const std::u16string& text) {
      changes.push_back({list, row, text});
    };
    page.callbacks.selection_changed = [this](MacroList list, int row) {
      selections.push_back({list, row});
    };
    page.callbacks.right_release = [this](MacroList list, int row, QPoint) {
      right_releases.push_back({list, row});
    };
    window.show();
  }

  struct Change {
    MacroList list;
    int row;
    std::u16string text;
    bool operator==(const Change&) const = default;
  };
  using ListRow = std::pair<MacroList, int>;

  QWidget window;
  MacroPageWidgets page;
  std::vector<Change> changes;
  std::vector<ListRow> selections;
  std::vector<ListRow> right_releases;
};

TEST_F(MacroPageTest, ThreeStepsGiveSixRowsWithTheirIcons) {
  StepList steps(page.step_view(), page);
  MacroRecord m{};
  Append(m, 0x04, kActionPress, 30);
  Append(m, 0x04, kActionRelease, 45);
  Append(m, kStepCursorMove, 6, 20, 5, 7);
  m.repeatCount = 3;
  steps.Refresh(m, false, RepeatFieldUpdate::kUpdate, 1);
  const std::vector<Row> expected = {{u"A", 1},     {u" 30ms", 0},         {u"A", 2},
                                     {u" 45ms", 0}, {u"[X+]:5,[Y+]:7", 3}, {u" 20ms", 0}};
  EXPECT_EQ(Rows(*page.step_list()), expected);
  EXPECT_TRUE(page.repeat_field()->isEnabled());
  EXPECT_EQ(page.RepeatCountText(), u"3");
}

TEST_F(MacroPageTest, ALockedGroupShowsNoStepsAndADisabledField) {
  StepList steps(page.step_view(), page);
  MacroRecord m{};
  Append(m, 0x04, kActionPress, 30);
  m.repeatCount = 3;
  page.SetRepeatCountField(u"3", true);
  steps.Refresh(m, true, RepeatFieldUpdate::kUpdate, 1);
  EXPECT_EQ(page.step_list()->RowCount(), 0);
  EXPECT_FALSE(page.repeat_field()->isEnabled());
  EXPECT_EQ(page.repeat_field()->text(), QStringLiteral("1"));
}

TEST_F(MacroPageTest, GroupListRowsFollowTheExpandedFlags) {
  MacroLibraryState library;
  library.groupCount = 2;
  library.groupNames[0] = u"Games";
  library.groupNames[1] = u"Office";
  library.groupMacroCounts = {2, 1};
  library.macroNames[0][0] = u"Jump";
  library.macroNames[0][1] = u"Run";
  library.macroNames[1][0] = u"Copy";
  library.groupExpanded = {1, 0};
  page.ShowGroupList(BuildGroupListRows(library), 2);
  const std::vector<Row> expected = {{u"Games", 1}, {u"Jump", 2}, {u"Run", 2}, {u"Office", 0}};
  EXPECT_EQ(Rows(*page.group_list()), expected);
  EXPECT_EQ(page.group_list()->SelectedRow(), 2);
  // The program's own selection is no user choice.
  EXPECT_TRUE(selections.empty());
}

TEST_F(MacroPageTest, ALightingBlockOfTwoEntriesGivesEightRowsWithoutIcons) {
  LightingList lighting(page.lighting_view());
  MacroRecord m{};
  Append(m, kStepLighting, 13, 10, 0);
  m.ledDataCount = 1;
  InitLightingBlock(m.ledData[0]);
  m.ledData[0][0] = 2;
  const uint8_t entries[] = {1, 3, 15, 50, 6, 2, 20, 60};
  std::copy(std::begin(entries), std::end(entries), m.ledData[0].begin() + 4);
  lighting.Fill(m, 0, 1);
  const std::vector<std::u16string> texts = {
      u"[LEN    ]: 2",         u"[Mode ]: Space", u"[Colour]: Colour3", u"[Time   ]: 15*122 ms",
      u"[Time   ]: 15*122 ms", u"[Mode ]: Neon",  u"[Colour]: Define",  u"[Time   ]: 20*122 ms"};
  ASSERT_EQ(page.lighting_list()->RowCount(), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(page.lighting_list()->RowText(i), texts[static_cast<size_t>(i)]) << i;
    EXPECT_FALSE(page.lighting_list()->Icon(page.lighting_list()->RowIcon(i)).isNull() &&
                 page.lighting_list()->RowIcon(i) >= 0)
        << i;
  }
}

TEST_F(MacroPageTest, TheSkinsIconsAreLoaded) {
  EXPECT_EQ(page.group_list()->IconCount(), 3);
  EXPECT_EQ(page.step_list()->IconCount(), 6);
  for (CListBoxXI* list : {page.group_list(), page.step_list()}) {
    for (int i = 0; i < list->IconCount(); ++i) {
      EXPECT_EQ(list->Icon(i).size(), QSize(16, 16)) << i;
    }
  }
  EXPECT_GE(page.step_list()->RowHeight(), 20);
  EXPECT_GE(page.step_list()->RowHeight(), page.step_list()->fontMetrics().height());
}

// The first column of a row whose pixel is not black, from `from` on.
int FirstColumn(const QImage& image, int y, int from, auto&& wanted) {
  for (int x = from; x < image.width(); ++x) {
    if (wanted(image.pixelColor(x, y))) return x;
  }
  return -1;
}

struct Indent {
  CListBoxXI::Kind kind;
  int icon;
  int icon_left;  // -1: no icon drawn
  int text_left;  // the text starts at or after this column
};

TEST(CListBoxXI, RowsAreIndentedAsTheirKindAndIconSay) {
  const Indent cases[] = {
      {CListBoxXI::Kind::kGroup, 0, 2, 25},     {CListBoxXI::Kind::kGroup, 1, 2, 25},
      {CListBoxXI::Kind::kGroup, 2, 12, 40},    {CListBoxXI::Kind::kStep, 0, 87, 105},
      {CListBoxXI::Kind::kStep, 1, 2, 25},      {CListBoxXI::Kind::kStep, 3, 2, 25},
      {CListBoxXI::Kind::kLighting, -1, -1, 4},
  };
  for (const Indent& c : cases) {
    CListBoxXI list(c.kind, FlatIcons(6), nullptr);
    list.resize(300, 100);
    list.AddRow(u"Wx", c.icon);
    list.AddRow(u"other", c.icon);
    list.SelectRow(1);
    QImage image(list.size(), QImage::Format_ARGB32);
    list.render(&image);
    const int mid = list.RowHeight() / 2;
    const auto is_icon = [](QColor px) { return px.red() == 200 && px.blue() == 40; };
    const auto is_text = [](QColor px) { return px.lightness() > 120 && px.saturation() < 40; };
    EXPECT_EQ(FirstColumn(image, 3, 0, is_icon), c.icon_left) << c.icon;
    const int text_start = [&] {
      for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < list.RowHeight(); ++y) {
          if (is_text(image.pixelColor(x, y))) return x;
        }
      }
      return -1;
    }();
    EXPECT_GE(text_start, c.text_left) << c.icon;
    EXPECT_LE(text_start, c.text_left + 3) << c.icon;
    // Row 0 is black behind its text, the selected row 1 grey.
    EXPECT_EQ(image.pixelColor(image.width() - 20, mid), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(image.width() - 20, list.RowHeight() + mid), QColor(93, 93, 93));
  }
}

class InPlaceEditTest : public MacroPageTest {
 protected:
  InPlaceEditTest() {
    list = page.group_list();
    list->AddRow(u"Games", 1);
    list->AddRow(u"Jump", 2);
    list->AddRow(u"Office", 0);
  }
  void StartOnRow1() {
    list->SelectRow(1);
    QTest::keyClick(list, Qt::Key_F2);
    ASSERT_TRUE(list->Editing());
    ASSERT_EQ(list->editor()->text(), QStringLiteral("Jump"));
    EXPECT_EQ(list->editor()->selectedText(), QStringLiteral("Jump"));
  }
  void Type(const QString& text) {
    list->editor()->selectAll();
    QTest::keyClicks(list->editor(), text);
  }
  CListBoxXI* list = nullptr;
};

TEST_F(InPlaceEditTest, EnterKeepsTheTextAndReportsTheRow) {
  StartOnRow1();
  Type(QStringLiteral("Leap"));
  QTest::keyClick(list->editor(), Qt::Key_Return);
  EXPECT_FALSE(list->Editing());
  EXPECT_EQ(Rows(*list)[1], (Row{u"Leap", 2}));
  EXPECT_EQ(list->SelectedRow(), 1);
  EXPECT_EQ(changes, (std::vector<Change>{{MacroList::kGroup, 1, u"Leap"}}));
}

TEST_F(InPlaceEditTest, EscapeDropsTheEdit) {
  StartOnRow1();
  Type(QStringLiteral("Leap"));
  QTest::keyClick(list->editor(), Qt::Key_Escape);
  EXPECT_FALSE(list->Editing());
  EXPECT_EQ(list->RowText(1), u"Jump");
  EXPECT_TRUE(changes.empty());
}

TEST_F(InPlaceEditTest, FocusLossKeepsTheEdit) {
  StartOnRow1();
  Type(QStringLiteral("Leap"));
  QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
  QApplication::sendEvent(list->editor(), &out);
  EXPECT_FALSE(list->Editing());
  EXPECT_EQ(changes, (std::vector<Change>{{MacroList::kGroup, 1, u"Leap"}}));
}

TEST_F(InPlaceEditTest, AScrollKeepsTheEdit) {
  for (int i = 0; i < 40; ++i)
    list->AddRow(u"more", 2);
  StartOnRow1();
  Type(QStringLiteral("Leap"));
  list->verticalScrollBar()->setValue(5);
  ASSERT_EQ(list->verticalScrollBar()->value(), 5);
  EXPECT_FALSE(list->Editing());
  EXPECT_EQ(changes, (std::vector<Change>{{MacroList::kGroup, 1, u"Leap"}}));
}

TEST_F(InPlaceEditTest, ARightButtonReleaseKeepsTheEditAndReportsTheRowUnderThePointer) {
  StartOnRow1();
  Type(QStringLiteral("Leap"));
  const int h = list->RowHeight();
  QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, QPoint(20, 2 * h + h / 2));
  EXPECT_FALSE(list->Editing());
  EXPECT_EQ(changes, (std::vector<Change>{{MacroList::kGroup, 1, u"Leap"}}));
  EXPECT_EQ(right_releases, (std::vector<ListRow>{{MacroList::kGroup, 2}}));
  // The right button selects nothing itself.
  EXPECT_EQ(list->SelectedRow(), 1);
  EXPECT_TRUE(selections.empty());
}

TEST_F(InPlaceEditTest, RowsInsertedOrDeletedAboveEndTheEditOnItsOwnRow) {
  StartOnRow1();
  Type(QStringLiteral("Leap"));
  list->InsertRow(0, u"New", 0);
  EXPECT_FALSE(list->Editing());
  EXPECT_EQ(changes, (std::vector<Change>{{MacroList::kGroup, 1, u"Leap"}}));
  EXPECT_EQ(list->RowText(2), u"Leap");
  list->StartEdit(2);
  Type(QStringLiteral("Gone"));
  list->DeleteRow(2);
  EXPECT_FALSE(list->Editing());
  EXPECT_EQ(changes.size(), 1u);
  EXPECT_EQ(list->RowCount(), 3);
}

TEST_F(InPlaceEditTest, UnchangedTextReportsNothing) {
  StartOnRow1();
  QTest::keyClick(list->editor(), Qt::Key_Return);
  EXPECT_FALSE(list->Editing());
  EXPECT_TRUE(changes.empty());
}

TEST_F(InPlaceEditTest, CtrlAAndCharacterOneStartTheEditOfTheSelectedRow) {
  list->SelectRow(2);
  QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
  ASSERT_TRUE(list->Editing());
  EXPECT_EQ(list->editor()->text(), QStringLiteral("Office"));
  QTest::keyClick(list->editor(), Qt::Key_Escape);
  list->SelectRow(0);
  list->OnChar(2);
  EXPECT_FALSE(list->Editing());
  list->OnChar(1);
  ASSERT_TRUE(list->Editing());
  EXPECT_EQ(list->editor()->text(), QStringLiteral("Games"));
  // No row selected: nothing to edit.
  list->EndEdit(false);
  list->SelectRow(-1);
  list->OnChar(1);
  EXPECT_FALSE(list->Editing());
}

TEST_F(InPlaceEditTest, ARenameCallEditsThatRowAndAPageClickKeepsIt) {
  page.StartGroupRowRename(2);
  ASSERT_TRUE(list->Editing());
  Type(QStringLiteral("Work"));
  page.EndEdits();
  EXPECT_EQ(changes, (std::vector<Change>{{MacroList::kGroup, 2, u"Work"}}));
}

TEST_F(InPlaceEditTest, LeavingThePageKeepsAnOpenEdit) {
  page.StartGroupRowRename(0);
  Type(QStringLiteral("Play"));
  page.Destroy();
  EXPECT_FALSE(page.created());
  EXPECT_EQ(changes, (std::vector<Change>{{MacroList::kGroup, 0, u"Play"}}));
  // Without the lists the page's calls change nothing and the field keeps its text.
  page.EmptyGroupList();
  page.step_view().AddRow(u"x", 0);
  EXPECT_EQ(page.step_view().RowCount(), 0);
  page.SetRepeatCountField(u"7", true);
  EXPECT_EQ(page.RepeatCountText(), u"7");
}

TEST_F(InPlaceEditTest, EveryLeftClickOnARowReportsIt) {
  const int h = list->RowHeight();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, h / 2));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, h / 2));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 2 * h + h / 2));
  EXPECT_EQ(selections,
            (std::vector<ListRow>{
                {MacroList::kGroup, 0}, {MacroList::kGroup, 0}, {MacroList::kGroup, 2}}));
  QTest::keyClick(list, Qt::Key_Up);
  EXPECT_EQ(selections.back(), (ListRow{MacroList::kGroup, 1}));
}

TEST_F(InPlaceEditTest, RightReleaseRowsCountFromTheTopRowShown) {
  for (int i = 0; i < 40; ++i)
    list->AddRow(u"more", 2);
  list->doItemsLayout();
  list->verticalScrollBar()->setValue(10);
  ASSERT_EQ(list->verticalScrollBar()->value(), 10);
  const int h = list->RowHeight();
  QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, QPoint(20, h + 1));
  EXPECT_EQ(right_releases, (std::vector<ListRow>{{MacroList::kGroup, 11}}));
}

TEST(ClassifyRightRelease, FollowsTheListAndTheRow) {
  using A = RightReleaseAction;
  struct Case {
    MacroList list;
    int row, count, icon;
    bool lighting_step;
    A expected;
  };
  const Case cases[] = {
      {MacroList::kStep, 3, 6, 0, false, A::kSelectStepRow},
      {MacroList::kStep, 6, 6, 0, false, A::kNone},
      {MacroList::kStep, 0, 0, -1, false, A::kNone},
      {MacroList::kGroup, 0, 4, kExpandedGroupIcon, false, A::kGroupPopup},
      {MacroList::kGroup, 1, 4, kMacroIcon, false, A::kMacroPopup},
      {MacroList::kGroup, 2, 4, kCollapsedGroupIcon, false, A::kGroupPopup},
      {MacroList::kGroup, 4, 4, -1, false, A::kNone},
      {MacroList::kGroup, 3, 0, -1, false, A::kGroupPopup},
      {MacroList::kLighting, 1, 8, -1, true, A::kLightingRow},
      {MacroList::kLighting, 1, 8, -1, false, A::kNone},
      {MacroList::kLighting, 8, 8, -1, true, A::kNone},
      {MacroList::kLighting, 0, 0, -1, true, A::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyRightRelease(c.list, c.row, c.count, c.icon, c.lighting_step), c.expected)
        << static_cast<int>(c.list) << " row " << c.row << " of " << c.count;
  }
}

}  // namespace
}  // namespace devero::ui
