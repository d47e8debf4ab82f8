#include "store/settings_file.h"

#include <algorithm>
#include <optional>

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

// A file another program holds may be free a moment later; a directory in its place or
// a file far too large will not change.
bool MayBeReadableSoon(const FileRead& read) {
  return read.status == ReadStatus::Unreadable && read.problem != ReadProblem::IsDirectory &&
         read.problem != ReadProblem::TooLarge;
}

FileRead ReadPatiently(const Text& path, const ReadPatience& patience) {
  FileRead read = ReadWholeFile(path);
  for (int attempt = 1; attempt < patience.attempts && MayBeReadableSoon(read); ++attempt) {
    PauseBriefly(patience.pauseMilliseconds);
    read = ReadWholeFile(path);
  }
  return read;
}

// The bytes of a temporary file an interrupted save left, when it can be read.
std::optional<Text> LeftoverBytes(const Text& temporary) {
  FileRead leftover = ReadWholeFile(temporary);
  if (leftover.status != ReadStatus::Read) return std::nullopt;
  return std::move(leftover.bytes);
}

void RemoveLeftover(const Text& temporary) {
  if (PathKindOf(temporary) == PathKind::File) RemoveFile(temporary);
}

}  // namespace

LoadReport LoadEntries(const Text& path, EntryTable& table, ReadPatience patience) {
  FileRead read = ReadPatiently(path, patience);
  if (read.status == ReadStatus::Read) {
    const std::uint64_t hash = ContentHash(read.bytes);
    LoadEntryText(SettingsTextAsUtf8(std::move(read.bytes)), table);
    RemoveLeftover(FinishedTemporaryFileFor(path));
    RemoveLeftover(TemporaryFileFor(path));
    RemoveLeftover(SetAsideFileFor(path));
    return {MenuSource::File, {}, ReadProblem::None, hash};
  }
  // A finished temporary file is the whole menu, an empty one included; a cut one is
  // offered only when it holds something.
  if (std::optional<Text> finished = LeftoverBytes(FinishedTemporaryFileFor(path))) {
    LoadEntryText(SettingsTextAsUtf8(std::move(*finished)), table);
    return {MenuSource::Recovered, read.reason, read.problem};
  }
  std::optional<Text> cut = read.status == ReadStatus::Missing ? LeftoverBytes(TemporaryFileFor(path)) : std::nullopt;
  if (cut && !cut->empty()) {
    LoadEntryText(SettingsTextAsUtf8(std::move(*cut)), table);
    return {MenuSource::RecoveredPartial, {}, ReadProblem::None};
  }
  LoadEntryText(Text(), table);
  if (read.status == ReadStatus::Missing) return {MenuSource::NoFile, {}, ReadProblem::None};
  return {MenuSource::Unreadable, read.reason, read.problem};
}

ReplaceResult SaveEntryTextOver(const Text& path, const Text& fileText, const KnownFile& expected) {
  // The attributes go back to whichever file is there afterwards, the new one or another
  // program's.
  const unsigned long attributes = MakeWritable(path);
  const ReplaceResult result = ReplaceFileIfUnchanged(path, fileText, expected);
  RestoreAttributes(path, attributes);
  return result;
}

}  // namespace kov
