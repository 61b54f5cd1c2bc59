#include "cli/show_command.h"

#include "app/startup_reads.h"
#include "cli/settings_json.h"

namespace devero::cli {

nlohmann::ordered_json ShowJson(RuntimePaths& paths, CliWarnings& warnings) {
  ProductDescription product;
  ProfileSettings settings;
  RunStartupReads(paths, product, settings, warnings);
  nlohmann::ordered_json out = ProductJson(product);
  out["languageIsEnglish"] = paths.LanguageIsEnglish();
  out["currentProfile"] = settings.currentProfile;
  out["profiles"] = ProfilesJson(settings);
  out["shared"] = SharedJson(settings);
  out["warnings"] = WarningsJson(warnings.texts());
  return out;
}

}  // namespace devero::cli
