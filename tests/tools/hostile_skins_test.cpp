// The hostile skins are what they claim to be, and the INI reader survives every one of them.
#include "hostile_skins.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QString>
#include <algorithm>
#include <climits>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "platform/ini/ini_file.h"
#include "platform/text/leading_int.h"
#include "platform/text/utf.h"
#include "support/temp_dir.h"

namespace devero::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kSkin = DEVERO_SKIN_DIR;

QString Q(const fs::path& p) {
  return QString::fromStdString(p.string());
}

QSize HeaderSize(const fs::path& image) {
  return QImageReader(Q(image)).size();
}

std::u16string Value(const fs::path& file, const char16_t* section, int key) {
  return ini::ReadString(file, section, Utf8ToUtf16(std::to_string(key)), u"", 260);
}

int32_t Field(const std::u16string& value, int index) {
  size_t start = 0;
  for (int i = 0; i < index; ++i)
    start = value.find(u',', start) + 1;
  return LeadingInt(std::u16string_view(value).substr(start));
}

const fs::path kMain = "INI_EN/skin_main_en.ini";

// What each case must have done to the copy of the skin.
const std::map<std::string, std::function<void(const fs::path&)>> kChecks = {
    {"negative_rects",
     [](const fs::path& s) {
       const std::u16string v = Value(s / kMain, u"BUTTONPOS", 3);
       EXPECT_LT(Field(v, 1), 0);
       EXPECT_LT(Field(v, 3), 0);
       EXPECT_LT(Field(v, 4), 0);
     }},
    {"huge_rects",
     [](const fs::path& s) {
       EXPECT_EQ(Field(Value(s / kMain, u"BUTTONPOS", 0), 1), INT32_MAX);
       EXPECT_EQ(Field(Value(s / kMain, u"BUTTONPOS", 1), 2), INT32_MIN);
       const std::u16string v = Value(s / kMain, u"BUTTONPOS", 2);
       EXPECT_GT(int64_t{Field(v, 1)} + Field(v, 3), INT32_MAX);
     }},
    {"rects_outside",
     [](const fs::path& s) {
       EXPECT_GE(Field(Value(s / "INI_CN/skin_gun.ini", u"BUTTONPOS", 0), 1),
                 QImage(Q(s / "gun_mask.jpg")).width());
     }},
    {"small_state_images",
     [](const fs::path& s) {
       EXPECT_EQ(HeaderSize(s / "main_normal.jpg"), QSize(8, 8));
       EXPECT_EQ(HeaderSize(s / "MacMenu/Insert_over.jpg"), QSize(8, 8));
       EXPECT_GT(HeaderSize(s / "main_mask.jpg").width(), 8);
     }},
    {"tiny_masks",
     [](const fs::path& s) {
       EXPECT_EQ(HeaderSize(s / "main_mask.jpg"), QSize(1, 1));
       EXPECT_EQ(HeaderSize(s / "MacMenu/MacG_mask.jpg"), QSize(1, 1));
     }},
    {"giant_mask",
     [](const fs::path& s) {
       EXPECT_EQ(HeaderSize(s / "main_mask.jpg"), QSize(10000, 10000));
       EXPECT_EQ(HeaderSize(s / "warning_mask.jpg"), QSize(10000, 10000));
     }},
    {"long_labels",
     [](const fs::path& s) {
       EXPECT_EQ(Value(s / kMain, u"BUTTONPOS", 1).size(), 259u);
       EXPECT_EQ(Value(s / kMain, u"FUN_STRING", 1).size(), 259u);
       EXPECT_GT(ini::Load(s / kMain).Find(u"BUTTONPOS", u"2")->size(), 259u);
     }},
    {"too_many_commas",
     [](const fs::path& s) {
       const std::u16string v = Value(s / "INI_CN/skin_color.ini", u"BUTTONPOS", 40);
       EXPECT_GT(std::count(v.begin(), v.end(), u','), 6);
     }},
    {"junk_skin_files",
     [](const fs::path& s) {
       for (const fs::path& f : SkinDescriptionFiles(s)) {
         const std::string bytes = ReadFile(f);
         EXPECT_NE(bytes.find('\0'), std::string::npos) << f;
         EXPECT_EQ(bytes.find("\r\n1="), std::string::npos) << f;
       }
     }},
    {"missing_skin_files",
     [](const fs::path& s) {
       for (const fs::path& f : SkinDescriptionFiles(s))
         EXPECT_FALSE(fs::exists(f)) << f;
     }},
    {"missing_images",
     [](const fs::path& s) {
       EXPECT_FALSE(fs::exists(s / "main_normal.jpg"));
       EXPECT_FALSE(fs::exists(s / "moveRect.png"));
       EXPECT_TRUE(fs::exists(s / kMain));
     }},
    {"corrupt_images",
     [](const fs::path& s) {
       for (const char* name :
            {"main_normal.jpg", "main_over.jpg", "main_mask.jpg", "moveRect.png", "Gun/1.jpg"}) {
         EXPECT_TRUE(QImage(Q(s / name)).isNull()) << name;
       }
     }},
    {"odd_knob",
     [](const fs::path& s) {
       const QImage knob(Q(s / "moveRect.png"));
       EXPECT_EQ(knob.size(), QSize(3000, 3000));
       EXPECT_FALSE(knob.hasAlphaChannel());
     }},
};

class HostileSkinTest : public ::testing::TestWithParam<HostileSkinCase> {};

TEST_P(HostileSkinTest, DamagesTheCopyAsDescribed) {
  const HostileSkinCase& c = GetParam();
  const auto check = kChecks.find(c.name);
  ASSERT_NE(check, kChecks.end()) << "no check for case " << c.name;
  TempDir dir;
  WriteHostileSkin(c.name, kSkin, dir / c.name);
  check->second(dir / c.name);
}

// Every key of every table read from a hostile file comes back within the 259 characters a
// value holds, and its numbers convert without overflow.
TEST_P(HostileSkinTest, TheIniReaderReadsEveryKey) {
  const HostileSkinCase& c = GetParam();
  TempDir dir;
  WriteHostileSkin(c.name, kSkin, dir / c.name);
  const struct {
    const char16_t* section;
    int last;
  } sections[] = {{u"BUTTONPOS", 137}, {u"FUN_STRING", 47}, {u"EDIT", 3}, {u"MACRODISPLAY", 3}};
  for (const fs::path& file : SkinDescriptionFiles(dir / c.name)) {
    const ini::IniDocument doc = ini::Load(file);
    for (const auto& s : sections) {
      for (int key = 0; key <= s.last; ++key) {
        const std::u16string v = doc.Get(s.section, Utf8ToUtf16(std::to_string(key)), u"", 260);
        ASSERT_LE(v.size(), 259u) << file;
        for (int f = 1; f <= 4 && std::count(v.begin(), v.end(), u',') >= f; ++f)
          Field(v, f);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileSkinTest, ::testing::ValuesIn(HostileSkinCases()),
                         [](const ::testing::TestParamInfo<HostileSkinCase>& info) {
                           return info.param.name;
                         });

TEST(HostileSkins, AnUnknownCaseIsAnError) {
  TempDir dir;
  EXPECT_THROW(WriteHostileSkin("no_such_case", kSkin, dir / "x"), std::runtime_error);
}

}  // namespace
}  // namespace devero::testing
