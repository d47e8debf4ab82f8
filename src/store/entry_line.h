// The entry line, the one place that takes it apart and puts it together: five fields
// each followed by "*": folder, target, kind, caption, parameters. A hand-edited line
// may carry fewer or more pieces; missing fields read as empty, and pieces after the
// parameters are not part of the entry.
#pragma once

#include "util/text.h"

namespace kov {

enum EntryKind : int { kProgram = 0, kVirtualFolder = 1, kDirectory = 2 };

// The five fields of a line as they stand, untrimmed, the kind as its text.
struct EntryFields {
  Text folder;
  Text target;
  Text kind;
  Text caption;
  Text parameters;
};

EntryFields SplitEntryLine(std::string_view line);

// The line for the fields: each field followed by "*".
Text FormatEntryLine(const EntryFields& fields);

// Piece n (1-based) of the line split at "*", as it stands: a view into line, empty when
// the line has fewer pieces. Reads only as far as piece n and copies nothing, so scans
// over a whole table stay fast.
std::string_view FieldOf(std::string_view line, int n);

// The caption of a line as captions are compared: trimmed and upper-cased.
Text CaptionKey(std::string_view line);

// The five fields of an entry line, read as the view reads them: target, caption and
// parameters trimmed, the kind as a number.
struct EntryView {
  Text folder;
  Text target;
  int kind = kProgram;
  Text caption;
  Text parameters;
};
EntryView ReadEntry(std::string_view line);

}  // namespace kov
