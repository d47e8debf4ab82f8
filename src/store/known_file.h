// What Kovrant knows of a file it read or wrote: its size and write time then, and a
// hash of what it held. Size and time alone cannot prove a file unchanged: FAT keeps
// write times to two seconds, exFAT and some sync tools to whole seconds, so an edit of
// the same size made within that step of Kovrant's own read or write can carry the very
// same stamp. While that can be, the contents are compared.
#pragma once

#include <cstdint>
#include <string_view>

namespace kov {

// Times are the file system's clock: 100-nanosecond ticks since 1601, in UTC.
using FileTime = std::uint64_t;
inline constexpr FileTime kFileTimeTicksPerSecond = 10'000'000;
// The coarsest step in which a volume keeps write times (FAT's two seconds).
inline constexpr FileTime kCoarsestWriteTimeStep = 2 * kFileTimeTicksPerSecond;

// A file as its directory entry describes it.
struct FileStamp {
  bool exists = false;
  std::uint64_t size = 0;
  FileTime writeTime = 0;
  bool operator==(const FileStamp&) const = default;
};

// A hash of a file's bytes, to tell a changed file from the one Kovrant knows without
// keeping a copy of it. Not for security: another program gains nothing by a collision.
std::uint64_t ContentHash(std::string_view bytes);

struct KnownFile {
  FileStamp stamp;          // as Kovrant last saw it; exists is false for no file
  std::uint64_t hash = 0;   // of what the file held then
  FileTime verifiedAt = 0;  // the file held exactly that at least until this moment
};

// True when the file, still carrying the known stamp, may have been written since its
// contents were last verified without its stamp showing it: some moment after
// verifiedAt and up to now lies within a write-time step of its write time. An edit made
// then could be stamped with the same time; one made later could not. A write time in
// the future (another PC's clock) is compared once the clock comes near it.
bool MustCompareContents(const KnownFile& known, FileTime now);

}  // namespace kov
