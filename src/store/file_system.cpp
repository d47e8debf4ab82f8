#include "store/file_system.h"

namespace kov {

bool FileExists(const std::string& path) { return PathKindOf(path) != PathKind::Missing; }

std::string TemporaryFileFor(const std::string& path) { return path + ".saving"; }

std::string FinishedTemporaryFileFor(const std::string& path) { return path + ".saved"; }

}  // namespace kov
