// One piece of work done on a thread of its own while the caller goes on, its result
// taken once. The thread is waited for when the result is taken or the work goes, so no
// thread outlives what it works on. Work too small to be worth a thread's start, or for
// which no thread can be had, is done at once on the caller's thread.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "util/handles_win.h"

namespace kov {

template <typename Result>
class BackgroundWork {
 public:
  BackgroundWork(std::function<Result()> work, bool worthAThread) : state_(std::make_unique<State>(std::move(work))) {
    if (worthAThread) thread_.reset(CreateThread(nullptr, 0, &Run, state_.get(), 0, nullptr));
    if (!thread_) Run(state_.get());
  }
  BackgroundWork(BackgroundWork&&) noexcept = default;
  BackgroundWork& operator=(BackgroundWork&&) = delete;
  ~BackgroundWork() { Wait(); }

  // True once the work has finished, without waiting for it.
  bool Done() const { return !thread_ || WaitForSingleObject(thread_.get(), 0) == WAIT_OBJECT_0; }

  // The work's result, once it is done; what the work threw is thrown here.
  Result Take() {
    Wait();
    if (state_->failure) std::rethrow_exception(state_->failure);
    return std::move(*state_->result);
  }

 private:
  struct State {
    explicit State(std::function<Result()> task) : work(std::move(task)) {}
    std::function<Result()> work;
    std::optional<Result> result;
    std::exception_ptr failure;
  };

  static DWORD WINAPI Run(void* parameter) {
    auto* state = static_cast<State*>(parameter);
    try {
      state->result.emplace(state->work());
    } catch (...) {
      state->failure = std::current_exception();
    }
    return 0;
  }

  void Wait() {
    if (thread_) WaitForSingleObject(thread_.get(), INFINITE);
    thread_.reset();
  }

  std::unique_ptr<State> state_;
  KernelHandle thread_;
};

}  // namespace kov
