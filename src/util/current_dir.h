// The process's current directory, the one piece of process state the core reads.
#pragma once

#include <string>

namespace kov {

std::string CurrentDirectory();
// True when the directory was made current. Callers may go on when it fails: where it
// matters, the shell request names its directory as well.
bool ChangeCurrentDirectory(const std::string& directory);

}  // namespace kov
