#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>

#include "util/background_work_win.h"

namespace kov {
namespace {

// The work runs on another thread while the caller goes on; its result, or what it
// threw, reaches the caller when taken.
TEST(BackgroundWork, GivesTheResultOrThrowsWhatTheWorkThrewOnTheCallersThread) {
  const DWORD caller = GetCurrentThreadId();
  HANDLE go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  BackgroundWork<DWORD> work(
      [go] {
        WaitForSingleObject(go, 5000);  // done only once the caller has gone on
        return GetCurrentThreadId();
      },
      true);
  SetEvent(go);
  const DWORD worker = work.Take();
  CloseHandle(go);
  EXPECT_NE(worker, caller);

  BackgroundWork<std::string> failing([]() -> std::string { throw std::runtime_error("held"); }, true);
  EXPECT_THROW(failing.Take(), std::runtime_error);
}

}  // namespace
}  // namespace kov
