// The skin that the build generates, read through the program's own INI reader.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/ini/ini_file.h"
#include "platform/text/leading_int.h"
#include "platform/text/utf.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSkin = DEVERO_SKIN_DIR;

struct Section {
  const char16_t* name;
  int first;
  int last;
};

struct SkinFileCase {
  const char* english;
  const char* chinese;
  const char* mask;  // the window the rectangles belong to
  std::vector<Section> sections;
};

const std::vector<SkinFileCase> kFiles = {
    {"INI_EN/skin_main_en.ini",
     "INI_CN/skin_main.ini",
     "main_mask.jpg",
     {{u"BUTTONPOS", 0, 49}, {u"FUN_STRING", 1, 47}, {u"EDIT", 0, 3}}},
    {"INI_EN/skin_advance_en.ini",
     "INI_CN/skin_advance.ini",
     "main_mask.jpg",
     {{u"BUTTONPOS", 0, 137}}},
    {"INI_EN/skin_color_en.ini",
     "INI_CN/skin_color.ini",
     "main_mask.jpg",
     {{u"BUTTONPOS", 0, 102}}},
    {"INI_EN/skin_mac_en.ini",
     "INI_CN/skin_mac.ini",
     "main_mask.jpg",
     {{u"BUTTONPOS", 0, 19}, {u"EDIT", 0, 2}, {u"MACRODISPLAY", 1, 3}}},
    {"INI_EN/LBWarning_en.ini", "INI_CN/LBWarning.ini", "warning_mask.jpg", {{u"BUTTONPOS", 0, 2}}},
    {"INI_EN/skin_keyset_en.ini",
     "INI_CN/skin_keyset.ini",
     "keyset_mask.jpg",
     {{u"BUTTONPOS", 0, 3}}},
    {"INI_EN/skin_gun_en.ini",
     "INI_CN/skin_gun.ini",
     "gun_mask.jpg",
     {{u"BUTTONPOS", 0, 13}, {u"EDIT", 0, 2}}},
};

QImage Load(const std::string& name) {
  return QImage(QString::fromStdString((kSkin / name).string()));
}

std::vector<std::u16string_view> Fields(std::u16string_view value) {
  std::vector<std::u16string_view> fields;
  size_t start = 0;
  for (size_t comma; (comma = value.find(u',', start)) != std::u16string_view::npos;
       start = comma + 1) {
    fields.push_back(value.substr(start, comma - start));
  }
  fields.push_back(value.substr(start));
  return fields;
}

QRect Rect(const std::vector<std::u16string_view>& f) {
  return QRect(devero::LeadingInt(f[1]), devero::LeadingInt(f[2]), devero::LeadingInt(f[3]),
               devero::LeadingInt(f[4]));
}

// The rectangles of a section as the program reads them (key, rectangle).
std::vector<std::pair<int, QRect>> Rects(const fs::path& file, const Section& s) {
  const devero::ini::IniDocument doc = devero::ini::Load(file);
  std::vector<std::pair<int, QRect>> rects;
  for (int key = s.first; key <= s.last; ++key) {
    const std::u16string k = devero::Utf8ToUtf16(std::to_string(key));
    rects.emplace_back(key, Rect(Fields(doc.Get(s.name, k, u"", 260))));
  }
  return rects;
}

TEST(GeneratedSkinFiles, EveryKeyOfEveryTableHasSevenFields) {
  for (const SkinFileCase& c : kFiles) {
    for (const char* name : {c.english, c.chinese}) {
      SCOPED_TRACE(name);
      const devero::ini::IniDocument doc = devero::ini::Load(kSkin / name);
      EXPECT_NE(doc.encoding(), devero::ini::Encoding::kUtf8) << "written without a BOM";
      for (const Section& s : c.sections) {
        for (int key = s.first; key <= s.last; ++key) {
          const std::u16string k = devero::Utf8ToUtf16(std::to_string(key));
          const auto value = doc.Find(s.name, k);
          ASSERT_TRUE(value.has_value()) << devero::Utf16ToUtf8(s.name) << " " << key;
          EXPECT_EQ(std::count(value->begin(), value->end(), u','), 6)
              << devero::Utf16ToUtf8(s.name) << " " << key;
          EXPECT_LT(value->size(), 260u) << "a value longer than the program reads";
        }
      }
    }
  }
}

TEST(GeneratedSkinFiles, FunctionNamesAreThereInBothLanguages) {
  for (const char* name : {"INI_EN/skin_main_en.ini", "INI_CN/skin_main.ini"}) {
    const devero::ini::IniDocument doc = devero::ini::Load(kSkin / name);
    for (int key = 1; key <= 47; ++key) {
      const std::u16string k = devero::Utf8ToUtf16(std::to_string(key));
      EXPECT_FALSE(Fields(doc.Get(u"FUN_STRING", k, u"", 260))[0].empty()) << name << " " << key;
    }
  }
  // The Chinese names are not the English ones.
  const devero::ini::IniDocument en = devero::ini::Load(kSkin / "INI_EN/skin_main_en.ini");
  const devero::ini::IniDocument cn = devero::ini::Load(kSkin / "INI_CN/skin_main.ini");
  EXPECT_NE(en.Get(u"FUN_STRING", u"1", u"", 260), cn.Get(u"FUN_STRING", u"1", u"", 260));
}

TEST(GeneratedSkinFiles, EveryRectangleLiesInsideItsWindow) {
  for (const SkinFileCase& c : kFiles) {
    const QImage mask = Load(c.mask);
    ASSERT_FALSE(mask.isNull()) << c.mask;
    const QSize window = mask.size();
    for (const char* name : {c.english, c.chinese}) {
      for (const Section& s : c.sections) {
        for (const auto& [key, r] : Rects(kSkin / name, s)) {
          EXPECT_TRUE(r.width() >= 0 && r.height() >= 0 && r.x() >= 0 && r.y() >= 0 &&
                      r.x() + r.width() <= window.width() && r.y() + r.height() <= window.height())
              << name << " [" << devero::Utf16ToUtf8(s.name) << "] " << key;
        }
      }
    }
  }
}

// Entries that the program treats as the same control in both languages sit at the same place:
// the images are shared by both languages.
TEST(GeneratedSkinFiles, BothLanguagesPlaceControlsAlike) {
  for (const SkinFileCase& c : kFiles) {
    for (const Section& s : c.sections) {
      EXPECT_EQ(Rects(kSkin / c.english, s), Rects(kSkin / c.chinese, s)) << c.english;
    }
  }
}

struct ImageSetCase {
  const char* mask;
  std::vector<const char*> states;
};

const std::vector<ImageSetCase> kImageSets = {
    {"main_mask.jpg",
     {"main_normal.jpg", "main_over.jpg", "main_down.jpg", "advanced_normal.jpg",
      "advanced_over.jpg", "advanced_down.jpg", "mac_normal.jpg", "mac_over.jpg", "mac_down.jpg",
      "led_normal.jpg", "led_over.jpg", "led_down.jpg", "led_null.jpg"}},
    {"keyset_mask.jpg", {"keyset_normal.jpg", "keyset_over.jpg", "keyset_down.jpg"}},
    {"gun_mask.jpg", {"gun_normal.jpg", "gun_over.jpg", "gun_down.jpg"}},
    {"menu_mask.jpg",
     {"menu_normal.jpg", "menu_over.jpg", "menu_down.jpg", "Macro_menu_normal.jpg",
      "Macro_menu_over.jpg", "Macro_menu_down.jpg"}},
    {"menu1_mask.jpg", {"menu1_normal.jpg", "menu1_over.jpg", "menu1_down.jpg"}},
    {"more_mask.jpg", {"more_normal.jpg", "more_over.jpg", "more_down.jpg"}},
    {"MacMenu/MacG_mask.jpg",
     {"MacMenu/MacG_normal.jpg", "MacMenu/MacG_over.jpg", "MacMenu/MacG_down.jpg"}},
    {"MacMenu/MacR_mask.jpg",
     {"MacMenu/MacR_normal.jpg", "MacMenu/MacR_over.jpg", "MacMenu/MacR_down.jpg"}},
    {"MacMenu/Insert_mask.jpg",
     {"MacMenu/Insert_normal.jpg", "MacMenu/Insert_over.jpg", "MacMenu/Insert_down.jpg"}},
    {"MacMenu/Insert2th_mask.jpg",
     {"MacMenu/Insert2th_normal.jpg", "MacMenu/Insert2th_over.jpg", "MacMenu/Insert2th_down.jpg"}},
    {"warning_mask.jpg",
     {"warning_normal.jpg", "warning_over.jpg", "warning2_normal.jpg", "warning2_over.jpg"}},
};

TEST(GeneratedSkinImages, StateImagesHaveTheirMasksSize) {
  for (const ImageSetCase& c : kImageSets) {
    const QImage mask = Load(c.mask);
    ASSERT_FALSE(mask.isNull()) << c.mask;
    for (const char* state : c.states) {
      const QImage image = Load(state);
      ASSERT_FALSE(image.isNull()) << state;
      EXPECT_EQ(image.size(), mask.size()) << state;
    }
  }
}

bool Outside(QRgb c) {
  return qRed(c) > 100 && qGreen(c) > 100 && qBlue(c) > 100;
}

// Every mask pixel is clearly inside or clearly outside, and the main window has rounded
// corners: its corner pixels are outside, its middle inside.
TEST(GeneratedSkinImages, MasksAreTwoToned) {
  for (const ImageSetCase& c : kImageSets) {
    const QImage mask = Load(c.mask).convertToFormat(QImage::Format_RGB32);
    int unclear = 0;
    for (int y = 0; y < mask.height(); ++y) {
      for (int x = 0; x < mask.width(); ++x) {
        const QRgb p = mask.pixel(x, y);
        const int lo = std::min({qRed(p), qGreen(p), qBlue(p)});
        const int hi = std::max({qRed(p), qGreen(p), qBlue(p)});
        if (!(hi < 60 || lo > 160)) ++unclear;
      }
    }
    EXPECT_EQ(unclear, 0) << c.mask;
  }
  const QImage main = Load("main_mask.jpg");
  for (QPoint corner : {QPoint(0, 0), QPoint(main.width() - 1, 0), QPoint(0, main.height() - 1),
                        QPoint(main.width() - 1, main.height() - 1)}) {
    EXPECT_TRUE(Outside(main.pixel(corner))) << corner.x() << "," << corner.y();
  }
  EXPECT_FALSE(Outside(main.pixel(main.width() / 2, main.height() / 2)));
  EXPECT_FALSE(Outside(main.pixel(main.width() / 2, 0)));
}

// The program copies control rectangles from the over and down images onto the normal one, so
// the three must show the same picture everywhere else (allowing for JPEG's noise next to
// the rectangles).
TEST(GeneratedSkinImages, StatesDifferOnlyInsideControls) {
  constexpr int kJpegMargin = 4;  // pixels next to a rectangle that share its JPEG block
  constexpr int kJpegNoise = 12;
  struct Page {
    const char* prefix;
    const char* file;  // the page's own table
    Section section;
  };
  const Page pages[] = {
      {"main", "INI_EN/skin_main_en.ini", {u"BUTTONPOS", 20, 49}},
      {"advanced", "INI_EN/skin_advance_en.ini", {u"BUTTONPOS", 0, 137}},
      {"mac", "INI_EN/skin_mac_en.ini", {u"BUTTONPOS", 0, 19}},
      {"led", "INI_EN/skin_color_en.ini", {u"BUTTONPOS", 0, 102}},
  };
  const auto header = Rects(kSkin / "INI_EN/skin_main_en.ini", {u"BUTTONPOS", 0, 19});
  for (const Page& page : pages) {
    std::vector<QRect> controls;
    for (const auto& [key, r] : header)
      controls.push_back(r.adjusted(-kJpegMargin, -kJpegMargin, kJpegMargin, kJpegMargin));
    for (const auto& [key, r] : Rects(kSkin / page.file, page.section)) {
      controls.push_back(r.adjusted(-kJpegMargin, -kJpegMargin, kJpegMargin, kJpegMargin));
    }
    const std::string prefix = page.prefix;
    const QImage normal = Load(prefix + "_normal.jpg").convertToFormat(QImage::Format_RGB32);
    for (const char* state : {"_over.jpg", "_down.jpg"}) {
      const QImage other = Load(prefix + state).convertToFormat(QImage::Format_RGB32);
      ASSERT_EQ(other.size(), normal.size());
      int differing = 0;
      for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
          if (std::any_of(controls.begin(), controls.end(),
                          [&](const QRect& r) { return r.contains(x, y); })) {
            continue;
          }
          const QRgb a = normal.pixel(x, y), b = other.pixel(x, y);
          if (std::abs(qRed(a) - qRed(b)) > kJpegNoise ||
              std::abs(qGreen(a) - qGreen(b)) > kJpegNoise ||
              std::abs(qBlue(a) - qBlue(b)) > kJpegNoise) {
            ++differing;
          }
        }
      }
      EXPECT_EQ(differing, 0) << prefix << state;
    }
  }
}

// Each page draws the header from its own images, so the header looks the same on every page.
TEST(GeneratedSkinImages, EveryPageDrawsTheHeaderAlike) {
  constexpr int kJpegNoise = 12;
  const auto header = Rects(kSkin / "INI_EN/skin_main_en.ini", {u"BUTTONPOS", 0, 19});
  for (const char* state : {"_normal.jpg", "_over.jpg", "_down.jpg"}) {
    const QImage main = Load(std::string("main") + state).convertToFormat(QImage::Format_RGB32);
    for (const char* page : {"advanced", "mac", "led"}) {
      const QImage other = Load(page + std::string(state)).convertToFormat(QImage::Format_RGB32);
      ASSERT_EQ(other.size(), main.size());
      for (const auto& [key, r] : header) {
        int differing = 0;
        for (int y = r.top(); y < r.top() + r.height(); ++y) {
          for (int x = r.left(); x < r.left() + r.width(); ++x) {
            const QRgb a = main.pixel(x, y), b = other.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > kJpegNoise ||
                std::abs(qGreen(a) - qGreen(b)) > kJpegNoise ||
                std::abs(qBlue(a) - qBlue(b)) > kJpegNoise) {
              ++differing;
            }
          }
        }
        EXPECT_EQ(differing, 0) << page << state << " header entry " << key;
      }
    }
  }
}

// The skin is a pure function of the generator: a second run writes the same bytes, so builds
// are reproducible and an unchanged skin is not rewritten.
TEST(GeneratedSkin, GeneratingAgainGivesTheSameFiles) {
  devero::testing::TempDir dir;
  const auto result = devero::testing::RunCommand(DEVERO_SKINGEN, {"--buttons", DEVERO_SKIN_BUTTONS, dir.path().string()});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
    if (!entry.is_regular_file()) continue;
    ++files;
    const fs::path rel = fs::relative(entry.path(), dir.path());
    EXPECT_EQ(devero::testing::ReadFile(entry.path()), devero::testing::ReadFile(kSkin / rel))
        << rel;
  }
  EXPECT_GT(files, 0);
}

TEST(GeneratedSkinImages, PicturesAndIconsAreThere) {
  const QImage knob = Load("moveRect.png");
  ASSERT_FALSE(knob.isNull());
  EXPECT_TRUE(knob.hasAlphaChannel());
  EXPECT_EQ(qAlpha(knob.pixel(0, 0)), 0) << "the knob's corner must be transparent";
  EXPECT_FALSE(Load("led_null.jpg").isNull());
  for (int n = 1; n <= 12; ++n) {
    EXPECT_FALSE(Load("Gun/" + std::to_string(n) + ".jpg").isNull()) << n;
  }
  for (int id : {169, 170, 171, 172, 173, 174, 175, 178, 182}) {
    const QImage icon = Load("icons/" + std::to_string(id) + ".png");
    ASSERT_FALSE(icon.isNull()) << id;
    EXPECT_EQ(icon.size(), QSize(16, 16)) << id;
    EXPECT_TRUE(icon.hasAlphaChannel()) << id;
  }
  for (int side : {16, 32, 48, 64, 128, 256}) {
    EXPECT_EQ(Load("icons/devero_" + std::to_string(side) + ".png").size(), QSize(side, side));
  }
}

}  // namespace
