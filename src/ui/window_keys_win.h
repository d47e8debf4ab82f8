// The window's keys, those of the list of commands, work wherever the focus is in the
// window: each part hands the ones it does not keep to its top-level window as the
// command's WM_COMMAND, with an accelerator's notification code, so that a command given
// by the keyboard acts where the keyboard is (a menu opens at the selected icon).
#pragma once

#include <windows.h>

#include "ui/command_list.h"

namespace kov {

// The key with the modifiers held as it is pressed.
KeyChord PressedChord(WPARAM key);

// Sends command to the top-level window of part, as the keyboard gives it.
void SendKeyCommand(HWND part, Command command);

// A tool button hands on the window's keys, keeping Enter and Space, which press it.
[[nodiscard]] bool PassWindowKeysOn(HWND button);

}  // namespace kov
