#include "store/settings_file.h"

#include <algorithm>

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

namespace {

// A line that is not UTF-8 was written in the legacy code page; a conversion the
// system refuses keeps its bytes, so nothing is lost.
Text LineAsUtf8(const Text& line) {
  if (IsValidUtf8(line)) return line;
  const Text converted = LegacyToUtf8(line);
  return converted.empty() ? line : converted;
}

}  // namespace

Text SettingsTextAsUtf8(Text bytes) {
  static const Text kByteOrderMark = "\xEF\xBB\xBF";
  const std::size_t start = bytes.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0 ? kByteOrderMark.size() : 0;
  // The usual case takes the bytes as they are, without a copy of a large menu.
  if (IsValidUtf8(bytes)) {
    bytes.erase(0, start);
    return bytes;
  }
  // Line by line, so that a hand-edited UTF-8 menu with one line in the legacy code page
  // keeps its other lines as they are.
  Text text;
  text.reserve(bytes.size() + bytes.size() / 2);
  std::size_t lineStart = start;
  while (lineStart <= bytes.size()) {
    const std::size_t lineEnd = std::min(bytes.find_first_of("\r\n", lineStart), bytes.size());
    text += LineAsUtf8(bytes.substr(lineStart, lineEnd - lineStart));
    if (lineEnd == bytes.size()) break;
    text += bytes[lineEnd];
    lineStart = lineEnd + 1;
  }
  return text;
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
  FileRead read = ReadPatiently(path, patience);
  if (read.status == ReadStatus::Read) {
    LoadEntryText(SettingsTextAsUtf8(std::move(read.bytes)), table);
    if (PathKindOf(temporary) == PathKind::File) RemoveFile(temporary);
    return {MenuSource::File, {}};
  }
  FileRead leftover = ReadWholeFile(temporary);
  if (IsCompleteSave(leftover)) {
    LoadEntryText(SettingsTextAsUtf8(std::move(leftover.bytes)), table);
    return {MenuSource::Recovered, read.reason};
  }
  LoadEntryText(Text(), table);
  if (read.status == ReadStatus::Missing) return {MenuSource::NoFile, {}};
  return {MenuSource::Unreadable, read.reason};
}

bool SaveEntries(const Text& path, const EntryTable& table) {
  const unsigned long attributes = MakeWritable(path);
  const bool saved = ReplaceFileContents(path, EntryFileText(table));
  RestoreAttributes(path, attributes);
  return saved;
}

}  // namespace kov
