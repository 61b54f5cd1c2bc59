#pragma once

// The main window's header and pages: each page gives its table's entries and paints what its
// three pictures share.
#include <QRect>
#include <vector>

#include "layout.h"

class QPainter;

namespace skingen {

constexpr int kMainWidth = 1000;
constexpr int kMainHeight = 660;

// Header entries 0..19 of the main table, drawn on every page.
std::vector<Entry> HeaderEntries();
// The window, the header bar and the footer bar.
void PaintFrame(QPainter& p);

std::vector<Entry> MainPageEntries(int buttons);  // main table 20..49
void PaintMainPage(QPainter& p, int buttons);

std::vector<Entry> AdvancedEntries();
void PaintAdvancedPage(QPainter& p);

std::vector<Entry> MacroEntries();
// The list boxes and the repeat-count edit box the program places on the macro page.
extern const QRect kGroupList;
extern const QRect kStepList;
extern const QRect kLightList;
extern const QRect kCountEdit;
void PaintMacroPage(QPainter& p);

std::vector<Entry> LightingEntries();
void PaintLightingPage(QPainter& p);

}  // namespace skingen
