// Layout values are 96-DPI pixels; these scale them to a screen's DPI, and a length
// measured at one DPI to another.
#pragma once

namespace kov {

// value * numerator / denominator, rounded to the nearest whole number, halves away
// from zero (as the system's MulDiv rounds), without overflow for any int.
constexpr int InProportion(int value, int numerator, int denominator) {
  if (denominator == 0) return value;
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = (denominator < 0 ? -denominator : denominator) / 2;
  const long long sign = (product < 0) != (denominator < 0) ? -1 : 1;
  const long long magnitude = (product < 0 ? -product : product) + half;
  return static_cast<int>(sign * (magnitude / (denominator < 0 ? -denominator : denominator)));
}

inline constexpr int kBaseDpi = 96;

constexpr int Scaled(int pixelsAt96, int dpi) { return InProportion(pixelsAt96, dpi, kBaseDpi); }

}  // namespace kov
