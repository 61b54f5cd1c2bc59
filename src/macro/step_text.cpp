#include "macro/step_text.h"

#include "keys/key_codes.h"
#include "macro/macro_steps.h"
#include "platform/text/utf.h"

namespace devero {

namespace {

std::u16string CursorMoveText(uint8_t action, const StepParam& param) {
  const char16_t* x_sign;
  const char16_t* y_sign;
  switch (action) {
    case kActionMoveXMinusYMinus:
      x_sign = u"-", y_sign = u"-";
      break;
    case kActionMoveXMinusYPlus:
      x_sign = u"-", y_sign = u"+";
      break;
    case kActionMoveXPlusYMinus:
      x_sign = u"+", y_sign = u"-";
      break;
    case kActionMoveXPlusYPlus:
      x_sign = u"+", y_sign = u"+";
      break;
    default:
      return u"[X]:eeror,[Y]:eeror";
  }
  return u"[X" + std::u16string(x_sign) + u"]:" + ToU16(param.param1) + u",[Y" + y_sign + u"]:" +
         ToU16(param.param2);
}

std::u16string DpiText(uint8_t action, const StepParam& param) {
  switch (action) {
    case kActionDpiSet:
      return u"[DPI]:" + ToU16(DpiOfLevelCode(param.param1)) + u" ";
    case kActionDpiReturn:
      return u"[DPI]:返回执行前的值";
    default:
      return u"[DPI]:状态Error";
  }
}

std::u16string LightingText(uint8_t action, const StepParam& param) {
  if (action < kActionLed0 || action > kActionLed2) return u"[LED0/1/2]:error";
  return u"[LED" + ToU16(action - kActionLed0) + u"]:LED-" + ToU16(param.param1) + u" Data";
}

}  // namespace

StepTextResult StepText(const MacroRecord& macro, int step, int language_is_english) {
  if (step < 0 || step >= kMaxSteps) return {};
  const uint8_t code = macro.stepCode[step];
  const uint8_t action = macro.stepAction[step];
  const StepParam& param = macro.stepParam[step];
  switch (code) {
    case kStepDelay:
      return {u"[Delay]", kIconPlain};
    case kStepCursorMove:
      return {CursorMoveText(action, param), kIconCursorMove};
    case kStepDpi:
      return {DpiText(action, param), kIconDpi};
    case kStepLighting:
      return {LightingText(action, param), kIconLighting};
    default:
      break;
  }
  const int icon = action == kActionPress     ? kIconPress
                   : action == kActionRelease ? kIconRelease
                                              : kIconPlain;
  return {StepKeyName(code, language_is_english), icon};
}

std::u16string DelayRowText(uint16_t delay_ms) {
  return u" " + ToU16(delay_ms) + u"ms";
}

}  // namespace devero
