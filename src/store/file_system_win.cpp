#include <windows.h>

#include <vector>

#include "store/file_system.h"
#include "store/replace_steps.h"
#include "util/handles_win.h"
#include "util/wide_text_win.h"

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

// Fills bytes, already as long as the file, from an open file; the error that stopped it,
// or ERROR_SUCCESS.
DWORD ReadInto(HANDLE file, std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file, bytes.data() + done, wanted, &got, nullptr)) return GetLastError();
    if (got == 0) return ERROR_HANDLE_EOF;
    done += got;
  }
  return ERROR_SUCCESS;
}

std::uint64_t Wide64(DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; }

}  // namespace

FileStamp FileStampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return {};
  return {true, Wide64(data.nFileSizeHigh, data.nFileSizeLow),
          Wide64(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

FileTime FileClockNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return Wide64(now.dwHighDateTime, now.dwLowDateTime);
}

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
  // Returned as it is, not copied: a state file of years is megabytes.
  if (const DWORD error = ReadInto(file.get(), read.bytes); error != ERROR_SUCCESS) return Unreadable(path, error);
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

// Gives the written file its write time now, explicitly, so that what it is stamped with
// is known from this handle and no later closing or caching moves it.
bool StampWritten(HANDLE file, FileStamp& written) {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  BY_HANDLE_FILE_INFORMATION info;
  if (!SetFileTime(file, nullptr, nullptr, &now) || !GetFileInformationByHandle(file, &info)) return false;
  written = {true, Wide64(info.nFileSizeHigh, info.nFileSizeLow),
             Wide64(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)};
  return true;
}

}  // namespace

// Writes, flushes and stamps the temporary file, then gives it its finished name.
bool WriteFinishedTemporaryFile(const std::string& path, const std::string& bytes, FileStamp& written) {
  const std::string temporary = TemporaryFileFor(path);
  bool done = false;
  {
    FileHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file) return false;
    done = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get()) && StampWritten(file.get(), written);
  }
  if (done && MoveOnto(temporary, FinishedTemporaryFileFor(path))) return true;
  DeleteFileA(temporary.c_str());
  return false;
}

namespace {

// Renames the file an open handle holds; the handle must carry DELETE access.
bool RenameHeldFile(HANDLE file, const std::string& to) {
  const std::wstring name = WideText(to);
  wchar_t full[MAX_PATH * 4];
  const DWORD length = GetFullPathNameW(name.c_str(), MAX_PATH * 4, full, nullptr);
  if (length == 0 || length >= MAX_PATH * 4) return false;
  std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + length * sizeof(wchar_t));
  auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  info->ReplaceIfExists = TRUE;
  info->RootDirectory = nullptr;
  info->FileNameLength = length * sizeof(wchar_t);
  std::copy(full, full + length + 1, info->FileName);
  return SetFileInformationByHandle(file, FileRenameInfo, info, static_cast<DWORD>(buffer.size())) != FALSE;
}

}  // namespace

// Holds the file at path shut to writers and deleters, compares what it holds with the
// expected file and, when it is that file, moves it aside under the same hold: no other
// program can write it between the comparison and the move.
SetAside SetAsideIfUnchanged(const std::string& path, const KnownFile& expected) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? SetAside::NothingThere : SetAside::Failed;
  }
  // A file has appeared where Kovrant knew of none.
  if (!expected.stamp.exists) return SetAside::Changed;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestFileRead) return SetAside::Failed;
  std::string held(static_cast<std::size_t>(size.QuadPart), '\0');
  if (ReadInto(file.get(), held) != ERROR_SUCCESS) return SetAside::Failed;
  if (ContentHash(held) != expected.hash) return SetAside::Changed;
  return RenameHeldFile(file.get(), SetAsideFileFor(path)) ? SetAside::Moved : SetAside::Failed;
}

// The new file goes into the place the old one left; a file another program put there
// meanwhile is not written over.
ReplaceOutcome MoveIntoEmptyPlace(const std::string& path, bool setAside) {
  const std::string finished = FinishedTemporaryFileFor(path);
  const std::string aside = SetAsideFileFor(path);
  if (MoveFileExA(finished.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) return ReplaceOutcome::Replaced;
  const DWORD error = GetLastError();
  const bool taken = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
  if (setAside && taken) {
    // The file Kovrant knew: the window holds it, and more.
    DeleteFileA(aside.c_str());
  } else if (setAside) {
    MoveFileExA(aside.c_str(), path.c_str(), 0);
  }
  if (!taken) return ReplaceOutcome::Failed;
  DeleteFileA(finished.c_str());
  return ReplaceOutcome::FileChanged;
}

bool PutSetAsideFileBack(const std::string& path) { return MoveOnto(SetAsideFileFor(path), path); }

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
  FileStamp written;
  return WriteFinishedTemporaryFile(path, bytes, written) && MoveOnto(FinishedTemporaryFileFor(path), path);
}

void DropFinishedTemporaryFile(const std::string& path) { DeleteFileA(FinishedTemporaryFileFor(path).c_str()); }

}  // namespace kov
