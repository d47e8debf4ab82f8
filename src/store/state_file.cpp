#include "store/state_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "store/state_words.h"
#include "store/use_lines.h"
#include "util/utf8.h"

namespace kov {

Text StatePathFor(const Text& settingsPath) {
  const Text extension = ".ini";
  if (settingsPath.size() >= extension.size() &&
      settingsPath.compare(settingsPath.size() - extension.size(), Text::npos, extension) == 0) {
    return settingsPath.substr(0, settingsPath.size() - extension.size()) + ".state";
  }
  return settingsPath + ".state";
}

namespace {

// Longer than any item Kovrant writes (a use line holds a folder path and a caption);
// a longer line is not a line of this file.
constexpr std::size_t kLongestLine = 16384;
constexpr std::size_t kLongestExcerpt = 60;

// The line as a notice can show it: bytes that are not UTF-8 and NULs as U+FFFD, cut.
Text Excerpt(std::string_view line) {
  Text shown;
  std::size_t at = 0;
  for (std::size_t characters = 0; at < line.size() && characters < kLongestExcerpt; ++characters) {
    std::uint32_t codePoint = 0;
    const std::size_t length = DecodeUtf8Sequence(line, at, codePoint);
    AppendUtf8(shown, length == 0 || codePoint == 0 ? 0xFFFD : codePoint);
    at += length == 0 ? 1 : length;
  }
  return at < line.size() ? shown + "..." : shown;
}

// Where the line starting at start ends: at a CR, an LF or the end of the text.
std::size_t LineEnd(std::string_view text, std::size_t start) {
  // Eight characters at a time, in one pass for both breaks: the window waits for the
  // lines of a large file, and the system's own search may look at one byte at a time.
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  const char* at = text.data() + start;
  const char* const last = text.data() + text.size();
  for (; last - at >= 8; at += 8) {
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    const std::uint64_t lf = word ^ (kOnes * '\n');
    const std::uint64_t cr = word ^ (kOnes * '\r');
    // A high bit set where a byte of lf or cr is zero: a break among these eight.
    if ((((lf - kOnes) & ~lf) | ((cr - kOnes) & ~cr)) & kHighBits) break;
  }
  while (at != last && *at != '\n' && *at != '\r') ++at;
  return static_cast<std::size_t>(at - text.data());
}

// The name of an item's line, before its "="; empty for a line without one.
std::string_view ItemName(std::string_view line) {
  const std::size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string_view() : Trimmed(line.substr(0, equals));
}

// Which lines a reading reads: all, all but the use lines, or only those.
enum class LinesRead { All, Items, Uses };

class StateReader {
 public:
  explicit StateReader(LinesRead read) : read_(read) {}

  StateFile Read(std::string_view text) {
    // The use lines are checked one by one when only they are read; the others, few,
    // when they are read without them.
    allUtf8_ = read_ == LinesRead::All && IsValidUtf8(Text(text));
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = LineEnd(text, start);
      ++lineNumber_;
      // A use line as Kovrant writes it is only placed when the other lines are read:
      // nearly every line of a large file, which the window waits for.
      if (read_ == LinesRead::Items && text.compare(start, 4, "use=") == 0) {
        Place(StateLine::Item::Uses);
      } else {
        ReadLine(text.substr(start, end - start));
      }
      start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return std::move(state_);
  }

 private:
  void ReadLine(std::string_view line) {
    // A byte-order mark is no text: an editor puts one at the start of a file, or of a
    // file pasted into another.
    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    while (line.substr(0, kByteOrderMark.size()) == kByteOrderMark) line.remove_prefix(kByteOrderMark.size());
    if (read_ != LinesRead::All) {
      const bool useLine = SameWord(ItemName(line), "use");
      // The use lines are written back where the first of them stood, read or not yet.
      if (useLine && read_ == LinesRead::Items) return Place(StateLine::Item::Uses);
      if (useLine != (read_ == LinesRead::Uses)) return;
    }
    if (line.size() > kLongestLine) return Refuse(line, "it is longer than a line of this file can be");
    if (line.find('\0') != std::string_view::npos) return Refuse(line, "it holds a NUL byte");
    if (!allUtf8_ && !IsValidUtf8(Text(line))) return Refuse(line, "it is not UTF-8 text");
    const std::size_t equals = line.find('=');
    const std::string_view name = Trimmed(line.substr(0, equals));
    const std::string_view value = equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
    if (equals != std::string_view::npos && SameWord(name, "hotkey")) return ReadHotkeyLine(line, value);
    if (equals != std::string_view::npos && SameWord(name, "window")) return ReadWindowLine(line, value);
    if (equals != std::string_view::npos && SameWord(name, "use")) return ReadUseLine(line, value);
    if (equals != std::string_view::npos && SameWord(name, "theme")) return ReadThemeLine(line, value);
    if (equals != std::string_view::npos && SameWord(name, "icons")) return ReadIconsLine(line, value);
    state_.lines.push_back({StateLine::Item::Kept, Text(line)});
  }

  void ReadHotkeyLine(std::string_view line, std::string_view value) {
    // A key that cannot be read leaves the one read before, or the usual one, in its place.
    HotkeyReading reading = ReadHotkey(value);
    Place(StateLine::Item::Hotkey);
    if (!reading.problem.empty()) {
      return Refuse(line, reading.problem + "; " + HotkeyText(state_.hotkey) + " is used");
    }
    state_.hotkey = reading.hotkey;
  }

  void ReadWindowLine(std::string_view line, std::string_view value) {
    WindowReading reading = ReadWindowPlace(value);
    if (!reading.place) return Refuse(line, reading.problem);
    state_.place = reading.place;
    Place(StateLine::Item::Window);
  }

  void ReadUseLine(std::string_view line, std::string_view value) {
    UseReading reading = ReadUse(value);
    if (!reading.problem.empty()) return Refuse(line, reading.problem);
    state_.scores.Add(reading.key, reading.use);
    Place(StateLine::Item::Uses);
  }

  void ReadThemeLine(std::string_view line, std::string_view value) {
    const ThemeReading reading = ReadThemeChoice(value);
    if (!reading.choice) return Refuse(line, reading.problem);
    state_.theme = *reading.choice;
    Place(StateLine::Item::Theme);
  }

  void ReadIconsLine(std::string_view line, std::string_view value) {
    const IconSizeReading reading = ReadIconSize(value);
    if (!reading.size) return Refuse(line, reading.problem);
    state_.iconSize = *reading.size;
    Place(StateLine::Item::Icons);
  }

  // The item is written back where it first stood.
  void Place(StateLine::Item item) {
    bool& placed = placed_[static_cast<std::size_t>(item)];
    if (!placed) state_.lines.push_back({item, {}});
    placed = true;
  }

  void Refuse(std::string_view line, const Text& why) {
    Text problem = "line ";
    AppendDigits(problem, lineNumber_, 1);
    problem += ' ';
    problem += Quoted(Excerpt(line));
    problem += ": ";
    problem += why;
    state_.problems.push_back(std::move(problem));
  }

  LinesRead read_;
  StateFile state_;
  int lineNumber_ = 0;
  bool allUtf8_ = false;          // the whole text, so that its lines need no check of their own
  std::array<bool, 6> placed_{};  // by item
};

bool Holds(const std::vector<StateLine>& lines, StateLine::Item item) {
  return std::any_of(lines.begin(), lines.end(), [item](const StateLine& line) { return line.item == item; });
}

void AppendLine(Text& text, std::string_view line) {
  text += line;
  text += "\r\n";
}

Text IconsLine(int size) {
  Text line = "icons=";
  AppendDigits(line, size, 1);
  return line;
}

}  // namespace

Text UnreadableStateNotice(const Text& fileName, const Text& reason, ReadProblem problem) {
  if (problem == ReadProblem::IsDirectory) {
    return "A folder has taken the state file's name, " + fileName + ": Kovrant starts without it.";
  }
  return "Kovrant could not read " + fileName + " (" + reason + ") and starts without it.";
}

StateFile ReadStateText(std::string_view text) { return StateReader(LinesRead::All).Read(text); }

StateFile ReadStateItems(std::string_view text) { return StateReader(LinesRead::Items).Read(text); }

StateFile ReadStateUses(std::string_view text) { return StateReader(LinesRead::Uses).Read(text); }

void AddStateUses(StateFile& state, StateFile uses) {
  state.scores = std::move(uses.scores);
  state.problems.insert(state.problems.end(), std::make_move_iterator(uses.problems.begin()),
                        std::make_move_iterator(uses.problems.end()));
  // Use lines none of which could be read leave no place for the scores, as when the
  // whole file is read at once.
  if (!Holds(uses.lines, StateLine::Item::Uses)) {
    std::erase_if(state.lines, [](const StateLine& line) { return line.item == StateLine::Item::Uses; });
  }
}

Text StateFileText(const StateFile& state) {
  Text text;
  text.reserve(64 + state.scores.All().size() * 64);
  if (!Holds(state.lines, StateLine::Item::Hotkey)) AppendLine(text, "hotkey=" + HotkeyText(state.hotkey));
  if (state.place && !Holds(state.lines, StateLine::Item::Window)) {
    AppendLine(text, "window=" + WindowPlaceText(*state.place));
  }
  if (state.theme != ThemeChoice::System && !Holds(state.lines, StateLine::Item::Theme)) {
    AppendLine(text, "theme=" + ThemeChoiceText(state.theme));
  }
  if (state.iconSize != kSmallestIconSize && !Holds(state.lines, StateLine::Item::Icons)) {
    AppendLine(text, IconsLine(state.iconSize));
  }
  for (const StateLine& line : state.lines) {
    switch (line.item) {
      case StateLine::Item::Kept:
        AppendLine(text, line.text);
        break;
      case StateLine::Item::Hotkey:
        AppendLine(text, "hotkey=" + HotkeyText(state.hotkey));
        break;
      case StateLine::Item::Window:
        if (state.place) AppendLine(text, "window=" + WindowPlaceText(*state.place));
        break;
      case StateLine::Item::Uses:
        AppendUseLines(text, state.scores);
        break;
      case StateLine::Item::Theme:
        AppendLine(text, "theme=" + ThemeChoiceText(state.theme));
        break;
      case StateLine::Item::Icons:
        AppendLine(text, IconsLine(state.iconSize));
        break;
    }
  }
  if (!Holds(state.lines, StateLine::Item::Uses)) AppendUseLines(text, state.scores);
  return text;
}

}  // namespace kov
