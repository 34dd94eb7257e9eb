// The keyboard side of buttons, where the dialog manager leaves something to
// the control: owner-drawn buttons pressed by Enter, a radio group's Tab stop,
// and mnemonics drawn as the keyboard cues say.
#pragma once

#include <windows.h>

namespace corvane {

// An owner-drawn button (a label that acts as a button, or a button the form
// draws itself): Enter presses it while it has the focus, as it presses a
// focused push button. It answers the dialog manager as an owner-drawn button
// does, so that no key, mnemonic or default change ever restyles it.
void MakeLabelButton(HWND button);

// Keeps the Tab stop of a radio group on its checked button (the first when
// none is checked), so that Tab enters the group at the choice in force.
// Does nothing for any other control.
void KeepRadioTabStop(HWND control);

// The DrawText flags for a caption: '&' marks a mnemonic (shown per the
// keyboard cues) or is plain text.
UINT PrefixFlags(HWND control, bool mnemonic);

}  // namespace corvane
