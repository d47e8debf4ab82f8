#include "util/char_case.h"

#include <windows.h>

namespace kov {

// CharUpperBuffA takes a DWORD length; longer texts are mapped in pieces.
template <typename Mapper>
static void MapInPieces(std::string& text, Mapper map) {
  constexpr std::size_t kPiece = 1u << 30;
  for (std::size_t done = 0; done < text.size(); done += kPiece) {
    const std::size_t length = std::min(kPiece, text.size() - done);
    map(text.data() + done, static_cast<DWORD>(length));
  }
}

void UpperInPlace(std::string& text) { MapInPieces(text, CharUpperBuffA); }
void LowerInPlace(std::string& text) { MapInPieces(text, CharLowerBuffA); }

}  // namespace kov
