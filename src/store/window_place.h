// The window's place as the state file's "window=" line gives it: left, top, width and
// height in pixels, "maximized" for a maximized window, and the DPI of the screen they
// were measured at ("120,80,661,525,maximized,dpi=96").
#pragma once

#include <optional>
#include <string_view>

#include "util/text.h"

namespace kov {

struct WindowPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool maximized = false;
  int dpi = 0;  // the DPI the pixels were measured at; 0 when the file does not say
  bool operator==(const WindowPlace&) const = default;
};

// A place read from the line's value; problem says why it could not be read, and is
// empty otherwise.
struct WindowReading {
  std::optional<WindowPlace> place;
  Text problem;
};
WindowReading ReadWindowPlace(std::string_view value);
// The line's value for a place, as ReadWindowPlace reads it back.
Text WindowPlaceText(const WindowPlace& place);

}  // namespace kov
