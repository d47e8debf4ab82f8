#include "store/backups.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

#include "store/file_system.h"

namespace kov {

namespace {

constexpr const char* kBackupExtension = ".ini";
// "YYYY-MM-DD HH-MM-SS": a digit wherever the pattern holds a 'd'.
constexpr std::string_view kTimePattern = "dddd-dd-dd dd-dd-dd";
// More backups in one second than this are not kept.
constexpr int kCopiesPerSecond = 100;

// Where the folder part of the path ends: after its last separator, or 0.
std::size_t NameStart(const Text& path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == Text::npos ? 0 : separator + 1;
}

// The settings file's name without its extension.
Text StemOf(const Text& settingsPath) {
  const Text name = settingsPath.substr(NameStart(settingsPath));
  return name.substr(0, name.rfind('.'));
}

// A path in the backup folder, joined with the separator the settings path uses.
Text InBackupFolder(const Text& settingsPath, const Text& name) {
  const std::size_t start = NameStart(settingsPath);
  const char separator = start > 0 ? settingsPath[start - 1] : '\\';
  return BackupFolderFor(settingsPath) + separator + name;
}

Text Digits(int value, std::size_t width) {
  Text digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// Where a backup stands among the others: its time as text, which sorts as time does,
// then its copy within that second.
using BackupOrder = std::pair<Text, int>;

bool MatchesTimePattern(std::string_view time) {
  if (time.size() != kTimePattern.size()) return false;
  for (std::size_t i = 0; i < time.size(); ++i) {
    const bool digit = time[i] >= '0' && time[i] <= '9';
    if (kTimePattern[i] == 'd' ? !digit : time[i] != kTimePattern[i]) return false;
  }
  return true;
}

// The copy number of a suffix " (n)" with n from 2 on, written without leading zeros; 1
// for no suffix; nothing for anything else.
std::optional<int> CopyOf(std::string_view suffix) {
  if (suffix.empty()) return 1;
  if (suffix.size() < 4 || suffix.size() > 6 || suffix.substr(0, 2) != " (" || suffix.back() != ')') return {};
  const std::string_view number = suffix.substr(2, suffix.size() - 3);
  if (number.front() == '0' ||
      !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return {};
  }
  int copy = 0;
  std::from_chars(number.data(), number.data() + number.size(), copy);
  return copy >= 2 ? std::optional<int>(copy) : std::nullopt;
}

// The order of a name that is one of the settings file's backups; nothing for any other.
std::optional<BackupOrder> OrderOf(std::string_view name, const Text& stem) {
  const std::string_view extension = kBackupExtension;
  const std::size_t start = stem.size() + 1;
  if (name.size() < start + kTimePattern.size() + extension.size()) return {};
  if (name.substr(0, stem.size()) != stem || name[stem.size()] != ' ') return {};
  if (name.substr(name.size() - extension.size()) != extension) return {};
  const std::string_view time = name.substr(start, kTimePattern.size());
  const std::optional<int> copy =
      CopyOf(name.substr(start + time.size(), name.size() - extension.size() - start - time.size()));
  if (!MatchesTimePattern(time) || !copy) return {};
  return BackupOrder{Text(time), *copy};
}

// The settings file's backups among the names, oldest first.
std::vector<Text> BackupsOldestFirst(const std::vector<Text>& names, const Text& settingsPath) {
  const Text stem = StemOf(settingsPath);
  std::vector<std::pair<BackupOrder, Text>> backups;
  for (const Text& name : names) {
    if (std::optional<BackupOrder> order = OrderOf(name, stem)) backups.emplace_back(std::move(*order), name);
  }
  std::sort(backups.begin(), backups.end());
  std::vector<Text> sorted;
  sorted.reserve(backups.size());
  for (auto& backup : backups) sorted.push_back(std::move(backup.second));
  return sorted;
}

// The path of the first backup name of that second that nothing has taken; "" when all
// are taken.
Text FreeBackupPath(const Text& settingsPath, const LocalTime& when) {
  for (int copy = 1; copy <= kCopiesPerSecond; ++copy) {
    Text path = InBackupFolder(settingsPath, BackupFileName(settingsPath, when, copy));
    if (!FileExists(path)) return path;
  }
  return "";
}

void RemoveOldBackups(const Text& settingsPath) {
  const std::vector<Text> names = FileNamesIn(BackupFolderFor(settingsPath));
  for (const Text& name : BackupsToRemove(names, settingsPath)) RemoveFile(InBackupFolder(settingsPath, name));
}

}  // namespace

Text BackupFolderFor(const Text& settingsPath) {
  return settingsPath.substr(0, NameStart(settingsPath)) + StemOf(settingsPath) + ".backups";
}

Text BackupFileName(const Text& settingsPath, const LocalTime& when, int copy) {
  Text name = StemOf(settingsPath) + ' ' + Digits(when.year, 4) + '-' + Digits(when.month, 2) + '-' +
              Digits(when.day, 2) + ' ' + Digits(when.hour, 2) + '-' + Digits(when.minute, 2) + '-' +
              Digits(when.second, 2);
  if (copy >= 2) name += " (" + std::to_string(copy) + ')';
  return name + kBackupExtension;
}

std::vector<Text> BackupsToRemove(const std::vector<Text>& names, const Text& settingsPath, std::size_t keep) {
  std::vector<Text> backups = BackupsOldestFirst(names, settingsPath);
  backups.resize(backups.size() > keep ? backups.size() - keep : 0);
  return backups;
}

Text NewestBackupName(const std::vector<Text>& names, const Text& settingsPath) {
  const std::vector<Text> backups = BackupsOldestFirst(names, settingsPath);
  return backups.empty() ? Text() : backups.back();
}

bool KeepBackup(const Text& settingsPath, const Text& bytes, const LocalTime& when) {
  if (!CreateFolder(BackupFolderFor(settingsPath))) return false;
  const Text backup = FreeBackupPath(settingsPath, when);
  if (backup.empty()) return false;
  if (!ReplaceFileContents(backup, bytes)) {
    // A finished copy whose last move failed is no backup: nothing of it stays.
    RemoveFile(FinishedTemporaryFileFor(backup));
    return false;
  }
  RemoveOldBackups(settingsPath);
  return true;
}

bool KeepBackupOfFile(const Text& settingsPath, const LocalTime& when) {
  const FileRead read = ReadWholeFile(settingsPath);
  return read.status == ReadStatus::Read && KeepBackup(settingsPath, read.bytes, when);
}

Text NewestBackup(const Text& settingsPath) {
  const Text name = NewestBackupName(FileNamesIn(BackupFolderFor(settingsPath)), settingsPath);
  return name.empty() ? Text() : InBackupFolder(settingsPath, name);
}

}  // namespace kov
