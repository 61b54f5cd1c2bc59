#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace devero::testing {

// Files that a user, an import or a broken disk could hand the program. Each product file keeps
// the factory content readable, so that what is read can be compared with the factory file.

// The factory product file followed by a section of junk keys up to `size` bytes.
std::string ProductFileOfSize(size_t size);
// The factory product file with a line of `length` digits as [Config0] K0 (the first
// button's function), before the factory's own K0, which it hides.
std::string ProductFileWithLongLine(size_t length);
// `size` bytes of random junk (no line break ever makes a section of it by chance).
std::string BinaryJunk(size_t size, uint32_t seed);
// `sections` sections of a few keys each, then the factory product file.
std::string ProductFileWithSections(int sections);
// A group file with macroNum 12 whose twelve lines are 7863 characters each of `fill`.
std::string MacroFileOfFilledLines(char fill);

}  // namespace devero::testing
