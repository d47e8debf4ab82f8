// The last menus, kept as files in a folder beside the settings file: for
// "E:\Tools\kovrant.ini" the folder "E:\Tools\kovrant.backups", holding files such as
// "kovrant 2026-12-08 11-47-03.ini" named by the local time of the save. Only the
// newest kBackupsKept stay. A name counts as a backup only when it holds a real date and
// time; a backup dated more than a day after now was made under a wrong clock, and goes
// before any other. Everything here goes through the file seam, which calls only
// kernel32 on Windows, so it may run on a background thread.
#pragma once

#include <cstddef>
#include <vector>

#include "store/local_time.h"
#include "util/text.h"

namespace kov {

inline constexpr std::size_t kBackupsKept = 10;

// The folder that holds the backups of the settings file at settingsPath: beside it,
// named after it with ".backups" in place of its extension.
Text BackupFolderFor(const Text& settingsPath);

// The name of a backup made at when: the settings file's name without its extension, a
// blank, the time as YYYY-MM-DD HH-MM-SS, and ".ini". The second and later backups of
// the same second (copy 2, 3, ...) carry " (copy)" before ".ini".
Text BackupFileName(const Text& settingsPath, const LocalTime& when, int copy = 1);

// Of the file names in a backup folder, those of the settings file's backups beyond the
// keep most worth keeping, least worth first: those dated more than a day after now,
// then the rest, each oldest first. Names that are not its backups are never among
// them, nor is spared (the backup just made), which counts among those kept.
std::vector<Text> BackupsToRemove(const std::vector<Text>& names, const Text& settingsPath, const LocalTime& now,
                                  const Text& spared = Text(), std::size_t keep = kBackupsKept);

// The settings file's newest backup among the names dated up to a day after now, or when
// there is none, the newest of those dated later; "" when none is a backup.
Text NewestBackupName(const std::vector<Text>& names, const Text& settingsPath, const LocalTime& now);

// The start-up offer of a backup: "Load the newest backup of the menu, made 2026-12-08
// at 11:47:03, instead?", then the backup's path on a line of its own.
Text NewestBackupQuestion(const Text& settingsPath, const Text& backupPath);

// Writes bytes as a new backup of the settings file, made at when, making the folder
// when needed, then removes its backups beyond the kBackupsKept most worth keeping, never
// the one just written. A backup appears whole under its name or not at all, and never
// takes the place of another. False when it could not be written; the settings file
// itself is never touched.
[[nodiscard]] bool KeepBackup(const Text& settingsPath, const Text& bytes, const LocalTime& when);

// A save that found another program's edit written into the file it had set aside, and
// could not put that file back, leaves the edit there (SetAsideFileFor). When it differs
// from the settings file it goes to the backups, and leaves its place once kept there;
// one that is the settings file itself is left for the load to remove.
void KeepSetAsideEdit(const Text& settingsPath, const LocalTime& when);

// The full path of the settings file's newest backup, as NewestBackupName picks it; ""
// when it has none.
Text NewestBackup(const Text& settingsPath, const LocalTime& now);

}  // namespace kov
