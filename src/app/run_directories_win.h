// The directory values a run works with, read from the system once at start-up: the
// working folder (the current directory the program was started in) and the system,
// temporary and Windows directories that the target macros stand for.
#pragma once

#include "store/targets.h"

namespace kov {

// Also makes the file system of a 64-bit Windows the native one for the whole run.
DirectoryValues ReadRunDirectories();

}  // namespace kov
