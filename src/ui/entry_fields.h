// Reading single fields of entry lines without splitting the whole line: the scans over
// a full table (duplicate captions, the entry behind a caption) look at one field of
// every line of a folder.
#pragma once

#include "store/entry_table.h"

namespace kov {

// Piece n (1-based) of the line split at "*", as it stands; empty when the line has
// fewer pieces.
Text FieldOf(const Text& line, int n);

// The caption of a line as captions are compared: trimmed and upper-cased.
Text CaptionKey(const Text& line);

// The first slot whose line begins with upperPrefix (ignoring case) and whose
// CaptionKey equals upperCaption; 0 when there is none.
int FindCaptionInFolder(const EntryTable& table, const Text& upperPrefix, const Text& upperCaption);

}  // namespace kov
