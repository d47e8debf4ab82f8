#include "util/html_text.h"

#include <array>
#include <cctype>
#include <string_view>
#include <vector>

namespace kov {

Text JoinLinesWithCrLf(const Text& text) {
  Text joined;
  joined.reserve(text.size() + text.size() / 16 + 2);
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    joined.append(text, start, end == Text::npos ? Text::npos : end - start);
    joined += "\r\n";
    if (end == Text::npos) break;
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return joined;
}

namespace {

bool IsHtmlSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\f'; }

bool IsAsciiLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

char LowerAscii(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }

// Collects rendered text line by line, collapsing white space the way a browser does.
class PlainTextWriter {
 public:
  void Character(char ch) {
    if (pendingSpace_ && !line_.empty()) line_ += ' ';
    pendingSpace_ = false;
    line_ += ch;
  }
  // Text that keeps its spaces, such as a decoded &nbsp; or &emsp;.
  void Literal(std::string_view text) {
    for (char ch : text) Character(ch);
  }
  void CollapsibleSpace() { pendingSpace_ = true; }
  void LineBreak() {
    lines_.push_back(line_);
    line_.clear();
    pendingSpace_ = false;
  }
  // The end of a block element: a new line unless the current one is still empty.
  void BlockBreak() {
    if (!line_.empty()) LineBreak();
    pendingSpace_ = false;
  }
  Text Finish();

 private:
  std::vector<Text> lines_;
  Text line_;
  bool pendingSpace_ = false;
};

Text PlainTextWriter::Finish() {
  BlockBreak();
  Text result;
  bool blankPending = false;
  for (Text& line : lines_) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (line.empty()) {
      blankPending = !result.empty();
      continue;
    }
    if (!result.empty()) result += blankPending ? "\r\n\r\n" : "\r\n";
    blankPending = false;
    result += line;
  }
  return result;
}

struct NamedEntity {
  std::string_view name;
  std::string_view text;
};

constexpr std::array<NamedEntity, 9> kNamedEntities{{{"amp", "&"},
                                                     {"lt", "<"},
                                                     {"gt", ">"},
                                                     {"quot", "\""},
                                                     {"apos", "'"},
                                                     {"nbsp", " "},
                                                     {"ensp", " "},
                                                     {"emsp", "  "},
                                                     {"thinsp", " "}}};

// Decodes a numeric reference body ("#65", "#x41"); only printable ASCII is decoded,
// since other code points have no single meaning in an 8-bit code page.
bool DecodeNumericEntity(std::string_view body, char& decoded) {
  if (body.size() < 2 || body[0] != '#') return false;
  const bool hex = body[1] == 'x' || body[1] == 'X';
  const std::string_view digits = body.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 6) return false;
  long value = 0;
  for (char ch : digits) {
    int digit;
    if (ch >= '0' && ch <= '9') {
      digit = ch - '0';
    } else if (hex && LowerAscii(ch) >= 'a' && LowerAscii(ch) <= 'f') {
      digit = LowerAscii(ch) - 'a' + 10;
    } else {
      return false;
    }
    value = value * (hex ? 16 : 10) + digit;
  }
  if (value < 32 || value > 126) return false;
  decoded = static_cast<char>(value);
  return true;
}

// Writes the entity starting at html[pos] ('&') and returns the position after it;
// an unknown or unterminated entity is written as a plain "&".
std::size_t WriteEntity(const Text& html, std::size_t pos, PlainTextWriter& writer) {
  const std::size_t semicolon = html.find(';', pos + 1);
  if (semicolon != Text::npos && semicolon - pos <= 10) {
    const std::string_view body(html.data() + pos + 1, semicolon - pos - 1);
    for (const NamedEntity& entity : kNamedEntities) {
      if (body == entity.name) {
        writer.Literal(entity.text);
        return semicolon + 1;
      }
    }
    char decoded = 0;
    if (DecodeNumericEntity(body, decoded)) {
      writer.Character(decoded);
      return semicolon + 1;
    }
  }
  writer.Character('&');
  return pos + 1;
}

// Finds the '>' that ends the tag opened at html[pos], skipping quoted attribute values.
std::size_t TagEnd(const Text& html, std::size_t pos) {
  char quote = 0;
  for (std::size_t i = pos + 1; i < html.size(); ++i) {
    const char ch = html[i];
    if (quote != 0) {
      if (ch == quote) quote = 0;
    } else if (ch == '"' || ch == '\'') {
      quote = ch;
    } else if (ch == '>') {
      return i;
    }
  }
  return Text::npos;
}

bool IsBlockElement(std::string_view name) {
  static constexpr std::array<std::string_view, 20> kBlocks{"p",  "div", "center",     "table", "tr",   "ul",  "ol",
                                                            "li", "h1",  "h2",         "h3",    "h4",   "h5",  "h6",
                                                            "hr", "pre", "blockquote", "title", "body", "html"};
  for (std::string_view block : kBlocks) {
    if (name == block) return true;
  }
  return false;
}

// Lower-cased name of the tag whose text starts after '<' (and a '/' of an end tag).
Text TagName(const Text& html, std::size_t nameStart, std::size_t tagEnd) {
  Text name;
  for (std::size_t i = nameStart;
       i < tagEnd && (IsAsciiLetter(html[i]) || std::isdigit(static_cast<unsigned char>(html[i]))); ++i) {
    name += LowerAscii(html[i]);
  }
  return name;
}

// Position after the end tag of a raw-text element (style, script), or the text's end.
std::size_t SkipRawText(const Text& html, std::size_t from, const Text& name) {
  const Text closing = "</" + name;
  for (std::size_t i = html.find("</", from); i != Text::npos; i = html.find("</", i + 2)) {
    if (html.size() - i < closing.size()) break;
    bool matches = true;
    for (std::size_t k = 2; k < closing.size(); ++k) {
      if (LowerAscii(html[i + k]) != closing[k]) matches = false;
    }
    if (matches) {
      const std::size_t end = TagEnd(html, i);
      return end == Text::npos ? html.size() : end + 1;
    }
  }
  return html.size();
}

// Handles the markup starting at html[pos] ('<') and returns the position after it,
// or pos itself when the '<' opens no markup and is plain text.
std::size_t WriteMarkup(const Text& html, std::size_t pos, PlainTextWriter& writer) {
  if (html.compare(pos, 4, "<!--") == 0) {
    const std::size_t end = html.find("-->", pos + 4);
    return end == Text::npos ? html.size() : end + 3;
  }
  const bool endTag = pos + 1 < html.size() && html[pos + 1] == '/';
  const std::size_t nameStart = pos + (endTag ? 2 : 1);
  const bool declaration = nameStart < html.size() && html[nameStart] == '!';
  if (nameStart >= html.size() || !(IsAsciiLetter(html[nameStart]) || declaration)) return pos;
  const std::size_t tagEnd = TagEnd(html, pos);
  if (tagEnd == Text::npos) return pos;
  const Text name = TagName(html, nameStart, tagEnd);
  if (!endTag && (name == "style" || name == "script")) return SkipRawText(html, tagEnd + 1, name);
  if (name == "br") {
    writer.LineBreak();
  } else if (name == "td" || name == "th") {
    writer.CollapsibleSpace();
  } else if (IsBlockElement(name)) {
    writer.BlockBreak();
  }
  return tagEnd + 1;
}

}  // namespace

Text HtmlToPlainText(const Text& html) {
  PlainTextWriter writer;
  std::size_t pos = 0;
  while (pos < html.size()) {
    const char ch = html[pos];
    if (ch == '<') {
      const std::size_t next = WriteMarkup(html, pos, writer);
      if (next != pos) {
        pos = next;
        continue;
      }
      writer.Character(ch);
      ++pos;
    } else if (ch == '&') {
      pos = WriteEntity(html, pos, writer);
    } else if (IsHtmlSpace(ch)) {
      writer.CollapsibleSpace();
      ++pos;
    } else {
      writer.Character(ch);
      ++pos;
    }
  }
  return writer.Finish();
}

namespace {

// "#RRGGBB" for a colour kept as 0x00BBGGRR.
Text CssColor(std::uint32_t color) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  Text css = "#";
  for (int channel = 0; channel < 3; ++channel) {
    const unsigned value = (color >> (8 * channel)) & 0xFF;
    css += kDigits[value >> 4];
    css += kDigits[value & 0xF];
  }
  return css;
}

}  // namespace

// A style element before the body wins over the page's own style sheet with
// !important, and over the body's own style attribute too.
Text PageInColors(const Text& html, std::uint32_t background, std::uint32_t text) {
  const Text style = "<style type=\"text/css\">body,td,table{background-color:" + CssColor(background) +
                     " !important;color:" + CssColor(text) + " !important}</style>\r\n";
  const std::size_t body = html.find("<body");
  return body == Text::npos ? style + html : html.substr(0, body) + style + html.substr(body);
}

}  // namespace kov
