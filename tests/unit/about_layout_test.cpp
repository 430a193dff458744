// The About window's table, checked as a reader checks the drawing: every
// control inside the client area, none on top of another, one tab place each.
#include "dialogs/about_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace vintrel {
namespace {

using ui::ControlSpec;
using ui::TwipsRect;

TEST(AboutLayoutTest, EveryControlLiesInsideTheClientArea) {
  for (const ControlSpec& spec : about_layout::Controls()) {
    SCOPED_TRACE(spec.id);
    const TwipsRect& r = spec.rect;
    EXPECT_GE(r.left, 0);
    EXPECT_GE(r.top, 0);
    EXPECT_LE(r.left + r.width, about_layout::kClientWidthTwips);
    EXPECT_LE(r.top + r.height, about_layout::kClientHeightTwips);
  }
}

TEST(AboutLayoutTest, NoTwoControlsShareMoreThanAnEdge) {
  // The description ends one pixel (15 twips) below the top of the "URL" row.
  constexpr int kSharedEdge = 15;
  const auto table = about_layout::Controls();
  for (size_t i = 0; i < table.size(); ++i) {
    for (size_t j = i + 1; j < table.size(); ++j) {
      const TwipsRect& a = table[i].rect;
      const TwipsRect& b = table[j].rect;
      const int width = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
      const int height = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
      EXPECT_FALSE(width > kSharedEdge && height > kSharedEdge)
          << table[i].id << " and " << table[j].id;
    }
  }
}

TEST(AboutLayoutTest, TabPlacesAreDistinctAndGapless) {
  std::set<int> places;
  for (const ControlSpec& spec : about_layout::Controls()) places.insert(spec.tab);
  ASSERT_EQ(places.size(), about_layout::Controls().size());
  EXPECT_EQ(*places.begin(), 0);
  EXPECT_EQ(*places.rbegin(), static_cast<int>(places.size()) - 1);
}

}  // namespace
}  // namespace vintrel
