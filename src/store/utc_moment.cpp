#include "store/utc_moment.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <utility>

#include "store/state_words.h"

namespace kov {
namespace {

namespace chrono = std::chrono;

constexpr int kFirstYear = 1970;
constexpr int kLastYear = 9999;
constexpr std::int64_t kLastMoment =
    (chrono::sys_days{chrono::year{kLastYear + 1} / chrono::January / 1} - chrono::seconds{1})
        .time_since_epoch()
        .count();

// The number written in the digits digits from at, when it lies within lowest and highest.
std::optional<int> FieldNumber(std::string_view text, std::size_t at, std::size_t digits, int lowest, int highest) {
  const std::string_view field = text.substr(at, digits);
  if (!std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  const std::optional<int> number = WholeNumber<int>(field);
  if (!number || *number < lowest || *number > highest) return std::nullopt;
  return number;
}

}  // namespace

void AppendMoment(Text& text, std::int64_t moment) {
  const chrono::sys_seconds at{chrono::seconds{std::clamp<std::int64_t>(moment, 0, kLastMoment)}};
  const chrono::sys_days day = chrono::floor<chrono::days>(at);
  const chrono::year_month_day date{day};
  const chrono::hh_mm_ss time{at - day};
  const std::array<std::pair<std::int64_t, char>, 6> fields{{{static_cast<int>(date.year()), '-'},
                                                             {static_cast<unsigned>(date.month()), '-'},
                                                             {static_cast<unsigned>(date.day()), 'T'},
                                                             {time.hours().count(), ':'},
                                                             {time.minutes().count(), ':'},
                                                             {time.seconds().count(), 'Z'}}};
  for (const auto& [number, after] : fields) {
    AppendDigits(text, number, 2);
    text += after;
  }
}

std::optional<std::int64_t> ReadMoment(std::string_view text) {
  if (!text.empty() && text.back() == 'Z') text.remove_suffix(1);
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':') {
    return std::nullopt;
  }
  const std::optional<int> year = FieldNumber(text, 0, 4, kFirstYear, kLastYear);
  const std::optional<int> month = FieldNumber(text, 5, 2, 1, 12);
  const std::optional<int> day = FieldNumber(text, 8, 2, 1, 31);
  const std::optional<int> hour = FieldNumber(text, 11, 2, 0, 23);
  const std::optional<int> minute = FieldNumber(text, 14, 2, 0, 59);
  const std::optional<int> second = FieldNumber(text, 17, 2, 0, 59);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  const chrono::year_month_day date{chrono::year{*year}, chrono::month{static_cast<unsigned>(*month)},
                                    chrono::day{static_cast<unsigned>(*day)}};
  // 31 April, or 29 February of a common year.
  if (!date.ok()) return std::nullopt;
  const chrono::sys_seconds at =
      chrono::sys_days{date} + chrono::hours{*hour} + chrono::minutes{*minute} + chrono::seconds{*second};
  return at.time_since_epoch().count();
}

}  // namespace kov
