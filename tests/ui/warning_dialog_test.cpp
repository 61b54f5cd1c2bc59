#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <sstream>

#include "support/temp_dir.h"
#include "ui/fixture_skin.h"
#include "ui/gui_warnings.h"
#include "ui/label_font.h"
#include "ui/warning_dialog.h"

namespace devero::ui {
namespace {

class WarningDialogTest : public ::testing::Test {
 protected:
  WarningDialogTest() : images_(dir_.path() / "skins") {
    table_[0].label = u"OK";
    table_[1].label = u"Close";
  }

  std::unique_ptr<WarningDlg> Open(WarningDlg::Form form) {
    auto dialog = std::make_unique<WarningDlg>(images_, table_, QStringLiteral("Text"), form,
                                               QPoint(5, 6), LabelFont(96), nullptr);
    dialog->setResult(-1);
    return dialog;
  }

  static void Mouse(QWidget& w, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, QPointF(at), QPointF(w.mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
  }
  static void Click(QWidget& w, QPoint at) {
    Mouse(w, QEvent::MouseMove, at);
    Mouse(w, QEvent::MouseButtonPress, at);
    Mouse(w, QEvent::MouseButtonRelease, at);
  }
  static void Key(QWidget& w, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
  }

  testing::TempDir dir_;
  SkinImages images_;
  std::array<SkinEntry, kWarningEntries> table_{};
};

TEST_F(WarningDialogTest, QuestionFormAnswersOkOrCancel) {
  auto dialog = Open(WarningDlg::kQuestion);
  EXPECT_EQ(dialog->hover(), WarningDlg::kHoverAtOpen);
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("WarningDlg"));
  EXPECT_EQ(dialog->entries()[0].x, 82);
  EXPECT_EQ(dialog->entries()[1].x, 216);
  EXPECT_EQ(dialog->entries()[2].width, 196);
  // Pressed on OK, released outside both buttons: nothing.
  Mouse(*dialog, QEvent::MouseMove, QPoint(90, 95));
  Mouse(*dialog, QEvent::MouseButtonPress, QPoint(90, 95));
  Mouse(*dialog, QEvent::MouseButtonRelease, QPoint(10, 10));
  EXPECT_EQ(dialog->result(), -1);
  EXPECT_EQ(dialog->hover(), WarningDlg::kNoHover);
  Click(*dialog, QPoint(220, 100));
  EXPECT_EQ(dialog->result(), 2);
  dialog = Open(WarningDlg::kQuestion);
  Click(*dialog, QPoint(145, 111));  // inside: right and bottom edges are outside
  EXPECT_EQ(dialog->result(), 1);
}

TEST_F(WarningDialogTest, PlainFormHasOneButtonAndKeysAnswer) {
  auto dialog = Open(WarningDlg::kPlain);
  EXPECT_EQ(dialog->entries()[0].x, 148);
  EXPECT_EQ(dialog->entries()[1].x, 148);
  Click(*dialog, QPoint(150, 90));
  EXPECT_EQ(dialog->result(), 1);
  dialog = Open(WarningDlg::kPlain);
  Key(*dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog->result(), 2);
  dialog = Open(WarningDlg::kQuestion);
  Key(*dialog, Qt::Key_Return);
  EXPECT_EQ(dialog->result(), 1);
  // Without a mask picture the dialog keeps a size that shows its text and button.
  EXPECT_EQ(dialog->size(), WarningDlg::kFallbackSize);
}

TEST_F(WarningDialogTest, HoverLightsTheButtonFromTheOverPicture) {
  testing::FixtureSkin::Write(dir_.path());
  QImage over(362, 130, QImage::Format_RGB32);
  over.fill(QColor(0, 200, 0));
  over.save(QString::fromStdString((dir_ / "skins/warning2_over.jpg").string()), "PNG");
  QImage normal(362, 130, QImage::Format_RGB32);
  normal.fill(QColor(20, 20, 20));
  normal.save(QString::fromStdString((dir_ / "skins/warning2_normal.jpg").string()), "PNG");
  auto dialog = Open(WarningDlg::kQuestion);
  Mouse(*dialog, QEvent::MouseMove, QPoint(220, 100));
  QImage image(362, 130, QImage::Format_RGB32);
  QPainter p(&image);
  dialog->Render(p);
  p.end();
  EXPECT_EQ(QColor(image.pixel(217, 89)), QColor(0, 200, 0));
  EXPECT_EQ(QColor(image.pixel(83, 89)), QColor(20, 20, 20));
}

TEST(GuiWarnings, PlacementAndStderrLine) {
  EXPECT_EQ(GuiWarnings::Anchor(WarningPlacement::kScreenCentre, QPoint(3, 4), QSize(1920, 1080)),
            QPoint(760, 440));
  EXPECT_EQ(GuiWarnings::Anchor(WarningPlacement::kScreenCentre, QPoint(), QSize(1025, 769)),
            QPoint(312, 284));
  EXPECT_EQ(
      GuiWarnings::Anchor(WarningPlacement::kRelativeToWindow, QPoint(100, 50), QSize(1920, 1080)),
      QPoint(430, 330));
  EXPECT_EQ(GuiWarnings::StderrLine(u"It is a macro group.\n Are you sure to delete it?"),
            "warning: It is a macro group.\\n Are you sure to delete it?");
  EXPECT_EQ(GuiWarnings::StderrLine(u"Error\uFF1AConfig.ini"),
            "warning: Error\xEF\xBC\x9A"
            "Config.ini");
}

TEST(GuiWarnings, WhileClosingOnlyStderr) {
  testing::TempDir dir;
  SkinImages images(dir.path());
  std::array<SkinEntry, kWarningEntries> table{};
  std::ostringstream err;
  GuiWarnings warnings(
      images, table, [] { return LabelFont(96); }, err);
  warnings.SetClosing(true);
  EXPECT_EQ(warnings.ShowQuestion(u"Sure?"), 1);
  EXPECT_EQ(err.str(), "warning: Sure?\n");
}

}  // namespace
}  // namespace devero::ui
