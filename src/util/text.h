// Text helpers: the small operations with which the program takes apart and rebuilds
// entry lines, folder paths and catalogue texts. Texts are 8-bit strings in the system
// ANSI code page; positions are 1-based and 0 means "not found".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kov {

using Text = std::string;

// A 1-based field array as SplitFields fills it; element 0 is never written.
using FieldArray = std::vector<Text>;

int TextLength(const Text& text);
// Letter case by the system's mapping, for every script. Texts are UTF-8: a letter whose
// partner takes another number of bytes (ı and I) changes the length; bytes that are
// not UTF-8 are kept as they are.
Text UpperText(const Text& text);
Text LowerText(const Text& text);
Text IntText(std::int64_t value);
std::int32_t TextToInt(const Text& text);
int TextPos(const Text& text, const Text& pattern);
int PosFrom(const Text& text, const Text& pattern, int start);
int LastCharPos(const Text& text, char ch);
Text LeftText(const Text& text, int n);
Text RightText(const Text& text, int n);
Text TailFrom(const Text& text, int position);
int CountOccurrences(const Text& text, const Text& pattern);
Text ReplaceAll(const Text& text, const Text& pattern, const Text& replacement);
Text TrimText(const Text& text, int mode);
// The text in double quotes, as messages name a caption or a word they refuse.
Text Quoted(std::string_view text);

// One code point's upper-case and lower-case partner, as UpperText and LowerText map it.
char32_t UpperLetter(char32_t codePoint);
char32_t LowerLetter(char32_t codePoint);

// Splits text at every match of separator into fields[1..count] and returns count.
// The array grows only as far as the fields found; elements above count keep what
// they held. When more fields are found than highestIndex allows, the last element
// receives the rest of the text unsplit, so nothing is lost and nothing is written
// past highestIndex.
int SplitFields(const Text& text, const Text& separator, FieldArray& fields, int highestIndex);

Text SlashMode(const Text& path, int mode);
Text CurrentDirSlash();

// The trim used for entry fields: tabs become spaces, leading and trailing spaces go.
inline constexpr int kTrimField = 13;
// The trim before a split at blanks: leading and trailing spaces go, runs of spaces
// become one.
inline constexpr int kTrimBlanks = 7;

// True when the first characters of line, upper-cased, equal the upper-cased prefix.
bool StartsWithIgnoringCase(std::string_view line, const Text& upperPrefix);

// How many bytes of line its upper-cased prefix upperPrefix takes; Text::npos when line
// does not start with it. The count can differ from the prefix's own length.
std::size_t PrefixLengthIgnoringCase(std::string_view line, const Text& upperPrefix);

}  // namespace kov
