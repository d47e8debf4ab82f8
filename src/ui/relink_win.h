// Pointing an entry whose target went missing at what stands for it now: a file or
// folder dropped onto its icon, or a file chosen with Locate….
#pragma once

#include <vector>

#include "ui/launcher_parts_win.h"

namespace kov {

// A drop of one item onto the icon at index, when that icon's target is missing: asks
// whether the entry is to lead to the dropped item instead. True when the drop was
// taken so; false leaves the drop to be added as any drop is.
bool OfferRelink(const LauncherParts& parts, int index, const std::vector<Text>& dropped);

// "File not found" for the selected icon after a start: its picture shows the missing
// target, and the notice asks whether to locate the target now, as Locate… does.
void OfferToLocate(const LauncherParts& parts, const Text& pathTried);

// Locate…: the standard file dialog at the nearest folder of the missing target that
// still exists; the file chosen becomes the entry's target.
void LocateTarget(const LauncherParts& parts);

}  // namespace kov
