#include "util/glyph_painter_win.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "util/colors.h"

namespace kov {

namespace {

constexpr int kSupersampling = 4;
constexpr double kDesignUnits = 32.0;

using PixelMap = std::function<std::uint32_t(std::uint32_t)>;

// A colour in the order of a bitmap's pixels, 0x00RRGGBB.
std::uint32_t PixelOf(COLORREF color) { return GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color); }

// Renders the art at four times the size over background and returns the averaged
// 0x00RRGGBB pixels, row by row; map, when given, changes each pixel before.
std::vector<std::uint32_t> RenderAveraged(const GlyphArt& art, int size, COLORREF background,
                                          const PixelMap& map = nullptr) {
  const int big = size * kSupersampling;
  MemoryDcHandle dc(CreateCompatibleDC(nullptr));
  PixelBitmap canvasBitmap = MakePixelBitmap(big);
  std::vector<std::uint32_t> averaged(static_cast<std::size_t>(size) * size);
  if (!canvasBitmap.bitmap) return averaged;
  {
    SelectedObject selected(dc.get(), canvasBitmap.bitmap.get());
    BrushHandle backgroundBrush(CreateSolidBrush(background));
    RECT all{0, 0, big, big};
    FillRect(dc.get(), &all, backgroundBrush.get());
    GlyphCanvas canvas(dc.get(), big / kDesignUnits);
    art(canvas);
    GdiFlush();
  }
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      unsigned sum[3] = {0, 0, 0};
      for (int dy = 0; dy < kSupersampling; ++dy) {
        for (int dx = 0; dx < kSupersampling; ++dx) {
          std::uint32_t pixel = canvasBitmap.pixels[(y * kSupersampling + dy) * big + x * kSupersampling + dx];
          if (map) pixel = map(pixel);
          for (int channel = 0; channel < 3; ++channel) sum[channel] += (pixel >> (8 * channel)) & 0xFF;
        }
      }
      constexpr unsigned kSamples = kSupersampling * kSupersampling;
      averaged[static_cast<std::size_t>(y) * size + x] =
          (sum[0] / kSamples) | ((sum[1] / kSamples) << 8) | ((sum[2] / kSamples) << 16);
    }
  }
  return averaged;
}

}  // namespace

PixelBitmap MakePixelBitmap(int size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  PixelBitmap result;
  result.bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  result.pixels = static_cast<std::uint32_t*>(bits);
  result.size = size;
  return result;
}

int GlyphCanvas::Px(double units) const { return static_cast<int>(std::lround(units * scale_)); }

void GlyphCanvas::Polygon(std::initializer_list<GlyphPoint> points, COLORREF fill) {
  std::vector<POINT> scaled;
  for (GlyphPoint point : points) scaled.push_back({Px(point.x), Px(point.y)});
  BrushHandle brush(CreateSolidBrush(fill));
  SelectedObject selectedBrush(dc_, brush.get());
  SelectedObject selectedPen(dc_, GetStockObject(NULL_PEN));
  ::Polygon(dc_, scaled.data(), static_cast<int>(scaled.size()));
}

void GlyphCanvas::Rectangle(double left, double top, double right, double bottom, COLORREF fill) {
  BrushHandle brush(CreateSolidBrush(fill));
  RECT area{Px(left), Px(top), Px(right), Px(bottom)};
  FillRect(dc_, &area, brush.get());
}

void GlyphCanvas::Ellipse(double left, double top, double right, double bottom, COLORREF fill) {
  BrushHandle brush(CreateSolidBrush(fill));
  SelectedObject selectedBrush(dc_, brush.get());
  SelectedObject selectedPen(dc_, GetStockObject(NULL_PEN));
  ::Ellipse(dc_, Px(left), Px(top), Px(right), Px(bottom));
}

void GlyphCanvas::Line(std::initializer_list<GlyphPoint> points, double width, COLORREF color) {
  LOGBRUSH brush{BS_SOLID, color, 0};
  PenHandle pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, static_cast<DWORD>(Px(width)),
                             &brush, 0, nullptr));
  SelectedObject selectedPen(dc_, pen.get());
  std::vector<POINT> scaled;
  for (GlyphPoint point : points) scaled.push_back({Px(point.x), Px(point.y)});
  Polyline(dc_, scaled.data(), static_cast<int>(scaled.size()));
}

void GlyphCanvas::Star(double centerX, double centerY, double outer, double inner, int tips, COLORREF fill) {
  std::vector<POINT> points;
  const double pi = 3.14159265358979323846;
  for (int i = 0; i < tips * 2; ++i) {
    const double radius = i % 2 == 0 ? outer : inner;
    const double angle = -pi / 2 + i * pi / tips;
    points.push_back({Px(centerX + radius * std::cos(angle)), Px(centerY + radius * std::sin(angle))});
  }
  BrushHandle brush(CreateSolidBrush(fill));
  SelectedObject selectedBrush(dc_, brush.get());
  SelectedObject selectedPen(dc_, GetStockObject(NULL_PEN));
  ::Polygon(dc_, points.data(), static_cast<int>(points.size()));
}

BitmapHandle RenderGlyphOnColor(const GlyphArt& art, int size, COLORREF background) {
  const std::vector<std::uint32_t> averaged = RenderAveraged(art, size, background);
  PixelBitmap result = MakePixelBitmap(size);
  if (result.pixels) std::copy(averaged.begin(), averaged.end(), result.pixels);
  return std::move(result.bitmap);
}

BitmapHandle RenderGlyphInInk(const GlyphArt& art, int size, COLORREF ink, COLORREF background) {
  const std::uint32_t inkPixel = PixelOf(ink);
  const std::uint32_t backgroundPixel = PixelOf(background);
  const std::vector<std::uint32_t> averaged = RenderAveraged(
      art, size, RGB(255, 255, 255), [&](std::uint32_t pixel) { return IsInk(pixel) ? inkPixel : backgroundPixel; });
  PixelBitmap result = MakePixelBitmap(size);
  if (result.pixels) std::copy(averaged.begin(), averaged.end(), result.pixels);
  return std::move(result.bitmap);
}

// Rendering over black and over white tells each pixel's coverage: where the art is
// opaque both agree, where it is absent they differ by the full range.
IconHandle RenderGlyphIcon(const GlyphArt& art, int size) {
  const std::vector<std::uint32_t> overBlack = RenderAveraged(art, size, RGB(0, 0, 0));
  const std::vector<std::uint32_t> overWhite = RenderAveraged(art, size, RGB(255, 255, 255));
  PixelBitmap color = MakePixelBitmap(size);
  if (!color.pixels) return IconHandle();
  for (std::size_t i = 0; i < overBlack.size(); ++i) {
    const int difference = static_cast<int>((overWhite[i] >> 8) & 0xFF) - static_cast<int>((overBlack[i] >> 8) & 0xFF);
    const int alpha = 255 - std::clamp(difference, 0, 255);
    std::uint32_t pixel = static_cast<std::uint32_t>(alpha) << 24;
    for (int channel = 0; channel < 3 && alpha > 0; ++channel) {
      const int premultiplied = static_cast<int>((overBlack[i] >> (8 * channel)) & 0xFF);
      pixel |= static_cast<std::uint32_t>(std::min(255, premultiplied * 255 / alpha)) << (8 * channel);
    }
    color.pixels[i] = pixel;
  }
  const std::vector<std::uint8_t> clearMask(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0);
  BitmapHandle mask(CreateBitmap(size, size, 1, 1, clearMask.data()));
  ICONINFO info{TRUE, 0, 0, mask.get(), color.bitmap.get()};
  return IconHandle(CreateIconIndirect(&info));
}

}  // namespace kov
