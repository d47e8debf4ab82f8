// Any names in a backup folder, any clock: what is removed to keep ten is always a
// backup of the settings file and never the one just made, ten stay, and the offered
// newest backup is one of the names.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "store/backups.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using kov::fuzz::Require;
  kov::fuzz::FuzzInput input(data, size);
  const kov::LocalTime now{2000 + input.TakeByte(), input.TakeByte() % 13, input.TakeByte() % 32,
                           input.TakeByte() % 25,  input.TakeByte() % 61, input.TakeByte() % 61};
  const std::string settings = "E:\\Tools\\kovrant.ini";
  std::vector<std::string> names;
  while (input.Left() > 0) names.push_back(input.TakeText());
  const std::string spared = names.empty() ? std::string() : names.front();
  // A folder holds each name once.
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  const std::vector<std::string> removed = kov::BackupsToRemove(names, settings, now, spared);
  const auto count = [](const std::vector<std::string>& list, const std::string& name) {
    return std::count(list.begin(), list.end(), name);
  };
  for (const std::string& name : removed) {
    Require(count(names, name) > 0, "only names in the folder are removed");
    Require(name != spared, "the backup just made is never removed");
    Require(!kov::NewestBackupName({name}, settings, now).empty(), "only backups are removed");
  }
  std::size_t backups = 0;
  for (const std::string& name : names) backups += kov::NewestBackupName({name}, settings, now).empty() ? 0 : 1;
  Require(backups - removed.size() == std::min(backups, kov::kBackupsKept), "ten backups stay");
  const std::string newest = kov::NewestBackupName(names, settings, now);
  Require(newest.empty() == (backups == 0), "a newest backup is offered when there is one");
  Require(newest.empty() || count(names, newest) > 0, "the offered backup is one of the names");
  return 0;
}
