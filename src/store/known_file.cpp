#include "store/known_file.h"

#include <cstring>

namespace kov {

namespace {

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;

std::uint64_t Mix(std::uint64_t value) {
  value ^= value >> 32;
  value *= 0xD6E8FEB86659FD93ULL;
  value ^= value >> 32;
  return value;
}

}  // namespace

// Eight bytes a step, so a menu of ten megabytes is hashed in a few milliseconds.
std::uint64_t ContentHash(std::string_view bytes) {
  std::uint64_t hash = bytes.size() * kMultiplier;
  std::size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + at, 8);
    hash = (hash ^ Mix(word + at)) * kMultiplier;
  }
  std::uint64_t tail = 0;
  if (at < bytes.size()) std::memcpy(&tail, bytes.data() + at, bytes.size() - at);
  return Mix(hash ^ Mix(tail ^ (bytes.size() - at)));
}

bool MustCompareContents(const KnownFile& known, FileTime now) {
  if (!known.stamp.exists) return false;
  const FileTime write = known.stamp.writeTime;
  const FileTime stepBefore = write > kCoarsestWriteTimeStep ? write - kCoarsestWriteTimeStep : 0;
  return known.verifiedAt < write + kCoarsestWriteTimeStep && now > stepBefore;
}

}  // namespace kov
