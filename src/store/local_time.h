// The clock as the user reads it, behind one seam: GetLocalTime on Windows, the C
// library's local time in the native build.
#pragma once

namespace kov {

struct LocalTime {
  int year = 0;    // four digits
  int month = 0;   // 1 to 12
  int day = 0;     // 1 to 31
  int hour = 0;    // 0 to 23
  int minute = 0;  // 0 to 59
  int second = 0;  // 0 to 59
};

LocalTime CurrentLocalTime();

}  // namespace kov
