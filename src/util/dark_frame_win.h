// What the system draws of a window dark or light at the program's asking, where the
// system offers it: the title bar, and the scroll bars of a control. Where it does not
// (an older Windows, Wine), the calls change nothing and cost nothing.
#pragma once

#include <windows.h>

namespace kov {

void UseDarkTitleBar(HWND window, bool dark);
void UseDarkScrollBars(HWND control, bool dark);

}  // namespace kov
