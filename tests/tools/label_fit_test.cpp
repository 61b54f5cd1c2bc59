// Every text the program draws into the generated skin fits its place, in both languages, in
// the label face at the pixel sizes of 100 % and of the larger display scales.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "macro/lighting_mode_names.h"
#include "platform/ini/ini_file.h"
#include "platform/text/leading_int.h"
#include "platform/text/utf.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSkin = DEVERO_SKIN_DIR;

// 9.7 pt at 96 dpi, and the largest size the font table gives on a scaled display (5.3 pt at
// 192 dpi is 14.1 pixels), rounded up.
constexpr int kPixelSizes[] = {13, 15};

struct Place {
  QString text;
  int width;
  int height;
  std::string where;
};

class LabelFitTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "label_fit_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
  }
  static void TearDownTestSuite() { app_.reset(); }

  void SetUp() override {
    if (!QFontDatabase::families().contains(QStringLiteral("WenQuanYi Micro Hei"))) {
      GTEST_SKIP() << "the label face is not installed (scripts/setup installs it)";
    }
  }

  static void ExpectFits(const std::vector<Place>& places) {
    for (int px : kPixelSizes) {
      QFont font(QStringLiteral("WenQuanYi Micro Hei"));
      font.setPixelSize(px);
      const QFontMetrics fm(font);
      for (const Place& p : places) {
        EXPECT_LE(fm.horizontalAdvance(p.text), p.width)
            << p.where << " \"" << p.text.toStdString() << "\" at " << px << " px";
        EXPECT_LE(fm.height(), p.height) << p.where << " at " << px << " px";
      }
    }
  }

  static inline std::unique_ptr<QGuiApplication> app_;
};

struct Field {
  QString name;
  int x, y, w, h;
  QString label;
};

Field ReadField(const devero::ini::IniDocument& doc, const char16_t* section, int key) {
  const std::u16string v = doc.Get(section, devero::Utf8ToUtf16(std::to_string(key)), u"", 260);
  std::vector<std::u16string> f(1);
  for (char16_t c : v) {
    if (c == u',') {
      f.emplace_back();
    } else {
      f.back() += c;
    }
  }
  f.resize(7);
  return {QString::fromStdU16String(f[0]), devero::LeadingInt(f[1]),
          devero::LeadingInt(f[2]),        devero::LeadingInt(f[3]),
          devero::LeadingInt(f[4]),        QString::fromStdU16String(f[5])};
}

struct Language {
  const char* dir;
  const char* suffix;
  int english;
};
constexpr Language kLanguages[] = {{"INI_EN", "_en", 1}, {"INI_CN", "", 0}};

fs::path File(const Language& l, const std::string& base) {
  return kSkin / l.dir / (base + l.suffix + ".ini");
}

int ImageWidth(const char* name) {
  return QImage(QString::fromStdString((kSkin / name).string())).width();
}

TEST_F(LabelFitTest, LabelsFitTheirControls) {
  const std::pair<const char*, int> files[] = {{"skin_main", 50},   {"skin_advance", 138},
                                               {"skin_color", 103}, {"skin_mac", 20},
                                               {"skin_keyset", 4},  {"skin_gun", 14}};
  std::vector<Place> places;
  for (const Language& l : kLanguages) {
    for (const auto& [base, count] : files) {
      const devero::ini::IniDocument doc = devero::ini::Load(File(l, base));
      for (int key = 0; key < count; ++key) {
        const Field f = ReadField(doc, u"BUTTONPOS", key);
        if (f.label.isEmpty()) continue;
        places.push_back(
            {f.label, f.w - 4, f.h, std::string(l.dir) + "/" + base + " " + std::to_string(key)});
      }
    }
  }
  ExpectFits(places);
}

TEST_F(LabelFitTest, TextsThatReplaceLabelsFit) {
  std::vector<Place> places;
  for (const Language& l : kLanguages) {
    const std::string lang = l.dir;
    const devero::ini::IniDocument main = devero::ini::Load(File(l, "skin_main"));
    // Function names from x + 55 to the caret of every function field.
    for (int button = 0; button < 9; ++button) {
      const Field field = ReadField(main, u"BUTTONPOS", 20 + button);
      if (field.w == 0) continue;  // no such button on the shipped product
      for (int n = 1; n <= 47; ++n) {
        places.push_back({ReadField(main, u"FUN_STRING", n).name, field.w - 55 - 28, field.h,
                          lang + " function " + std::to_string(n)});
      }
    }
    // The profile button shows the profile's name next to its caret.
    const Field profile = ReadField(main, u"BUTTONPOS", 10);
    for (int n = 19; n <= 22; ++n) {
      places.push_back(
          {ReadField(main, u"FUN_STRING", n).name, profile.w - 56, profile.h, lang + " profile"});
    }
    const devero::ini::IniDocument adv = devero::ini::Load(File(l, "skin_advance"));
    for (int key : {2, 19, 32}) {
      const Field f = ReadField(adv, u"BUTTONPOS", key);
      places.push_back({QStringLiteral("300"), f.w - 4, f.h, lang + " value"});
    }
    for (int key = 70; key <= 75; ++key) {
      const Field f = ReadField(adv, u"BUTTONPOS", key);
      places.push_back({QStringLiteral("12800"), f.w - 4, f.h, lang + " DPI"});
    }
    const devero::ini::IniDocument color = devero::ini::Load(File(l, "skin_color"));
    const Field mode = ReadField(color, u"BUTTONPOS", 35);
    for (int n = 0; n <= 14; ++n) {
      places.push_back({QString::fromStdU16String(devero::LightingModeName(n, l.english)),
                        mode.w - 56, mode.h, lang + " lighting mode"});
    }
    const devero::ini::IniDocument mac = devero::ini::Load(File(l, "skin_mac"));
    const Field record = ReadField(mac, u"BUTTONPOS", 4);
    for (const char* t : {"Record", "Stop", "录制", "停止"}) {
      places.push_back({QString::fromUtf8(t), record.w - 80, record.h, lang + " record"});
    }
  }
  ExpectFits(places);
}

// Menu rows are as wide as their picture (the profile and lighting mode menus 144 pixels).
TEST_F(LabelFitTest, MenuTextsFitTheirRows) {
  std::vector<Place> places;
  auto add = [&](const QStringList& texts, int width, int row_height, const std::string& where) {
    for (const QString& t : texts)
      places.push_back({t, width - 8, row_height, where});
  };
  const int menu = ImageWidth("menu_mask.jpg");
  const int menu1 = ImageWidth("menu1_mask.jpg");
  add({"Double Click", "Rapid Fire", "Led Loop", "DPI +", "DPI -", "Media", "Macro", "Shortcut",
       "Profile", "Desktop"},
      menu1, 24, "function menu");
  for (const Language& l : kLanguages) {
    const devero::ini::IniDocument main = devero::ini::Load(File(l, "skin_main"));
    QStringList functions, profiles, submenu;
    for (int n = 1; n <= 6; ++n)
      functions << ReadField(main, u"FUN_STRING", n).name;
    for (int n = 19; n <= 22; ++n)
      profiles << ReadField(main, u"FUN_STRING", n).name;
    for (int n = 23; n <= 40; ++n)
      submenu << ReadField(main, u"FUN_STRING", n).name;
    add(functions, menu1, 24, std::string(l.dir) + " function menu");
    add(profiles, 144, 24, std::string(l.dir) + " profile menu");
    add(submenu, menu, 24, std::string(l.dir) + " submenu");
    QStringList modes;
    for (int n = 1; n <= 18; ++n) {
      modes << QString::fromStdU16String(devero::LightingModeName(n, l.english));
    }
    add(modes, 144, 24, std::string(l.dir) + " lighting mode menu");
  }
  add({"New macro group", "Rename", "Import macro group", "Export macro group",
       "Reset all macro  groups", "Delete macro group"},
      ImageWidth("MacMenu/MacG_mask.jpg"), 20, "macro group menu");
  add({"Rename", "Delete option"}, ImageWidth("MacMenu/MacR_mask.jpg"), 20, "macro menu");
  add({"Insert Previous", "Insert After", "Insert Delay"}, ImageWidth("MacMenu/Insert_mask.jpg"),
      20, "insert menu");
  add({QString::fromUtf8("Middle Click  ↓"), QString::fromUtf8("Left     Click ↑")},
      ImageWidth("MacMenu/Insert2th_mask.jpg"), 20, "insert submenu");
  ExpectFits(places);
}

}  // namespace
