#include "store/look_lines.h"

#include "store/state_words.h"

namespace kov {

namespace {

struct ThemeName {
  std::string_view name;
  ThemeChoice choice;
};
constexpr ThemeName kThemeNames[] = {
    {"system", ThemeChoice::System}, {"light", ThemeChoice::Light}, {"dark", ThemeChoice::Dark}};

}  // namespace

ThemeReading ReadThemeChoice(std::string_view value) {
  const std::string_view word = Trimmed(value);
  for (const ThemeName& theme : kThemeNames) {
    if (SameWord(word, theme.name)) return {theme.choice, {}};
  }
  return {std::nullopt, Quoted(word) + " is not a theme: dark, light or system"};
}

Text ThemeChoiceText(ThemeChoice choice) {
  for (const ThemeName& theme : kThemeNames) {
    if (theme.choice == choice) return Text(theme.name);
  }
  return "system";
}

IconSizeReading ReadIconSize(std::string_view value) {
  const std::optional<int> size = WholeNumber<int>(Trimmed(value));
  if (size && *size >= kSmallestIconSize && *size <= kLargestIconSize) return {size, {}};
  Text problem = "the icons' size is a number of pixels from ";
  AppendDigits(problem, kSmallestIconSize, 1);
  problem += " to ";
  AppendDigits(problem, kLargestIconSize, 1);
  return {std::nullopt, problem};
}

}  // namespace kov
