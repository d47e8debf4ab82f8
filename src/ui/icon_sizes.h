// The sizes the view's icons step through, in pixels at 96 DPI, as Ctrl with the mouse
// wheel, Ctrl+Plus and Ctrl+Minus choose them, and the room each icon takes with its
// caption.
#pragma once

namespace kov {

inline constexpr int kIconSizes[] = {32, 48, 64, 96, 128, 256};
inline constexpr int kDefaultIconSize = 32;

// The next size up or down; the largest and the smallest stay as they are.
int LargerIconSize(int size);
int SmallerIconSize(int size);
// The step nearest a size kept by hand ("icons=100"), so that later steps go on from
// the sizes above.
int IconSizeStep(int size);

// The room between the corners of two neighbouring icons, in pixels at 96 DPI: the
// icon, a margin around it and two lines of caption below it, which are as wide as the
// room is.
struct IconSpacing {
  int across = 0;
  int down = 0;
};
IconSpacing SpacingFor(int size);

}  // namespace kov
