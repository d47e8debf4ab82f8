#include "ui/icon_zoom_win.h"

#include "ui/icon_sizes.h"

namespace kov {

void ZoomIcons(const LauncherParts& parts, Command command) {
  const int size = parts.view.IconSize();
  const int next = command == Command::ZoomIn    ? LargerIconSize(size)
                   : command == Command::ZoomOut ? SmallerIconSize(size)
                                                 : kDefaultIconSize;
  if (!parts.view.ShowIconSize(next)) parts.view.Say("There is not enough memory for icons of that size.");
}

}  // namespace kov
