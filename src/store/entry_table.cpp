#include "store/entry_table.h"

#include <algorithm>
#include <array>
#include <utility>
#include <variant>

namespace kov {

bool EntryTable::Append(Text line) {
  if (IsFull()) return false;
  lines_.emplace_back(std::move(line));
  Record(TableChanges::Appended{lines_.back()});
  return true;
}

void EntryTable::SetSlot(int slot, Text line) {
  StoredLine& stored = lines_[static_cast<std::size_t>(slot - 1)];
  StoredLine after(std::move(line));
  if (recording_.changes) Record(TableChanges::Replaced{slot, stored, after});
  stored = std::move(after);
}

void EntryTable::ExchangeSlots(int slotA, int slotB) {
  std::swap(lines_[static_cast<std::size_t>(slotA - 1)], lines_[static_cast<std::size_t>(slotB - 1)]);
  Record(TableChanges::Exchanged{slotA, slotB});
}

void EntryTable::MoveSlot(int from, int to) {
  const auto at = [this](int slot) { return lines_.begin() + (slot - 1); };
  if (from < to) std::rotate(at(from), at(from) + 1, at(to) + 1);
  if (to < from) std::rotate(at(to), at(from), at(from) + 1);
  if (from != to) Record(TableChanges::Moved{from, to});
}

int EntryTable::GatherSlots(const std::vector<int>& slots, int after) {
  const auto before = static_cast<int>(std::count_if(slots.begin(), slots.end(), [&](int slot) { return slot < after; }));
  const int at = after - before + 1;
  bool inPlace = true;
  for (std::size_t index = 0; index < slots.size(); ++index) inPlace = inPlace && slots[index] == at + static_cast<int>(index);
  if (inPlace) return at;
  Gather(slots, at);
  Record(TableChanges::Gathered{slots, at});
  return at;
}

void EntryTable::Gather(const std::vector<int>& from, int at) {
  std::vector<bool> moving(lines_.size() + 1);
  for (int slot : from) moving[static_cast<std::size_t>(slot)] = true;
  std::vector<StoredLine> gathered;
  gathered.reserve(lines_.size());
  for (std::size_t slot = 1; slot <= lines_.size(); ++slot) {
    if (!moving[slot]) gathered.push_back(std::move(lines_[slot - 1]));
  }
  std::vector<StoredLine> group;
  group.reserve(from.size());
  for (int slot : from) group.push_back(std::move(lines_[static_cast<std::size_t>(slot - 1)]));
  gathered.insert(gathered.begin() + (at - 1), std::make_move_iterator(group.begin()),
                  std::make_move_iterator(group.end()));
  lines_ = std::move(gathered);
}

void EntryTable::Scatter(const std::vector<int>& from, int at) {
  std::vector<int> groupIndex(lines_.size() + 1, -1);
  for (std::size_t index = 0; index < from.size(); ++index) {
    groupIndex[static_cast<std::size_t>(from[index])] = static_cast<int>(index);
  }
  const auto groupStart = static_cast<std::size_t>(at - 1);
  const std::size_t groupEnd = groupStart + from.size();
  std::vector<StoredLine> scattered;
  scattered.reserve(lines_.size());
  std::size_t rest = 0;
  for (std::size_t slot = 1; slot <= lines_.size(); ++slot) {
    if (groupIndex[slot] >= 0) {
      scattered.push_back(std::move(lines_[groupStart + static_cast<std::size_t>(groupIndex[slot])]));
      continue;
    }
    if (rest == groupStart) rest = groupEnd;
    scattered.push_back(std::move(lines_[rest++]));
  }
  lines_ = std::move(scattered);
}

void EntryTable::ReplaceWith(EntryTable other) {
  TableChanges::Swapped swapped{std::move(other.loadedText_), std::move(other.lines_), std::move(other.overflow_)};
  std::swap(swapped.loadedText, loadedText_);
  std::swap(swapped.lines, lines_);
  std::swap(swapped.overflow, overflow_);
  // The change holds what the table had; the loaded text it now reads is held by the table.
  if (recording_.changes) recording_.changes->Add(std::move(swapped), nullptr);
}

namespace {

// Puts removed elements back at their places, which count the elements left between them.
template <typename Line>
void Reinsert(std::vector<Line>& lines, const std::vector<std::pair<std::size_t, Line>>& removed) {
  std::vector<Line> merged;
  merged.reserve(lines.size() + removed.size());
  auto next = removed.begin();
  auto kept = lines.begin();
  while (next != removed.end() || kept != lines.end()) {
    if (next != removed.end() && next->first == merged.size()) {
      merged.push_back((next++)->second);
    } else {
      merged.push_back(std::move(*kept++));
    }
  }
  lines = std::move(merged);
}

// Removes the elements at the places given, ascending, as they were removed first.
template <typename Line>
void RemoveAgain(std::vector<Line>& lines, const std::vector<std::pair<std::size_t, Line>>& removed) {
  std::size_t kept = 0;
  auto next = removed.begin();
  for (std::size_t at = 0; at < lines.size(); ++at) {
    if (next != removed.end() && next->first == at) {
      ++next;
      continue;
    }
    if (kept != at) lines[kept] = std::move(lines[at]);
    ++kept;
  }
  lines.resize(kept);
}

template <typename... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace

void EntryTable::Apply(TableChanges::Change& change, bool forward) {
  std::visit(Overloaded{
                 [&](TableChanges::Appended& appended) {
                   if (forward) {
                     lines_.push_back(appended.line);
                   } else {
                     lines_.pop_back();
                   }
                 },
                 [&](TableChanges::Replaced& replaced) {
                   lines_[static_cast<std::size_t>(replaced.slot - 1)] = forward ? replaced.after : replaced.before;
                 },
                 [&](TableChanges::Exchanged& exchanged) {
                   std::swap(lines_[static_cast<std::size_t>(exchanged.slotA - 1)],
                             lines_[static_cast<std::size_t>(exchanged.slotB - 1)]);
                 },
                 [&](TableChanges::Moved& moved) {
                   MoveSlot(forward ? moved.from : moved.to, forward ? moved.to : moved.from);
                 },
                 [&](TableChanges::Gathered& gathered) {
                   forward ? Gather(gathered.from, gathered.at) : Scatter(gathered.from, gathered.at);
                 },
                 [&](TableChanges::Removed& removed) {
                   forward ? RemoveAgain(lines_, removed.lines) : Reinsert(lines_, removed.lines);
                 },
                 [&](TableChanges::RemovedOverflow& removed) {
                   forward ? RemoveAgain(overflow_, removed.lines) : Reinsert(overflow_, removed.lines);
                 },
                 [&](TableChanges::Swapped& swapped) {
                   std::swap(swapped.loadedText, loadedText_);
                   std::swap(swapped.lines, lines_);
                   std::swap(swapped.overflow, overflow_);
                 },
             },
             change);
}

// Undoing and redoing are not themselves recorded.
void EntryTable::Undo(TableChanges& changes) {
  TableChanges* const recording = std::exchange(recording_.changes, nullptr);
  for (auto change = changes.changes_.rbegin(); change != changes.changes_.rend(); ++change) Apply(*change, false);
  recording_.changes = recording;
}

void EntryTable::Redo(TableChanges& changes) {
  TableChanges* const recording = std::exchange(recording_.changes, nullptr);
  for (TableChanges::Change& change : changes.changes_) Apply(change, true);
  recording_.changes = recording;
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

}  // namespace kov
