#include <windows.h>

#include "store/file_system.h"
#include "util/handles_win.h"

namespace kov {

namespace {

// The system's words for an error code, without the line break it ends with.
std::string SystemMessage(DWORD error) {
  char* text = nullptr;
  const DWORD length =
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length > 0 ? std::string(text, length) : "Error " + std::to_string(error) + ".";
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
    message.pop_back();
  }
  return message;
}

ReadProblem ProblemOf(const std::string& path, DWORD error) {
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return ReadProblem::Locked;
  if (error != ERROR_ACCESS_DENIED) return ReadProblem::Other;
  // Opening a directory as a file is refused as access denied.
  return PathKindOf(path) == PathKind::Directory ? ReadProblem::IsDirectory : ReadProblem::AccessDenied;
}

FileRead Unreadable(const std::string& path, DWORD error) {
  return {ReadStatus::Unreadable, std::string(), SystemMessage(error), ProblemOf(path, error)};
}

}  // namespace

FileRead ReadWholeFile(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {ReadStatus::Missing, {}, {}};
    return Unreadable(path, error);
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return Unreadable(path, GetLastError());
  if (size.QuadPart > kLargestFileRead) {
    return {ReadStatus::Unreadable, std::string(), kFileTooLarge, ReadProblem::TooLarge};
  }
  FileRead read{ReadStatus::Read, std::string(static_cast<std::size_t>(size.QuadPart), '\0'), {}};
  std::size_t done = 0;
  while (done < read.bytes.size()) {
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(read.bytes.size() - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file.get(), read.bytes.data() + done, wanted, &got, nullptr)) return Unreadable(path, GetLastError());
    if (got == 0) return Unreadable(path, ERROR_HANDLE_EOF);
    done += got;
  }
  return read;
}

void PauseBriefly(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

long long FileSizeOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

PathKind PathKindOf(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Directory : PathKind::File;
}

bool CreateFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) || PathKindOf(path) == PathKind::Directory;
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  FindHandle search(FindFirstFileA((folder + "\\*").c_str(), &found));
  if (!search) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileA(search.get(), &found));
  return names;
}

unsigned long MakeWritable(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
  if (!(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) return 0;
  return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_ARCHIVE) ? attributes : 0;
}

void RestoreAttributes(const std::string& path, unsigned long attributes) {
  if (attributes != 0) SetFileAttributesA(path.c_str(), attributes);
}

namespace {

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, wanted, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

bool MoveOnto(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

// Writes and flushes the temporary file, then gives it its finished name.
bool WriteFinishedTemporaryFile(const std::string& path, const std::string& bytes) {
  const std::string temporary = TemporaryFileFor(path);
  bool written = false;
  {
    FileHandle file(
        CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
  }
  if (written && MoveOnto(temporary, FinishedTemporaryFileFor(path))) return true;
  DeleteFileA(temporary.c_str());
  return false;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
  return WriteFinishedTemporaryFile(path, bytes) && MoveOnto(FinishedTemporaryFileFor(path), path);
}

}  // namespace kov
