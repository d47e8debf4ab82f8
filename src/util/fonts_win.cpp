#include "util/fonts_win.h"

#include "util/dpi_win.h"

namespace kov {

FontHandle MakeFont(const char* face, int pixelHeight, FontPitch pitch) {
  return FontHandle(CreateFontA(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, static_cast<BYTE>(pitch),
                                face));
}

FontHandle MakeFont(const char* face, int heightAt96, int dpi) { return MakeFont(face, Scaled(heightAt96, dpi)); }

int PointsToPixels(int points, int dpi) { return MulDiv(points, dpi, 72); }

}  // namespace kov
