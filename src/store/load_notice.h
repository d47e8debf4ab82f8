// What the user is told about the settings file at start-up, when there is anything to
// tell: a menu taken from an interrupted save, or a file that could not be read.
#pragma once

#include "store/settings_file.h"

namespace kov {

// The notice for the settings file at path as it was loaded; "" when the menu came from
// the file itself or there was no file.
Text LoadNoticeText(const Text& path, const LoadReport& report);

}  // namespace kov
