#pragma once

#include <string>
#include <string_view>

namespace devero {

// UTF-8 bytes to UTF-16; an invalid sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

// ASCII-only case folding, as key and section names are compared.
char16_t AsciiLower(char16_t c);
bool EqualsIgnoreAsciiCase(std::u16string_view a, std::u16string_view b);

// Convenience for literals and numbers written as text.
std::u16string U16(std::string_view ascii);
std::u16string ToU16(long long value);

}  // namespace devero
