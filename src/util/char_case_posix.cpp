#include "util/char_case.h"

#include <array>

namespace kov {
namespace {

// Windows-1252 letter pairs beyond ASCII: Š/š, Œ/œ, Ž/ž, Ÿ/ÿ and the Latin-1 block
// except × and ÷; ß and µ have no upper-case partner in the code page.
struct CaseTables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
  CaseTables() {
    for (int c = 0; c < 256; ++c) {
      upper[c] = lower[c] = static_cast<unsigned char>(c);
    }
    auto pair = [this](int big, int small) {
      upper[small] = static_cast<unsigned char>(big);
      lower[big] = static_cast<unsigned char>(small);
    };
    for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c) {
      if (c != 0xD7) pair(c, c + 32);
    }
    pair(0x8A, 0x9A);
    pair(0x8C, 0x9C);
    pair(0x8E, 0x9E);
    pair(0x9F, 0xFF);
  }
};

const CaseTables& Tables() {
  static const CaseTables tables;
  return tables;
}

void Map(std::string& text, const std::array<unsigned char, 256>& table) {
  for (char& c : text) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
}

}  // namespace

void UpperInPlace(std::string& text) { Map(text, Tables().upper); }
void LowerInPlace(std::string& text) { Map(text, Tables().lower); }

}  // namespace kov
