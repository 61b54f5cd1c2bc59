#include "cli/macros_command.h"

#include <memory>
#include <optional>

#include "cli/settings_json.h"
#include "macro/headless_macro_library.h"
#include "macro/macro_file.h"
#include "macro/macro_library.h"
#include "macro/step_text.h"
#include "profile/product_description.h"

namespace devero::cli {

nlohmann::ordered_json MacroJson(const MacroRecord& macro, int language_is_english, bool locked) {
  nlohmann::ordered_json out;
  out["macroName"] = Utf8(MacroName(macro));
  if (locked) out["locked"] = true;
  out["repeatMode"] = macro.repeatMode;
  out["repeatCount"] = macro.repeatCount;
  out["stepCount"] = macro.stepCount;
  out["xyStepCount"] = macro.xyStepCount;
  out["code247Count"] = macro.code247Count;
  out["dpiStepCount"] = macro.dpiStepCount;
  out["code250Count"] = macro.code250Count;
  out["ledDataCount"] = macro.ledDataCount;
  out["code251DataCount"] = macro.code251DataCount;
  out["reservedBytes"] = nlohmann::ordered_json::array();
  for (uint8_t b : macro.reservedBytes)
    out["reservedBytes"].push_back(b);
  nlohmann::ordered_json steps = nlohmann::ordered_json::array();
  for (int s = 0; s < UsedStepCount(macro); ++s) {
    const MacroStep step = *StepAt(macro, s);
    nlohmann::ordered_json j = {{"stepAction", step.stepAction},
                                {"stepCode", step.stepCode},
                                {"param1", step.param1},
                                {"param2", step.param2},
                                {"stepDelay", step.stepDelay}};
    j["text"] = Utf8(StepText(macro, s, language_is_english).text);
    steps.push_back(std::move(j));
  }
  out["steps"] = std::move(steps);
  return out;
}

nlohmann::ordered_json MacrosJson(RuntimePaths& paths, CliWarnings& warnings) {
  paths.SetLanguage(ReadLanguage(paths.ProductFile()));
  const int language = paths.LanguageIsEnglish();
  HeadlessMacroLibrary headless(paths, warnings);
  MacroLibrary& lib = headless.library;
  MacroState* macros = headless.macros.get();
  const MacroLibraryState& library = headless.state;
  lib.ReadGroupIndex(false);

  nlohmann::ordered_json groups = nlohmann::ordered_json::array();
  for (int g = 0; g < library.groupCount; ++g) {
    ReadMacroFile(*lib.GroupFilePath(g), *macros, warnings, language);
    const MacroTable& table = macros->macroTable;
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (int m = 0; m < table.macroCount; ++m)
      list.push_back(
          MacroJson(table.slots[static_cast<size_t>(m)], language, macros->groupLocked != 0));
    groups.push_back({{"name", Utf8(library.groupNames[static_cast<size_t>(g)])},
                      {"macroCount", table.macroCount},
                      {"macros", std::move(list)}});
  }

  ReadBuiltInMacroFile(paths.BuiltInMacroFile(), *macros, warnings, language);
  nlohmann::ordered_json built_in = nlohmann::ordered_json::array();
  for (int i = 0; i < macros->builtInMacroTable.builtInMacroCount; ++i)
    built_in.push_back(
        MacroJson(macros->builtInMacroTable.slots[static_cast<size_t>(i)], language));

  nlohmann::ordered_json out;
  out["languageIsEnglish"] = language;
  out["groupCount"] = library.groupCount;
  out["groups"] = std::move(groups);
  out["builtIn"] = std::move(built_in);
  out["warnings"] = WarningsJson(warnings.texts());
  return out;
}

}  // namespace devero::cli
