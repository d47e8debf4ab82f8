// What the window tests share: temporary working folders, message pumping, the one way
// to answer the program's dialogs and menus, and readers of windows and list views.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "util/handles_win.h"

namespace kov::test {

// A fresh folder under the temporary directory, removed with everything in it.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // The folder with a trailing backslash.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Makes a folder the current directory while it lives, then goes back to the one before.
class CurrentDirectoryScope {
 public:
  explicit CurrentDirectoryScope(const std::string& folder);
  ~CurrentDirectoryScope();
  CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
  CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

 private:
  std::string previous_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool CopyProgram(const std::string& from, const std::string& to);
// The folder of the running test program, with a trailing backslash.
std::string TestProgramFolder();

// A drop handle as the shell makes it: a DROPFILES header and the UTF-16 paths, each
// ending in a NUL, and one more NUL after the last. The paths are given in UTF-8.
HGLOBAL ShellDrop(const std::vector<std::string>& paths);

// Processes the thread's messages for the given time.
void PumpMessages(int milliseconds);

// Waits, pumping messages, until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, int milliseconds);

// A timer of the test thread: whichever message loop runs, a dialog's or a menu's modal
// loop included, calls tick every period until the timer is destroyed.
class ThreadTimer {
 public:
  ThreadTimer(UINT periodMilliseconds, std::function<void()> tick);
  ~ThreadTimer();
  ThreadTimer(const ThreadTimer&) = delete;
  ThreadTimer& operator=(const ThreadTimer&) = delete;

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
  std::function<void()> tick_;
  UINT_PTR id_;
};

// Answers the program's modal dialogs as a user would, from a timer of the test thread
// that the dialog's own modal loop dispatches. Each tick runs the next step on the shown
// dialog whose caption is the given one ("" takes any dialog).
//
// A timer is more robust than a thread that looks for the dialog: the steps run when
// the dialog is shown, focused and waiting for input, on the thread that owns it, so
// there are no sleeps guessing when it has settled, no calls across threads and no data
// shared between threads. A dialog that never shows costs no wait when the call that
// should show it has returned, and a dialog left open is closed and fails the test
// instead of hanging the run.
class DialogAnswerer {
 public:
  using Step = std::function<void(HWND dialog)>;

  DialogAnswerer(std::string caption, Step step, int timeoutMilliseconds = 10000);
  DialogAnswerer(std::string caption, std::vector<Step> steps, int timeoutMilliseconds = 10000);
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // True once every step ran. A dialog posted for later may still come: this waits for
  // it up to the timeout, processing messages.
  bool Answered();
  // The dialog the first step ran on (null while none has run), and its static texts
  // joined by new lines as they were then.
  HWND Dialog() const { return dialog_; }
  std::string Text() const { return text_; }

 private:
  void Tick();
  bool LeftOpen(HWND shown);

  std::string caption_;
  std::vector<Step> steps_;
  int timeoutMilliseconds_;
  std::size_t next_ = 0;
  HWND dialog_ = nullptr;
  std::string text_;
  HWND open_ = nullptr;
  int openTicks_ = 0;
  ThreadTimer timer_;
};

// Answers a popup menu the same way: when the menu shows, look reads it and the keys go
// to owner, where the menu's loop takes them. A menu left open is ended and fails the test.
class MenuAnswerer {
 public:
  MenuAnswerer(HWND owner, std::vector<WORD> keys, std::function<void(HMENU shown)> look = {});
  MenuAnswerer(const MenuAnswerer&) = delete;
  MenuAnswerer& operator=(const MenuAnswerer&) = delete;

  bool Shown() const { return shown_; }

 private:
  void Tick();

  HWND owner_;
  std::vector<WORD> keys_;
  std::function<void(HMENU)> look_;
  bool shown_ = false;
  int openTicks_ = 0;
  ThreadTimer timer_;
};

// The command ids of a menu's disabled items.
std::vector<int> GrayedItems(HMENU menu);

// Answers for dialog windows: a key pressed on the focused control (with Alt held when
// alt), a button clicked by its caption, the close box.
void PressKey(HWND dialog, WORD key, bool alt = false);
void ClickButton(HWND dialog, const std::string& caption);
void CloseBox(HWND dialog);
// All static texts of the dialog, joined by new lines.
std::string DialogText(HWND dialog);

// Window readers.
std::string WindowText(HWND window);
std::string ClassOf(HWND window);
RECT ClientOf(HWND window);
RECT WindowBounds(HWND window);
// Where child stands in parent's client coordinates.
RECT ChildBounds(HWND parent, HWND child);

// A plain visible top-level window to own dialogs and menus.
class OwnerWindow {
 public:
  OwnerWindow();
  HWND get() const { return window_.get(); }

 private:
  WindowHandle window_;
};

// The clipboard as another program leaves it: empty, a list of files as Explorer's Copy
// puts them (DROPFILES in UTF-16), or Unicode text; and its text read back.
void EmptyTheClipboard();
void PutFilesOnClipboard(const std::vector<std::wstring>& paths);
void PutUnicodeTextOnClipboard(const std::wstring& text);
std::wstring ClipboardUnicodeText();

// List-view readers.
int IconCount(HWND listView);
std::string IconText(HWND listView, int index);
int IconImage(HWND listView, int index);
void SelectIcon(HWND listView, int index);
void DoubleClickIcon(HWND listView, int index);
void KeyDown(HWND window, WORD key);

// True when two image-list images have the same pixels.
bool SameImage(HIMAGELIST first, int firstIndex, HIMAGELIST second, int secondIndex);

}  // namespace kov::test
