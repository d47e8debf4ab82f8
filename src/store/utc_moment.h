// Moments as the state file writes them: UTC dates and times, "2026-12-08T10:15:00Z",
// for seconds since 1970.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "util/text.h"

namespace kov {

// Appends the moment; moments before 1970 or after 9999 are written as the nearest that
// a file can hold.
void AppendMoment(Text& text, std::int64_t moment);

// Reads "YYYY-MM-DDTHH:MM:SS", with or without a final "Z", as UTC; none for a date that
// does not exist or lies outside the years 1970 to 9999.
std::optional<std::int64_t> ReadMoment(std::string_view text);

}  // namespace kov
