#include "ui/window_keys.h"

#include "ui/command_tags.h"

namespace kov {

int ToolTagOfKey(unsigned key, bool control) {
  if (!control) return key == kKeyF1 ? kTagAbout : 0;
  switch (key) {
    case 'N':
      return kTagNewFolder;
    case 'F':
    case 'E':
      return kTagFind;
    case kKeyLeft:
      return kTagMoveLeft;
    case kKeyRight:
      return kTagMoveRight;
    default:
      return 0;
  }
}

}  // namespace kov
