// A window place kept at one DPI and opened at another: the same stick on a 96-DPI PC
// and a 144-DPI laptop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/window_fit.h"
#include "ui/tool_bar_layout.h"
#include "util/dpi.h"

namespace kov {
namespace {

// About what the window's frame adds to the tool bar's least width and a row of icons.
WindowSize LeastAt(int dpi) { return {ToolBarLeastWidth(dpi) + 16, dpi * 2}; }

TEST(WindowFit, APlaceIsRestoredInProportionToItsDpiAndNeverBelowTheLeastSize) {
  const WindowPlace at96{120, 80, 661, 525, false, 96};
  EXPECT_EQ(PlaceAtDpi(at96, 144, LeastAt(144)), (WindowPlace{180, 120, 992, 788, false, 144}));
  EXPECT_EQ(PlaceAtDpi(at96, 96, LeastAt(96)), at96);
  // Back to the PC it came from, and a maximized window's place as well.
  EXPECT_EQ(PlaceAtDpi({180, 120, 992, 788, true, 144}, 96, LeastAt(96)), (WindowPlace{120, 80, 661, 525, true, 96}));

  // A line written before the DPI was kept is taken as measured at today's DPI; it
  // still grows to show every tool-bar part.
  const WindowPlace saidNoDpi{120, 80, 661, 525};
  EXPECT_EQ(PlaceAtDpi(saidNoDpi, 96, LeastAt(96)), (WindowPlace{120, 80, 661, 525, false, 96}));
  EXPECT_EQ(PlaceAtDpi(saidNoDpi, 144, LeastAt(144)), (WindowPlace{120, 80, LeastAt(144).width, 525, false, 144}));

  // The tool bar needs as much more room as the DPI is higher.
  EXPECT_EQ(ToolBarLeastWidth(96), 540);
  EXPECT_GE(ToolBarLeastWidth(144), 540 * 3 / 2);
  EXPECT_GT(LeastAt(144).width, 661);
  // A place far too small for the tool bar, kept at a DPI twice today's.
  EXPECT_EQ(PlaceAtDpi({0, 0, 300, 100, false, 192}, 96, LeastAt(96)),
            (WindowPlace{0, 0, LeastAt(96).width, LeastAt(96).height, false, 96}));
}

// Narrower than every part needs, the search field keeps room for a search and the
// other parts give way: the move buttons, Info, then the left group from its right end.
TEST(WindowFit, InANarrowBarTheSearchFieldStaysAndTheOtherPartsGiveWay) {
  const auto shown = [](const ToolBarSpans& spans) {
    std::string parts;
    for (const Span& button : spans.buttons) parts += button.width > 0 ? '#' : '.';
    return parts;
  };
  for (int dpi : {96, 144}) {
    const int least = ToolBarLeastWidth(dpi);
    const ToolBarSpans full = ToolBarSpansFor(least, dpi);
    EXPECT_EQ(shown(full), "#######") << dpi;
    EXPECT_EQ(full.rightGroup.left + full.rightGroup.width, least);
    EXPECT_GE(full.search.left, full.buttons[3].left + full.buttons[3].width);
    EXPECT_LE(full.search.left + full.search.width, full.rightGroup.left);

    std::vector<std::string> steps;
    int searchWidth = full.search.width;
    for (int width = least; width > 0; --width) {
      const ToolBarSpans spans = ToolBarSpansFor(width, dpi);
      if (steps.empty() || steps.back() != shown(spans)) steps.push_back(shown(spans));
      EXPECT_LE(spans.search.left + spans.search.width, spans.rightGroup.left) << width;
      if (width >= Scaled(120, dpi)) {
        EXPECT_GE(spans.search.width, searchWidth) << width;
      }
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"#######", "####..#", "####...", "###....", "##.....", "#......",
                                                "......."}))
        << dpi;
    // Only Info left in the right group: it stands at the group's left.
    const ToolBarSpans infoOnly = ToolBarSpansFor(least - 1, dpi);
    EXPECT_EQ(infoOnly.buttons[6].left, Scaled(2, dpi));
    EXPECT_EQ(infoOnly.rightGroup.left + infoOnly.rightGroup.width, least - 1);
  }
}

}  // namespace
}  // namespace kov
