// The three windows' tables, checked as a reader checks the drawings: in
// pixels at the usual DPIs (each of a control's four numbers converted on its
// own, as the builder does, so rounding can make neighbours meet where twips
// do not) and at 1440 dpi, which is the twips themselves. (The keyboard order,
// the texts and the settings window's boxes are the end-to-end tests' business.)
#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>

#include "app/folder_layout.h"
#include "app/main_layout.h"
#include "dialogs/about_layout.h"
#include "dialogs/details_layout.h"
#include "settings/settings_layout.h"
#include "ui/twips.h"

namespace vintrel {

using ui::ControlKind;
using ui::ControlSpec;

struct Design {
  std::span<const ControlSpec> controls;
  int widthTwips, heightTwips;
  const char* name;
  // The About window's description ends one pixel below the top of the "URL"
  // row; everywhere else neighbours share nothing.
  int sharedEdgeTwips;
};

// The window's controls, client size and name.
#define WINDOW(ns) \
  ns##_layout::Controls(), ns##_layout::kClientWidthTwips, ns##_layout::kClientHeightTwips, #ns
const Design kDesigns[] = {{WINDOW(main), 0},
                           {WINDOW(settings), 0},
                           {WINDOW(about), 15},
                           {WINDOW(details), 0},
                           {WINDOW(folder), 0}};

struct PixelRect {
  int left, top, right, bottom;
  bool Inside(const PixelRect& o) const {
    return left >= o.left && top >= o.top && right <= o.right && bottom <= o.bottom;
  }
  // The smaller side of the intersection; 0 when the two do not meet.
  int Overlap(const PixelRect& o) const {
    const int w = std::min(right, o.right) - std::max(left, o.left);
    const int h = std::min(bottom, o.bottom) - std::max(top, o.top);
    return w <= 0 || h <= 0 ? 0 : std::min(w, h);
  }
};

TEST(LayoutTables, ControlsLieInsideTheirFramesAndNeverOnEachOther) {
  for (const Design& design : kDesigns) {
    for (const int dpi : {96, 120, 144, 1440}) {
      SCOPED_TRACE(std::string(design.name) + " at " + std::to_string(dpi));
      const auto pixels = [dpi](int twips) { return ui::TwipsToPixels(twips, dpi); };
      const auto placed = [&](const ControlSpec& spec) {
        const ui::TwipsRect r = ui::WindowTwipsRect(design.controls, spec);
        return PixelRect{pixels(r.left), pixels(r.top), pixels(r.left) + pixels(r.width),
                         pixels(r.top) + pixels(r.height)};
      };
      const PixelRect client{0, 0, pixels(design.widthTwips), pixels(design.heightTwips)};
      for (const ControlSpec& spec : design.controls) {
        const PixelRect here = placed(spec);
        if (spec.kind == ControlKind::iconPicture) {
          EXPECT_EQ(here.Overlap(client), 0) << spec.id << ": the icon holder stays out of sight";
          continue;
        }
        EXPECT_TRUE(here.Inside(client)) << spec.id;
        const auto frame = std::ranges::find(design.controls, spec.container, &ControlSpec::id);
        if (spec.container != 0) {
          ASSERT_NE(frame, design.controls.end());
          EXPECT_EQ(frame->kind, ControlKind::frame);
          EXPECT_TRUE(here.Inside(placed(*frame))) << spec.id;
        }
        // Neighbours share nothing, unless a frame holds the whole of the
        // other: "pe" and "fe" sit in the settings window's Frame1 without
        // belonging to it.
        for (const ControlSpec& other : design.controls) {
          const PixelRect there = placed(other);
          if (&other > &spec && !((spec.flags | other.flags) & ui::kHidden)) {
            EXPECT_TRUE(here.Overlap(there) <= pixels(design.sharedEdgeTwips) ||
                        (spec.kind == ControlKind::frame && there.Inside(here)) ||
                        (other.kind == ControlKind::frame && here.Inside(there)))
                << spec.id << " and " << other.id;
          }
        }
      }
    }
  }
  // Rounded to the nearest pixel, halves up, below zero as above.
  EXPECT_EQ(ui::TwipsToPixels(255, 120), 21);  // 21.25 rounds down
  EXPECT_EQ(ui::TwipsToPixels(7, 96), 0);      // under half a pixel
  EXPECT_EQ(ui::TwipsToPixels(8, 96), 1);
  EXPECT_EQ(ui::TwipsToPixels(-15, 96), -1);
}

}  // namespace vintrel
