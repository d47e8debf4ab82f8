#include "ui/artwork_win.h"

namespace kov {

namespace {

constexpr COLORREF kBlue = RGB(47, 111, 214);
constexpr COLORREF kDarkBlue = RGB(28, 72, 150);
constexpr COLORREF kFolderYellow = RGB(246, 196, 72);
constexpr COLORREF kFolderShade = RGB(222, 160, 40);
constexpr COLORREF kGreen = RGB(46, 160, 67);
constexpr COLORREF kRed = RGB(214, 48, 49);
constexpr COLORREF kPaper = RGB(252, 252, 252);
constexpr COLORREF kPaperEdge = RGB(150, 160, 175);
constexpr COLORREF kGrey = RGB(120, 128, 140);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLensRim = RGB(60, 70, 85);
constexpr COLORREF kLensGlass = RGB(200, 230, 255);

void Folder(GlyphCanvas& c, COLORREF body, COLORREF back) {
  c.Polygon({{2, 7}, {12, 7}, {15, 10}, {30, 10}, {30, 27}, {2, 27}}, back);
  c.Polygon({{2, 13}, {30, 13}, {30, 27}, {2, 27}}, body);
}

void Page(GlyphCanvas& c, COLORREF paper) {
  c.Polygon({{6, 2}, {20, 2}, {27, 9}, {27, 30}, {6, 30}}, kPaperEdge);
  c.Polygon({{7, 3}, {19, 3}, {26, 10}, {26, 29}, {7, 29}}, paper);
  c.Polygon({{19, 3}, {26, 10}, {19, 10}}, kPaperEdge);
}

void Arrow(GlyphCanvas& c, bool pointsLeft, COLORREF color) {
  if (pointsLeft) {
    c.Polygon({{4, 16}, {15, 6}, {15, 12}, {28, 12}, {28, 20}, {15, 20}, {15, 26}}, color);
  } else {
    c.Polygon({{28, 16}, {17, 6}, {17, 12}, {4, 12}, {4, 20}, {17, 20}, {17, 26}}, color);
  }
}

}  // namespace

GlyphArt ToolGlyphArt(ToolGlyph glyph) {
  switch (glyph) {
    case ToolGlyph::Back:
      return [](GlyphCanvas& c) {
        c.Line({{26, 26}, {26, 18}, {24, 14}, {20, 12}, {8, 12}}, 4, kBlue);
        c.Polygon({{2, 12}, {11, 4}, {11, 20}}, kBlue);
      };
    case ToolGlyph::NewFolder:
      return [](GlyphCanvas& c) {
        Folder(c, kFolderYellow, kFolderShade);
        c.Ellipse(16, 14, 32, 30, kWhite);
        c.Ellipse(17, 15, 31, 29, kGreen);
        c.Rectangle(23, 17.5, 25, 26.5, kWhite);
        c.Rectangle(19.5, 21, 28.5, 23, kWhite);
      };
    case ToolGlyph::ShellFolders:
      return [](GlyphCanvas& c) {
        c.Rectangle(3, 4, 29, 22, kDarkBlue);
        c.Rectangle(5, 6, 27, 20, RGB(120, 185, 245));
        c.Polygon({{13, 22}, {19, 22}, {20, 27}, {12, 27}}, kGrey);
        c.Rectangle(8, 27, 24, 29, kGrey);
        c.Polygon({{8, 10}, {13, 10}, {14, 11.5}, {21, 11.5}, {21, 17}, {8, 17}}, kFolderYellow);
      };
    case ToolGlyph::GodMode:
      return [](GlyphCanvas& c) {
        c.Star(16, 16, 14, 10.5, 10, kGrey);
        c.Ellipse(6, 6, 26, 26, kGrey);
        c.Ellipse(10, 10, 22, 22, RGB(236, 240, 255));
        c.Star(16, 16, 5.5, 2.5, 5, kFolderShade);
      };
    case ToolGlyph::MoveLeft:
      return [](GlyphCanvas& c) { Arrow(c, true, kBlue); };
    case ToolGlyph::MoveRight:
      return [](GlyphCanvas& c) { Arrow(c, false, kBlue); };
    case ToolGlyph::Info:
      return [](GlyphCanvas& c) {
        c.Ellipse(3, 3, 29, 29, kBlue);
        c.Ellipse(14, 7, 18.5, 11.5, kWhite);
        c.Rectangle(14, 13.5, 18.5, 25, kWhite);
      };
  }
  return [](GlyphCanvas&) {};
}

GlyphArt MenuGlyphArt(MenuGlyph glyph) {
  switch (glyph) {
    case MenuGlyph::Open:
      return [](GlyphCanvas& c) { c.Polygon({{8, 4}, {28, 16}, {8, 28}}, kGreen); };
    case MenuGlyph::RunAsAdministrator:
      return [](GlyphCanvas& c) {
        c.Polygon({{16, 2}, {28, 6}, {28, 15}, {25, 23}, {16, 30}, {7, 23}, {4, 15}, {4, 6}}, kBlue);
        c.Polygon({{16, 2}, {28, 6}, {28, 15}, {16, 15}}, kFolderYellow);
        c.Polygon({{16, 15}, {4, 15}, {7, 23}, {16, 30}}, kFolderYellow);
      };
    case MenuGlyph::FileLocation:
      return [](GlyphCanvas& c) {
        c.Polygon({{1, 5}, {11, 5}, {14, 8}, {28, 8}, {28, 25}, {1, 25}}, kFolderShade);
        c.Polygon({{1, 11}, {28, 11}, {28, 25}, {1, 25}}, kFolderYellow);
        c.Line({{24, 24}, {30, 30}}, 4, kLensRim);
        c.Ellipse(12, 12, 27, 27, kLensRim);
        c.Ellipse(14.5, 14.5, 24.5, 24.5, kLensGlass);
      };
    case MenuGlyph::Properties:
      return [](GlyphCanvas& c) {
        Page(c, kPaper);
        for (double y : {13.0, 18.0, 23.0}) c.Rectangle(10, y, 22, y + 2.5, kGrey);
      };
    case MenuGlyph::Delete:
      return [](GlyphCanvas& c) {
        c.Line({{7, 7}, {25, 25}}, 6, kRed);
        c.Line({{25, 7}, {7, 25}}, 6, kRed);
      };
  }
  return [](GlyphCanvas&) {};
}

GlyphArt StockImageArt(int index) {
  switch (index) {
    case 0:  // a document
      return [](GlyphCanvas& c) {
        Page(c, kPaper);
        for (int row = 0; row < 4; ++row) c.Rectangle(10, 14 + row * 4, 23, 15.5 + row * 4, kPaperEdge);
      };
    case 1:  // a program window
      return [](GlyphCanvas& c) {
        c.Rectangle(2, 5, 30, 27, kDarkBlue);
        c.Rectangle(4, 10, 28, 25, kPaper);
        c.Rectangle(24, 6.5, 27, 8.5, kWhite);
      };
    case kStockMissingTarget:
      return [](GlyphCanvas& c) {
        Page(c, RGB(235, 237, 240));
        c.Line({{10, 13}, {23, 26}}, 3.5, kRed);
        c.Line({{23, 13}, {10, 26}}, 3.5, kRed);
      };
    case 3:  // a directory of the file system
      return [](GlyphCanvas& c) { Folder(c, RGB(120, 170, 235), kBlue); };
    case 4:  // a link
      return [](GlyphCanvas& c) {
        Page(c, kPaper);
        c.Rectangle(7, 19, 17, 29, kWhite);
        c.Line({{9, 27}, {9, 23}, {11, 21}, {15, 21}}, 2, kBlue);
        c.Polygon({{14, 18}, {17, 21}, {14, 24}}, kBlue);
      };
    default:  // a virtual folder of the menu
      return [](GlyphCanvas& c) {
        Folder(c, kFolderYellow, kFolderShade);
        for (int row = 0; row < 2; ++row) {
          for (int column = 0; column < 3; ++column) {
            c.Rectangle(8 + column * 6, 16 + row * 5, 12 + column * 6, 19.5 + row * 5, RGB(255, 240, 200));
          }
        }
      };
  }
}

}  // namespace kov
