// TrimText in every mode against a step-by-step rendering of the documented rules.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "util/text.h"

namespace kov::fuzz {
namespace {

std::string Without(std::string text, char removed) {
  std::string result;
  for (const char c : text) {
    if (c != removed) result += c;
  }
  return result;
}

std::string TrimmedSlowly(std::string text, int mode) {
  if (mode == -1) return Without(Without(text, '\t'), ' ');
  if (mode == 0) return Without(text, ' ');
  if (mode & 8) {
    for (char& c : text) {
      if (c == '\t') c = ' ';
    }
  }
  if (text.find_first_not_of(' ') == std::string::npos) return std::string();
  if (mode & 1) {
    while (!text.empty() && text.front() == ' ') text.erase(0, 1);
  }
  if (mode & 4) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
  }
  if (mode & 2) {
    for (std::size_t pair = text.find("  "); pair != std::string::npos; pair = text.find("  ")) text.erase(pair, 1);
  }
  if (mode & 16) {
    while (!text.empty() && text.back() == '\t') text.pop_back();
  }
  if (mode & 32) {
    while (!text.empty() && text.front() == '\t') text.erase(0, 1);
  }
  return text;
}

}  // namespace
}  // namespace kov::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kov::fuzz;
  FuzzInput input(data, size);
  // A byte gives the modes in use and every flag combination; four bytes any mode at all.
  const std::uint8_t modeChoice = input.TakeByte();
  const int mode = modeChoice == 0xFF ? input.TakeInt32() : static_cast<int>(modeChoice % 66) - 1;
  const std::string text = input.TakeRest();
  const std::string trimmed = kov::TrimText(text, mode);
  Require(trimmed == TrimmedSlowly(text, mode), "TrimText follows the rules of its mode");
  Require(trimmed.size() <= text.size(), "trimming never lengthens a text");
  return 0;
}
