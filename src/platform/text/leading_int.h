#pragma once

#include <cstdint>
#include <string_view>

namespace devero {

// The C library's decimal conversion of a text: leading white space, an optional sign, then
// the leading digits; anything unparsable gives 0. Values beyond the int range saturate to
// INT32_MAX or INT32_MIN instead of overflowing.
int32_t LeadingInt(std::u16string_view text);

}  // namespace devero
