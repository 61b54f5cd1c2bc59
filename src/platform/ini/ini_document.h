#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace devero::ini {

enum class Encoding { kUtf8, kUtf8Bom, kUtf16Le };

// One INI file in memory, read and changed with the semantics of the Windows private-profile
// functions. Lines that no change touches serialise back byte for byte.
class IniDocument {
 public:
  IniDocument() = default;

  // Any bytes form a document: FF FE selects UTF-16LE, EF BB BF is a UTF-8 BOM, else UTF-8.
  static IniDocument Parse(std::string_view bytes);

  Encoding encoding() const { return encoding_; }

  // The value of a key (trimmed, one pair of matching outer quotes removed), or nothing when
  // the section or the key is missing. Names match case-insensitively; only the first of
  // duplicate sections is searched and the first of duplicate keys wins.
  std::optional<std::u16string_view> Find(std::u16string_view section,
                                          std::u16string_view key) const;

  // What a read into a buffer of `buffer_chars` characters gives: the value, or `fallback` when
  // it is missing, cut to buffer_chars - 1 characters (the terminator takes one place).
  std::u16string Get(std::u16string_view section, std::u16string_view key,
                     std::u16string_view fallback, size_t buffer_chars) const;

  // The C library's leading-digits conversion of what Get gives with an empty fallback.
  int32_t GetInt(std::u16string_view section, std::u16string_view key, size_t buffer_chars) const;

  bool HasSection(std::u16string_view section) const;

  // Replaces an existing key in place (keeping the file's spelling of its name), adds a new key
  // after the last key of its section, or appends a new section. A value that would not read
  // back unchanged (outer blanks or quotes) is written in quotes. Returns false, changing
  // nothing, for names or values that no INI line can hold (line breaks, NUL, '=' in a key,
  // ']' in a section name, empty names).
  bool Set(std::u16string_view section, std::u16string_view key, std::u16string_view value);

  std::string Serialize() const;

 private:
  enum class Eol : uint8_t { kNone, kCrLf, kLf, kCr };
  struct Line {
    std::u16string text;
    std::string raw;  // the original bytes of a UTF-8 line, without its line end
    Eol eol = Eol::kNone;
    bool dirty = false;  // written from `text` with CRLF instead of `raw`
    // A run of lines that hold no section and no key (comments, blank lines, junk), kept as
    // one entry with the line ends between them: nothing finds or changes them, and a file of
    // short lines would otherwise cost far more memory than its size.
    bool opaque = false;
  };
  // Offsets into a line's text: views would not survive the lines moving in memory.
  struct Span {
    uint32_t begin = 0;
    uint32_t size = 0;
  };
  struct KeyRef {
    size_t line;
    Span name;
    Span value;
  };
  struct Section {
    size_t header_line;
    Span name;
    std::vector<KeyRef> keys;
  };

  std::u16string_view View(size_t line, Span span) const;
  void Reindex();
  KeyRef MakeKeyRef(size_t line) const;
  const Section* FindSection(std::u16string_view name) const;
  const KeyRef* FindKey(const Section& section, std::u16string_view key) const;
  void InsertLine(size_t at, std::u16string text);
  void AddParsedLine(Line line);
  static std::u16string_view EolText(Eol eol);

  Encoding encoding_ = Encoding::kUtf8;
  std::vector<Line> lines_;
  std::string trailing_odd_byte_;  // a UTF-16 file of odd length keeps its last byte
  std::vector<Section> sections_;
};

}  // namespace devero::ini
