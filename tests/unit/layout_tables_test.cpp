// The windows' tables, checked as a reader checks the drawings: in
// pixels at the usual DPIs (each of a control's four numbers converted on its
// own, as the builder does, so rounding can make neighbours meet where twips
// do not) and at 1440 dpi, which is the twips themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <tuple>

#include "app/main_layout.h"
#include "dialogs/about_layout.h"
#include "dialogs/details_layout.h"
#include "res/settings_dialog_ids.h"
#include "settings/settings_layout.h"
#include "settings/settings_values.h"
#include "ui/twips.h"

namespace vintrel {
namespace {

using ui::ControlKind;
using ui::ControlSpec;

struct Design {
  const char* name;
  std::span<const ControlSpec> controls;
  int widthTwips, heightTwips;
  // The About window's description ends one pixel below the top of the "URL"
  // row; everywhere else neighbours share nothing.
  int sharedEdgeTwips;
};

void PrintTo(const Design& design, std::ostream* out) {
  *out << design.name;
}

const Design kDesigns[] = {
    {"main", main_layout::Controls(), main_layout::kClientWidthTwips,
     main_layout::kClientHeightTwips, 0},
    {"settings", settings_layout::Controls(), settings_layout::kClientWidthTwips,
     settings_layout::kClientHeightTwips, 0},
    {"about", about_layout::Controls(), about_layout::kClientWidthTwips,
     about_layout::kClientHeightTwips, 15},
    {"details", details_layout::Controls(), details_layout::kClientWidthTwips,
     details_layout::kClientHeightTwips, 0},
};

struct PixelRect {
  int left, top, right, bottom;
};

PixelRect Placed(const Design& design, const ControlSpec& spec, int dpi) {
  const ui::TwipsRect r = ui::WindowTwipsRect(design.controls, spec);
  const int left = ui::TwipsToPixels(r.left, dpi);
  const int top = ui::TwipsToPixels(r.top, dpi);
  return {left, top, left + ui::TwipsToPixels(r.width, dpi),
          top + ui::TwipsToPixels(r.height, dpi)};
}

bool Inside(const PixelRect& inner, const PixelRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// The smaller side of the intersection; 0 when the two do not meet.
int Overlap(const PixelRect& a, const PixelRect& b) {
  const int width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const int height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width <= 0 || height <= 0 ? 0 : std::min(width, height);
}

const ControlSpec* Find(std::span<const ControlSpec> table, int id) {
  const auto found = std::ranges::find(table, id, &ControlSpec::id);
  return found == table.end() ? nullptr : &*found;
}

class LayoutTable : public ::testing::TestWithParam<std::tuple<Design, int>> {};

TEST_P(LayoutTable, ControlsLieInsideTheirFramesAndNeverOnEachOther) {
  const auto& [design, dpi] = GetParam();
  const PixelRect client{0, 0, ui::TwipsToPixels(design.widthTwips, dpi),
                         ui::TwipsToPixels(design.heightTwips, dpi)};
  const int sharedEdge = ui::TwipsToPixels(design.sharedEdgeTwips, dpi);
  for (const ControlSpec& spec : design.controls) {
    SCOPED_TRACE(spec.id);
    const PixelRect placed = Placed(design, spec, dpi);
    if (spec.kind == ControlKind::iconPicture) {
      EXPECT_EQ(Overlap(placed, client), 0) << "the icon holder must stay out of sight";
      continue;
    }
    EXPECT_TRUE(Inside(placed, client));
    if (spec.container != 0) {
      const ControlSpec* frame = Find(design.controls, spec.container);
      ASSERT_NE(frame, nullptr);
      EXPECT_EQ(frame->kind, ControlKind::frame);
      EXPECT_TRUE(Inside(placed, Placed(design, *frame, dpi)));
    }
    for (const ControlSpec& other : design.controls) {
      if (&other <= &spec || ((spec.flags | other.flags) & ui::kHidden))
        continue;
      // A frame holds whole controls: "pe" and "fe" sit in the settings
      // window's Frame1 without belonging to it.
      const PixelRect there = Placed(design, other, dpi);
      if ((spec.kind == ControlKind::frame) != (other.kind == ControlKind::frame)) {
        const bool specIsFrame = spec.kind == ControlKind::frame;
        EXPECT_TRUE(Overlap(placed, there) == 0 ||
                    (specIsFrame ? Inside(there, placed) : Inside(placed, there)))
            << "across the border of " << (specIsFrame ? spec.id : other.id);
      } else {
        EXPECT_LE(Overlap(placed, there), sharedEdge) << "overlaps " << other.id;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, LayoutTable,
                         ::testing::Combine(::testing::ValuesIn(kDesigns),
                                            ::testing::Values(96, 120, 144, 1440)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "At" +
                                  std::to_string(std::get<1>(info.param));
                         });

TEST(LayoutTables, TabPlacesAreDistinctFromTheFirst) {
  for (const Design& design : kDesigns) {
    SCOPED_TRACE(design.name);
    std::set<int> places;
    for (const ControlSpec& spec : design.controls) places.insert(spec.tab);
    ASSERT_EQ(places.size(), design.controls.size());
    EXPECT_EQ(*places.begin(), 0);
  }
}

TEST(SettingsLayout, OneBoxPerOptionFocusOnPeAndListTextsThatStore) {
  const auto table = settings_layout::Controls();
  std::multiset<int> boxes;
  for (const ControlSpec& spec : table) {
    if (spec.kind == ControlKind::checkBox)
      boxes.insert(spec.id);
  }
  std::multiset<int> options;
  for (const OptionSpec& option : kOptions) options.insert(option.controlId);
  EXPECT_EQ(boxes, options);
  EXPECT_EQ(Find(table, settings_ids::pe)->tab, 0) << "pe holds the focus when the window opens";

  // The first start has no "fe": the designed texts are what the close stores.
  EXPECT_EQ(DisplayStoredForText(Find(table, settings_ids::de1)->text),
            std::optional<std::wstring>(L"11"));
  EXPECT_EQ(FrameRateStoredForText(Find(table, settings_ids::fe)->text),
            std::optional<std::wstring>(L"auto"));
}

TEST(Twips, ConvertAtTheRealDpi) {
  EXPECT_EQ(ui::TwipsToPixels(6180, 96), 412);
  EXPECT_EQ(ui::TwipsToPixels(3405, 96), 227);
  EXPECT_EQ(ui::TwipsToPixels(6180, 144), 618);
  EXPECT_EQ(ui::TwipsToPixels(255, 120), 21);  // 21.25 rounds down
  EXPECT_EQ(ui::TwipsToPixels(7, 96), 0);      // under half a pixel
  EXPECT_EQ(ui::TwipsToPixels(8, 96), 1);
  EXPECT_EQ(ui::TwipsToPixels(-15, 96), -1);
}

}  // namespace
}  // namespace vintrel
