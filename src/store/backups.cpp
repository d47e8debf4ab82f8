#include "store/backups.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <tuple>
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

// What a backup's name tells: when it was made, and which copy of that second it is.
struct BackupStamp {
  LocalTime when;
  int copy = 1;
};

// Where a backup stands among the others: its time in seconds, then its copy within
// that second.
struct BackupOrder {
  long long seconds = 0;
  int copy = 1;
  auto operator<=>(const BackupOrder&) const = default;
};

// A day's difference between clocks is taken as the usual spread of time zones and
// clocks set by hand; beyond it, a backup's date is wrong.
constexpr long long kClockSpreadSeconds = 24 * 60 * 60;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsRealTime(const LocalTime& time) {
  return time.year >= 1 && time.month >= 1 && time.month <= 12 && time.day >= 1 &&
         time.day <= DaysInMonth(time.year, time.month) && time.hour < 24 && time.minute < 60 && time.second < 60;
}

// Days from 0001-01-01 of the proleptic Gregorian calendar.
long long DayNumber(const LocalTime& time) {
  const long long yearsBefore = time.year - 1;
  long long days = yearsBefore * 365 + yearsBefore / 4 - yearsBefore / 100 + yearsBefore / 400;
  for (int month = 1; month < time.month; ++month) days += DaysInMonth(time.year, month);
  return days + time.day - 1;
}

long long SecondsOf(const LocalTime& time) {
  return DayNumber(time) * 86400 + time.hour * 3600 + time.minute * 60 + time.second;
}

int NumberAt(std::string_view text, std::size_t start, std::size_t length) {
  int number = 0;
  std::from_chars(text.data() + start, text.data() + start + length, number);
  return number;
}

// The time a name's "YYYY-MM-DD HH-MM-SS" holds, already matched to the pattern.
LocalTime TimeOf(std::string_view time) {
  return {NumberAt(time, 0, 4),  NumberAt(time, 5, 2),  NumberAt(time, 8, 2),
          NumberAt(time, 11, 2), NumberAt(time, 14, 2), NumberAt(time, 17, 2)};
}

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

// The stamp of a name that is one of the settings file's backups, one that holds a real
// date and time; nothing for any other.
std::optional<BackupStamp> StampOf(std::string_view name, const Text& stem) {
  const std::string_view extension = kBackupExtension;
  const std::size_t start = stem.size() + 1;
  if (name.size() < start + kTimePattern.size() + extension.size()) return {};
  if (name.substr(0, stem.size()) != stem || name[stem.size()] != ' ') return {};
  if (name.substr(name.size() - extension.size()) != extension) return {};
  const std::string_view time = name.substr(start, kTimePattern.size());
  const std::optional<int> copy =
      CopyOf(name.substr(start + time.size(), name.size() - extension.size() - start - time.size()));
  if (!MatchesTimePattern(time) || !copy) return {};
  const LocalTime when = TimeOf(time);
  if (!IsRealTime(when)) return {};
  return BackupStamp{when, *copy};
}

// The settings file's backups among the names, the least worth keeping first: those
// dated beyond the clock spread after now (a clock that was wrong), then the others,
// each group oldest first. The newest backup is the last.
std::vector<Text> BackupsByWorth(const std::vector<Text>& names, const Text& settingsPath, const LocalTime& now) {
  const Text stem = StemOf(settingsPath);
  const long long latestTrusted = SecondsOf(now) + kClockSpreadSeconds;
  std::vector<std::tuple<bool, BackupOrder, Text>> backups;
  for (const Text& name : names) {
    if (const std::optional<BackupStamp> stamp = StampOf(name, stem)) {
      const BackupOrder order{SecondsOf(stamp->when), stamp->copy};
      backups.emplace_back(order.seconds <= latestTrusted, order, name);
    }
  }
  std::sort(backups.begin(), backups.end());
  std::vector<Text> sorted;
  sorted.reserve(backups.size());
  for (auto& backup : backups) sorted.push_back(std::move(std::get<Text>(backup)));
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

// "2026-12-08 at 11:47:03".
Text DateAndTimeText(const LocalTime& when) {
  return Digits(when.year, 4) + '-' + Digits(when.month, 2) + '-' + Digits(when.day, 2) + " at " +
         Digits(when.hour, 2) + ':' + Digits(when.minute, 2) + ':' + Digits(when.second, 2);
}

void RemoveOldBackups(const Text& settingsPath, const LocalTime& now, const Text& spared) {
  const std::vector<Text> names = FileNamesIn(BackupFolderFor(settingsPath));
  for (const Text& name : BackupsToRemove(names, settingsPath, now, spared)) {
    RemoveFile(InBackupFolder(settingsPath, name));
  }
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

std::vector<Text> BackupsToRemove(const std::vector<Text>& names, const Text& settingsPath, const LocalTime& now,
                                  const Text& spared, std::size_t keep) {
  std::vector<Text> backups = BackupsByWorth(names, settingsPath, now);
  const std::size_t excess = backups.size() > keep ? backups.size() - keep : 0;
  std::erase(backups, spared);
  backups.resize(std::min(excess, backups.size()));
  return backups;
}

Text NewestBackupName(const std::vector<Text>& names, const Text& settingsPath, const LocalTime& now) {
  const std::vector<Text> backups = BackupsByWorth(names, settingsPath, now);
  return backups.empty() ? Text() : backups.back();
}

Text NewestBackupQuestion(const Text& settingsPath, const Text& backupPath) {
  const std::optional<BackupStamp> stamp = StampOf(backupPath.substr(NameStart(backupPath)), StemOf(settingsPath));
  const Text made = stamp ? ", made " + DateAndTimeText(stamp->when) + ',' : Text();
  return "Load the newest backup of the menu" + made + " instead?\r\n" + backupPath;
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
  // The backup just written stays whatever the others' dates.
  RemoveOldBackups(settingsPath, when, backup.substr(NameStart(backup)));
  return true;
}

void KeepSetAsideEdit(const Text& settingsPath, const LocalTime& when) {
  const Text aside = SetAsideFileFor(settingsPath);
  const FileRead edit = ReadWholeFile(aside);
  if (edit.status != ReadStatus::Read) return;
  const FileRead current = ReadWholeFile(settingsPath);
  if (current.status == ReadStatus::Read && current.bytes == edit.bytes) return;
  if (KeepBackup(settingsPath, edit.bytes, when)) RemoveFile(aside);
}

Text NewestBackup(const Text& settingsPath, const LocalTime& now) {
  const Text name = NewestBackupName(FileNamesIn(BackupFolderFor(settingsPath)), settingsPath, now);
  return name.empty() ? Text() : InBackupFolder(settingsPath, name);
}

}  // namespace kov
