#include "ui/rapid_fire_dialog.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QValidator>
#include <memory>
#include <string>

#include "ui/menu_test_bed.h"

namespace devero::ui {
namespace {

using testing::FlushDeletes;
using testing::MenuTestBed;
using testing::SendMove;
using testing::SendPress;
using testing::SendRelease;

// Points of the test skin's entries that no label covers.
const QPoint kPictureAt{12, 32};
const QPoint kCountModeAt{122, 62};
const QPoint kHeldModeAt{122, 87};
const QPoint kSaveAt{225, 175};

class RapidFireDialogTest : public ::testing::Test {
 protected:
  ~RapidFireDialogTest() override {
    dialog_.reset();
    FlushDeletes();
  }

  RapidFireTable& Table() { return bed_.headless.macros->rapidFireTable; }

  // Three items: a counted one with a cursor move in its second step, one that repeats while
  // held, one without cursor moves that runs once.
  void FillTable() {
    RapidFireTable& t = Table();
    t.rapidFireCount = 3;
    t.rapidFireNames[0] = u"Burst";
    t.rapidFireNames[1] = u"Hold";
    t.rapidFireNames[2] = u"Once";
    MacroRecord& burst = t.slots[0];
    burst.stepCount = 3;
    burst.repeatMode = 0x4C;  // count mode, with other bits set
    burst.repeatCount = 5;
    burst.xyStepCount = 1;
    burst.stepParam[1].param2 = 7;
    burst.stepParam[2].param2 = 3;
    burst.stepDelay[0] = 30;
    MacroRecord& hold = t.slots[1];
    hold.stepCount = 2;
    hold.repeatMode = 2;
    hold.repeatCount = 9;
    hold.xyStepCount = 1;
    hold.stepParam[0].param2 = 12;
    hold.stepDelay[0] = 45;
    MacroRecord& once = t.slots[2];
    once.stepCount = 1;
    once.repeatMode = 1;
    once.repeatCount = 4;
  }

  CDialogGun& Dialog() {
    if (!dialog_) dialog_ = std::make_unique<CDialogGun>(bed_.Context(), nullptr);
    return *dialog_;
  }

  QColor PixelAt(QPoint at) {
    QImage image(Dialog().size(), QImage::Format_RGB32);
    QPainter p(&image);
    Dialog().Render(p);
    p.end();
    return image.pixelColor(at);
  }

  // Chooses item list row `row` as the user would.
  void ChooseItem(int row) {
    Dialog().ClickEntry(CDialogGun::kItemList);
    CMenuDlg* list = Dialog().itemMenus().firstLevel();
    ASSERT_NE(list, nullptr);
    list->Choose(row);
  }

  std::string Text(QLineEdit* edit) const { return edit->text().toStdString(); }

  MenuTestBed bed_;
  std::unique_ptr<CDialogGun> dialog_;
};

TEST_F(RapidFireDialogTest, WithoutItsSkinFileItEndsAtOnce) {
  std::filesystem::remove(bed_.skins() / "INI_EN" / "skin_gun_en.ini");
  EXPECT_TRUE(Dialog().skinMissing());
  EXPECT_EQ(Dialog().Run(), 0);
  EXPECT_FALSE(Dialog().isVisible());
  // Run by exec() it ends as soon as it shows.
  bool timed_out = false;
  QTimer::singleShot(3000, &Dialog(), [&] {
    timed_out = true;
    Dialog().done(0);
  });
  EXPECT_EQ(Dialog().exec(), 0);
  EXPECT_FALSE(timed_out);
}

TEST_F(RapidFireDialogTest, ReadsTheSkinOfTheLanguage) {
  bed_.languageIsEnglish = 0;
  EXPECT_FALSE(Dialog().skinMissing());
  EXPECT_EQ(Dialog().entries()[2].label, u"\u4FDD\u5B58");
  EXPECT_EQ(Dialog().windowType(), Qt::Dialog);
  EXPECT_TRUE(Dialog().windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(Dialog().isModal());
  EXPECT_EQ(Dialog().size(), QSize(300, 200));
}

TEST_F(RapidFireDialogTest, EditsTakeOnlyDigitsUpToTheirLengths) {
  struct Case {
    const char* what;
    QLineEdit* edit;
    QRect rect;
    int max_length;
  };
  const Case cases[] = {{"count", Dialog().countEdit(), {200, 115, 60, 20}, 3},
                        {"distance", Dialog().distanceEdit(), {200, 140, 60, 20}, 2},
                        {"delay", Dialog().delayEdit(), {130, 140, 60, 20}, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.edit->geometry(), c.rect);
    EXPECT_EQ(c.edit->maxLength(), c.max_length);
    EXPECT_EQ(c.edit->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    ASSERT_NE(c.edit->validator(), nullptr);
    QString text = QStringLiteral("12");
    int pos = 0;
    EXPECT_EQ(c.edit->validator()->validate(text, pos), QValidator::Acceptable);
    for (const char* bad : {"1a", "-1", " 3", "+2"}) {
      text = QString::fromLatin1(bad);
      EXPECT_EQ(c.edit->validator()->validate(text, pos), QValidator::Invalid) << bad;
    }
    const QImage look = c.edit->grab().toImage();
    EXPECT_EQ(look.pixelColor(1, 1), QColor(Qt::black));
    EXPECT_EQ(c.edit->palette().color(QPalette::Text), QColor(Qt::white));
  }
}

TEST_F(RapidFireDialogTest, AnEmptyTableAsAtStart) {
  CDialogGun& d = Dialog();
  EXPECT_EQ(d.currentItem(), 0);
  EXPECT_EQ(Text(d.countEdit()), "");
  EXPECT_EQ(Text(d.distanceEdit()), "");
  EXPECT_EQ(Text(d.delayEdit()), "");
  EXPECT_EQ(PixelAt(kPictureAt), MenuTestBed::kPicture);  // picture 1
  // The item list opens without rows.
  d.ClickEntry(CDialogGun::kItemName);
  ASSERT_TRUE(d.itemMenus().IsOpen());
  EXPECT_EQ(d.itemMenus().firstLevel()->rowCount(), 0);
  EXPECT_FALSE(d.itemMenus().firstLevel()->isVisible());
  d.itemMenus().firstLevel()->Choose(1);
  EXPECT_EQ(d.currentItem(), 0);
  // Saving writes slot 0, which nothing downloads while the count is 0.
  d.ClickEntry(CDialogGun::kSave);
  const MacroRecord& slot = Table().slots[0];
  EXPECT_EQ(slot.repeatCount, 0);
  EXPECT_EQ(slot.reservedBytes[0], 1);
  EXPECT_EQ(slot.reservedBytes[1], 1);
  EXPECT_EQ(Table().rapidFireCount, 0);
  EXPECT_FALSE(d.itemMenus().IsOpen());
}

TEST_F(RapidFireDialogTest, ShowsEachItemByItsRepeatMode) {
  FillTable();
  CDialogGun& d = Dialog();
  EXPECT_TRUE(d.countEdit()->isEnabled());
  EXPECT_EQ(Text(d.countEdit()), "5");
  EXPECT_EQ(Text(d.distanceEdit()), "7");  // the first step whose distance is not 0
  EXPECT_EQ(Text(d.delayEdit()), "30");
  EXPECT_EQ(PixelAt(kCountModeAt), MenuTestBed::kDown);
  EXPECT_EQ(PixelAt(kHeldModeAt), MenuTestBed::kNormal);

  // Switching stores the count edit into the item shown, not into the new one.
  d.countEdit()->setText(QStringLiteral("8"));
  ChooseItem(2);
  EXPECT_EQ(d.currentItem(), 1);
  EXPECT_EQ(Table().slots[0].repeatCount, 8);
  EXPECT_EQ(Table().slots[1].repeatCount, 9);
  EXPECT_FALSE(d.countEdit()->isEnabled());
  EXPECT_EQ(Text(d.countEdit()), "1");
  EXPECT_EQ(Text(d.distanceEdit()), "12");
  EXPECT_EQ(Text(d.delayEdit()), "45");
  EXPECT_EQ(PixelAt(kCountModeAt), MenuTestBed::kNormal);
  EXPECT_EQ(PixelAt(kHeldModeAt), MenuTestBed::kDown);
  EXPECT_EQ(PixelAt(kPictureAt), QColor(Qt::yellow));  // picture 2

  // An item without cursor moves leaves the distance and delay of the one before.
  ChooseItem(3);
  EXPECT_EQ(d.currentItem(), 2);
  EXPECT_FALSE(d.countEdit()->isEnabled());
  EXPECT_EQ(Text(d.distanceEdit()), "12");
  EXPECT_EQ(Text(d.delayEdit()), "45");
  EXPECT_EQ(PixelAt(kCountModeAt), MenuTestBed::kNormal);
  EXPECT_EQ(PixelAt(kHeldModeAt), MenuTestBed::kNormal);
  // Picture 3 is missing: nothing is drawn there.
  EXPECT_EQ(PixelAt(kPictureAt), MenuTestBed::kNormal);
}

TEST_F(RapidFireDialogTest, TheItemListOpensBelowTheName) {
  FillTable();
  CDialogGun& d = Dialog();
  d.move(300, 200);
  d.ClickEntry(CDialogGun::kItemList);
  CMenuDlg* list = d.itemMenus().firstLevel();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->kind(), kRapidFireItemMenu);
  EXPECT_EQ(list->parentWidget(), &d);
  EXPECT_EQ(list->pos(), d.mapToGlobal(QPoint(120, 50)));
  EXPECT_EQ(list->rowCount(), 3);
  EXPECT_TRUE(list->isVisible());
  // A button-down on the dialog closes it first.
  SendPress(&d, QPoint(5, 190));
  EXPECT_FALSE(d.itemMenus().IsOpen());
  // The choice goes to the dialog, not to the window.
  ChooseItem(2);
  EXPECT_TRUE(bed_.host.calls.empty());
}

TEST_F(RapidFireDialogTest, HeldThenCountBringsBackACountOfOne) {
  FillTable();
  CDialogGun& d = Dialog();
  d.ClickEntry(CDialogGun::kRepeatWhileHeld);
  EXPECT_EQ(Table().slots[0].repeatMode, 0x4A);
  EXPECT_EQ(Table().slots[0].repeatCount, 1);
  EXPECT_FALSE(d.countEdit()->isEnabled());
  EXPECT_EQ(Text(d.countEdit()), "1");
  d.ClickEntry(CDialogGun::kRepeatCount);
  EXPECT_EQ(Table().slots[0].repeatMode, 0x40);
  EXPECT_EQ(Table().slots[0].repeatCount, 1);
  EXPECT_TRUE(d.countEdit()->isEnabled());
  EXPECT_EQ(Text(d.countEdit()), "1");
  // A count of 0 becomes 1 too; a count kept is shown.
  Table().slots[0].repeatCount = 0;
  d.ClickEntry(CDialogGun::kRepeatCount);
  EXPECT_EQ(Table().slots[0].repeatCount, 1);
  Table().slots[0].repeatCount = 6;
  d.ClickEntry(CDialogGun::kRepeatCount);
  EXPECT_EQ(Text(d.countEdit()), "6");
}

TEST_F(RapidFireDialogTest, SaveStoresTheThreeEdits) {
  struct Case {
    const char* count;
    const char* distance;
    const char* delay;
    uint16_t repeat_count;
    uint8_t distance_stored;
    uint16_t delay_stored;
  };
  const Case cases[] = {
      {"12", "0", "250", 12, 1, 250},
      {"3", "", "", 3, 1, 0},
      {"999", "99", "9999", 999, 99, 9999},
      {"", "45", "1", 0, 45, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.count) + "/" + c.distance + "/" + c.delay);
    FillTable();
    dialog_.reset();
    CDialogGun& d = Dialog();
    d.countEdit()->setText(QString::fromLatin1(c.count));
    d.distanceEdit()->setText(QString::fromLatin1(c.distance));
    d.delayEdit()->setText(QString::fromLatin1(c.delay));
    d.ClickEntry(CDialogGun::kSave);
    const MacroRecord& item = Table().slots[0];
    EXPECT_EQ(item.repeatCount, c.repeat_count);
    EXPECT_EQ(item.reservedBytes[0], 1);
    EXPECT_EQ(item.reservedBytes[1], c.distance_stored);
    EXPECT_EQ(item.stepDelay[0], c.delay_stored);
    EXPECT_EQ(item.stepDelay[1], c.delay_stored);
    EXPECT_EQ(item.stepDelay[2], 0);
    EXPECT_EQ(item.stepParam[1].param2, 7);  // the steps' own distances stay
  }
}

TEST_F(RapidFireDialogTest, ClosingWithoutSavingKeepsOnlyTheModeChanges) {
  for (int entry : {CDialogGun::kClose, CDialogGun::kCancel, CDialogGun::kCloseToo}) {
    SCOPED_TRACE("entry " + std::to_string(entry));
    FillTable();
    dialog_.reset();
    CDialogGun& d = Dialog();
    d.ClickEntry(CDialogGun::kRepeatWhileHeld);
    d.distanceEdit()->setText(QStringLiteral("50"));
    d.setResult(5);
    d.ClickEntry(entry);
    EXPECT_EQ(Table().slots[0].repeatMode & 3, 2);
    EXPECT_EQ(Table().slots[0].reservedBytes[1], 0);
    EXPECT_EQ(d.result(), 0);  // ended
  }
}

TEST_F(RapidFireDialogTest, PointerHoverAndPress) {
  FillTable();
  CDialogGun& d = Dialog();
  SendMove(&d, QPoint(125, 90));
  EXPECT_EQ(d.hover(), CDialogGun::kRepeatWhileHeld);
  EXPECT_EQ(PixelAt(kHeldModeAt), MenuTestBed::kOver);
  SendPress(&d, QPoint(125, 90));
  EXPECT_TRUE(d.pressed());
  EXPECT_EQ(Table().slots[0].repeatMode & 3, 2);
  SendRelease(&d, QPoint(125, 90));
  EXPECT_FALSE(d.pressed());
  SendMove(&d, QPoint(5, 190));
  EXPECT_EQ(d.hover(), CDialogGun::kNoHover);
  d.countEdit()->setText(QStringLiteral("7"));
  SendPress(&d, kSaveAt);
  EXPECT_EQ(Table().slots[0].repeatCount, 7);
}

TEST_F(RapidFireDialogTest, AChoiceReportedForAnItemOutsideTheTableStoresNothing) {
  FillTable();
  CDialogGun& d = Dialog();
  d.countEdit()->setText(QStringLiteral("77"));
  const RapidFireTable before = Table();
  for (int previous : {3, 11, 12, -1, 400})
    d.OnRapidFireItemChanged(previous);
  for (int i = 0; i < kRapidFireSlots; ++i)
    EXPECT_EQ(Table().slots[static_cast<size_t>(i)], before.slots[static_cast<size_t>(i)]);
  // An item number beyond the slots shows nothing and saves nothing.
  d.itemMenus().setRapidFireItem(40);
  d.countEdit()->setText(QStringLiteral("77"));
  d.OnRapidFireItemChanged(0);
  (void)PixelAt(kPictureAt);
  d.ClickEntry(CDialogGun::kRepeatCount);
  d.countEdit()->setText(QStringLiteral("5"));
  d.ClickEntry(CDialogGun::kSave);
  EXPECT_EQ(Table().slots[0].repeatCount, 77);
  EXPECT_EQ(Table().slots[0].reservedBytes[0], 0);
}

}  // namespace
}  // namespace devero::ui
