#include "store/file_system.h"

namespace kov {

std::string TemporaryFileFor(const std::string& path) { return path + ".saving"; }

}  // namespace kov
