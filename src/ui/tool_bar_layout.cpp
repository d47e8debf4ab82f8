#include "ui/tool_bar_layout.h"

#include <algorithm>

#include "util/dpi.h"

namespace kov {

namespace {

// In 96-DPI pixels, in the order of kToolBarTags: the left group's buttons from the
// bar's left edge, the right group's from the group's left edge. Neighbours overlap a
// little: each button's picture is narrower than the button.
constexpr std::array<Span, kToolBarTags.size()> kButtonsAt96{
    {{0, 60}, {51, 60}, {151, 60}, {208, 60}, {2, 45}, {48, 45}, {104, 60}}};
constexpr int kRightGroupWidth = 165;
constexpr int kGapBeforeSearch = 10;
constexpr int kGapAfterSearch = 8;
// What the window's least width has always left the search field: a dozen letters.
constexpr int kSearchLeastWidth = 89;

// How many parts of each group show, as the bar narrows step by step.
struct Shown {
  std::size_t left;   // the left group's first buttons
  std::size_t right;  // the right group's last buttons
};
constexpr std::array<Shown, 7> kGivingWay{{{4, 3}, {4, 1}, {4, 0}, {3, 0}, {2, 0}, {1, 0}, {0, 0}}};

int LeftGroupEnd(std::size_t shown) {
  if (shown == 0) return 0;
  const Span& last = kButtonsAt96[shown - 1];
  return last.left + last.width;
}

// The right group keeps its last buttons, shifted left by those it leaves out.
int RightGroupCut(std::size_t shown) {
  return shown == 0 ? kRightGroupWidth : kButtonsAt96[kToolBarTags.size() - shown].left - kButtonsAt96[kToolBarLeftGroupSize].left;
}

int SearchLeft(const Shown& shown, int dpi) { return Scaled(LeftGroupEnd(shown.left) + kGapBeforeSearch, dpi); }

int RightGroupWidth(const Shown& shown, int dpi) { return Scaled(kRightGroupWidth - RightGroupCut(shown.right), dpi); }

int SearchWidth(int width, const Shown& shown, int dpi) {
  return width - SearchLeft(shown, dpi) - Scaled(kGapAfterSearch, dpi) - RightGroupWidth(shown, dpi);
}

ToolBarSpans SpansFor(int width, const Shown& shown, int dpi) {
  ToolBarSpans spans;
  for (std::size_t at = 0; at < shown.left; ++at) {
    spans.buttons[at] = {Scaled(kButtonsAt96[at].left, dpi), Scaled(kButtonsAt96[at].width, dpi)};
  }
  const int cut = RightGroupCut(shown.right);
  for (std::size_t at = kToolBarTags.size() - shown.right; at < kToolBarTags.size(); ++at) {
    spans.buttons[at] = {Scaled(kButtonsAt96[at].left - cut, dpi), Scaled(kButtonsAt96[at].width, dpi)};
  }
  const int rightWidth = RightGroupWidth(shown, dpi);
  spans.rightGroup = {width - rightWidth, rightWidth};
  spans.search = {SearchLeft(shown, dpi), std::max(0, SearchWidth(width, shown, dpi))};
  return spans;
}

}  // namespace

ToolBarSpans ToolBarSpansFor(int width, int dpi) {
  for (const Shown& shown : kGivingWay) {
    if (SearchWidth(width, shown, dpi) >= Scaled(kSearchLeastWidth, dpi)) return SpansFor(width, shown, dpi);
  }
  // Too narrow even for the search field alone: it has the whole bar.
  ToolBarSpans spans;
  spans.rightGroup = {width, 0};
  spans.search = {0, std::max(0, width)};
  return spans;
}

int ToolBarLeastWidth(int dpi) {
  const Shown& all = kGivingWay.front();
  return SearchLeft(all, dpi) + Scaled(kSearchLeastWidth, dpi) + Scaled(kGapAfterSearch, dpi) + RightGroupWidth(all, dpi);
}

}  // namespace kov
