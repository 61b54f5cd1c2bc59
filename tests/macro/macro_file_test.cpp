#include "macro/macro_file.h"

#include <gtest/gtest.h>

#include <memory>

#include "keys/vk.h"
#include "platform/ini/ini_file.h"
#include "platform/text/utf.h"
#include "support/fake_warnings.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

using ::devero::testing::FakeWarnings;
using ::devero::testing::ReadFile;
using ::devero::testing::TempDir;
using ::devero::testing::WriteFile;

std::u16string Repeat(std::u16string_view chunk, int times) {
  std::u16string out;
  for (int i = 0; i < times; ++i)
    out += chunk;
  return out;
}

// The three digits of value `k` of a line.
std::u16string ValueAt(const std::u16string& line, int k) {
  return line.substr(static_cast<size_t>(k) * 3, 3);
}

// A macro that uses every field, with step codes that a recording or the editor makes.
MacroRecord FullMacro() {
  MacroRecord m;
  SetMacroName(m, u"宏 Combo");
  m.repeatMode = 2;
  m.repeatCount = 513;
  m.stepCount = 275;
  m.xyStepCount = 1;
  m.code247Count = 2;
  m.dpiStepCount = 3;
  m.code250Count = 4;
  m.ledDataCount = 5;
  m.code251DataCount = 1;
  m.reservedBytes = {7, 10, 0, 0, 0, 0};
  const uint8_t codes[] = {0x04, 0xE0, 0xF1, 0xF2, 0xF3, 0x55, 0x27, 0x3A, 0x68, 0,
                           246,  247,  248,  249,  250,  251,  0x2C, 0x9C, 0x10};
  for (int s = 0; s < kMaxSteps; ++s) {
    SetStepAt(m, s,
              MacroStep{static_cast<uint8_t>(s % 16), codes[s % std::size(codes)],
                        static_cast<uint16_t>(s * 257), static_cast<uint16_t>(65535 - s),
                        static_cast<uint16_t>(s * 100)});
  }
  for (int b = 0; b < kDataBlockCount; ++b) {
    for (int i = 0; i < kDataBlockSize; ++i)
      m.ledData[b][i] = static_cast<uint8_t>(b * 68 + i);
  }
  return m;
}

TEST(EncodeMacroValue, WritesThreeDigits) {
  EXPECT_EQ(EncodeMacroValue(0), u"000");
  EXPECT_EQ(EncodeMacroValue(7), u"007");
  EXPECT_EQ(EncodeMacroValue(42), u"042");
  EXPECT_EQ(EncodeMacroValue(100), u"100");
  EXPECT_EQ(EncodeMacroValue(255), u"255");
}

TEST(EncodeMacroLine, LaysOutNameHeaderStepsAndBlocks) {
  MacroRecord m;
  SetMacroName(m, u"NEW1");
  const std::u16string line = EncodeMacroLine(m);
  ASSERT_EQ(line.size(), 7863u);
  EXPECT_EQ(line.substr(0, 24 + 52 * 3), u"078000069000087000049000" + Repeat(u"000", 52));
  EXPECT_EQ(EncodeMacroLine(m, 2).size(), 2615u * 3);

  m.repeatMode = 1;
  m.repeatCount = 0x0102;
  m.stepCount = 3;
  m.reservedBytes = {9, 10, 11, 12, 13, 14};
  SetStepAt(m, 0, MacroStep{kActionPress, kLeftButton, 0x0304, 0x0506, 0x0708});
  SetStepAt(m, 1, MacroStep{kActionRelease, kMiddleButton, 0, 0, 0});
  SetStepAt(m, 2, MacroStep{kActionPress, kRightButton, 0, 0, 0});
  m.ledData[4][67] = 200;
  const std::u16string l = EncodeMacroLine(m);
  EXPECT_EQ(ValueAt(l, 60), u"001");
  EXPECT_EQ(ValueAt(l, 61) + ValueAt(l, 62), u"002001");
  EXPECT_EQ(ValueAt(l, 63) + ValueAt(l, 64), u"003000");
  // Only the first two reserved bytes are written.
  EXPECT_EQ(l.substr(75 * 3, 18), u"009010000000000000");
  EXPECT_EQ(l.substr(81 * 3, 24), u"001240004003006005008007");
  EXPECT_EQ(ValueAt(l, 89 + 1), u"242");
  EXPECT_EQ(ValueAt(l, 97 + 1), u"241");
  EXPECT_EQ(ValueAt(l, 2620), u"200");

  // The older layout has no reserved values: the steps begin at value 75.
  const std::u16string old = EncodeMacroLine(m, 2);
  EXPECT_EQ(old.substr(75 * 3, 6), u"001240");
  EXPECT_EQ(ValueAt(old, 2614), u"200");
}

TEST(DecodeMacroLine, GivesBackWhatWasWrittenInBothLanguages) {
  const MacroRecord m = FullMacro();
  for (int language : {0, 1}) {
    for (int version : {3, 2}) {
      SCOPED_TRACE(::testing::Message() << "language " << language << " version " << version);
      MacroRecord expected = m;
      if (version != 3) expected.reservedBytes = {};
      const MacroRecord back = DecodeMacroLine(EncodeMacroLine(m, version), version, language);
      EXPECT_TRUE(back == expected);
      EXPECT_EQ(MacroName(back), u"宏 Combo");
    }
  }
}

TEST(DecodeMacroLine, CodesOfThe251BlocksAndLastReservedBytesDoNotSurvive) {
  MacroRecord m;
  m.code251DataCount = 2;
  m.code251Data[0][0] = 1;
  m.reservedBytes = {1, 2, 3, 4, 5, 6};
  const MacroRecord back = DecodeMacroLine(EncodeMacroLine(m), 3, 1);
  EXPECT_EQ(back.code251DataCount, 2);
  EXPECT_EQ(back.code251Data[0][0], 0);
  EXPECT_EQ(back.reservedBytes, (std::array<uint8_t, 6>{1, 2, 0, 0, 0, 0}));
}

struct MalformedCase {
  const char* what;
  std::u16string line;
  int version;
  uint8_t repeat_mode;
  uint16_t repeat_count;
  uint16_t step_count;
  uint8_t first_action;
};

TEST(DecodeMacroLine, ReadsDamagedLinesWithoutReachingPastTheRecord) {
  const std::u16string name = Repeat(u"000", 60);
  const MalformedCase cases[] = {
      {"empty", u"", 3, 0, 0, 0, 0},
      {"letters", name + u"abc" + u"x1y" + u"zzz", 3, 0, 0, 0, 0},
      {"blank-led digits", name + u" 12" + u"+5 " + u"001", 3, 12, 261, 0, 0},
      {"byte above 255", name + u"999", 3, 231, 0, 0, 0},
      {"word from whole values", name + u"000" + u"999001", 3, 0, 1255, 0, 0},
      {"word wraps", name + u"000" + u"255255", 3, 0, 65535, 0, 0},
      {"negative", name + u"-01", 3, 255, 0, 0, 0},
      {"short chunk", name + u"000" + u"000000" + u"7", 3, 0, 0, 7, 0},
      {"step count too large", name + u"000000000" + u"044001", 3, 0, 0, 275, 0},
      {"old layout", name + u"001001000001000" + Repeat(u"000", 10) + u"002", 2, 1, 1, 1, 2},
  };
  for (const MalformedCase& c : cases) {
    SCOPED_TRACE(c.what);
    const MacroRecord m = DecodeMacroLine(c.line, c.version, 1);
    EXPECT_EQ(m.repeatMode, c.repeat_mode);
    EXPECT_EQ(m.repeatCount, c.repeat_count);
    EXPECT_EQ(m.stepCount, c.step_count);
    EXPECT_EQ(m.stepAction[0], c.first_action);
  }
}

TEST(DecodeMacroLine, CutsBlockCountsToTheBlocksThere) {
  std::u16string line = Repeat(u"000", 73) + u"009" + u"200";
  const MacroRecord m = DecodeMacroLine(line, 3, 1);
  EXPECT_EQ(m.ledDataCount, kDataBlockCount);
  EXPECT_EQ(m.code251DataCount, kDataBlockCount);
  // A name field without a terminator still ends within the field.
  const MacroRecord named = DecodeMacroLine(Repeat(u"065000", 30), 3, 1);
  EXPECT_EQ(MacroName(named), std::u16string(29, u'A'));
  EXPECT_EQ(DecodeMacroName(Repeat(u"065000", 30)), std::u16string(29, u'A'));
}

TEST(DecodeMacroLine, ConvertsStepCodesInTheLanguageInForce) {
  std::u16string line = Repeat(u"000", 81) + u"001" + u"223";  // VK_OEM_8
  EXPECT_EQ(DecodeMacroLine(line, 3, 0).stepCode[0], 0x55);
  EXPECT_EQ(DecodeMacroLine(line, 3, 1).stepCode[0], 0xDF);
}

class MacroFileTest : public ::testing::Test {
 protected:
  std::filesystem::path File(std::string_view name = "g.dat") const { return dir_ / name; }
  void Write(std::string_view text, std::string_view name = "g.dat") const {
    WriteFile(File(name), text);
  }
  void Read(std::string_view name = "g.dat") { ReadMacroFile(File(name), *state_, warnings_, 1); }

  TempDir dir_;
  FakeWarnings warnings_;
  std::unique_ptr<MacroState> state_ = std::make_unique<MacroState>();
};

std::string Line(const MacroRecord& m, int version = 3) {
  return Utf16ToUtf8(EncodeMacroLine(m, version));
}

MacroRecord Named(std::u16string_view name) {
  MacroRecord m;
  SetMacroName(m, name);
  return m;
}

TEST_F(MacroFileTest, WritesTheFileLayout) {
  state_->macroTable.macroCount = 2;
  state_->macroTable.slots[0] = Named(u"NEW1");
  state_->macroTable.slots[1] = Named(u"宏");
  ASSERT_TRUE(WriteMacroFile(File(), *state_));
  EXPECT_EQ(ReadFile(File()), "[Init]\r\nDAT_VER=3\r\n[Macros]\r\nmacroNum=2\r\n0=" +
                                  Line(Named(u"NEW1")) + "\r\n1=" + Line(Named(u"宏")) + "\r\n");

  state_->groupLocked = 1;
  ASSERT_TRUE(WriteMacroFile(File("locked.dat"), *state_));
  EXPECT_EQ(ReadFile(File("locked.dat")).substr(0, 37),
            "[Init]\r\nDAT_VER=3\r\nMacMd5=MacMd5\r\n[Ma");
}

TEST_F(MacroFileTest, ReadsBackWhatWasWritten) {
  state_->macroTable.macroCount = 12;
  for (int i = 0; i < 12; ++i) {
    state_->macroTable.slots[i] = FullMacro();
    SetMacroName(state_->macroTable.slots[i], u"宏" + ToU16(i));
  }
  state_->groupLocked = 1;
  ASSERT_TRUE(WriteMacroFile(File(), *state_));
  auto read = std::make_unique<MacroState>();
  ReadMacroFile(File(), *read, warnings_, 1);
  EXPECT_TRUE(warnings_.warnings.empty());
  EXPECT_EQ(read->macroTable.macroCount, 12);
  EXPECT_EQ(read->groupLocked, 1);
  EXPECT_EQ(read->datVersion, 3);
  for (int i = 0; i < 12; ++i)
    EXPECT_TRUE(read->macroTable.slots[i] == state_->macroTable.slots[i]) << i;
}

TEST_F(MacroFileTest, AMissingFileWarnsAndEmptiesTheGroup) {
  state_->macroTable.macroCount = 3;
  state_->groupLocked = 1;
  state_->datVersion = 3;
  state_->macroTable.slots[0] = Named(u"kept");
  Read("missing.dat");
  EXPECT_EQ(warnings_.warnings, std::vector<std::u16string>{u"No file "});
  EXPECT_EQ(state_->macroTable.macroCount, 0);
  EXPECT_EQ(state_->groupLocked, 0);
  EXPECT_EQ(state_->datVersion, 0);
  EXPECT_EQ(MacroName(state_->macroTable.slots[0]), u"kept");

  ReadBuiltInMacroFile(File("missing.dat"), *state_, warnings_, 1);
  EXPECT_EQ(warnings_.warnings.back(), u"No File ");
  EXPECT_EQ(state_->builtInMacroTable.builtInMacroCount, 0);
}

TEST_F(MacroFileTest, TakesMacroNumWithinTheTable) {
  const std::pair<const char*, int> cases[] = {
      {"13", 12}, {"99", 12}, {"-1", 0}, {"ab", 0}, {"", 0}, {"123", 12}, {"2", 2},
  };
  std::string lines;
  for (int i = 0; i < 13; ++i)
    lines += std::to_string(i) + "=" + Line(Named(u"M" + ToU16(i))) + "\r\n";
  for (auto [num, loaded] : cases) {
    SCOPED_TRACE(num);
    state_ = std::make_unique<MacroState>();
    SetMacroName(state_->macroTable.slots[11], u"untouched");
    Write(std::string("[Init]\r\nDAT_VER=3\r\n[Macros]\r\nmacroNum=") + num + "\r\n" + lines);
    Read();
    EXPECT_EQ(state_->macroTable.macroCount, loaded);
    if (loaded > 0) {
      EXPECT_EQ(MacroName(state_->macroTable.slots[loaded - 1]), u"M" + ToU16(loaded - 1));
    }
    if (loaded < 12) {
      EXPECT_EQ(MacroName(state_->macroTable.slots[11]), u"untouched");
    }
    EXPECT_EQ(MacroName(state_->macroTable.slots[12]), u"");
  }
}

TEST_F(MacroFileTest, AnOlderFileIsReadInItsLayoutAndRewrittenAsVersion3) {
  MacroRecord m = Named(u"old");
  m.stepCount = 1;
  m.reservedBytes = {5, 6, 0, 0, 0, 0};
  SetStepAt(m, 0, MacroStep{kActionPress, 0x04, 0, 0, 20});
  m.ledData[0][0] = 1;
  Write("[Init]\r\nDAT_VER=2\r\n[Macros]\r\nmacroNum=1\r\n0=" + Line(m, 2) + "\r\n");
  Read();
  EXPECT_EQ(state_->datVersion, 2);
  const MacroRecord& read = state_->macroTable.slots[0];
  EXPECT_EQ(StepAt(read, 0), (MacroStep{kActionPress, 0x04, 0, 0, 20}));
  EXPECT_EQ(read.ledData[0][0], 1);
  EXPECT_EQ(read.reservedBytes, (std::array<uint8_t, 6>{}));

  ASSERT_TRUE(WriteMacroFile(File(), *state_));
  const ini::IniDocument doc = ini::Load(File());
  EXPECT_EQ(doc.Get(u"Init", u"DAT_VER", u"", 3), u"3");
  EXPECT_EQ(doc.Get(u"Macros", u"0", u"", 30000).size(), 7863u);
}

TEST_F(MacroFileTest, OnlyTheExactMarkerLocks) {
  const std::pair<const char*, int> cases[] = {
      {"MacMd5", 1}, {"macmd5", 0}, {"MACMD5", 0}, {"MacMd5 x", 0}, {"", 0},
  };
  for (auto [value, locked] : cases) {
    Write(std::string("[Init]\r\nDAT_VER=3\r\nMacMd5=") + value + "\r\n[Macros]\r\nmacroNum=0\r\n");
    Read();
    EXPECT_EQ(state_->groupLocked, locked) << value;
  }
}

TEST_F(MacroFileTest, WritingNeverRemovesTheMarkerOrLines) {
  state_->macroTable.macroCount = 1;
  state_->macroTable.slots[0] = Named(u"one");
  state_->groupLocked = 1;
  ASSERT_TRUE(WriteMacroFile(File(), *state_));
  // An unlocked export over the locked file leaves it locked.
  state_->groupLocked = 0;
  ASSERT_TRUE(WriteMacroFile(File(), *state_));
  Read();
  EXPECT_EQ(state_->groupLocked, 1);

  Write("[Init]\r\nDAT_VER=3\r\nMacMd5=MacMd5\r\n[Macros]\r\nmacroNum=3\r\n0=a\r\n1=b\r\n2=c\r\n");
  state_->macroTable.macroCount = 2;
  state_->macroTable.slots[1] = Named(u"two");
  ASSERT_TRUE(WriteMacro(File(), *state_, 1));
  const ini::IniDocument doc = ini::Load(File());
  EXPECT_EQ(doc.Get(u"Init", u"MacMd5", u"", 20), u"MacMd5");
  EXPECT_EQ(doc.Get(u"Macros", u"macroNum", u"", 3), u"2");
  EXPECT_EQ(doc.Get(u"Macros", u"0", u"", 10), u"a");
  EXPECT_EQ(doc.Get(u"Macros", u"2", u"", 10), u"c");
  EXPECT_EQ(DecodeMacroName(doc.Get(u"Macros", u"1", u"", 30000)), u"two");

  for (int index : {-1, 12, 13})
    EXPECT_FALSE(WriteMacro(File(), *state_, index)) << index;
}

TEST_F(MacroFileTest, ABuiltInLineIsReadWithLittleRoom) {
  MacroRecord m = FullMacro();
  m.stepCount = 60;
  SetStepAt(m, 50, MacroStep{1, 0x04, 0x0102, 0x0304, 123});
  std::string lines;
  for (int i = 0; i < 14; ++i)
    lines += std::to_string(i) + "=" + Line(m) + "\r\n";
  Write("[Init]\r\nDAT_VER=3\r\n[Macros]\r\nmacroNum=14\r\n" + lines, "const.dat");
  ReadBuiltInMacroFile(File("const.dat"), *state_, warnings_, 1);
  const BuiltInMacroTable& t = state_->builtInMacroTable;
  EXPECT_EQ(t.builtInMacroCount, 13);
  const MacroRecord& b = t.slots[12];
  EXPECT_EQ(b.stepCount, 60);
  EXPECT_EQ(b.repeatCount, m.repeatCount);
  for (int s = 0; s < 50; ++s)
    EXPECT_EQ(StepAt(b, s), StepAt(m, s)) << s;
  // Step 50 keeps its first six values; of its delay only two digits of the low byte.
  EXPECT_EQ(StepAt(b, 50), (MacroStep{1, 0x04, 0x0102, 0x0304, 12}));
  EXPECT_EQ(StepAt(b, 51), MacroStep{});
  EXPECT_EQ(b.ledData[0][5], 0);
  EXPECT_EQ(state_->groupLocked, 0);
}

TEST_F(MacroFileTest, ReadsOneMacroWithoutTouchingTheTables) {
  state_->macroTable.macroCount = 2;
  state_->macroTable.slots[1] = FullMacro();
  ASSERT_TRUE(WriteMacroFile(File(), *state_));
  const auto one = ReadMacroFromFile(File(), 1, 1);
  ASSERT_TRUE(one);
  EXPECT_TRUE(*one == state_->macroTable.slots[1]);
  EXPECT_FALSE(ReadMacroFromFile(File(), 2, 1));
  EXPECT_FALSE(ReadMacroFromFile(File(), -1, 1));
  EXPECT_FALSE(ReadMacroFromFile(File("none.dat"), 0, 1));
}

}  // namespace
}  // namespace devero
