#include "util/colors.h"

#include <algorithm>

namespace kov {

Rgb Mix(Rgb a, Rgb b, int percentOfB) {
  auto channel = [&](int shift) {
    const int from = static_cast<int>((a >> shift) & 0xFF);
    const int to = static_cast<int>((b >> shift) & 0xFF);
    return static_cast<Rgb>(from + (to - from) * percentOfB / 100) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

bool IsInk(std::uint32_t pixelOverWhite) {
  constexpr std::uint32_t kNearlyWhite = 224;
  return std::min({pixelOverWhite & 0xFF, (pixelOverWhite >> 8) & 0xFF, (pixelOverWhite >> 16) & 0xFF}) < kNearlyWhite;
}

}  // namespace kov
