// The main window: its four pages' pictures and its four skin description files.
#include <QPainter>

#include "layout_pages.h"
#include "layout_util.h"

namespace skingen {
namespace {

// "EDIT" and "MACRODISPLAY" rectangles are child windows, not controls.
Entry Rect(int key, QRect r, const char* name) {
  return E(key, r, Look::kChild, "", "", name);
}

std::vector<Entry> MacroChildren() {
  return {Rect(100, kGroupList, "group_list"), Rect(101, kStepList, "step_list"),
          Rect(102, kLightList, "lighting_list"), Rect(103, kCountEdit, "repeat_count_edit")};
}

}  // namespace

void AddMainWindow(Skin& skin, int buttons) {
  const std::vector<Entry> header = HeaderEntries();
  const std::vector<Entry> main_page = MainPageEntries(buttons);
  const std::vector<Entry> advanced = AdvancedEntries();
  const std::vector<Entry> lighting = LightingEntries();
  const std::vector<Entry> macro = MacroEntries();

  auto page = [&](const char* prefix, std::vector<Entry> entries,
                  std::function<void(QPainter&)> background) {
    ImageSet set;
    set.prefix = QString::fromLatin1(prefix);
    set.size = QSize(kMainWidth, kMainHeight);
    set.corner_radius = 14;
    set.write_mask = false;  // one mask for the four pages
    set.paint_background = std::move(background);
    set.entries = Concat(header, entries);
    set.header_count = header.size();
    return set;
  };
  skin.image_sets.push_back(
      page("main", main_page, [buttons](QPainter& p) { PaintMainPage(p, buttons); }));
  skin.image_sets.back().write_mask = true;
  skin.image_sets.push_back(page("advanced", advanced, PaintAdvancedPage));
  skin.image_sets.push_back(page("mac", Concat(macro, MacroChildren()), PaintMacroPage));
  skin.image_sets.push_back(page("led", lighting, PaintLightingPage));

  SkinFile main_file{
      QStringLiteral("INI_EN/skin_main_en.ini"), QStringLiteral("INI_CN/skin_main.ini"), {}};
  main_file.tables.push_back(MakeTable("BUTTONPOS", 0, 50, Concat(header, main_page)));
  std::vector<Entry> names;
  for (int n = 1; n <= 47; ++n) {
    Entry e;
    e.key = n;
    e.look = Look::kLabel;
    e.en = FunctionName(n, Language::kEnglish);
    e.cn = FunctionName(n, Language::kChinese);
    names.push_back(e);
  }
  main_file.tables.push_back(MakeTable("FUN_STRING", 1, 47, names));
  main_file.tables.push_back(MakeTable("EDIT", 0, 4, {}));
  skin.files.push_back(main_file);

  skin.files.push_back({QStringLiteral("INI_EN/skin_advance_en.ini"),
                        QStringLiteral("INI_CN/skin_advance.ini"),
                        {MakeTable("BUTTONPOS", 0, 138, advanced)}});
  skin.files.push_back({QStringLiteral("INI_EN/skin_color_en.ini"),
                        QStringLiteral("INI_CN/skin_color.ini"),
                        {MakeTable("BUTTONPOS", 0, 103, lighting)}});
  skin.files.push_back(
      {QStringLiteral("INI_EN/skin_mac_en.ini"),
       QStringLiteral("INI_CN/skin_mac.ini"),
       {MakeTable("BUTTONPOS", 0, 20, macro),
        MakeTable("EDIT", 0, 3, {Rect(2, kCountEdit, "repeat_count")}),
        MakeTable("MACRODISPLAY", 1, 3,
                  {Rect(1, kGroupList, "group_list"), Rect(2, kStepList, "step_list"),
                   Rect(3, kLightList, "lighting_list")})}});
}

}  // namespace skingen
