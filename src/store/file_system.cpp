#include "store/file_system.h"

#include "store/replace_steps.h"

namespace kov {

bool FileExists(const std::string& path) { return PathKindOf(path) != PathKind::Missing; }

std::string TemporaryFileFor(const std::string& path) { return path + ".saving"; }

std::string FinishedTemporaryFileFor(const std::string& path) { return path + ".saved"; }

std::string SetAsideFileFor(const std::string& path) { return path + ".replaced"; }

bool ReplaceFileKeepingAttributes(const std::string& path, const std::string& bytes) {
  const unsigned long attributes = MakeWritable(path);
  const bool replaced = ReplaceFileContents(path, bytes);
  RestoreAttributes(path, attributes);
  return replaced;
}

ReplaceOutcome SettleSetAsideFile(const std::string& path, const KnownFile& expected) {
  const FileRead aside = ReadWholeFile(SetAsideFileFor(path));
  if (aside.status == ReadStatus::Missing) return ReplaceOutcome::Replaced;
  if (aside.status == ReadStatus::Read && ContentHash(aside.bytes) == expected.hash) {
    RemoveFile(SetAsideFileFor(path));
    return ReplaceOutcome::Replaced;
  }
  return PutSetAsideFileBack(path) ? ReplaceOutcome::FileChanged : ReplaceOutcome::Replaced;
}

ReplaceResult ReplaceFileIfUnchanged(const std::string& path, const std::string& bytes, const KnownFile& expected) {
  ReplaceResult result;
  if (!WriteFinishedTemporaryFile(path, bytes, result.written)) return result;
  switch (SetAsideIfUnchanged(path, expected)) {
    case SetAside::Changed:
      DropFinishedTemporaryFile(path);
      result.outcome = ReplaceOutcome::FileChanged;
      break;
    case SetAside::Failed:
      // As when a plain replace fails: the finished file stays for a load that finds
      // the settings file missing or unreadable.
      break;
    case SetAside::NothingThere:
      result.outcome = MoveIntoEmptyPlace(path, false);
      break;
    case SetAside::Moved:
      result.outcome = MoveIntoEmptyPlace(path, true);
      if (result.outcome == ReplaceOutcome::Replaced) result.outcome = SettleSetAsideFile(path, expected);
      break;
  }
  return result;
}

}  // namespace kov
