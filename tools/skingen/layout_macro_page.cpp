// The macro page: the three lists, the step buttons, recording and the repeat mode.
#include <QPainter>

#include "layout_pages.h"
#include "layout_util.h"
#include "theme.h"

namespace skingen {

const QRect kGroupList{34, 122, 272, 400};
const QRect kStepList{350, 122, 312, 400};
const QRect kLightList{708, 334, 256, 188};
const QRect kCountEdit{894, 186, 70, 26};

std::vector<Entry> MacroEntries() {
  std::vector<Entry> m;
  m.push_back(Label(0, {20, 86, 300, 26}, "MACRO GROUPS", "宏组", "heading_groups"));
  m.push_back(Label(1, {336, 86, 340, 26}, "MACRO STEPS", "宏步骤", "heading_steps"));
  m.push_back(Label(2, {692, 152, 288, 24}, "REPEAT MODE", "循环模式", "heading_repeat"));
  m.push_back(Label(3, {692, 302, 288, 24}, "LIGHTING STEP", "灯光步骤", "heading_lighting"));
  m.push_back(E(4, {708, 96, 256, 44}, Look::kRecord, "Record", "录制", "record"));
  m.push_back(E(5, {350, 536, 98, 34}, Look::kButton, "Insert", "插入", "insert_step"));
  m.push_back(E(6, {708, 260, 256, 32}, Look::kOption, "Repeat while held", "按住时循环",
                "repeat_while_held"));
  m.push_back(E(7, {708, 222, 256, 32}, Look::kOption, "Repeat until pressed again",
                "再按一次停止循环", "repeat_toggle"));
  m.push_back(E(8, {708, 184, 178, 32}, Look::kOption, "Repeat count", "循环次数", "repeat_count"));
  m.push_back(
      E(13, {708, 536, 256, 34}, Look::kButton, "Rapid-Fire Settings", "连发设置", "rapid_fire"));
  m.push_back(E(14, {34, 536, 132, 34}, Look::kButton, "New Macro", "新建宏", "new_macro"));
  m.push_back(E(15, {174, 536, 132, 34}, Look::kButton, "Delete", "删除", "delete"));
  m.push_back(E(16, {457, 536, 98, 34}, Look::kButton, "Modify", "修改", "modify_step"));
  m.push_back(E(17, {564, 536, 98, 34}, Look::kButton, "Delete Step", "删除步骤", "delete_step"));
  return m;
}

void PaintMacroPage(QPainter& p) {
  PaintFrame(p);
  Panel(p, QRect(20, 76, 300, 508));
  Panel(p, QRect(336, 76, 340, 508));
  Panel(p, QRect(692, 76, 288, 508));
  HeadingBar(p, QRect(20, 86, 300, 26));
  HeadingBar(p, QRect(336, 86, 340, 26));
  HeadingBar(p, QRect(692, 152, 288, 24));
  HeadingBar(p, QRect(692, 302, 288, 24));
  for (const QRect& r : {kGroupList, kStepList, kLightList, kCountEdit}) {
    Box(p, QRectF(r).adjusted(-2, -2, 2, 2), 4, color::kBlack, color::kLineStrong);
  }
}

}  // namespace skingen
