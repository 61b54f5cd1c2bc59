#include "platform/ini/ini_document.h"

#include "platform/text/leading_int.h"
#include "platform/text/utf.h"

namespace devero::ini {
namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

struct Classified {
  enum Kind { kOther, kSection, kKey } kind = kOther;
  size_t name_begin = 0, name_end = 0, value_begin = 0, value_end = 0;
};

Classified Classify(std::u16string_view text) {
  Classified c;
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i]))
    ++i;
  if (i == text.size() || text[i] == u';') return c;
  if (text[i] == u'[') {
    size_t begin = i + 1;
    size_t end = text.find(u']', begin);
    if (end == std::u16string_view::npos) end = text.size();
    while (begin < end && IsBlank(text[begin]))
      ++begin;
    while (end > begin && IsBlank(text[end - 1]))
      --end;
    c.kind = Classified::kSection;
    c.name_begin = begin;
    c.name_end = end;
    return c;
  }
  const size_t eq = text.find(u'=', i);
  if (eq == std::u16string_view::npos) return c;
  size_t name_end = eq;
  while (name_end > i && IsBlank(text[name_end - 1]))
    --name_end;
  size_t vb = eq + 1;
  size_t ve = text.size();
  while (vb < ve && IsBlank(text[vb]))
    ++vb;
  while (ve > vb && IsBlank(text[ve - 1]))
    --ve;
  if (ve - vb >= 2 && (text[vb] == u'"' || text[vb] == u'\'') && text[ve - 1] == text[vb]) {
    ++vb;
    --ve;
  }
  c.kind = Classified::kKey;
  c.name_begin = i;
  c.name_end = name_end;
  c.value_begin = vb;
  c.value_end = ve;
  return c;
}

bool HasLineBreakOrNul(std::u16string_view s) {
  for (char16_t c : s) {
    if (c == u'\r' || c == u'\n' || c == 0) return true;
  }
  return false;
}

std::u16string_view TrimBlanks(std::u16string_view s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

// Text to write after '=' so that the reader gives back exactly `value`.
std::u16string QuoteIfNeeded(std::u16string_view value) {
  const bool outer_blank = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
  const bool outer_quotes = value.size() >= 2 &&
                            (value.front() == u'"' || value.front() == u'\'') &&
                            value.back() == value.front();
  if (!outer_blank && !outer_quotes) return std::u16string(value);
  std::u16string quoted = u"\"";
  quoted += value;
  quoted += u'"';
  return quoted;
}

void AppendUtf16Le(std::string& out, std::u16string_view s) {
  for (char16_t c : s) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view bytes) {
  IniDocument doc;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    doc.encoding_ = Encoding::kUtf16Le;
    std::u16string text;
    text.reserve(bytes.size() / 2);
    size_t i = 2;
    for (; i + 1 < bytes.size(); i += 2) {
      text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                           (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    if (i < bytes.size()) doc.trailing_odd_byte_ = bytes.substr(i);
    size_t start = 0;
    while (start < text.size()) {
      size_t end = start;
      while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
        ++end;
      Line line;
      line.text = text.substr(start, end - start);
      if (end == text.size()) {
        line.eol = Eol::kNone;
        start = end;
      } else if (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') {
        line.eol = Eol::kCrLf;
        start = end + 2;
      } else {
        line.eol = text[end] == u'\r' ? Eol::kCr : Eol::kLf;
        start = end + 1;
      }
      doc.AddParsedLine(std::move(line));
    }
  } else {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
      doc.encoding_ = Encoding::kUtf8Bom;
      bytes.remove_prefix(3);
    }
    size_t start = 0;
    while (start < bytes.size()) {
      size_t end = start;
      while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
      Line line;
      line.raw = std::string(bytes.substr(start, end - start));
      line.text = Utf8ToUtf16(line.raw);
      if (end == bytes.size()) {
        line.eol = Eol::kNone;
        start = end;
      } else if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') {
        line.eol = Eol::kCrLf;
        start = end + 2;
      } else {
        line.eol = bytes[end] == '\r' ? Eol::kCr : Eol::kLf;
        start = end + 1;
      }
      doc.AddParsedLine(std::move(line));
    }
  }
  doc.Reindex();
  return doc;
}

std::u16string_view IniDocument::EolText(Eol eol) {
  return eol == Eol::kCrLf ? u"\r\n" : eol == Eol::kLf ? u"\n" : eol == Eol::kCr ? u"\r" : u"";
}

void IniDocument::AddParsedLine(Line line) {
  if (Classify(line.text).kind != Classified::kOther) {
    lines_.push_back(std::move(line));
    return;
  }
  const bool utf16 = encoding_ == Encoding::kUtf16Le;
  if (!utf16) line.text.clear();  // a UTF-8 line is written back from its bytes
  if (lines_.empty() || !lines_.back().opaque) {
    line.opaque = true;
    lines_.push_back(std::move(line));
    return;
  }
  Line& run = lines_.back();
  const std::u16string_view eol = EolText(run.eol);
  if (utf16) {
    run.text += eol;
    run.text += line.text;
  } else {
    run.raw.append(eol.begin(), eol.end());
    run.raw += line.raw;
  }
  run.eol = line.eol;
}

std::u16string_view IniDocument::View(size_t line, Span span) const {
  return std::u16string_view(lines_[line].text).substr(span.begin, span.size);
}

void IniDocument::Reindex() {
  sections_.clear();
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].opaque) continue;
    const Classified c = Classify(lines_[i].text);
    if (c.kind == Classified::kSection) {
      sections_.push_back(Section{i,
                                  Span{static_cast<uint32_t>(c.name_begin),
                                       static_cast<uint32_t>(c.name_end - c.name_begin)},
                                  {}});
    } else if (c.kind == Classified::kKey && !sections_.empty()) {
      sections_.back().keys.push_back(
          KeyRef{i,
                 Span{static_cast<uint32_t>(c.name_begin),
                      static_cast<uint32_t>(c.name_end - c.name_begin)},
                 Span{static_cast<uint32_t>(c.value_begin),
                      static_cast<uint32_t>(c.value_end - c.value_begin)}});
    }
  }
}

const IniDocument::Section* IniDocument::FindSection(std::u16string_view name) const {
  name = TrimBlanks(name);
  for (const Section& s : sections_) {
    if (EqualsIgnoreAsciiCase(View(s.header_line, s.name), name)) return &s;
  }
  return nullptr;
}

const IniDocument::KeyRef* IniDocument::FindKey(const Section& section,
                                                std::u16string_view key) const {
  key = TrimBlanks(key);
  for (const KeyRef& k : section.keys) {
    if (EqualsIgnoreAsciiCase(View(k.line, k.name), key)) return &k;
  }
  return nullptr;
}

std::optional<std::u16string_view> IniDocument::Find(std::u16string_view section,
                                                     std::u16string_view key) const {
  const Section* s = FindSection(section);
  if (!s) return std::nullopt;
  const KeyRef* k = FindKey(*s, key);
  if (!k) return std::nullopt;
  return View(k->line, k->value);
}

bool IniDocument::HasSection(std::u16string_view section) const {
  return FindSection(section) != nullptr;
}

std::u16string IniDocument::Get(std::u16string_view section, std::u16string_view key,
                                std::u16string_view fallback, size_t buffer_chars) const {
  if (buffer_chars == 0) return {};
  std::u16string_view value = Find(section, key).value_or(fallback);
  return std::u16string(value.substr(0, buffer_chars - 1));
}

int32_t IniDocument::GetInt(std::u16string_view section, std::u16string_view key,
                            size_t buffer_chars) const {
  return LeadingInt(Get(section, key, u"", buffer_chars));
}

void IniDocument::InsertLine(size_t at, std::u16string text) {
  Line line;
  line.text = std::move(text);
  line.eol = Eol::kCrLf;
  line.dirty = true;
  // A last line without a line end must get one before anything follows it.
  if (at == lines_.size() && !lines_.empty() && lines_.back().eol == Eol::kNone) {
    lines_.back().eol = Eol::kCrLf;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

IniDocument::KeyRef IniDocument::MakeKeyRef(size_t line) const {
  const Classified c = Classify(lines_[line].text);
  return KeyRef{
      line,
      Span{static_cast<uint32_t>(c.name_begin), static_cast<uint32_t>(c.name_end - c.name_begin)},
      Span{static_cast<uint32_t>(c.value_begin),
           static_cast<uint32_t>(c.value_end - c.value_begin)}};
}

bool IniDocument::Set(std::u16string_view section, std::u16string_view key,
                      std::u16string_view value) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  if (section.empty() || key.empty() || HasLineBreakOrNul(section) || HasLineBreakOrNul(key) ||
      HasLineBreakOrNul(value) || section.find(u']') != std::u16string_view::npos ||
      key.find(u'=') != std::u16string_view::npos || key.front() == u'[' || key.front() == u';') {
    return false;
  }
  std::u16string line;
  const Section* found = FindSection(section);
  if (found == nullptr) {
    std::u16string header = u"[";
    header += section;
    header += u']';
    line = std::u16string(key) + u'=' + QuoteIfNeeded(value);
    const size_t at = lines_.size();
    InsertLine(at, std::move(header));
    InsertLine(at + 1, std::move(line));
    sections_.push_back(Section{at, Span{1, static_cast<uint32_t>(section.size())}, {}});
    sections_.back().keys.push_back(MakeKeyRef(at + 1));
    return true;
  }
  Section& s = sections_[static_cast<size_t>(found - sections_.data())];
  if (const KeyRef* k = FindKey(s, key)) {
    KeyRef& ref = s.keys[static_cast<size_t>(k - s.keys.data())];
    line = std::u16string(View(ref.line, ref.name)) + u'=' + QuoteIfNeeded(value);
    Line& target = lines_[ref.line];
    target.text = std::move(line);
    target.dirty = true;
    ref = MakeKeyRef(ref.line);
    return true;
  }
  const size_t at = (s.keys.empty() ? s.header_line : s.keys.back().line) + 1;
  InsertLine(at, std::u16string(key) + u'=' + QuoteIfNeeded(value));
  for (Section& other : sections_) {
    if (other.header_line >= at) ++other.header_line;
    for (KeyRef& k : other.keys) {
      if (k.line >= at) ++k.line;
    }
  }
  s.keys.push_back(MakeKeyRef(at));
  return true;
}

std::string IniDocument::Serialize() const {
  std::string out;
  const bool utf16 = encoding_ == Encoding::kUtf16Le;
  if (utf16) out += "\xFF\xFE";
  if (encoding_ == Encoding::kUtf8Bom) out += "\xEF\xBB\xBF";
  for (const Line& line : lines_) {
    const Eol eol = line.dirty ? Eol::kCrLf : line.eol;
    const std::u16string_view eol_text = EolText(eol);
    if (utf16) {
      AppendUtf16Le(out, line.text);
      AppendUtf16Le(out, eol_text);
    } else {
      out += line.dirty ? Utf16ToUtf8(line.text) : line.raw;
      for (char16_t c : eol_text)
        out.push_back(static_cast<char>(c));
    }
  }
  out += trailing_odd_byte_;
  return out;
}

}  // namespace devero::ini
