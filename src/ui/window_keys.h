// The keys that belong to the window rather than to the icon view: each presses a tool
// button. They are taken before the view sees them, so the view's own handling of the
// same keys (Ctrl+arrows move its focus) never runs.
#pragma once

namespace kov {

// Virtual-key codes, as the keyboard reports them.
inline constexpr unsigned kKeyF1 = 0x70;
inline constexpr unsigned kKeyLeft = 0x25;
inline constexpr unsigned kKeyRight = 0x27;

// The Tag of the tool button the key presses: F1 Info, Ctrl+N New Folder, Ctrl+Left and
// Ctrl+Right the moves; or kTagFind for Ctrl+F and Ctrl+E. 0 when the key is the view's.
int ToolTagOfKey(unsigned key, bool control);

}  // namespace kov
