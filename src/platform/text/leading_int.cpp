#include "platform/text/leading_int.h"

#include <limits>

namespace devero {

int32_t LeadingInt(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  int64_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > kMax + 1) value = kMax + 1;  // keep going to consume digits, but stop growing
  }
  if (negative) return static_cast<int32_t>(-value);
  return static_cast<int32_t>(value > kMax ? kMax : value);
}

}  // namespace devero
