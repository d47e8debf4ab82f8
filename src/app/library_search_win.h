// A program run from a removable drive must not load a library planted beside it or in
// the current folder: libraries loaded by name come from the system folder only.
#pragma once

namespace kov {

// Called first thing at start-up, before anything loads a library by name. kovrant.exe
// imports only kernel32 and msvcrt when it starts; every other system DLL is delay-loaded
// on first call (cmake/delay_load.cmake), so it and its own imports come from the system
// folder through this restriction. Marking the image with dependent-load flags instead
// would need a load-config directory, which GNU ld 2.40 does not emit, and Wine 8 does
// not honour those flags.
//
// A system library may still load another one by name later through a path the
// restriction does not govern (under Wine, a system library's own delay-loaded imports
// are looked for beside the program first). Those few are loaded here from the system
// folder, so that the later load by name finds them already in the process.
void RestrictLibrarySearch();

}  // namespace kov
