// The commands that go through the clipboard: Cut and Paste move entries between
// folders, Paste also adds the files Explorer copied or the paths of copied text, and
// Copy as path puts the selected entries' targets on the clipboard.
#pragma once

#include "ui/launcher_parts_win.h"

namespace kov {

// Ctrl+X: the selected entries are marked as cut, shown dimmed, until a paste moves them.
void CutSelected(const LauncherParts& parts);

// Ctrl+V: the entries cut move into the folder on show, after the selected icon or at
// its end, as one step; or the files or paths on the clipboard are added as a drop of
// them would add them.
void PasteHere(const LauncherParts& parts);

// Ctrl+Shift+C: the selected entries' targets as they would be started, quoted, one per
// line.
void CopySelectedPaths(const LauncherParts& parts);

// True when Paste has something to paste.
bool CanPaste(const LauncherParts& parts);

// Esc: no entry cut any more, none selected.
void ClearCutAndSelection(const LauncherParts& parts);

// The clipboard changed: entries cut are no longer what it holds, so a paste will not
// move them, and they are shown as usual again.
void ForgetStaleCut(const LauncherParts& parts);

}  // namespace kov
