#pragma once

// Helpers for writing the layout tables.
#include <QRect>
#include <vector>

#include "layout.h"

namespace skingen {

inline Entry E(int key, QRect rect, Look look, const char* en, const char* cn, const char* name,
               Glyph glyph = Glyph::kNone) {
  Entry e;
  e.key = key;
  e.rect = rect;
  e.look = look;
  e.en = QString::fromUtf8(en);
  e.cn = QString::fromUtf8(cn);
  e.name = name;
  e.glyph = glyph;
  return e;
}

inline Entry Label(int key, QRect rect, const char* en, const char* cn, const char* name) {
  return E(key, rect, Look::kLabel, en, cn, name);
}

inline Table MakeTable(const char* section, int first, int count, std::vector<Entry> entries) {
  Table t;
  t.section = QString::fromLatin1(section);
  t.first_key = first;
  t.count = count;
  t.entries = std::move(entries);
  return t;
}

inline std::vector<Entry> Concat(std::vector<Entry> a, const std::vector<Entry>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace skingen
