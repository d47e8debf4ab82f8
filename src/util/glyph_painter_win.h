// Smooth pictures drawn in code: the art is drawn with plain GDI at four times the
// wanted size and averaged down, which gives anti-aliased edges at any scale without
// any library beyond Windows' own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>

#include "util/handles_win.h"

namespace kov {

// A point in design units.
struct GlyphPoint {
  double x;
  double y;
};

// Draws on a square canvas addressed in design units of 0..32, whatever its pixel size.
class GlyphCanvas {
 public:
  GlyphCanvas(HDC dc, double pixelsPerUnit) : dc_(dc), scale_(pixelsPerUnit) {}
  void Polygon(std::initializer_list<GlyphPoint> points, COLORREF fill);
  void Rectangle(double left, double top, double right, double bottom, COLORREF fill);
  void Ellipse(double left, double top, double right, double bottom, COLORREF fill);
  void Line(std::initializer_list<GlyphPoint> points, double width, COLORREF color);
  // A regular star or cog shape: points alternate between the outer and inner radius.
  void Star(double centerX, double centerY, double outer, double inner, int tips, COLORREF fill);
  int Px(double units) const;

 private:
  HDC dc_;
  double scale_;
};

using GlyphArt = std::function<void(GlyphCanvas&)>;

// A square top-down 32-bit bitmap whose pixels (0xAARRGGBB) the caller may write.
struct PixelBitmap {
  BitmapHandle bitmap;
  std::uint32_t* pixels = nullptr;
  int size = 0;
};
PixelBitmap MakePixelBitmap(int size);

// The art drawn over a solid background, as a bitmap of size x size pixels.
BitmapHandle RenderGlyphOnColor(const GlyphArt& art, int size, COLORREF background);

// The art in one colour over another, as a theme of few colours wants it: what the art
// draws in any colour but white is ink, all else background.
BitmapHandle RenderGlyphInInk(const GlyphArt& art, int size, COLORREF ink, COLORREF background);

// The art as an icon with a smooth alpha channel, for image lists.
IconHandle RenderGlyphIcon(const GlyphArt& art, int size);

}  // namespace kov
