// Puts a recorder in place of the shell for one test: every request the shell shortcuts
// make is kept instead of reaching ShellExecuteA.
#pragma once

#include <vector>

#include "shell/shell_runner_win.h"

namespace kov {

class ShellRequestRecorder {
 public:
  ShellRequestRecorder()
      : previous_(ReplaceShellRunner([this](const ShellRequest& request) { requests_.push_back(request); })) {}
  ShellRequestRecorder(const ShellRequestRecorder&) = delete;
  ShellRequestRecorder& operator=(const ShellRequestRecorder&) = delete;
  ~ShellRequestRecorder() { ReplaceShellRunner(std::move(previous_)); }

  const std::vector<ShellRequest>& requests() const { return requests_; }

 private:
  std::vector<ShellRequest> requests_;
  ShellRunner previous_;
};

}  // namespace kov
