#pragma once

#include "app/runtime_paths.h"
#include "platform/user/warning_service.h"
#include "profile/product_description.h"
#include "profile/profile_settings.h"

namespace devero {

// The reads of the main window's start-up that need no window, in their order: the product
// description, [Init] CurConfig, [Init] VER_SEL (which sets the language of `paths`), the four
// profiles and [Init] ConfigNum.
void RunStartupReads(RuntimePaths& paths, ProductDescription& product, ProfileSettings& settings,
                     WarningService& warnings);

}  // namespace devero
