#include "ui/path_text.h"

namespace kov {

Text QuotedPathLines(const std::vector<Text>& paths) {
  Text text;
  for (const Text& path : paths) text += (text.empty() ? "\"" : "\r\n\"") + path + "\"";
  return text;
}

namespace {

Text WithoutBlanksAround(const Text& line) {
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == Text::npos) return Text();
  return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::vector<Text> PathLines(const Text& text) {
  std::vector<Text> paths;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == Text::npos) end = text.size();
    Text line = WithoutBlanksAround(text.substr(start, end - start));
    if (line.size() >= 2 && line.front() == '"' && line.back() == '"') line = WithoutBlanksAround(line.substr(1, line.size() - 2));
    if (!line.empty()) paths.push_back(std::move(line));
    start = end + 1;
  }
  return paths;
}

bool IsFullPath(const Text& path) {
  const bool drive = path.size() >= 3 && ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z') && path[1] == ':' &&
                     path[2] == '\\';
  return drive || (path.size() > 2 && path[0] == '\\' && path[1] == '\\');
}

}  // namespace kov
