// A program run from a removable drive must not load a library planted beside it or in
// the current folder: libraries loaded by name come from the system folder only.
#pragma once

namespace kov {

// Called first thing at start-up, before anything loads a library by name.
void RestrictLibrarySearch();

}  // namespace kov
