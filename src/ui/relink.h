// The table side of pointing an entry whose target went missing at the file or folder
// that now stands for it.
#pragma once

#include "store/launch_plan.h"
#include "ui/adding.h"

namespace kov {

// The entry's line pointed at a new target: folder, caption and parameters exactly as
// they stand, the target stored as a drop stores it (relative inside the working folder,
// "..\" steps on the same removable drive) and the kind that of the new target.
Text RelinkedLine(std::string_view line, const NewEntry& target, const DirectoryValues& dirs);

// The nearest folder of an absolute path that still exists: the one that held it, or
// one above that; "" when not even the drive is there.
Text NearestExistingFolder(const Text& path, const PathExists& exists);

}  // namespace kov
