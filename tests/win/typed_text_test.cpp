// Text typed on any keyboard arrives whole in every box a user types into: Cyrillic,
// Greek, a combining accent and a character beyond the first plane, typed as the
// keyboard and an input method send them, are stored byte for byte; and a drop from an
// older program, which names its files in the legacy code page, keeps their names.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>

#include "form1_session.h"

namespace kov {
namespace {

using namespace kov::test;

// "Блокнот ωμέγα é😀", the é made of an e and a combining accent.
const std::wstring kTyped = L"\u0411\u043B\u043E\u043A\u043D\u043E\u0442 \u03C9\u03BC\u03AD\u03B3\u03B1 e\u0301\U0001F600";
const std::string kStored =
    "\xD0\x91\xD0\xBB\xD0\xBE\xD0\xBA\xD0\xBD\xD0\xBE\xD1\x82 \xCF\x89\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1 "
    "e\xCC\x81\xF0\x9F\x98\x80";

class TypedText : public Form1Session {
 protected:
  // Characters as the keyboard sends them when no key code stands for them, one UTF-16
  // unit at a time; then a key pressed, so that it comes after them.
  static void Type(const std::wstring& text, WORD thenKey = 0) {
    std::vector<INPUT> inputs;
    for (const wchar_t unit : text) {
      for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = unit;
        input.ki.dwFlags = KEYEVENTF_UNICODE | up;
        inputs.push_back(input);
      }
    }
    if (thenKey) {
      inputs.push_back(KeyInput(thenKey, 0));
      inputs.push_back(KeyInput(thenKey, KEYEVENTF_KEYUP));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  }
  void AnswerTyping(const char* caption, const std::function<void()>& open) {
    DialogAnswerer dialog(caption, [](HWND) { Type(kTyped, VK_RETURN); });
    open();
    ASSERT_TRUE(dialog.Answered()) << caption;
    PumpMessages(100);
  }
};

TEST_F(TypedText, EveryBoxTakesEveryScriptWhole) {
  Start({"*a.exe**A**"});
  SetForegroundWindow(form_->hwnd());
  AnswerTyping("New Folder", [&] { Click(kTagNewFolder); });
  SelectIcon(View(), 0);
  AnswerTyping("Execution parameters", [&] { Choose(Command::ExecutionParameters); });
  SetFocus(View());
  SelectIcon(View(), 0);
  PressChord({VK_F2});
  ASSERT_NE(ListView_GetEditControl(View()), nullptr);
  SendMessageW(ListView_GetEditControl(View()), EM_SETSEL, 0, -1);
  Type(kTyped + L"2", VK_RETURN);
  PumpMessages(100);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"*a.exe*0*" + kStored + "2*" + kStored + "*",
                                               "*" + kStored + "*1*" + kStored + "**"}));

  SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(CommandWindowId(Command::Find), 0), 0);
  Type(kTyped.substr(0, 7));
  PumpMessages(100);
  ASSERT_TRUE(Model().search.has_value());
  EXPECT_EQ(Model().search->typed, kStored.substr(0, 14));
  EXPECT_EQ(Captions(), (std::vector<std::string>{kStored + "2", kStored}));

  CloseWindow();
  Restart();
  EXPECT_EQ(Lines(), (std::vector<std::string>{"*a.exe*0*" + kStored + "2*" + kStored + "*",
                                               "*" + kStored + "*1*" + kStored + "**"}));
}

// The drop an older program sends: its list of names in the legacy code page (1252 in
// the test prefix), with fWide false.
TEST_F(TypedText, ADropInTheLegacyFormKeepsItsNames) {
  const std::string cafe = work_.Path() + "Caf\xC3\xA9.txt";
  WriteBytes(cafe, "x");
  Start({"*a.exe**A**"});
  const std::string legacyName = work_.Path() + "Caf\xE9.txt";
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + legacyName.size() + 2);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), legacyName.c_str(), legacyName.size());
  GlobalUnlock(memory);
  SendMessageA(form_->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
  PumpMessages(20);
  EXPECT_EQ(Lines().back(), "*Caf\xC3\xA9.txt**Caf\xC3\xA9.txt**");
}

}  // namespace
}  // namespace kov
