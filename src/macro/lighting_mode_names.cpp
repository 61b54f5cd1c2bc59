#include "macro/lighting_mode_names.h"

namespace devero {

namespace {

constexpr std::array<std::u16string_view, kLightingModeNameCount> kEnglish = {
    u"Breathing",    u"Breathing", u"Static", u"Tail", u"Space",        u"Star",      u"Neon",
    u"Rainbow Wave", u"Flicker",   u"Galaxy", u"Flow", u"Random",       u"Response",  u"LED Off",
    u"Space",        u"Static",    u"Star",   u"Neon", u"Rainbow Wave", u"Breathing",
};

constexpr std::array<std::u16string_view, kLightingModeNameCount> kChinese = {
    u"DPI色呼吸", u"循环呼吸", u"常亮",     u"行云流水", u"单灯流水", u"彗星扫尾", u"霓虹",
    u"流光溢彩",  u"闪烁",     u"星际迷航", u"水波纹",   u"眉飞色舞", u"按键响应", u"静音",
    u"单色呼吸",  u"常亮",     u"单灯流水", u"霓虹",     u"流光溢彩", u"循环呼吸",
};

}  // namespace

const std::array<std::u16string_view, kLightingModeNameCount>& LightingModeNames(
    int language_is_english) {
  return language_is_english != 0 ? kEnglish : kChinese;
}

std::u16string LightingModeName(int index, int language_is_english) {
  if (index < 0 || index >= kLightingModeNameCount) return {};
  return std::u16string(LightingModeNames(language_is_english)[index]);
}

}  // namespace devero
