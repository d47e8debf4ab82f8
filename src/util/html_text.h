// Text-level helpers for the HTML info window: the bytes handed to the browser, and a
// readable plain-text form of a page for when no browser can show it.
#pragma once

#include <cstdint>

#include "util/text.h"

namespace kov {

// Splits text into lines at CR, LF or CR LF and joins them again with every line
// followed by CR LF, so a page written with any line ends reaches the browser with
// CR LF ones. An empty text gives an empty text; a last line without an end gets one.
Text JoinLinesWithCrLf(const Text& text);

// Renders HTML as plain text lines joined by CR LF: tags are dropped, <br> and the
// ends of block elements start new lines, the contents of <style> and <script> and
// comments vanish, runs of white space collapse to one space as a browser shows them,
// the common character entities are decoded, and runs of blank lines collapse to one.
// Anything that is not well-formed markup (a lone "<", an unknown "&name;") is kept
// as it stands, so no text is lost.
Text HtmlToPlainText(const Text& html);

// The page with its background and text in these colours (0x00BBGGRR), whatever colours
// its own style gives them.
Text PageInColors(const Text& html, std::uint32_t background, std::uint32_t text);

}  // namespace kov
