// Stands in for the shell: the code under test is handed this recorder's runner, and
// every request it makes is kept instead of reaching ShellExecuteA.
#pragma once

#include <vector>

#include "store/launch_win.h"

namespace kov::test {

class ShellRequestRecorder {
 public:
  // kStartPrograms lets requests with the default verb go on to the shell, so that a
  // stand-in program really starts; everything else is only recorded.
  enum Mode { kRecordOnly, kStartPrograms };

  explicit ShellRequestRecorder(Mode mode = kRecordOnly) : mode_(mode) {}
  ShellRequestRecorder(const ShellRequestRecorder&) = delete;
  ShellRequestRecorder& operator=(const ShellRequestRecorder&) = delete;

  // The runner to hand over; it records into this object, which must outlive it.
  ShellRunner Runner() {
    return [this](const ShellRequest& request) {
      requests_.push_back(request);
      return mode_ == kStartPrograms && request.verb.empty() ? ExecuteWithShell(request) : true;
    };
  }
  void SetMode(Mode mode) { mode_ = mode; }
  const std::vector<ShellRequest>& requests() const { return requests_; }

 private:
  Mode mode_;
  std::vector<ShellRequest> requests_;
};

}  // namespace kov::test
