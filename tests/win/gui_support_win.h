// What the window tests share: temporary working folders, message pumping, and an
// answerer that acts on a modal dialog from another thread, as a user would.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

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

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool CopyProgram(const std::string& from, const std::string& to);
// The folder of the running test program, with a trailing backslash.
std::string TestProgramFolder();

// Processes the thread's messages for the given time.
void PumpMessages(int milliseconds);

// Waits, pumping messages, until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, int milliseconds);

// Finds a visible top-level window of this process with the given caption, waits for it
// and then runs the action on it, all on a thread of its own, so that the test thread can
// sit in the dialog's modal loop meanwhile.
class DialogAnswerer {
 public:
  DialogAnswerer(std::string caption, std::function<void(HWND)> action, int timeoutMilliseconds = 10000);
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;
  // True once the dialog was found and answered. Waits for the answering thread while
  // processing messages, since the answerer talks to this thread's windows.
  bool Answered();
  // The dialog's client size and text as seen when it was found.
  SIZE ClientSize() const { return clientSize_; }
  std::string Text() const { return text_; }

 private:
  std::thread thread_;
  std::atomic<bool> answered_{false};
  std::atomic<bool> finished_{false};
  SIZE clientSize_{};
  std::string text_;
};

// Answers for dialog windows: a key pressed, a button clicked by its caption, the close box.
void PressKey(HWND dialog, WORD key);
void ClickButton(HWND dialog, const std::string& caption);
void CloseBox(HWND dialog);
// All static texts of the dialog, joined by new lines.
std::string DialogText(HWND dialog);

// List-view readers.
int IconCount(HWND listView);
std::string IconText(HWND listView, int index);
int IconImage(HWND listView, int index);
void SelectIcon(HWND listView, int index);
void DoubleClickIcon(HWND listView, int index);
void KeyDown(HWND window, WORD key);

// True when two image-list images have the same pixels.
bool SameImage(HIMAGELIST first, int firstIndex, HIMAGELIST second, int secondIndex);

std::string WindowText(HWND window);

}  // namespace kov::test
