#include "app/window_fit.h"

#include <algorithm>

#include "util/dpi.h"

namespace kov {

WindowPlace PlaceAtDpi(const WindowPlace& kept, int dpi, WindowSize least) {
  const int from = kept.dpi > 0 ? kept.dpi : dpi;
  const auto atDpi = [from, dpi](int pixels) { return InProportion(pixels, dpi, from); };
  return {atDpi(kept.left),
          atDpi(kept.top),
          std::max(atDpi(kept.width), least.width),
          std::max(atDpi(kept.height), least.height),
          kept.maximized,
          dpi};
}

}  // namespace kov
