// The window's parts in the order Tab visits them, as they appear on screen: the tool
// buttons from left to right, then the view. A stop is a tool button's Tag, or one of
// the stops below for a part that is not a tool button.
#pragma once

#include "ui/command_tags.h"

namespace kov {

inline constexpr int kTabStopView = -1;
inline constexpr int kTabStopSearch = -2;

inline constexpr int kTabOrder[] = {kTagBack,     kTagNewFolder, kTagShellFolders, kTagGodMode, kTabStopSearch,
                                    kTagMoveLeft, kTagMoveRight, kTagAbout,        kTabStopView};

}  // namespace kov
