#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "store/file_system.h"
#include "store/replace_steps.h"

namespace kov {

namespace {

ReadProblem ProblemOf(int error) {
  if (error == EACCES || error == EPERM) return ReadProblem::AccessDenied;
  if (error == EISDIR) return ReadProblem::IsDirectory;
  return ReadProblem::Other;
}

FileRead Unreadable(int error) { return {ReadStatus::Unreadable, {}, std::strerror(error), ProblemOf(error)}; }

}  // namespace

FileRead ReadWholeFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return {ReadStatus::Missing, {}, {}};
    return Unreadable(errno);
  }
  FileRead read{ReadStatus::Read, {}, {}};
  struct stat info {};
  if (fstat(fd, &info) == 0 && info.st_size > kLargestFileRead) {
    close(fd);
    return {ReadStatus::Unreadable, {}, kFileTooLarge, ReadProblem::TooLarge};
  }
  if (info.st_size > 0) read.bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  ssize_t got = 0;
  while ((got = ::read(fd, buffer, sizeof buffer)) > 0) read.bytes.append(buffer, static_cast<std::size_t>(got));
  // A directory opens for reading here; its reads fail with EISDIR.
  if (got < 0) read = Unreadable(errno);
  close(fd);
  return read;
}

namespace {

// 100-nanosecond ticks from 1601 to 1970, where the POSIX clock starts.
constexpr FileTime kTicksBefore1970 = 116444736000000000ULL;

FileTime FileTimeOf(const timespec& time) {
  return kTicksBefore1970 + static_cast<FileTime>(time.tv_sec) * kFileTimeTicksPerSecond +
         static_cast<FileTime>(time.tv_nsec) / 100;
}

FileStamp StampOf(const struct stat& info) {
  return {true, static_cast<std::uint64_t>(info.st_size), FileTimeOf(info.st_mtim)};
}

}  // namespace

FileStamp FileStampOf(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) ? StampOf(info) : FileStamp{};
}

FileTime FileClockNow() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return FileTimeOf(now);
}

void PauseBriefly(int milliseconds) { usleep(static_cast<useconds_t>(milliseconds) * 1000); }

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }

long long FileSizeOf(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) ? static_cast<long long>(info.st_size) : 0;
}

PathKind PathKindOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return PathKind::Missing;
  return S_ISDIR(info.st_mode) ? PathKind::Directory : PathKind::File;
}

bool CreateFolder(const std::string& path) {
  return mkdir(path.c_str(), 0755) == 0 || PathKindOf(path) == PathKind::Directory;
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  DIR* directory = opendir(folder.c_str());
  if (!directory) return names;
  while (const dirent* entry = readdir(directory)) {
    const std::string name = entry->d_name;
    if (PathKindOf(folder + "/" + name) == PathKind::File) names.push_back(name);
  }
  closedir(directory);
  return names;
}

// POSIX has no hidden or system attribute; a read-only file is made writable again, and
// its mode is what RestoreAttributes puts back.
unsigned long MakeWritable(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || (info.st_mode & S_IWUSR) != 0) return 0;
  return chmod(path.c_str(), info.st_mode | S_IWUSR) == 0 ? static_cast<unsigned long>(info.st_mode) : 0;
}

void RestoreAttributes(const std::string& path, unsigned long attributes) {
  if (attributes != 0) chmod(path.c_str(), static_cast<mode_t>(attributes & 07777));
}

namespace {

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

// Writes and flushes the temporary file, then gives it its finished name.
bool WriteFinishedTemporaryFile(const std::string& path, const std::string& bytes, FileStamp& written) {
  const std::string temporary = TemporaryFileFor(path);
  const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  struct stat info {};
  const bool done = WriteAll(fd, bytes) && fsync(fd) == 0 && fstat(fd, &info) == 0;
  const bool closed = close(fd) == 0;
  if (done && closed && std::rename(temporary.c_str(), FinishedTemporaryFileFor(path).c_str()) == 0) {
    written = StampOf(info);
    return true;
  }
  unlink(temporary.c_str());
  return false;
}

// POSIX has no share modes to hold other writers off: the comparison and the move follow
// each other as closely as the calls allow.
SetAside SetAsideIfUnchanged(const std::string& path, const KnownFile& expected) {
  FileRead held = ReadWholeFile(path);
  if (held.status == ReadStatus::Missing) return SetAside::NothingThere;
  if (!expected.stamp.exists) return SetAside::Changed;
  if (held.status != ReadStatus::Read) return SetAside::Failed;
  if (ContentHash(held.bytes) != expected.hash) return SetAside::Changed;
  return std::rename(path.c_str(), SetAsideFileFor(path).c_str()) == 0 ? SetAside::Moved : SetAside::Failed;
}

// A link fails where a name exists: the new file never lands on one another program made.
ReplaceOutcome MoveIntoEmptyPlace(const std::string& path, bool setAside) {
  const std::string finished = FinishedTemporaryFileFor(path);
  const std::string aside = SetAsideFileFor(path);
  if (link(finished.c_str(), path.c_str()) == 0) {
    unlink(finished.c_str());
    return ReplaceOutcome::Replaced;
  }
  const bool taken = errno == EEXIST;
  if (setAside && taken) {
    unlink(aside.c_str());
  } else if (setAside) {
    std::rename(aside.c_str(), path.c_str());
  }
  if (!taken) return ReplaceOutcome::Failed;
  unlink(finished.c_str());
  return ReplaceOutcome::FileChanged;
}

bool PutSetAsideFileBack(const std::string& path) {
  return std::rename(SetAsideFileFor(path).c_str(), path.c_str()) == 0;
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
  FileStamp written;
  return WriteFinishedTemporaryFile(path, bytes, written) &&
         std::rename(FinishedTemporaryFileFor(path).c_str(), path.c_str()) == 0;
}

void DropFinishedTemporaryFile(const std::string& path) { unlink(FinishedTemporaryFileFor(path).c_str()); }

}  // namespace kov
