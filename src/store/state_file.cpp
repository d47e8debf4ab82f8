#include "store/state_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

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

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// The text cut at every separator, each piece without the blanks around it.
std::vector<std::string_view> Pieces(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    pieces.push_back(Trimmed(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start)));
    if (end == std::string_view::npos) return pieces;
    start = end + 1;
  }
}

template <typename Number>
std::optional<Number> WholeNumber(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Appends the number with at least digits digits, zeros in front.
void AppendDigits(Text& text, std::int64_t number, int digits) {
  std::array<char, 24> buffer{};
  char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number).ptr;
  text.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, digits - (end - buffer.data()))), '0');
  text.append(buffer.data(), end);
}

// ---- The summon key ----

struct ModifierName {
  std::string_view name;
  unsigned bit;
};
// In the order the usual spelling gives them; the second name of a bit is read too.
constexpr std::array<ModifierName, 6> kModifierNames{{{"Win", kModWin},
                                                      {"Ctrl", kModControl},
                                                      {"Alt", kModAlt},
                                                      {"Shift", kModShift},
                                                      {"Windows", kModWin},
                                                      {"Control", kModControl}}};

struct KeyName {
  std::string_view name;
  unsigned key;
};
// Keys named by a word, the first name of a key its usual spelling.
constexpr std::array<KeyName, 23> kKeyNames{
    {{"Space", 0x20},     {"Enter", 0x0D}, {"Return", 0x0D}, {"Tab", 0x09},   {"Esc", 0x1B},      {"Escape", 0x1B},
     {"Backspace", 0x08}, {"Pause", 0x13}, {"Home", 0x24},   {"End", 0x23},   {"Insert", 0x2D},   {"Ins", 0x2D},
     {"Delete", 0x2E},    {"Del", 0x2E},   {"PageUp", 0x21}, {"PgUp", 0x21},  {"PageDown", 0x22}, {"PgDn", 0x22},
     {"Up", 0x26},        {"Down", 0x28},  {"Left", 0x25},   {"Right", 0x27}, {"Apps", 0x5D}}};

constexpr unsigned kKeyF1 = 0x70;
constexpr int kFunctionKeys = 24;

std::optional<unsigned> ModifierOf(std::string_view word) {
  for (const ModifierName& modifier : kModifierNames) {
    if (SameWord(word, modifier.name)) return modifier.bit;
  }
  return std::nullopt;
}

// Letters and digits are their own codes; F1 to F24 follow each other.
std::optional<unsigned> KeyOf(std::string_view word) {
  if (word.size() == 1) {
    const char c = AsciiLower(word[0]);
    if (c >= 'a' && c <= 'z') return static_cast<unsigned>(c - 'a' + 'A');
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c);
  }
  if (word.size() >= 2 && AsciiLower(word[0]) == 'f' && word[1] != '0') {
    const std::optional<int> number = WholeNumber<int>(word.substr(1));
    if (number && *number >= 1 && *number <= kFunctionKeys) return kKeyF1 + static_cast<unsigned>(*number - 1);
  }
  for (const KeyName& key : kKeyNames) {
    if (SameWord(word, key.name)) return key.key;
  }
  return std::nullopt;
}

Text KeyText(unsigned key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return Text(1, static_cast<char>(key));
  if (key >= kKeyF1 && key < kKeyF1 + kFunctionKeys) {
    Text name = "F";
    AppendDigits(name, key - kKeyF1 + 1, 1);
    return name;
  }
  for (const KeyName& name : kKeyNames) {
    if (name.key == key) return Text(name.name);
  }
  return IntText(key);  // a code made elsewhere, which no name of this file gives
}

HotkeyReading Refused(Text why) { return {std::nullopt, std::move(why)}; }

Text Quoted(std::string_view text) {
  Text quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  quoted += text;
  quoted += '"';
  return quoted;
}

}  // namespace

HotkeyReading ReadHotkey(std::string_view words) {
  if (SameWord(Trimmed(words), "none")) return {};
  Hotkey hotkey{0, 0};
  for (std::string_view part : Pieces(words, '+')) {
    if (part.empty()) return Refused("a part between the \"+\" signs is missing");
    if (const std::optional<unsigned> modifier = ModifierOf(part)) {
      hotkey.modifiers |= *modifier;
      continue;
    }
    const std::optional<unsigned> key = KeyOf(part);
    if (!key) return Refused(Quoted(part) + " is not the name of a key");
    if (hotkey.virtualKey != 0)
      return Refused("it names two keys; a summon key has one besides Ctrl, Alt, Shift and Win");
    hotkey.virtualKey = *key;
  }
  if (hotkey.virtualKey == 0) return Refused("it names no key besides Ctrl, Alt, Shift and Win");
  if ((hotkey.modifiers & ~kModShift) == 0) {
    // Without them it would take the key from every program.
    return Refused("a summon key needs Ctrl, Alt or Win");
  }
  return {hotkey, {}};
}

Text HotkeyText(const std::optional<Hotkey>& hotkey) {
  if (!hotkey) return "none";
  Text text;
  for (std::size_t at = 0; at < 4; ++at) {
    if (hotkey->modifiers & kModifierNames[at].bit) text += Text(kModifierNames[at].name) + "+";
  }
  return text + KeyText(hotkey->virtualKey);
}

namespace {

// ---- The window's place ----

// Far beyond any screen, so that a hand-edited number out of reason is refused rather
// than a window made where no one sees it.
constexpr int kFarthestPixel = 100000;

struct WindowReading {
  std::optional<WindowPlace> place;
  Text problem;
};

// Beyond what any screen has had, either way.
constexpr int kLowestDpi = 24;
constexpr int kHighestDpi = 2400;

// What may follow the four numbers, in either order: "maximized", and the DPI.
std::optional<Text> ReadPlaceSuffix(std::string_view piece, WindowPlace& place, bool& dpiRead) {
  if (SameWord(piece, "maximized") && !place.maximized) {
    place.maximized = true;
    return std::nullopt;
  }
  const std::size_t equals = piece.find('=');
  if (equals == std::string_view::npos || !SameWord(Trimmed(piece.substr(0, equals)), "dpi") || dpiRead) {
    return Quoted(piece) + " is neither \"maximized\" nor a DPI such as dpi=96";
  }
  const std::optional<int> dpi = WholeNumber<int>(Trimmed(piece.substr(equals + 1)));
  if (!dpi || *dpi < kLowestDpi || *dpi > kHighestDpi) return Quoted(piece) + " is not a DPI such as dpi=96";
  place.dpi = *dpi;
  dpiRead = true;
  return std::nullopt;
}

WindowReading ReadWindowPlace(std::string_view value) {
  const std::vector<std::string_view> pieces = Pieces(value, ',');
  if (pieces.size() < 4 || pieces.size() > 6) return {std::nullopt, "it needs left, top, width and height"};
  std::array<int, 4> numbers{};
  for (std::size_t at = 0; at < numbers.size(); ++at) {
    const std::optional<int> number = WholeNumber<int>(pieces[at]);
    if (!number || *number < -kFarthestPixel || *number > kFarthestPixel) {
      return {std::nullopt, Quoted(pieces[at]) + " is not a number of pixels"};
    }
    numbers[at] = *number;
  }
  if (numbers[2] <= 0 || numbers[3] <= 0) return {std::nullopt, "the width and height must be above 0"};
  WindowPlace place{numbers[0], numbers[1], numbers[2], numbers[3]};
  bool dpiRead = false;
  for (std::size_t at = numbers.size(); at < pieces.size(); ++at) {
    if (std::optional<Text> problem = ReadPlaceSuffix(pieces[at], place, dpiRead)) return {std::nullopt, *problem};
  }
  return {place, {}};
}

Text WindowPlaceText(const WindowPlace& place) {
  return IntText(place.left) + "," + IntText(place.top) + "," + IntText(place.width) + "," + IntText(place.height) +
         (place.maximized ? ",maximized" : "") + (place.dpi > 0 ? ",dpi=" + IntText(place.dpi) : "");
}

// ---- Moments, as UTC dates and times ----

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr int kLastYear = 9999;

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar, and back.
constexpr std::int64_t DaysFromDate(int year, int month, int day) {
  year -= month <= 2;
  const int era = year / 400;
  const int yearOfEra = year - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return static_cast<std::int64_t>(era) * 146097 + dayOfEra - 719468;
}

struct Date {
  int year;
  int month;
  int day;
};

Date DateFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = days / 146097;
  const int dayOfEra = static_cast<int>(days - era * 146097);
  const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  const int month = shiftedMonth + (shiftedMonth < 10 ? 3 : -9);
  return {static_cast<int>(era * 400 + yearOfEra + (month <= 2)), month, day};
}

constexpr std::int64_t kLastMoment = DaysFromDate(kLastYear + 1, 1, 1) * kSecondsPerDay - 1;

// "2026-12-08T10:15:00Z"; moments before 1970 or after 9999 are written as the nearest
// that a file can hold.
void AppendMoment(Text& text, std::int64_t moment) {
  moment = std::clamp<std::int64_t>(moment, 0, kLastMoment);
  const Date date = DateFromDays(moment / kSecondsPerDay);
  const std::int64_t second = moment % kSecondsPerDay;
  const std::array<std::pair<std::int64_t, char>, 6> fields{{{date.year, '-'},
                                                             {date.month, '-'},
                                                             {date.day, 'T'},
                                                             {second / 3600, ':'},
                                                             {second / 60 % 60, ':'},
                                                             {second % 60, 'Z'}}};
  for (const auto& [number, after] : fields) {
    AppendDigits(text, number, 2);
    text += after;
  }
}

std::optional<int> FieldNumber(std::string_view text, std::size_t at, std::size_t digits, int lowest, int highest) {
  const std::string_view field = text.substr(at, digits);
  if (!std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  const std::optional<int> number = WholeNumber<int>(field);
  if (!number || *number < lowest || *number > highest) return std::nullopt;
  return number;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Reads "YYYY-MM-DDTHH:MM:SS", with or without a final "Z", as UTC.
std::optional<std::int64_t> ReadMoment(std::string_view text) {
  if (!text.empty() && text.back() == 'Z') text.remove_suffix(1);
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':') {
    return std::nullopt;
  }
  const std::optional<int> year = FieldNumber(text, 0, 4, 1970, kLastYear);
  const std::optional<int> month = FieldNumber(text, 5, 2, 1, 12);
  if (!year || !month) return std::nullopt;
  const std::optional<int> day = FieldNumber(text, 8, 2, 1, DaysInMonth(*year, *month));
  const std::optional<int> hour = FieldNumber(text, 11, 2, 0, 23);
  const std::optional<int> minute = FieldNumber(text, 14, 2, 0, 59);
  const std::optional<int> second = FieldNumber(text, 17, 2, 0, 59);
  if (!day || !hour || !minute || !second) return std::nullopt;
  return DaysFromDate(*year, *month, *day) * kSecondsPerDay + *hour * 3600 + *minute * 60 + *second;
}

// ---- Use scores ----

// The score with up to four decimals, without trailing zeros: "3.25", "1", "0.0312".
// Written and read as whole numbers: the C++ library's floating-point conversions would
// add a quarter of a megabyte to the program.
void AppendScore(Text& text, double score) {
  const std::int64_t tenThousandths = std::llround(std::clamp(score, 0.0, kHighestUseScore) * 10000);
  AppendDigits(text, tenThousandths / 10000, 1);
  std::int64_t fraction = tenThousandths % 10000;
  if (fraction == 0) return;
  int digits = 4;
  while (fraction % 10 == 0) {
    fraction /= 10;
    --digits;
  }
  text += '.';
  AppendDigits(text, fraction, digits);
}

// A score as written: digits, and perhaps a point and more digits.
std::optional<double> ReadScore(std::string_view word) {
  const std::size_t point = word.find('.');
  const std::optional<std::int64_t> whole = WholeNumber<std::int64_t>(word.substr(0, point));
  if (!whole || word.front() == '-' || word.front() == '+') return std::nullopt;
  if (point == std::string_view::npos) return static_cast<double>(*whole);
  std::string_view decimals = word.substr(point + 1);
  if (decimals.empty() || decimals.size() > 12 || decimals.front() == '-' || decimals.front() == '+') {
    return std::nullopt;
  }
  const std::optional<std::int64_t> fraction = WholeNumber<std::int64_t>(decimals);
  if (!fraction) return std::nullopt;
  return static_cast<double>(*whole) + static_cast<double>(*fraction) / std::pow(10.0, static_cast<double>(decimals.size()));
}

struct UseReading {
  Text key;
  UseScore use;
  Text problem;
};

// The next word of text, and text after it.
std::string_view TakeWord(std::string_view& text) {
  text = Trimmed(text);
  const std::size_t end = static_cast<std::size_t>(std::find_if(text.begin(), text.end(), IsBlank) - text.begin());
  const std::string_view word = text.substr(0, end);
  text.remove_prefix(end);
  return word;
}

// Keys are upper-cased; a key as Kovrant writes it already is, and is taken as it stands.
Text AsKey(std::string_view text) {
  const bool upper = std::none_of(
      text.begin(), text.end(), [](char c) { return (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80; });
  return upper ? Text(text) : UpperText(Text(text));
}

UseReading ReadUse(std::string_view value) {
  const std::string_view scoreWord = TakeWord(value);
  const std::string_view momentWord = TakeWord(value);
  const std::string_view key = Trimmed(value);
  const std::optional<double> score = scoreWord.empty() ? std::nullopt : ReadScore(scoreWord);
  if (!score || !std::isfinite(*score) || *score < 0 || *score > kHighestUseScore) {
    return {{}, {}, Quoted(scoreWord) + " is not a score"};
  }
  const std::optional<std::int64_t> moment = ReadMoment(momentWord);
  if (!moment) return {{}, {}, Quoted(momentWord) + " is not a time such as 2026-12-08T10:15:00Z"};
  if (key.empty()) return {{}, {}, "it names no entry"};
  return {AsKey(key), {*score, *moment}, {}};
}

void AppendUseLine(Text& text, const Text& key, const UseScore& use) {
  text += "use=";
  AppendScore(text, use.score);
  text += ' ';
  AppendMoment(text, use.at);
  text += ' ';
  text += key;
  text += "\r\n";
}

// ---- Lines ----

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

// Where the line starting at start ends: at a CR, an LF or the end of the text. A plain
// loop, several times faster here than a search for either of two characters.
std::size_t LineEnd(std::string_view text, std::size_t start) {
  const auto end = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(),
                                [](char c) { return c == '\r' || c == '\n'; });
  return static_cast<std::size_t>(end - text.begin());
}

class StateReader {
 public:
  StateFile Read(std::string_view text) {
    allUtf8_ = IsValidUtf8(Text(text));
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = LineEnd(text, start);
      ++lineNumber_;
      ReadLine(text.substr(start, end - start));
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
    if (line.size() > kLongestLine) return Refuse(line, "it is longer than a line of this file can be");
    if (line.find('\0') != std::string_view::npos) return Refuse(line, "it holds a NUL byte");
    if (!allUtf8_ && !IsValidUtf8(Text(line))) return Refuse(line, "it is not UTF-8 text");
    const std::size_t equals = line.find('=');
    const std::string_view name = Trimmed(line.substr(0, equals));
    const std::string_view value = equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
    if (equals != std::string_view::npos && SameWord(name, "hotkey")) return ReadHotkeyLine(line, value);
    if (equals != std::string_view::npos && SameWord(name, "window")) return ReadWindowLine(line, value);
    if (equals != std::string_view::npos && SameWord(name, "use")) return ReadUseLine(line, value);
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

  StateFile state_;
  int lineNumber_ = 0;
  bool allUtf8_ = false;          // the whole text, so that its lines need no check of their own
  std::array<bool, 4> placed_{};  // by item
};

bool Holds(const std::vector<StateLine>& lines, StateLine::Item item) {
  return std::any_of(lines.begin(), lines.end(), [item](const StateLine& line) { return line.item == item; });
}

void AppendLine(Text& text, std::string_view line) {
  text += line;
  text += "\r\n";
}

void AppendUses(Text& text, const UseScores& scores) {
  for (const auto& [key, use] : scores.All()) AppendUseLine(text, key, use);
}

}  // namespace

Text UnreadableStateNotice(const Text& fileName, const Text& reason, ReadProblem problem) {
  if (problem == ReadProblem::IsDirectory) {
    return "A folder has taken the state file's name, " + fileName + ": Kovrant starts without it.";
  }
  return "Kovrant could not read " + fileName + " (" + reason + ") and starts without it.";
}

StateFile ReadStateText(std::string_view text) { return StateReader().Read(text); }

Text StateFileText(const StateFile& state) {
  Text text;
  text.reserve(64 + state.scores.All().size() * 64);
  if (!Holds(state.lines, StateLine::Item::Hotkey)) AppendLine(text, "hotkey=" + HotkeyText(state.hotkey));
  if (state.place && !Holds(state.lines, StateLine::Item::Window)) {
    AppendLine(text, "window=" + WindowPlaceText(*state.place));
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
        AppendUses(text, state.scores);
        break;
    }
  }
  if (!Holds(state.lines, StateLine::Item::Uses)) AppendUses(text, state.scores);
  return text;
}

}  // namespace kov
