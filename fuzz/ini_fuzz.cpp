// The private-profile INI parser and its reads on any bytes, in both encodings: the document
// serialises back byte for byte, reads stay within their buffers, and a key that Set accepts
// reads back as written after a save and a new parse.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/ini/ini_document.h"

namespace {

using devero::ini::IniDocument;

void Check(bool ok) {
  if (!ok) std::abort();
}

// Short text of any code unit but a lone surrogate (UTF-8 files cannot hold one).
std::u16string Text(FuzzedDataProvider& in, size_t max) {
  std::u16string s;
  const size_t n = in.ConsumeIntegralInRange<size_t>(0, max);
  for (size_t i = 0; i < n && in.remaining_bytes() > 0; ++i) {
    char16_t c = in.ConsumeBool() ? static_cast<char16_t>(in.ConsumeIntegral<uint8_t>())
                                  : in.ConsumeIntegral<char16_t>();
    if (c >= 0xD800 && c <= 0xDFFF) c = u'?';
    s.push_back(c);
  }
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  if (mode & 1) {
    // The same text as UTF-16LE with its byte-order mark.
    std::string wide = "\xFF\xFE";
    for (char c : bytes) {
      wide.push_back(c);
      wide.push_back('\0');
    }
    bytes = std::move(wide);
  }
  IniDocument doc = IniDocument::Parse(bytes);
  Check(doc.Serialize() == bytes);

  FuzzedDataProvider in(data + 1, size - 1);
  for (int i = 0; i < 4 && in.remaining_bytes() > 0; ++i) {
    const std::u16string section = Text(in, 8);
    const std::u16string key = Text(in, 8);
    const size_t room = in.ConsumeIntegralInRange<size_t>(0, 40);
    const std::u16string got = doc.Get(section, key, u"fallback", room);
    Check(room == 0 ? got.empty() : got.size() <= room - 1);
    doc.GetInt(section, key, room);
    doc.HasSection(section);

    const std::u16string value = Text(in, 16);
    if (doc.Set(section, key, value)) {
      const IniDocument again = IniDocument::Parse(doc.Serialize());
      const auto found = again.Find(section, key);
      Check(found.has_value() && *found == value);
    }
  }
  return 0;
}
