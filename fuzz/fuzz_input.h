// Reads a fuzzer's input as the arguments of one call: small numbers from single bytes
// and texts that carry their length in a leading byte, so that a hand-written seed stays
// readable and a mutation changes one argument at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace kov::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  // The next byte; 0 once the input is used up.
  std::uint8_t TakeByte() { return at_ < size_ ? data_[at_++] : 0; }

  // A signed number made of the next four bytes, low byte first.
  std::int32_t TakeInt32() {
    std::uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8) value |= static_cast<std::uint32_t>(TakeByte()) << shift;
    return static_cast<std::int32_t>(value);
  }

  // A text of as many bytes as the next byte says (fewer when the input ends first).
  std::string TakeText() {
    const std::size_t wanted = TakeByte();
    const std::size_t length = wanted < size_ - at_ ? wanted : size_ - at_;
    std::string text(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return text;
  }

  // How many bytes are not taken yet.
  std::size_t Left() const { return size_ - at_; }

  // Everything not taken yet.
  std::string TakeRest() {
    std::string text(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
    at_ = size_;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Stops the run with the broken rule; libFuzzer keeps the input that broke it.
inline void Require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", rule);
  std::abort();
}

}  // namespace kov::fuzz
