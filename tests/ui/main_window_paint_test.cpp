#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>

#include "support/temp_dir.h"
#include "ui/fixture_skin.h"
#include "ui/label_font.h"
#include "ui/lighting_page_paint.h"
#include "ui/main_window_paint.h"

namespace devero::ui {
namespace {

using testing::FixtureSkin;

class SilentReport : public SkinReadReport {
 public:
  bool OnMissingFile(const std::filesystem::path&) override { return false; }
  void OnTooManyCommas(const std::filesystem::path&) override {}
};

class MainWindowPaintTest : public ::testing::Test {
 protected:
  MainWindowPaintTest() : images_(dir_.path() / "skins") {
    FixtureSkin::Write(dir_.path());
    SilentReport report;
    EXPECT_TRUE(LoadMainWindowSkin(dir_.path() / "skins", 1, report, skin_));
    product_.keyNum = 8;
    view_.languageIsEnglish = 1;
    for (int k = 0; k < kDpiStageCount; ++k)
      settings_.dpiStageColorRef[k] = 0x0000FF;  // red
  }

  QImage Render() {
    QImage image(FixtureSkin::kWidth, FixtureSkin::kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    const QFont font = LabelFont(96);
    PaintMainWindow(p, images_, MainPaintInput{skin_, settings_, product_, library_, view_, font});
    return image;
  }

  // A corner pixel of an entry, away from any text.
  static QColor At(const QImage& image, const SkinEntry& e) {
    return QColor(image.pixel(e.x + 1, e.y + 1));
  }

  testing::TempDir dir_;
  SkinImages images_;
  MainWindowSkin skin_;
  ProfileSettings settings_;
  ProductDescription product_;
  MacroLibraryState library_;
  MainViewState view_;
};

TEST_F(MainWindowPaintTest, HoveredFunctionFieldLightsItsNameToo) {
  view_.hoverMain = 22;
  QImage image = Render();
  EXPECT_EQ(At(image, skin_.main[22]), FixtureSkin::kOver);
  EXPECT_EQ(At(image, skin_.main[37]), FixtureSkin::kDown);
  EXPECT_EQ(At(image, skin_.main[21]), FixtureSkin::kNormal);
  EXPECT_EQ(At(image, skin_.main[36]), FixtureSkin::kNormal);

  view_.hoverMain = 37;
  image = Render();
  EXPECT_EQ(At(image, skin_.main[37]), FixtureSkin::kOver);
  EXPECT_EQ(At(image, skin_.main[22]), FixtureSkin::kDown);

  view_.pressed = true;
  image = Render();
  EXPECT_EQ(At(image, skin_.main[37]), FixtureSkin::kDown);

  // Past the product's buttons a field is not a button's.
  view_.pressed = false;
  view_.hoverMain = 28;
  image = Render();
  EXPECT_EQ(At(image, skin_.main[43]), FixtureSkin::kNormal);
}

TEST_F(MainWindowPaintTest, HeaderShowsPageLanguageAndProfileMenu) {
  for (uint8_t page = 0; page < 4; ++page) {
    view_.page = page;
    const QImage image = Render();
    for (int tab = 6; tab <= 9; ++tab)
      EXPECT_EQ(At(image, skin_.main[tab]),
                tab == 6 + page ? FixtureSkin::kDown : FixtureSkin::kNormal)
          << "page " << int(page) << " tab " << tab;
    EXPECT_EQ(At(image, skin_.main[5]), FixtureSkin::kDown);
    EXPECT_EQ(At(image, skin_.main[4]), FixtureSkin::kNormal);
  }
  view_.page = kMainPage;
  view_.hoverMain = 4;
  EXPECT_EQ(At(Render(), skin_.main[4]), FixtureSkin::kOver);
  view_.pressed = true;
  EXPECT_EQ(At(Render(), skin_.main[4]), FixtureSkin::kDown);
  view_.pressed = false;
  view_.hoverMain = 10;
  EXPECT_EQ(At(Render(), skin_.main[10]), FixtureSkin::kOver);
  view_.profileMenuOpen = true;
  view_.hoverMain = kNoEntry;
  EXPECT_EQ(At(Render(), skin_.main[10]), FixtureSkin::kDown);
  view_.languageIsEnglish = 0;
  const QImage chinese = Render();
  EXPECT_EQ(At(chinese, skin_.main[4]), FixtureSkin::kDown);
  EXPECT_EQ(At(chinese, skin_.main[5]), FixtureSkin::kNormal);
}

TEST_F(MainWindowPaintTest, AdvancedPageStates) {
  view_.page = kAdvancedPage;
  settings_.dpiLevel = 2;
  settings_.dpiStageEnabled = {1, 0, 1, 0, 0, 1};
  settings_.dpiStageValue[2] = 0;
  settings_.usbSpeed = 1;
  settings_.dpiSpeed = 5;
  const QImage image = Render();
  EXPECT_EQ(At(image, skin_.advanced[62]), FixtureSkin::kDown);
  EXPECT_EQ(At(image, skin_.advanced[61]), FixtureSkin::kNormal);
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(At(image, skin_.advanced[47 + k]),
              settings_.dpiStageEnabled[k] ? FixtureSkin::kDown : FixtureSkin::kNormal)
        << k;
    EXPECT_EQ(At(image, skin_.advanced[77 + k]), QColor(255, 0, 0)) << k;
  }
  EXPECT_EQ(At(image, skin_.advanced[35]), FixtureSkin::kDown);
  EXPECT_EQ(At(image, skin_.advanced[34]), FixtureSkin::kNormal);
  // The DPI slider at value 0 draws 17 of its 303 pixels from the down image.
  const SkinEntry& dpi = skin_.advanced[66];
  EXPECT_EQ(QColor(image.pixel(dpi.x + 16, dpi.y + 1)), FixtureSkin::kDown);
  EXPECT_EQ(QColor(image.pixel(dpi.x + 40, dpi.y + 1)), FixtureSkin::kNormal);
  // Pointer speed 5 of 11 on a 110-pixel slider: 50 pixels.
  const SkinEntry& speed = skin_.advanced[1];
  EXPECT_EQ(QColor(image.pixel(speed.x + 30, speed.y + 1)), FixtureSkin::kDown);
  EXPECT_EQ(QColor(image.pixel(speed.x + 70, speed.y + 1)), FixtureSkin::kNormal);

  // A hovered control that is not a slider shows pressed; a slider shows hovered.
  view_.hoverAdvanced = 63;
  EXPECT_EQ(At(Render(), skin_.advanced[63]), FixtureSkin::kDown);
  view_.hoverAdvanced = 18;
  EXPECT_EQ(QColor(Render().pixel(skin_.advanced[18].x + 100, skin_.advanced[18].y + 1)),
            FixtureSkin::kOver);
}

TEST_F(MainWindowPaintTest, LightingPageStatesAndGreyedAreas) {
  view_.page = kLightingPage;
  settings_.ledType = 0;
  settings_.ledFeatureSymmetry = 1;
  settings_.ledFeatureDirection = 2;
  settings_.cycleColorEnable = {1, 0, 0, 1, 0, 0, 0};
  settings_.ledUserColorRef[3] = 0x00FF00;  // green
  QImage image = Render();
  EXPECT_EQ(At(image, skin_.lighting[45]), FixtureSkin::kDown);
  EXPECT_EQ(At(image, skin_.lighting[49]), FixtureSkin::kDown);
  EXPECT_EQ(At(image, skin_.lighting[47]), FixtureSkin::kNormal);
  EXPECT_EQ(At(image, skin_.lighting[7]), FixtureSkin::kDown);
  EXPECT_EQ(At(image, skin_.lighting[8]), FixtureSkin::kNormal);
  EXPECT_EQ(At(image, skin_.lighting[10]), FixtureSkin::kDown);
  EXPECT_EQ(At(image, skin_.lighting[14]), FixtureSkin::kDown);
  EXPECT_EQ(At(image, skin_.lighting[3]), QColor(0, 255, 0));
  for (int a : {71, 72, 74, 75})
    EXPECT_EQ(At(image, skin_.lighting[a]), FixtureSkin::kNull) << a;
  EXPECT_EQ(At(image, skin_.lighting[73]), FixtureSkin::kNormal);
  // Mode 0 greys direction 3 (entry 50) after drawing the chosen direction.
  settings_.ledFeatureDirection = 3;
  EXPECT_EQ(At(Render(), skin_.lighting[50]), FixtureSkin::kNull);

  settings_.ledType = 14;
  image = Render();
  for (int a = 71; a <= 75; ++a)
    EXPECT_NE(At(image, skin_.lighting[a]), FixtureSkin::kNull) << a;
  // The lighting page always hovers from the over image.
  view_.hoverLighting = 35;
  view_.pressed = true;
  EXPECT_EQ(At(Render(), skin_.lighting[35]), FixtureSkin::kOver);
}

TEST_F(MainWindowPaintTest, MacroPageRecordAndRepeatMode) {
  view_.page = kMacroPage;
  view_.recording = true;
  view_.macroSelected = true;
  view_.selectedRepeatMode = 1;
  QImage image = Render();
  EXPECT_EQ(At(image, skin_.macro[4]), FixtureSkin::kDown);
  EXPECT_EQ(At(image, skin_.macro[7]), FixtureSkin::kDown);
  EXPECT_EQ(At(image, skin_.macro[6]), FixtureSkin::kNormal);
  EXPECT_EQ(At(image, skin_.macro[8]), FixtureSkin::kNormal);
  view_.groupLocked = true;
  image = Render();
  EXPECT_EQ(At(image, skin_.macro[7]), FixtureSkin::kNormal);
}

TEST_F(MainWindowPaintTest, FunctionTextIsCutUnlessHovered) {
  library_.macroNames[2][1] = u"A rather long macro name";
  EXPECT_EQ(FunctionFieldLabel(3 * 256 + 1, skin_, library_, false), u"A rather long m");
  EXPECT_EQ(FunctionFieldLabel(3 * 256 + 1, skin_, library_, true), u"A rather long macro name");
  EXPECT_EQ(FunctionFieldLabel(0, skin_, library_, false), u"Off");
  EXPECT_EQ(FunctionFieldLabel(47, skin_, library_, true), u"Function number 47");
  EXPECT_EQ(FunctionFieldLabel(47, skin_, library_, false), u"Function number");
  for (int32_t code : {48, 255, -1, 13 * 256, 256 + 12, INT32_MAX})
    EXPECT_TRUE(FunctionFieldLabel(code, skin_, library_, true).empty()) << code;
}

TEST_F(MainWindowPaintTest, LabelsAreDrawnInTheirEntries) {
  settings_.buttonFunction[0][0] = 1;
  const QImage plain = Render();
  // Some pixels of the function field's text area are no longer the background.
  const SkinEntry& field = skin_.main[20];
  int text_pixels = 0;
  for (int x = field.x + 55; x < field.x + field.width; ++x)
    for (int y = field.y; y < field.y + field.height; ++y)
      text_pixels += QColor(plain.pixel(x, y)) != FixtureSkin::kNormal;
  EXPECT_GT(text_pixels, 20);
  for (int x = field.x; x < field.x + 55; ++x)
    EXPECT_EQ(QColor(plain.pixel(x, field.y + field.height / 2)), FixtureSkin::kNormal) << x;
}

TEST_F(MainWindowPaintTest, OutOfRangeSettingsPaintWithoutReadingOutsideTables) {
  settings_.dpiLevel = 9;
  settings_.ledType = 200;
  settings_.usbSpeed = 7;
  settings_.currentProfile = 3;
  settings_.ledFeatureDirection = -40;
  settings_.ledBrightness = 200;
  settings_.fireTime = -5;
  settings_.dpiStageValue = {255, 255, 255, 255, 255, 255};
  product_.keyNum = 0;
  for (uint8_t page = 0; page < 4; ++page) {
    view_.page = page;
    view_.hoverMain = 49;
    view_.hoverAdvanced = 137;
    view_.hoverLighting = 102;
    view_.hoverMacro = 19;
    EXPECT_FALSE(Render().isNull());
  }
  settings_.currentProfile = 17;
  product_.keyNum = 9;
  view_.page = kMainPage;
  EXPECT_FALSE(Render().isNull());
}

TEST(LightingPage, GreyedAreasAndHiddenLabelsByMode) {
  EXPECT_EQ(std::vector<int>(LightingGreyedEntries(10).begin(), LightingGreyedEntries(10).end()),
            (std::vector<int>{45, 72, 50, 49, 71, 75}));
  EXPECT_TRUE(LightingGreyedEntries(14).empty());
  EXPECT_TRUE(LightingGreyedEntries(-1).empty());
  EXPECT_EQ(LightingGreyedEntries(5).size(), 2u);
  struct Case {
    int entry;
    int mode;
    bool shown;
  };
  const std::vector<Case> cases = {
      {98, 3, true},   {98, 4, false},  {15, 0, false},  {15, 1, true},  {38, 1, false},
      {39, 2, false},  {38, 2, true},   {34, 4, false},  {33, 4, true},  {33, 7, false},
      {31, 7, true},   {31, 10, true},  {30, 10, false}, {39, 9, false}, {15, 3, true},
      {61, 12, false}, {68, 12, false}, {69, 12, true},  {61, 3, true},  {15, 14, true},
      {30, 200, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LightingLabelShown(c.entry, c.mode, 8), c.shown) << c.entry << " mode " << c.mode;
}

}  // namespace
}  // namespace devero::ui
