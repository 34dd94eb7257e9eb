// The keyboard side of single controls, as the dialog manager expects it.
#pragma once

#include <windows.h>

namespace corvane {

// Makes a push button (owner-drawn or not) the one Enter presses while it has
// the focus, as a focused button is in Windows' own dialogs.
void MakeKeyboardButton(HWND button);

// Keeps the Tab stop of a radio group on its checked button (the first when
// none is checked), so that Tab enters the group at the choice in force.
// Does nothing for any other control.
void KeepRadioTabStop(HWND control);

bool IsAutoRadio(HWND control);
// The control that starts `control`'s group (WS_GROUP), in z-order.
HWND GroupStartOf(HWND control);

// Whether the window's keyboard cues hide mnemonics until Alt is pressed.
bool HidesMnemonics(HWND window);

// The DrawText flags for a caption: '&' marks a mnemonic (shown per the
// keyboard cues) or is plain text.
UINT PrefixFlags(HWND control, bool mnemonic);

// Gives screen readers `text` as the window's description (Windows' dynamic
// annotation); nothing happens where the service is missing.
void SetAccessibleDescription(HWND window, const char* text);
// Takes the description away again (before the window is destroyed).
void ClearAccessibleDescription(HWND window);

}  // namespace corvane
