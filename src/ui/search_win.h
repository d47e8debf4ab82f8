// Find as you type: the search field's text shows the entries of the whole menu whose
// caption holds it; emptying the field, Esc or Back returns to the folder. Starting
// what was found is opening, in ui/navigation_win.
#pragma once

#include "ui/launcher_parts_win.h"

namespace kov {

// The field's text changed: shows what it finds, or the folder again when it is empty.
void SearchTyped(const LauncherParts& parts, const Text& typed);

// Shows the folder the search started in, with its selection; nothing when no search
// is going on.
void EndSearch(const LauncherParts& parts);

}  // namespace kov
