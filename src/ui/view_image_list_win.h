// The images of the folder view: one opaque picture per distinct icon (a stock picture,
// a file type, a file with an icon of its own), drawn over the view's background onto a
// bitmap of the icon size and added without a mask. Icons that look alike share one
// image, so a folder of a thousand documents of ten types holds ten images, and drawing
// a bitmap is many times faster than adding icons one by one.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commoncontrols.h>

#include <map>
#include <unordered_map>

#include "util/glyph_painter_win.h"
#include "util/handles_win.h"
#include "util/text.h"

namespace kov {

class ViewImageList {
 public:
  ViewImageList() = default;
  // Starts a fresh, empty image list of size x size images over the given background.
  [[nodiscard]] bool Reset(int size, COLORREF background);
  HIMAGELIST List() const { return list_.get(); }

  // The image of a picture drawn in code, keyed by id; drawn on first use.
  int ArtImage(int id, const GlyphArt& art);
  // The image of the shell's icon for an existing path, from the shell's images of the
  // size shown or the next larger ones; -1 when the shell has none.
  int ShellImage(const Text& path, bool isDirectory);

 private:
  int AppendShellIcon(int index);
  // Where the shell's image of a size larger than shown holds its icon: all of it, or
  // for a target that has no icon so large, the corner the system drew a smaller one in.
  RECT ShellIconInk(int index);
  int AppendBitmap(HBITMAP bitmap);
  template <typename Draw>
  int AppendDrawn(const Draw& draw);
  // The shell's index of the icon of the file with this key and path; -1 when it has none.
  int ShellIconIndex(const Text& key, const Text& path);

  ImageListHandle list_;
  // The shell's images of the size shown, or the nearest larger, or its largest.
  ComPtr<IImageList> shellList_;
  int shellSize_ = 0;
  PixelBitmap shellCanvas_;  // one of the shell's images, to see where it holds its icon
  MemoryDcHandle dc_;
  PixelBitmap canvas_;
  int size_ = 0;
  COLORREF background_ = 0;
  std::map<int, int> artImages_;
  // The image of each shell icon, found once per file type or, for files with icons of
  // their own, once per path.
  std::unordered_map<Text, int> shellImages_;
  // The shell's index of each of those icons, the same in its lists of every size: kept
  // when the size changes, so that a new size asks the shell only for the pictures.
  std::unordered_map<Text, int> shellIconIndices_;
};

}  // namespace kov
