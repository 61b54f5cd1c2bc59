#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace skingen {

// How a control looks in its three states. Everything a look draws stays inside the entry's
// rectangle, so the state images of a window differ only inside control rectangles.
enum class Look {
  kZero,           // no control: written as all zeros
  kLabel,          // a text the program draws on the plain background
  kButton,         // a plain push button
  kPrimary,        // the prominent apply button
  kTab,            // a page tab of the header
  kIconButton,     // a small square button showing a glyph
  kLanguage,       // one half of the language switch
  kProfile,        // the profile drop-down of the header
  kDropdown,       // a drop-down field with a caret
  kCaretButton,    // the caret half of a drop-down
  kNameField,      // a button's name on the main page
  kFunctionField,  // a button's function on the main page: number badge, then the text area
  kSlider,         // a track; the down image shows it filled
  kSwatch,         // a colour field the program fills
  kCheck,          // a check box centred in the entry
  kSwitch,         // an on/off switch centred in the entry
  kStageCard,      // a DPI stage; selected in the down image
  kOption,         // one of several choices (report rate, repeat mode, direction)
  kRecord,         // the macro record button
  kKeyDisplay,     // the captured key's name
  kPicture,        // where the rapid-fire picture is copied
  kLitMouse,       // the lighting page's mouse drawing, lit in the down image
  kValue,          // a number the program writes in red
  kChild,          // where the program places a list or an edit box (black)
  kMenuRow,        // one row of a pop-up menu
};

enum class Glyph {
  kNone,
  kMinimise,
  kClose,
  kTray,
  kHelp,
  kCaret,
  kArrowRight,
  kArrowLeft,
  kBounce,
  kSpread,
  kRecordDot,
  kChevron,
  kWarning,
};

struct Entry {
  int key = 0;
  QRect rect;
  Look look = Look::kZero;
  QString en;
  QString cn;
  const char* name = "";  // field 0 of the skin file, for people reading it
  Glyph glyph = Glyph::kNone;
  int badge = 0;  // the button number of a function field
};

// A table of one skin description file section, indexed by key.
struct Table {
  QString section;
  int first_key = 0;
  int count = 0;
  std::vector<Entry> entries;  // only the entries that are not zero

  const Entry* Find(int key) const;
};

enum class Language { kEnglish, kChinese };

// One skin description file of a language pair.
struct SkinFile {
  QString english;  // path below the skin directory, e.g. "INI_EN/skin_main_en.ini"
  QString chinese;
  std::vector<Table> tables;
};

// A picture set: prefix + "_normal.jpg" and so on. `paint_background` draws everything that
// is the same in every state; the entries draw themselves per state.
struct ImageSet {
  QString prefix;  // e.g. "main", "MacMenu/MacG"
  QSize size;
  bool has_down = true;
  bool write_mask = true;
  int corner_radius = 0;  // 0: a plain rectangular mask
  std::function<void(QPainter&)> paint_background;
  std::vector<Entry> entries;  // every control drawn into the images of this set
  size_t header_count = 0;     // main window pages: the header's entries come first
};

// The whole skin: every image set and every skin description file.
struct Skin {
  std::vector<ImageSet> image_sets;
  std::vector<SkinFile> files;
};

// The main page shows one row per button of the product: 1 to 9.
inline constexpr int kMaxButtons = 9;
Skin BuildSkin(int buttons = kMaxButtons);

// Pieces of BuildSkin, one per window family.
void AddMainWindow(Skin& skin, int buttons);
void AddDialogs(Skin& skin);
void AddMenus(Skin& skin);

const QString& Text(const Entry& entry, Language language);

// The function name table, names 1 to 47.
QString FunctionName(int number, Language language);

}  // namespace skingen
