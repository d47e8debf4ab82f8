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

// The shell's large (32 pixels at 96 DPI), extra-large (48) and jumbo (256) icons: the
// first whose icons are at least size pixels, else the largest the system has.
ComPtr<IImageList> ShellListFor(int size, int& listSize) {
  ComPtr<IImageList> chosen;
  for (int which : {SHIL_LARGE, SHIL_EXTRALARGE, SHIL_JUMBO}) {
    ComPtr<IImageList> list;
    if (FAILED(SHGetImageList(which, __uuidof(IImageList), reinterpret_cast<void**>(list.put()))) || !list) continue;
    int width = 0;
    int height = 0;
    if (!ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(list.get()), &width, &height)) continue;
    chosen = std::move(list);
    listSize = width;
    if (width >= size) break;
  }
  return chosen;
}

}  // namespace

bool ViewImageList::Reset(int size, COLORREF background) {
  size_ = size;
  background_ = background;
  // With an alpha channel, though every picture is opaque on the view's background: the
  // view tints a selected picture smoothly only then, and dithers one without.
  list_.reset(ImageList_Create(size, size, ILC_COLOR32, kInitialImages, kImagesPerGrowth));
  dc_.reset(CreateCompatibleDC(nullptr));
  canvas_ = MakePixelBitmap(size);
  artImages_.clear();
  shellImages_.clear();
  shellList_ = ShellListFor(size, shellSize_);
  shellCanvas_ = shellSize_ > size ? MakePixelBitmap(shellSize_) : PixelBitmap{};
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
    GdiFlush();
    // Every pixel is opaque: the picture already stands on the view's background.
    std::for_each(canvas_.pixels, canvas_.pixels + size_ * size_, [](std::uint32_t& pixel) { pixel |= 0xFF000000u; });
  }
  return ImageList_Add(list_.get(), canvas_.bitmap.get(), nullptr);
}

RECT ViewImageList::ShellIconInk(int index) {
  RECT ink{0, 0, shellSize_, shellSize_};
  if (!shellCanvas_.bitmap) return ink;
  std::fill(shellCanvas_.pixels, shellCanvas_.pixels + shellSize_ * shellSize_, 0u);
  {
    SelectedObject selected(dc_.get(), shellCanvas_.bitmap.get());
    ImageList_Draw(reinterpret_cast<HIMAGELIST>(shellList_.get()), index, dc_.get(), 0, 0, ILD_NORMAL);
    GdiFlush();
  }
  // Drawn over nothing, the icon's pixels are the only ones with any opacity.
  ink = {shellSize_, shellSize_, 0, 0};
  for (int y = 0; y < shellSize_; ++y) {
    for (int x = 0; x < shellSize_; ++x) {
      if ((shellCanvas_.pixels[y * shellSize_ + x] >> 24) == 0) continue;
      ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
             std::max<LONG>(ink.bottom, y + 1)};
    }
  }
  return ink.right > ink.left ? ink : RECT{0, 0, shellSize_, shellSize_};
}

// A larger icon is drawn smaller, which keeps it sharp; an icon smaller than the size
// shown (the system, or the target, has none so large) is centred at its own size,
// never blown up.
int ViewImageList::AppendShellIcon(int index) {
  const auto source = reinterpret_cast<HIMAGELIST>(shellList_.get());
  if (shellSize_ <= size_) {
    const int offset = (size_ - shellSize_) / 2;
    return AppendDrawn([&](HDC dc) { ImageList_Draw(source, index, dc, offset, offset, ILD_NORMAL); });
  }
  const RECT ink = ShellIconInk(index);
  const int inkWidth = ink.right - ink.left;
  const int inkHeight = ink.bottom - ink.top;
  const bool inACorner = 2 * inkWidth <= shellSize_ && 2 * inkHeight <= shellSize_;
  if (inACorner && inkWidth <= size_ && inkHeight <= size_) {
    const int left = (size_ - inkWidth) / 2 - ink.left;
    const int top = (size_ - inkHeight) / 2 - ink.top;
    return AppendDrawn([&](HDC dc) { ImageList_Draw(source, index, dc, left, top, ILD_NORMAL); });
  }
  const IconHandle icon(ImageList_GetIcon(source, index, ILD_NORMAL));
  if (!icon) return -1;
  return AppendDrawn([&](HDC dc) { DrawIconEx(dc, 0, 0, icon.get(), size_, size_, 0, nullptr, DI_NORMAL); });
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

int ViewImageList::ShellIconIndex(const Text& key, const Text& path) {
  const auto known = shellIconIndices_.find(key);
  if (known != shellIconIndices_.end()) return known->second;
  SHFILEINFOA info{};
  const bool byType = key[0] == '*';
  if (!SHGetFileInfoA(byType ? key.substr(1).c_str() : path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                      SHGFI_SYSICONINDEX | (byType ? SHGFI_USEFILEATTRIBUTES : 0))) {
    return -1;
  }
  shellIconIndices_.emplace(key, info.iIcon);
  return info.iIcon;
}

int ViewImageList::ShellImage(const Text& path, bool isDirectory) {
  const Text key = IconKey(path, isDirectory);
  const auto known = shellImages_.find(key);
  if (known != shellImages_.end()) return known->second;
  if (!shellList_) return -1;
  const int shellIndex = ShellIconIndex(key, path);
  if (shellIndex < 0) return -1;
  const int image = AppendShellIcon(shellIndex);
  if (image >= 0) shellImages_.emplace(key, image);
  return image;
}

}  // namespace kov
