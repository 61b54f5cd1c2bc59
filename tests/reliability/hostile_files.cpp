#include "reliability/hostile_files.h"

#include <random>

#include "support/temp_dir.h"

namespace devero::testing {
namespace {

std::string FactoryProductFile() {
  return ReadFile(SourceDir() / "data" / "config" / "config.ini");
}

}  // namespace

std::string ProductFileOfSize(size_t size) {
  std::string out = FactoryProductFile() + "[Junk]\r\n";
  out.reserve(size);
  for (size_t i = 0; out.size() < size; ++i)
    out += "JUNK_KEY_" + std::to_string(i) + "=some value that nobody reads\r\n";
  out.resize(size);
  return out;
}

std::string ProductFileWithLongLine(size_t length) {
  std::string out = FactoryProductFile();
  const std::string header = "[Config0]\r\n";
  out.insert(out.find(header) + header.size(), "K0=" + std::string(length, '1') + "\r\n");
  return out;
}

std::string BinaryJunk(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::string out(size, '\0');
  for (char& c : out) {
    c = static_cast<char>(random() & 0xFF);
    if (c == '[') c = ']';  // so that no line opens a section
  }
  return out;
}

std::string ProductFileWithSections(int sections) {
  std::string out;
  for (int i = 0; i < sections; ++i) {
    const std::string n = std::to_string(i);
    out += "[Section" + n + "]\r\nK0=" + n + "\r\nDPI_LEVEL=" + n + "\r\nCurConfig=3\r\n";
  }
  return out + FactoryProductFile();
}

std::string MacroFileOfFilledLines(char fill) {
  std::string out = "[Init]\r\nDAT_VER=3\r\n[Macros]\r\nmacroNum=12\r\n";
  for (int i = 0; i < 12; ++i)
    out += std::to_string(i) + "=" + std::string(7863, fill) + "\r\n";
  return out;
}

}  // namespace devero::testing
