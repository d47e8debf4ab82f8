// The keys the Info page lists, made from the list of commands so that the page names
// exactly the keys that work: the chords of each command as the list holds them, and
// the keys that reach a command in another form (Shift+F10, the search field's own).
#pragma once

#include <vector>

#include "ui/command_list.h"
#include "util/text.h"

namespace kov {

// The chord in its usual spelling: "Ctrl+Shift+Z", "F2", "Backspace".
Text KeyChordName(KeyChord chord);

// One key of the guide: the keys, and what they do.
struct KeyGuideLine {
  Text keys;
  Text action;
};

// The summon key's line first (none when summonKey is empty or "none"), then one line
// per command that any key runs, in the order of the list.
std::vector<KeyGuideLine> KeyGuide(const Text& summonKey);

// The page with the guide as an HTML table after the page's first table (what the
// program is), or at its end when it has none. The keys are padded to one width, so that
// the page's plain-text form shows them in a column too.
Text PageWithKeyGuide(const Text& page, const std::vector<KeyGuideLine>& guide);

}  // namespace kov
