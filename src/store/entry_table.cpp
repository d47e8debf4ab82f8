#include "store/entry_table.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kov {

bool EntryTable::Append(Text line) {
  if (IsFull()) return false;
  lines_.push_back(std::move(line));
  return true;
}

void LoadEntryText(const Text& fileText, EntryTable& table) {
  auto& lines = table.Lines();
  auto& overflow = table.Overflow();
  lines.clear();
  overflow.clear();
  int entriesTaken = 0;
  auto take = [&](std::size_t from, std::size_t to) {
    if (from == to) {
      if (entriesTaken < EntryTable::kCapacity) lines.emplace_back();
      return;
    }
    if (entriesTaken < EntryTable::kCapacity) {
      lines.emplace_back(fileText, from, to - from);
      ++entriesTaken;
    } else {
      overflow.emplace_back(fileText, from, to - from);
    }
  };
  std::size_t lineStart = 0;
  const std::size_t size = fileText.size();
  for (std::size_t i = 0; i < size; ++i) {
    const char c = fileText[i];
    if (c != '\r' && c != '\n') continue;
    take(lineStart, i);
    if (c == '\r' && i + 1 < size && fileText[i + 1] == '\n') ++i;
    lineStart = i + 1;
  }
  if (lineStart < size) take(lineStart, size);
}

void CompactEntries(EntryTable& table) {
  auto& lines = table.Lines();
  lines.erase(std::remove_if(lines.begin(), lines.end(), [](const Text& line) { return line.empty(); }),
              lines.end());
}

namespace {

struct SeedProgram {
  const char* caption;
  const char* target;
};

constexpr std::array<SeedProgram, 21> kSeedPrograms{{
    {"Device Manager", "%systemdir%\\compmgmt.msc"},
    {"Task Manager", "%systemdir%\\taskmgr.exe"},
    {"Control Panel", "%systemdir%\\control.exe"},
    {"System Properties", "%systemdir%\\SystemPropertiesRemote.exe"},
    {"Registry Editor", "%systemdir%\\regedt32.exe"},
    {"System Configuration", "%systemdir%\\msconfig.exe"},
    {"System Information", "%systemdir%\\msinfo32.exe"},
    {"Command Line", "%systemdir%\\cmd.exe"},
    {"Certificate Manager", "%systemdir%\\certmgr.msc"},
    {"Services", "%systemdir%\\services.msc"},
    {"Windows Firewall", "%systemdir%\\WF.msc"},
    {"Event Viewer", "%systemdir%\\eventvwr.msc"},
    {"Performance Monitoring", "%systemdir%\\perfmon.msc"},
    {"Component Services", "%systemdir%\\comexp.msc"},
    {"Group Policy Editor", "%systemdir%\\gpedit.msc"},
    {"Local Users and Groups", "%systemdir%\\lusrmgr.msc"},
    {"Resultant Set of Policy", "%systemdir%\\rsop.msc"},
    {"Security Policy", "%systemdir%\\secpol.msc"},
    {"Character Map", "%systemdir%\\charmap.exe"},
    {"Notepad", "%windir%\\notepad.exe"},
    {"Write", "%windir%\\write.exe"},
}};

}  // namespace

void SeedDefaults(EntryTable& table) {
  if (table.Count() != 0) return;
  auto& lines = table.Lines();
  lines.emplace_back("*Windows programs*1*Windows programs**");
  for (const SeedProgram& program : kSeedPrograms) {
    lines.push_back(Text("Windows programs\\*") + program.target + "**" + program.caption + "**");
  }
}

Text EntryFileText(const EntryTable& table) {
  std::size_t size = 0;
  for (const Text& line : table.Lines()) size += line.size() + 2;
  for (const Text& line : table.Overflow()) size += line.size() + 2;
  Text text;
  text.reserve(size);
  for (const auto* lines : {&table.Lines(), &table.Overflow()}) {
    for (const Text& line : *lines) {
      text += line;
      text += "\r\n";
    }
  }
  return text;
}

}  // namespace kov
