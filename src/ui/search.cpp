#include "ui/search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>
#include <string_view>

#include "store/entry_line.h"
#include "util/letter_fold.h"
#include "util/utf8.h"

namespace kov {

namespace {

using Letters = std::u32string_view;

// The character at text[at], which at passes. A byte that is not part of a UTF-8
// sequence stands for itself as a lone surrogate, which no decoded character equals.
char32_t NextLetter(std::string_view text, std::size_t& at) {
  const auto byte = static_cast<unsigned char>(text[at]);
  if (byte < 0x80) {
    ++at;
    return byte;
  }
  std::uint32_t codePoint = 0;
  const std::size_t length = DecodeUtf8Sequence(text, at, codePoint);
  at += length == 0 ? 1 : length;
  return length == 0 ? static_cast<char32_t>(0xDC00 | byte) : codePoint;
}

std::uint64_t LetterBit(char32_t letter) { return std::uint64_t{1} << (letter & 63); }

std::uint64_t PresentLetters(Letters letters) {
  std::uint64_t present = 0;
  for (char32_t letter : letters) present |= LetterBit(letter);
  return present;
}

bool IsWordBreak(char32_t letter) { return letter == ' ' || letter == '-' || letter == '_' || letter == '.'; }

// Appends a letter as the search compares it (FoldLetter), and returns how many letters
// that made: none for a diacritic mark.
std::size_t AppendFolded(char32_t upperLetter, std::vector<char32_t>& letters) {
  const FoldedLetter folded = FoldLetter(upperLetter);
  for (std::size_t at = 0; at < folded.count; ++at) letters.push_back(folded.letters[at]);
  return folded.count;
}

// A letter of a caption in upper case, and whether casing changes it either way.
struct CasedLetter {
  char32_t upper;
  bool lower;    // upper-casing changes it
  bool capital;  // lower-casing changes it
};

CasedLetter CaseOf(char32_t letter) {
  // Every system cases ASCII alike, and most captions are ASCII: no tables for them.
  if (letter < 0x80) {
    const bool lower = letter >= 'a' && letter <= 'z';
    return {lower ? letter - 0x20 : letter, lower, letter >= 'A' && letter <= 'Z'};
  }
  const char32_t upper = UpperLetter(letter);
  return {upper, upper != letter, LowerLetter(letter) != letter};
}

// A caption field without the blanks and tabs around it, as TrimText's kTrimField has it.
std::string_view TrimmedCaption(std::string_view field) {
  const std::size_t first = field.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return field.substr(first, field.find_last_not_of(" \t") + 1 - first);
}

// Appends a caption's letters as the search compares them, and where its words start
// among them, counted from the caption's first letter. A word starts after a break and
// at a capital that follows a lower-case letter; diacritic marks, which fold to nothing,
// are passed over, so an accented letter starts a word as its plain letter would.
void AppendCaption(std::string_view caption, std::vector<char32_t>& letters, std::vector<std::uint32_t>& starts) {
  const std::size_t first = letters.size();
  bool afterBreak = true;
  bool afterLower = false;
  for (std::size_t at = 0; at < caption.size();) {
    const char32_t letter = NextLetter(caption, at);
    const CasedLetter cased = CaseOf(letter == '\t' ? ' ' : letter);  // a tab inside is a blank
    const std::size_t position = letters.size() - first;
    if (AppendFolded(cased.upper, letters) == 0) continue;
    const bool isBreak = IsWordBreak(cased.upper);
    const bool startsWord = !isBreak && (afterBreak || (afterLower && cased.capital));
    if (startsWord) starts.push_back(static_cast<std::uint32_t>(position));
    afterBreak = isBreak;
    afterLower = cased.lower;
  }
}

// The rules of CaptionIndex in their order; None matches nothing.
enum class Match : std::uint8_t { None, Start, WordStart, Initials, Inside, Scattered, Typo };
constexpr std::size_t kMatchKinds = 7;

int GroupOf(Match match) {
  if (match <= Match::Initials) return 0;
  return match == Match::Inside ? 1 : 2;
}

Letters Tail(Letters text, std::size_t from) { return from < text.size() ? text.substr(from) : Letters(); }

bool IsInitials(Letters caption, std::span<const std::uint32_t> words, Letters wanted) {
  for (std::size_t first = 0; first + wanted.size() <= words.size(); ++first) {
    std::size_t matched = 0;
    while (matched < wanted.size() && caption[words[first + matched]] == wanted[matched]) ++matched;
    if (matched == wanted.size()) return true;
  }
  return false;
}

bool HoldsInOrder(Letters caption, Letters wanted) {
  std::size_t matched = 0;
  for (std::size_t at = 0; at < caption.size() && matched < wanted.size(); ++at) {
    if (caption[at] == wanted[matched]) ++matched;
  }
  return matched == wanted.size();
}

// Whether one of the first two letters of text equals one of the first two of wanted
// (of two or more letters), as they do when one typo lies between them: a quick test
// that passes over most captions.
bool FirstLettersMeet(Letters text, Letters wanted) {
  if (text.empty()) return false;
  if (text[0] == wanted[0] || text[0] == wanted[1]) return true;
  return text.size() > 1 && (text[1] == wanted[0] || text[1] == wanted[1]);
}

// Whether wanted is at most one typo away from a start of text: past the first
// difference, the rest agrees once a letter of either is skipped, or both, or once the
// two letters there are swapped.
bool StartsWithinOneTypo(Letters text, Letters wanted) {
  if (!FirstLettersMeet(text, wanted)) return false;
  const std::size_t same = static_cast<std::size_t>(
      std::mismatch(wanted.begin(), wanted.end(), text.begin(), text.end()).first - wanted.begin());
  if (same == wanted.size()) return true;
  const Letters rest = Tail(wanted, same + 1);
  if (Tail(text, same + 1).starts_with(rest) || Tail(text, same).starts_with(rest)) return true;
  if (same < text.size() && Tail(text, same + 1).starts_with(Tail(wanted, same))) return true;
  return same + 1 < wanted.size() && same + 1 < text.size() && wanted[same] == text[same + 1] &&
         wanted[same + 1] == text[same] && Tail(text, same + 2).starts_with(Tail(wanted, same + 2));
}

// The texts that a typo rule needs at least this many letters for; shorter ones would
// match nearly every caption.
constexpr std::size_t kShortestForTypos = 4;

// The first rule by which wanted matches the caption. absent is how many of wanted's
// letters (by their bits) the caption lacks: with one, only a typo can match.
Match MatchOf(Letters caption, std::span<const std::uint32_t> words, Letters wanted, int absent) {
  if (absent == 0) {
    if (caption.starts_with(wanted)) return Match::Start;
    for (std::uint32_t word : words) {
      if (Tail(caption, word).starts_with(wanted)) return Match::WordStart;
    }
    if (IsInitials(caption, words, wanted)) return Match::Initials;
    if (caption.find(wanted) != Letters::npos) return Match::Inside;
    if (HoldsInOrder(caption, wanted)) return Match::Scattered;
  }
  if (absent > 1 || wanted.size() < kShortestForTypos) return Match::None;
  if (StartsWithinOneTypo(caption, wanted)) return Match::Typo;
  for (std::uint32_t word : words) {
    if (StartsWithinOneTypo(Tail(caption, word), wanted)) return Match::Typo;
  }
  return Match::None;
}

// Sorts numbers a byte at a time, lowest byte first: over a whole menu of used entries
// several times faster than comparing them. A byte that all numbers share is skipped.
void SortNumbers(std::vector<std::uint64_t>& numbers) {
  std::vector<std::uint64_t> sorted(numbers.size());
  for (int shift = 0; shift < 64; shift += 8) {
    std::array<std::size_t, 257> starts{};
    for (std::uint64_t number : numbers) ++starts[((number >> shift) & 0xFF) + 1];
    if (std::find(starts.begin(), starts.end(), numbers.size()) != starts.end()) continue;
    for (std::size_t byte = 1; byte < starts.size(); ++byte) starts[byte] += starts[byte - 1];
    for (std::uint64_t number : numbers) sorted[starts[(number >> shift) & 0xFF]++] = number;
    numbers.swap(sorted);
  }
}

// The matches of one search, put in their order: by group, then use, then rule, then
// slot. Entries never used (most of a menu) are kept per rule in table order, so only
// the used ones are sorted.
class Ranking {
 public:
  void Add(int slot, Match match, double use) {
    if (use > 0) {
      used_[GroupOf(match)].push_back(UsedOrder(use, match, slot));
    } else {
      unused_[static_cast<std::size_t>(match)].push_back(slot);
    }
  }

  std::vector<int> InOrder() {
    std::vector<int> slots;
    for (int group = 0; group < kGroups; ++group) {
      std::vector<std::uint64_t>& used = used_[group];
      SortNumbers(used);
      for (std::uint64_t order : used) slots.push_back(static_cast<int>(order & kSlotMask));
      for (std::size_t match = 1; match < kMatchKinds; ++match) {
        if (GroupOf(static_cast<Match>(match)) != group) continue;
        slots.insert(slots.end(), unused_[match].begin(), unused_[match].end());
      }
    }
    return slots;
  }

 private:
  static constexpr int kGroups = 3;
  static constexpr int kSlotBits = 24;
  static constexpr int kRuleAndSlotBits = kSlotBits + 3;
  static constexpr std::uint64_t kSlotMask = (std::uint64_t{1} << kSlotBits) - 1;

  // A used entry's place as one number that sorts in one compare: its use, highest first
  // (the upper bits of a positive double order as it does; the lowest mantissa bits,
  // differences of less than a ten-millionth, are dropped), then its rule, then its slot.
  static std::uint64_t UsedOrder(double use, Match match, int slot) {
    const std::uint64_t useBits = std::bit_cast<std::uint64_t>(use) >> kRuleAndSlotBits;
    const std::uint64_t ruleAndSlot = static_cast<std::uint64_t>(match) << kSlotBits | static_cast<std::uint64_t>(slot);
    return ~useBits << kRuleAndSlotBits | ruleAndSlot;
  }

  std::array<std::vector<std::uint64_t>, kGroups> used_;
  std::array<std::vector<int>, kMatchKinds> unused_;
};

}  // namespace

CaptionIndex::CaptionIndex(const EntryTable& table) {
  std::vector<std::string_view> captions;
  captions.reserve(static_cast<std::size_t>(table.Count()));
  std::size_t bytes = 0;
  for (std::string_view line : table.Lines()) {
    captions.push_back(TrimmedCaption(FieldOf(line, 4)));
    bytes += captions.back().size();
  }
  // A caption has no more letters than bytes, but for the rare letter that folds to two
  // or three: room made at once, the letters are not moved again as they grow.
  letters_.reserve(bytes);
  captions_.reserve(captions.size() + 1);
  for (std::string_view caption : captions) Add(caption);
  captions_.push_back({static_cast<std::uint32_t>(letters_.size()), static_cast<std::uint32_t>(wordStarts_.size()), 0});
}

void CaptionIndex::Add(std::string_view caption) {
  const std::size_t first = letters_.size();
  const std::size_t firstWord = wordStarts_.size();
  AppendCaption(caption, letters_, wordStarts_);
  const std::uint64_t present = PresentLetters(Letters(letters_.data() + first, letters_.size() - first));
  captions_.push_back({static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(firstWord), present});
}

std::u32string_view CaptionIndex::LettersOf(std::size_t index) const {
  return {letters_.data() + captions_[index].letters, captions_[index + 1].letters - captions_[index].letters};
}

std::vector<int> CaptionIndex::SlotsFoldedAlike(int slot) const {
  std::vector<int> slots;
  if (slot < 1 || static_cast<std::size_t>(slot) >= captions_.size()) return slots;
  const Letters wanted = LettersOf(static_cast<std::size_t>(slot) - 1);
  for (std::size_t index = 0; index + 1 < captions_.size(); ++index) {
    if (LettersOf(index) == wanted) slots.push_back(static_cast<int>(index) + 1);
  }
  return slots;
}

std::vector<int> CaptionIndex::Find(const Text& typed, const std::vector<double>& useBySlot) const {
  const Text upper = UpperText(TrimText(typed, kTrimField));
  std::vector<char32_t> folded;
  for (std::size_t at = 0; at < upper.size();) AppendFolded(NextLetter(upper, at), folded);
  const Letters wanted(folded.data(), folded.size());
  if (wanted.empty()) return {};
  const std::uint64_t wantedPresent = PresentLetters(wanted);
  Ranking ranking;
  for (std::size_t index = 0; index + 1 < captions_.size(); ++index) {
    const Caption& caption = captions_[index];
    const Caption& next = captions_[index + 1];
    const std::uint64_t absentBits = wantedPresent & ~caption.present;
    if ((absentBits & (absentBits - 1)) != 0) continue;  // two letters or more absent
    const int absent = absentBits == 0 ? 0 : 1;
    const Letters letters = LettersOf(index);
    const std::span<const std::uint32_t> words(wordStarts_.data() + caption.words, next.words - caption.words);
    const Match match = MatchOf(letters, words, wanted, absent);
    if (match == Match::None) continue;
    ranking.Add(static_cast<int>(index) + 1, match, index < useBySlot.size() ? useBySlot[index] : 0.0);
  }
  return ranking.InOrder();
}

}  // namespace kov
