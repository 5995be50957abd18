// The tips dialog's state and decisions: which prompt it shows, its "do not
// ask again" flags and the save prompt's answer. Portable; the dialog window
// (app/newfiletips.*) only carries them out.
#pragma once

#include <cstdint>

namespace vellumo {

// The kinds of prompt (the values of TipMode).
enum TipKind : std::int32_t { kInputTip = 1, kSavePrompt = 2 };

// The button that closed the dialog, by its Tag; None when it was closed
// another way (Alt+F4, Esc) or the program is quitting.
enum class TipButton { None = 0, Ok = 1, Cancel = 2 };

extern const wchar_t kInputTipText[];
extern const wchar_t kSavePromptText[];

struct TipsState {
  std::int32_t TipMode = 0;
  bool ShowInputTip = true;
  bool ShowSavePrompt = true;
  bool SaveAnswer = false;
};

// What the dialog shows for its mode; false for another mode, whose showing
// keeps the texts and settings of the last.
struct TipsLook {
  const wchar_t* text;
  bool ticked;         // the check box: the prompt is not to be shown again
  bool cancelVisible;  // only the save prompt has Cancel
};
bool LookOfTips(const TipsState& state, TipsLook& look);

// The check box changed: the flag of the mode shown follows it.
void TipsCheckBoxChanged(TipsState& state, bool ticked);

// The dialog closed with pressed. In the save prompt only OK saves: Cancel,
// and closing it any other way, answer no.
void TipsClosed(TipsState& state, TipButton pressed);

}  // namespace vellumo
