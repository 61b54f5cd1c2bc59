#include "app/startup_reads.h"

#include "platform/ini/ini_file.h"
#include "profile/profile_store.h"

namespace devero {

void RunStartupReads(RuntimePaths& paths, ProductDescription& product, ProfileSettings& settings,
                     WarningService& warnings) {
  const ini::IniDocument file = ini::Load(paths.ProductFile());
  product = ReadProductDescription(file);
  settings.currentProfile = ReadCurrentProfile(file);
  paths.SetLanguage(ReadLanguage(file));
  ProfileStore store(settings, warnings);
  for (int n = 0; n < kProfileCount; ++n)
    store.LoadProfile(paths.ConfigDirectory(), n, false);
  file.Get(u"Init", u"ConfigNum", u"", 5);  // read at start-up; nothing depends on it
}

}  // namespace devero
