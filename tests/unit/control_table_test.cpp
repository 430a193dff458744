// Every window's table of controls, checked as a reader checks the drawings:
// in pixels at the usual DPIs (each of a control's four numbers converted on
// its own, as the builder does, so rounding can make neighbours meet where
// twips do not) and at 1440 dpi, which is the twips themselves. (The keyboard
// order, the texts and the settings window's boxes are the end-to-end tests'
// business.)
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <span>
#include <tuple>

#include "app/folder_layout.h"
#include "app/main_layout.h"
#include "dialogs/about_layout.h"
#include "dialogs/details_layout.h"
#include "settings/settings_layout.h"
#include "ui/twips.h"

namespace vintrel::ui {
namespace {

// To the nearest pixel, halves up, below zero as above.
TEST(Twips, RoundToTheNearestPixel) {
  const int cases[][3] = {{255, 120, 21}, {7, 96, 0}, {8, 96, 1}, {-15, 96, -1}, {-8, 96, -1}};
  for (const auto& [twips, dpi, pixels] : cases)
    EXPECT_EQ(TwipsToPixels(twips, dpi), pixels) << twips << " at " << dpi;
}

using Box = std::array<int, 4>;  // left, top, right, bottom

bool Inside(const Box& a, const Box& b) {
  return a[0] >= b[0] && a[1] >= b[1] && a[2] <= b[2] && a[3] <= b[3];
}
// The smaller side of the two's intersection; 0 when they do not meet.
int Overlap(const Box& a, const Box& b) {
  return std::max(0, std::min(std::min(a[2], b[2]) - std::max(a[0], b[0]),
                              std::min(a[3], b[3]) - std::max(a[1], b[1])));
}

// Each window's table, its client size, and how far neighbours may share an
// edge: the About window's description ends one pixel below the top of the
// "URL" row.
#define WINDOW(ns) \
#ns, ns##_layout::Controls(), ns##_layout::kClientWidthTwips, ns##_layout::kClientHeightTwips
const std::tuple<const char*, std::span<const ControlSpec>, int, int, int> kWindows[] = {
    {WINDOW(main), 0},
    {WINDOW(settings), 0},
    {WINDOW(about), 15},
    {WINDOW(details), 0},
    {WINDOW(folder), 0}};

TEST(ControlTables, ControlsLieInsideTheirFramesAndNeverOnEachOther) {
  for (const auto& [name, table, width, height, sharedEdge] : kWindows) {
    for (const int dpi : {96, 120, 144, 1440}) {
      SCOPED_TRACE(testing::Message() << name << " at " << dpi);
      const auto pixels = [dpi](int twips) { return TwipsToPixels(twips, dpi); };
      const auto placed = [&](const ControlSpec& spec) {
        const TwipsRect r = WindowTwipsRect(table, spec);
        return Box{pixels(r.left), pixels(r.top), pixels(r.left) + pixels(r.width),
                   pixels(r.top) + pixels(r.height)};
      };
      for (const ControlSpec& spec : table) {
        const Box here = placed(spec);
        EXPECT_TRUE(Inside(here, {0, 0, pixels(width), pixels(height)})) << spec.id;
        const auto frame = std::ranges::find(table, spec.container, &ControlSpec::id);
        EXPECT_TRUE(spec.container == 0 ||
                    (frame != table.end() && frame->kind == ControlKind::frame &&
                     Inside(here, placed(*frame))))
            << spec.id;
        // Neighbours share nothing, unless a frame holds the whole of the
        // other: two of the settings window's boxes sit in its frame
        // "Производительность:" without belonging to it.
        for (const ControlSpec& other : table) {
          const Box there = placed(other);
          EXPECT_TRUE(&other <= &spec || ((spec.flags | other.flags) & kHidden) ||
                      Overlap(here, there) <= pixels(sharedEdge) ||
                      (spec.kind == ControlKind::frame && Inside(there, here)) ||
                      (other.kind == ControlKind::frame && Inside(here, there)))
              << spec.id << " and " << other.id;
        }
      }
    }
  }
}

}  // namespace
}  // namespace vintrel::ui
