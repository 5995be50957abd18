#include "app/tips.h"

namespace vellumo {

const wchar_t kInputTipText[] =
    L"      请在弹出的文本编辑器中输入需要转换的外文字符（如韩文），然后直接保存退出，注意不要另存。";
const wchar_t kSavePromptText[] = L"      为避免当前内容丢失，在进入下一步操作前请保存当前内容，是否保存？";

bool LookOfTips(const TipsState& state, TipsLook& look) {
  switch (state.TipMode) {
    case kInputTip:
      look = {kInputTipText, !state.ShowInputTip, false};
      return true;
    case kSavePrompt:
      look = {kSavePromptText, !state.ShowSavePrompt, true};
      return true;
  }
  return false;
}

void TipsCheckBoxChanged(TipsState& state, bool ticked) {
  if (state.TipMode == kInputTip) state.ShowInputTip = !ticked;
  if (state.TipMode == kSavePrompt) state.ShowSavePrompt = !ticked;
}

void TipsClosed(TipsState& state, TipButton pressed) {
  if (state.TipMode == kSavePrompt) state.SaveAnswer = pressed == TipButton::Ok;
}

}  // namespace vellumo
