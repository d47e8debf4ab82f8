#include "ui/view_image_list_win.h"

#include <shellapi.h>

#include <algorithm>

namespace kov {

namespace {

// Images are few (one per distinct icon), so the list grows a little at a time.
constexpr int kInitialImages = 16;
constexpr int kImagesPerGrowth = 16;

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

bool ViewImageList::Reset(int size, COLORREF background) {
  size_ = size;
  background_ = background;
  // Without an alpha channel: every picture is opaque, standing on the view's background,
  // and is copied as it is where an image with one would be blended pixel by pixel.
  list_.reset(ImageList_Create(size, size, ILC_COLOR24, kInitialImages, kImagesPerGrowth));
  dc_.reset(CreateCompatibleDC(nullptr));
  canvas_ = MakePixelBitmap(size);
  artImages_.clear();
  shellImages_.clear();
  return list_ && dc_ && canvas_.bitmap;
}

template <typename Draw>
int ViewImageList::AppendDrawn(const Draw& draw) {
  {
    SelectedObject selected(dc_.get(), canvas_.bitmap.get());
    BrushHandle backgroundBrush(CreateSolidBrush(background_));
    RECT all{0, 0, size_, size_};
    FillRect(dc_.get(), &all, backgroundBrush.get());
    draw(dc_.get());
  }
  return ImageList_Add(list_.get(), canvas_.bitmap.get(), nullptr);
}

int ViewImageList::AppendCopy(HIMAGELIST source, int index) {
  return AppendDrawn([&](HDC dc) { ImageList_Draw(source, index, dc, 0, 0, ILD_NORMAL); });
}

int ViewImageList::AppendBitmap(HBITMAP bitmap) {
  return AppendDrawn([&](HDC dc) {
    MemoryDcHandle source(CreateCompatibleDC(dc));
    SelectedObject selected(source.get(), bitmap);
    BitBlt(dc, 0, 0, size_, size_, source.get(), 0, 0, SRCCOPY);
  });
}

int ViewImageList::ArtImage(int id, const GlyphArt& art) {
  const auto known = artImages_.find(id);
  if (known != artImages_.end()) return known->second;
  const BitmapHandle picture = RenderGlyphOnColor(art, size_, background_);
  const int image = AppendBitmap(picture.get());
  if (image >= 0) artImages_.emplace(id, image);
  return image;
}

int ViewImageList::ShellImage(const Text& path, bool isDirectory) {
  const Text key = IconKey(path, isDirectory);
  const auto known = shellImages_.find(key);
  if (known != shellImages_.end()) return known->second;
  SHFILEINFOA info{};
  const bool byType = key[0] == '*';
  const auto shellList = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA(byType ? key.substr(1).c_str() : path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                     SHGFI_SYSICONINDEX | SHGFI_LARGEICON | (byType ? SHGFI_USEFILEATTRIBUTES : 0)));
  if (shellList == nullptr) return -1;
  const int image = AppendCopy(shellList, info.iIcon);
  if (image >= 0) shellImages_.emplace(key, image);
  return image;
}

}  // namespace kov
