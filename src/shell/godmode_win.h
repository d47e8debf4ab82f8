// The GodMode folder: the Windows all-tasks view, a folder in the working folder whose
// name ends in the shell's class identifier for it.
#pragma once

#include "store/launch_win.h"
#include "util/text.h"

namespace kov {

inline constexpr char kGodModeFolderName[] = "GodMode.{ED7BA470-8E54-465E-825C-99712043E01C}";

// True when the path names an existing entry that is not a directory. A path with
// wildcards names no single entry and gives false.
bool IsExistingFile(const Text& path);

// Creates the directory; true when the system reports success.
bool CreateFolderAt(const Text& path);

// Makes sure the folder exists in the current directory (the working folder) and asks
// the shell to open it. Only a plain file of that name prevents the creation; a failed
// creation is not reported, and the name is opened all the same.
void OpenGodModeFolder(const ShellRunner& shell);

}  // namespace kov
