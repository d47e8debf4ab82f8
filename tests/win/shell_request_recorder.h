// Puts a recorder in place of the shell for one test: every request the program makes
// is kept instead of reaching ShellExecuteA.
#pragma once

#include <utility>
#include <vector>

#include "store/launch_win.h"

namespace kov {

class ShellRequestRecorder {
 public:
  // kStartPrograms lets requests with the default verb go on to the shell, so that a
  // stand-in program really starts; everything else is only recorded.
  enum Mode { kRecordOnly, kStartPrograms };

  explicit ShellRequestRecorder(Mode mode = kRecordOnly)
      : previous_(std::exchange(CurrentShellRunner(), [this, mode](const ShellRequest& request) {
          requests_.push_back(request);
          return mode == kStartPrograms && request.verb.empty() ? previous_(request) : true;
        })) {}
  ShellRequestRecorder(const ShellRequestRecorder&) = delete;
  ShellRequestRecorder& operator=(const ShellRequestRecorder&) = delete;
  ~ShellRequestRecorder() { CurrentShellRunner() = std::move(previous_); }

  const std::vector<ShellRequest>& requests() const { return requests_; }

 private:
  std::vector<ShellRequest> requests_;
  ShellRunner previous_;
};

}  // namespace kov
