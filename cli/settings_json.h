#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "profile/product_description.h"
#include "profile/profile_settings.h"

namespace devero::cli {

std::string Utf8(const std::u16string& text);
nlohmann::ordered_json WarningsJson(const std::vector<std::u16string>& texts);

nlohmann::ordered_json ProductJson(const ProductDescription& product);
// The four profiles' button tables.
nlohmann::ordered_json ProfilesJson(const ProfileSettings& settings);
// Every shared field by its name; colours as [r,g,b], derived colours as numbers.
nlohmann::ordered_json SharedJson(const ProfileSettings& settings);

}  // namespace devero::cli
