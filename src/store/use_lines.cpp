#include "store/use_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "store/state_words.h"
#include "store/utc_moment.h"

namespace kov {
namespace {

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

void AppendUseLine(Text& text, const Text& key, const UseScore& use) {
  text += "use=";
  AppendScore(text, use.score);
  text += ' ';
  AppendMoment(text, use.at);
  text += ' ';
  text += key;
  text += "\r\n";
}

}  // namespace

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

void AppendUseLines(Text& text, const UseScores& scores) {
  for (const auto& [key, use] : scores.All()) AppendUseLine(text, key, use);
}

}  // namespace kov
