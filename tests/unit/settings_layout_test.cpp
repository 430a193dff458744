// The settings window's table, checked in pixels as the window is built at
// the usual DPIs: controls inside their frames and the window, no two on top
// of each other, one tab place each, and lists whose designed texts store.
#include "settings/settings_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>

#include "settings/settings_dialog_ids.h"
#include "settings/settings_values.h"
#include "ui/twips.h"

namespace vintrel {
namespace {

using ui::ControlKind;
using ui::ControlSpec;

struct PixelRect {
  int left, top, right, bottom;
};

// The same conversion the window's builder makes: each of the four numbers
// on its own, so rounding can make neighbours meet where twips do not.
PixelRect Placed(const ControlSpec& spec, int dpi) {
  const ui::TwipsRect r = ui::WindowTwipsRect(settings_layout::Controls(), spec);
  const int left = ui::TwipsToPixels(r.left, dpi);
  const int top = ui::TwipsToPixels(r.top, dpi);
  return {left, top, left + ui::TwipsToPixels(r.width, dpi),
          top + ui::TwipsToPixels(r.height, dpi)};
}

bool Inside(const PixelRect& inner, const PixelRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return std::max(a.left, b.left) < std::min(a.right, b.right) &&
         std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

const ControlSpec* Find(int id) {
  for (const ControlSpec& spec : settings_layout::Controls()) {
    if (spec.id == id)
      return &spec;
  }
  return nullptr;
}

class SettingsLayoutAtDpi : public ::testing::TestWithParam<int> {};

TEST_P(SettingsLayoutAtDpi, ControlsLieInsideTheirFramesAndNeverOnEachOther) {
  const int dpi = GetParam();
  const PixelRect client{0, 0, ui::TwipsToPixels(settings_layout::kClientWidthTwips, dpi),
                         ui::TwipsToPixels(settings_layout::kClientHeightTwips, dpi)};
  const auto table = settings_layout::Controls();
  for (const ControlSpec& spec : table) {
    SCOPED_TRACE(spec.id);
    const PixelRect placed = Placed(spec, dpi);
    EXPECT_TRUE(Inside(placed, client));
    if (spec.container != 0) {
      const ControlSpec* frame = Find(spec.container);
      ASSERT_NE(frame, nullptr);
      EXPECT_EQ(frame->kind, ControlKind::frame);
      EXPECT_TRUE(Inside(placed, Placed(*frame, dpi)));
    }
    for (const ControlSpec& other : table) {
      if (&other <= &spec)
        continue;
      // A frame holds controls; "pe" and "fe" sit in Frame1 without
      // belonging to it, so a frame may only hold whole controls.
      const PixelRect there = Placed(other, dpi);
      if (spec.kind == ControlKind::frame && other.kind != ControlKind::frame) {
        EXPECT_TRUE(!Overlap(placed, there) || Inside(there, placed)) << other.id;
      } else if (other.kind == ControlKind::frame && spec.kind != ControlKind::frame) {
        EXPECT_TRUE(!Overlap(placed, there) || Inside(placed, there)) << other.id;
      } else {
        EXPECT_FALSE(Overlap(placed, there)) << "overlaps " << other.id;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(UsualDpis, SettingsLayoutAtDpi, ::testing::Values(96, 120, 144));

TEST(SettingsLayout, OneBoxPerOptionOneTabPlaceEachAndListTextsThatStore) {
  std::set<int> boxes;
  std::set<int> tabs;
  for (const ControlSpec& spec : settings_layout::Controls()) {
    EXPECT_TRUE(tabs.insert(spec.tab).second) << "tab place used twice: " << spec.tab;
    if (spec.kind == ControlKind::checkBox) {
      EXPECT_TRUE(boxes.insert(spec.id).second);
    }
  }
  for (const OptionSpec& option : kOptions) EXPECT_EQ(boxes.count(option.controlId), 1u);
  EXPECT_EQ(boxes.size(), kOptions.size());
  EXPECT_EQ(Find(settings_ids::pe)->tab, 0) << "pe holds the focus when the window opens";

  // The first start has no "fe": the designed texts are what the close stores.
  EXPECT_EQ(DisplayStoredForText(Find(settings_ids::de1)->text),
            std::optional<std::wstring>(L"11"));
  EXPECT_EQ(FrameRateStoredForText(Find(settings_ids::fe)->text),
            std::optional<std::wstring>(L"auto"));
}

}  // namespace
}  // namespace vintrel
