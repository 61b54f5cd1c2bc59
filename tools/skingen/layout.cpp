#include "layout.h"

#include <array>

namespace skingen {
namespace {

struct Names {
  const char* en;
  const char* cn;
};

// Function names 1 to 47 in the order of the function numbers.
constexpr std::array<Names, 47> kFunctionNames{{
    {"Left Click", "左键单击"},
    {"Right Click", "右键单击"},
    {"Middle Click", "中键单击"},
    {"Back", "后退"},
    {"Forward", "前进"},
    {"DPI Loop", "DPI循环"},
    {"Right Click", "右键单击"},  // 7 to 11 give the same mouse functions as 2 to 6
    {"Middle Click", "中键单击"},
    {"Back", "后退"},
    {"Forward", "前进"},
    {"DPI Loop", "DPI循环"},
    {"Desktop", "显示桌面"},
    {"Double Click", "双击"},
    {"Rapid Fire", "连发"},
    {"LED Loop", "灯效切换"},
    {"DPI +", "DPI +"},
    {"DPI -", "DPI -"},
    {"Reserved", "保留"},
    {"Profile 1", "配置1"},
    {"Profile 2", "配置2"},
    {"Profile 3", "配置3"},
    {"Profile 4", "配置4"},
    {"Web Home", "浏览器主页"},
    {"Media Player", "媒体播放器"},
    {"Mail", "邮件"},
    {"Volume Up", "音量加"},
    {"Volume Down", "音量减"},
    {"Previous Track", "上一曲"},
    {"Next Track", "下一曲"},
    {"Mute", "静音"},
    {"Play/Pause", "播放/暂停"},
    {"Calculator", "计算器"},
    {"Copy", "复制"},
    {"Paste", "粘贴"},
    {"Cut", "剪切"},
    {"Undo", "撤销"},
    {"Redo", "重做"},
    {"Select All", "全选"},
    {"Save", "保存"},
    {"Find", "查找"},
    {"Close Window", "关闭窗口"},
    {"Switch Window", "切换窗口"},
    {"Show Desktop", "显示桌面"},
    {"Lock Screen", "锁定屏幕"},
    {"Task Manager", "任务管理器"},
    {"Unused", "未使用"},
    {"Unused", "未使用"},
}};

}  // namespace

const Entry* Table::Find(int key) const {
  for (const Entry& e : entries) {
    if (e.key == key) return &e;
  }
  return nullptr;
}

const QString& Text(const Entry& entry, Language language) {
  return language == Language::kEnglish ? entry.en : entry.cn;
}

QString FunctionName(int number, Language language) {
  if (number < 1 || number > static_cast<int>(kFunctionNames.size())) return {};
  const Names& n = kFunctionNames[static_cast<size_t>(number - 1)];
  return QString::fromUtf8(language == Language::kEnglish ? n.en : n.cn);
}

Skin BuildSkin(int buttons) {
  Skin skin;
  AddMainWindow(skin, buttons);
  AddDialogs(skin);
  AddMenus(skin);
  return skin;
}

}  // namespace skingen
