#include "ui/view_image_list_win.h"

#include <shellapi.h>

#include <algorithm>

namespace kov {

bool ViewImageList::Reset(int size, COLORREF background) {
  size_ = size;
  background_ = background;
  list_.reset(ImageList_Create(size, size, ILC_COLOR32, 16, 64));
  dc_.reset(CreateCompatibleDC(nullptr));
  canvas_ = MakePixelBitmap(size);
  shellIconIndex_.clear();
  return list_ && dc_ && canvas_.bitmap;
}

void ViewImageList::AppendCopy(HIMAGELIST source, int index) {
  {
    SelectedObject selected(dc_.get(), canvas_.bitmap.get());
    BrushHandle backgroundBrush(CreateSolidBrush(background_));
    RECT all{0, 0, size_, size_};
    FillRect(dc_.get(), &all, backgroundBrush.get());
    ImageList_Draw(source, index, dc_.get(), 0, 0, ILD_NORMAL);
    GdiFlush();
    // Every pixel is opaque: the picture already stands on the view's background.
    std::for_each(canvas_.pixels, canvas_.pixels + size_ * size_, [](std::uint32_t& pixel) { pixel |= 0xFF000000u; });
  }
  ImageList_Add(list_.get(), canvas_.bitmap.get(), nullptr);
}

namespace {

// Files whose icon the shell takes from the file itself; every other file shows the
// icon of its type, which one look-up per extension finds.
bool HasIconOfItsOwn(const Text& upperExtension) {
  static const Text kOwnIcons[] = {".EXE", ".ICO", ".CUR", ".ANI", ".LNK", ".URL", ".SCR", ".CPL", ".DLL", ".MSC"};
  return std::find(std::begin(kOwnIcons), std::end(kOwnIcons), upperExtension) != std::end(kOwnIcons);
}

// The cache key of a path's icon: the extension when the icon follows the type, else
// the path itself. Directories (no extension test applies to them) go by path.
Text IconKey(const Text& path, bool isDirectory) {
  const Text upper = UpperText(path);
  const std::size_t dot = upper.find_last_of(".\\:");
  if (isDirectory || dot == Text::npos || upper[dot] != '.') return upper;
  const Text extension = upper.substr(dot);
  return HasIconOfItsOwn(extension) ? upper : "*" + extension;
}

}  // namespace

bool ViewImageList::AppendShellIcon(const Text& path, bool isDirectory) {
  const Text key = IconKey(path, isDirectory);
  auto known = shellIconIndex_.find(key);
  if (known == shellIconIndex_.end()) {
    SHFILEINFOA info{};
    const bool byType = key[0] == '*';
    const auto list = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA(byType ? key.substr(1).c_str() : path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_SYSICONINDEX | SHGFI_LARGEICON | (byType ? SHGFI_USEFILEATTRIBUTES : 0)));
    if (list == nullptr) return false;
    shellList_ = list;
    known = shellIconIndex_.emplace(key, info.iIcon).first;
  }
  AppendCopy(shellList_, known->second);
  return true;
}

}  // namespace kov
