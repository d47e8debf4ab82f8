// The program's own pictures: tool-button glyphs, context-menu images and the stock
// images of the view, all in one palette.
#pragma once

#include "util/glyph_painter_win.h"

namespace kov {

enum class ToolGlyph { Back, NewFolder, ShellFolders, GodMode, MoveLeft, MoveRight, Info };

GlyphArt ToolGlyphArt(ToolGlyph glyph);

enum class MenuGlyph { Open, RunAsAdministrator, FileLocation, Properties, Delete };

GlyphArt MenuGlyphArt(MenuGlyph glyph);

// The six stock images of the view, in image-list order. Image 2 marks a missing
// target and image 5 a virtual folder.
inline constexpr int kStockImageCount = 6;
inline constexpr int kStockMissingTarget = 2;
inline constexpr int kStockVirtualFolder = 5;
GlyphArt StockImageArt(int index);

}  // namespace kov
