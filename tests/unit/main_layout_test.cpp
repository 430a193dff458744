// The main window's table is checked as a reader would check the drawing:
// every label inside its frame, everything visible inside the client area,
// no two controls on top of each other, one tab place each.
#include "app/main_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/main_window_ids.h"
#include "ui/twips.h"

namespace vintrel {
namespace {

using ui::ControlSpec;
using ui::TwipsRect;

bool Inside(const TwipsRect& inner, const TwipsRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

bool Overlap(const TwipsRect& a, const TwipsRect& b) {
  const int width = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
  const int height = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
  return width > 0 && height > 0;
}

TEST(TwipsTest, ConvertsAtTheRealDpi) {
  EXPECT_EQ(ui::TwipsToPixels(6180, 96), 412);
  EXPECT_EQ(ui::TwipsToPixels(3405, 96), 227);
  EXPECT_EQ(ui::TwipsToPixels(6180, 144), 618);
  EXPECT_EQ(ui::TwipsToPixels(255, 120), 21);  // 21.25 rounds down
  EXPECT_EQ(ui::TwipsToPixels(7, 96), 0);      // under half a pixel
  EXPECT_EQ(ui::TwipsToPixels(8, 96), 1);
  EXPECT_EQ(ui::TwipsToPixels(-15, 96), -1);
}

TEST(MainLayoutTest, LabelsLieInsideTheirFramesAndTheWindow) {
  const auto table = main_layout::Controls();
  const TwipsRect client{0, 0, main_layout::kClientWidthTwips, main_layout::kClientHeightTwips};
  for (const ControlSpec& spec : table) {
    SCOPED_TRACE(spec.id);
    const TwipsRect placed = ui::WindowTwipsRect(table, spec);
    if (spec.id == main_ids::PicBullsEye) {
      EXPECT_FALSE(Overlap(placed, client)) << "the icon holder must stay out of sight";
      continue;
    }
    EXPECT_TRUE(Inside(placed, client));
    if (spec.container != 0) {
      const ControlSpec* frame = nullptr;
      for (const ControlSpec& other : table) {
        if (other.id == spec.container)
          frame = &other;
      }
      ASSERT_NE(frame, nullptr);
      EXPECT_TRUE(Inside(placed, ui::WindowTwipsRect(table, *frame)));
    }
  }
}

TEST(MainLayoutTest, NoTwoVisibleControlsOverlapAndTabPlacesAreUnique) {
  const auto table = main_layout::Controls();
  std::set<int> tabs;
  for (const ControlSpec& a : table) {
    EXPECT_TRUE(tabs.insert(a.tab).second) << "tab place " << a.tab << " used twice";
    for (const ControlSpec& b : table) {
      if (&a == &b || a.kind == ui::ControlKind::frame || b.kind == ui::ControlKind::frame)
        continue;
      if ((a.flags & ui::kHidden) || (b.flags & ui::kHidden))
        continue;
      EXPECT_FALSE(Overlap(ui::WindowTwipsRect(table, a), ui::WindowTwipsRect(table, b)))
          << a.id << " overlaps " << b.id;
    }
  }
}

TEST(MainLayoutTest, AudioGroupStartsDisabledButForTheSampleBitsValue) {
  const auto table = main_layout::Controls();
  for (int id : main_layout::AudioGroup()) {
    for (const ControlSpec& spec : table) {
      if (spec.id != id)
        continue;
      EXPECT_EQ((spec.flags & ui::kDisabled) != 0, id != main_ids::Label(12)) << id;
    }
  }
}

}  // namespace
}  // namespace vintrel
