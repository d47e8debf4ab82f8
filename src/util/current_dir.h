// The process's current directory, the one piece of process state the core reads.
#pragma once

#include <string>

namespace kov {

std::string CurrentDirectory();
[[nodiscard]] bool ChangeCurrentDirectory(const std::string& directory);

}  // namespace kov
