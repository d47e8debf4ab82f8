#include "store/entry_table.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace kov {

bool EntryTable::Append(Text line) {
  if (IsFull()) return false;
  lines_.emplace_back(std::move(line));
  return true;
}

namespace {

// Finds line ends with memchr, which scans many bytes per step: the next CR and the next
// LF are each looked up once and reused until the scan passes them.
class LineEndFinder {
 public:
  explicit LineEndFinder(const Text& text) : begin_(text.data()), end_(text.data() + text.size()) {}

  // The first CR or LF at or after from; the end of the text when there is none.
  const char* Next(const char* from) {
    if (nextCr_ < from) nextCr_ = Find(from, '\r');
    if (nextLf_ < from) nextLf_ = Find(from, '\n');
    return std::min(nextCr_, nextLf_);
  }
  const char* End() const { return end_; }

 private:
  const char* Find(const char* from, char wanted) const {
    const void* hit = std::memchr(from, wanted, static_cast<std::size_t>(end_ - from));
    return hit ? static_cast<const char*>(hit) : end_;
  }
  const char* begin_;
  const char* end_;
  const char* nextCr_ = nullptr;
  const char* nextLf_ = nullptr;
};

}  // namespace

void LoadEntryText(Text fileText, EntryTable& table) {
  auto& lines = table.lines_;
  auto& overflow = table.overflow_;
  lines.clear();
  overflow.clear();
  table.loadedText_ = std::make_shared<const Text>(std::move(fileText));
  const Text& text = *table.loadedText_;
  const auto capacity = static_cast<std::size_t>(table.Capacity());
  int entriesTaken = 0;
  // The table never holds more slots than its capacity, holes included, so that a file of
  // blank lines costs no memory beyond a full table's.
  auto take = [&](const char* from, const char* to) {
    if (from == to) {
      if (lines.size() < capacity) lines.emplace_back();
      return;
    }
    if (entriesTaken == table.Capacity()) {
      overflow.emplace_back(from, static_cast<std::size_t>(to - from));
      return;
    }
    // Holes have taken the slots that entries still need; they would be compacted away.
    if (lines.size() == capacity) CompactEntries(table);
    lines.emplace_back(std::string_view(from, static_cast<std::size_t>(to - from)));
    ++entriesTaken;
  };
  // Settings lines are rarely shorter than 40 bytes; reserving for that many avoids
  // regrowing the table while it fills.
  lines.reserve(std::min<std::size_t>(text.size() / 40 + 1, capacity));
  LineEndFinder finder(text);
  const char* lineStart = text.data();
  while (lineStart < finder.End()) {
    const char* lineEnd = finder.Next(lineStart);
    take(lineStart, lineEnd);
    if (lineEnd == finder.End()) break;
    const bool crLf = *lineEnd == '\r' && lineEnd + 1 < finder.End() && lineEnd[1] == '\n';
    lineStart = lineEnd + (crLf ? 2 : 1);
  }
}

void CompactEntries(EntryTable& table) {
  table.RemoveLinesIf([](std::string_view line) { return line.empty(); });
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
  if (!table.Append(FormatEntryLine({"", "Windows programs", "1", "Windows programs", ""}))) return;
  for (const SeedProgram& program : kSeedPrograms) {
    if (!table.Append(FormatEntryLine({"Windows programs\\", program.target, "", program.caption, ""}))) return;
  }
}

Text EntryFileText(const EntryTable& table) {
  std::size_t size = 0;
  for (std::string_view line : table.Lines()) size += line.size() + 2;
  for (const Text& line : table.Overflow()) size += line.size() + 2;
  Text text;
  text.reserve(size);
  const auto write = [&text](std::string_view line) {
    text += line;
    text += "\r\n";
  };
  for (std::string_view line : table.Lines()) write(line);
  for (const Text& line : table.Overflow()) write(line);
  return text;
}

}  // namespace kov
