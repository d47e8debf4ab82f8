#include "util/current_dir.h"

#include <unistd.h>

#include <climits>

namespace kov {

std::string CurrentDirectory() {
  char buffer[PATH_MAX];
  return getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string();
}

bool ChangeCurrentDirectory(const std::string& directory) { return chdir(directory.c_str()) == 0; }

}  // namespace kov
