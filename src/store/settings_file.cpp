#include "store/settings_file.h"

#include "store/file_system.h"
#include "util/code_page.h"
#include "util/utf8.h"

namespace kov {

Text SettingsPathFor(const Text& programPath) {
  const Text lower = LowerText(programPath);
  const Text extension = ".exe";
  if (lower.size() >= extension.size() && lower.compare(lower.size() - extension.size(), Text::npos, extension) == 0) {
    return lower.substr(0, lower.size() - extension.size()) + ".ini";
  }
  return lower + ".ini";
}

Text SettingsTextAsUtf8(const Text& bytes) {
  static const Text kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) {
    const Text rest = bytes.substr(kByteOrderMark.size());
    if (IsValidUtf8(rest)) return rest;
  }
  if (IsValidUtf8(bytes)) return bytes;
  const Text converted = LegacyToUtf8(bytes);
  // A conversion the system refuses keeps the bytes: nothing is lost.
  return converted.empty() ? bytes : converted;
}

namespace {

FileRead ReadPatiently(const Text& path, const ReadPatience& patience) {
  FileRead read = ReadWholeFile(path);
  for (int attempt = 1; attempt < patience.attempts && read.status == ReadStatus::Unreadable; ++attempt) {
    PauseBriefly(patience.pauseMilliseconds);
    read = ReadWholeFile(path);
  }
  return read;
}

// Every save writes a line end after its last line, so a temporary file that ends
// with one was written to its end before the save was interrupted.
bool IsCompleteSave(const FileRead& read) {
  const Text& bytes = read.bytes;
  return read.status == ReadStatus::Read && bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0;
}

}  // namespace

LoadReport LoadEntries(const Text& path, EntryTable& table, ReadPatience patience) {
  const Text temporary = TemporaryFileFor(path);
  const FileRead read = ReadPatiently(path, patience);
  if (read.status == ReadStatus::Read) {
    LoadEntryText(SettingsTextAsUtf8(read.bytes), table);
    if (PathKindOf(temporary) == PathKind::File) RemoveFile(temporary);
    return {MenuSource::File, {}};
  }
  const FileRead leftover = ReadWholeFile(temporary);
  if (IsCompleteSave(leftover)) {
    LoadEntryText(SettingsTextAsUtf8(leftover.bytes), table);
    return {MenuSource::Recovered, read.reason};
  }
  LoadEntryText(Text(), table);
  if (read.status == ReadStatus::Missing) return {MenuSource::NoFile, {}};
  return {MenuSource::Unreadable, read.reason};
}

bool SaveEntries(const Text& path, const EntryTable& table) {
  const unsigned long attributes = MakeWritable(path);
  if (ReplaceFileContents(path, EntryFileText(table))) return true;
  RestoreAttributes(path, attributes);
  return false;
}

}  // namespace kov
