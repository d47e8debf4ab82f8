#include "ui/search_field_win.h"

#include <commctrl.h>

#include "ui/command_list.h"
#include "ui/window_keys_win.h"
#include "util/child_window_win.h"
#include "util/tab_key_win.h"
#include "util/wide_text_win.h"

namespace kov {

namespace {

constexpr UINT_PTR kSearchKeysSubclass = 1;

bool IsEmpty(HWND field) { return GetWindowTextLengthW(field) == 0; }

// The search's keys, and the window's that typing does not need: the menu's undo and
// redo only while the field is empty, when it has nothing of its own to undo.
Command CommandOfFieldKey(HWND field, WPARAM key, bool control, bool shift) {
  switch (key) {
    case VK_RETURN:
      return Command::SearchStart;
    case VK_DOWN:
      return Command::SearchResults;
    case VK_TAB:
      return shift || control || IsEmpty(field) ? Command::None : Command::SearchResults;
    case VK_ESCAPE:
      return Command::SearchCancel;
    default: {
      // The field's text is asked for only by a key whose command depends on it: not by
      // the letters typed into it.
      const KeyChord chord = PressedChord(key);
      const Command withText = CommandOfKeyIn(KeyPart::TypeBox, chord, true);
      if (withText == CommandOfKeyIn(KeyPart::TypeBox, chord, false)) return withText;
      return CommandOfKeyIn(KeyPart::TypeBox, chord, !IsEmpty(field));
    }
  }
}

// The characters of the keys taken: in a one-line field they would only beep, or undo.
bool IsTakenCharacter(HWND field, WPARAM character) {
  const bool undoOrRedo = character == 0x1A || character == 0x19;
  return character == '\r' || character == 27 || character == '\t' || (undoOrRedo && IsEmpty(field));
}

// The field's own keys go to the window as commands; Tab goes into the found entries
// while there are any, and on to the next part otherwise.
LRESULT CALLBACK TakeSearchKeys(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_KEYDOWN) {
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (const Command command = CommandOfFieldKey(field, wParam, control, shift); command != Command::None) {
      SendKeyCommand(field, command);
      return 0;
    }
  } else if (message == WM_CHAR && IsTakenCharacter(field, wParam)) {
    return 0;
  } else if (message == WM_GETDLGCODE) {
    return DefSubclassProc(field, message, wParam, lParam) | DLGC_WANTALLKEYS;
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(field, TakeSearchKeys, kSearchKeysSubclass);
  }
  if (HandOnTabKey(field, message, wParam)) return 0;
  return DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace

bool SearchField::Create(HWND parent, int id, const RECT& bounds) {
  edit_ = CreateChildWindow(parent, id, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, bounds, nullptr, WS_EX_CLIENTEDGE);
  if (!edit_) return false;
  SendMessageW(edit_, EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(L"Search"));
  return SetWindowSubclass(edit_, TakeSearchKeys, kSearchKeysSubclass, 0) != FALSE;
}

Text SearchField::Typed() const { return WindowTextOf(edit_); }

void SearchField::Clear() {
  if (!IsEmpty(edit_)) SetWindowTextW(edit_, L"");
}

void SearchField::SetFont(HFONT font) { SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

}  // namespace kov
