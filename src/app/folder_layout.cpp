#include "app/folder_layout.h"

#include <algorithm>

#include "res/folder_window_ids.h"
#include "ui/twips.h"

namespace vintrel::folder_layout {
namespace {

using namespace folder_ids;
using ui::ControlKind;

constexpr int kMargin = 120;
constexpr int kButtonHeight = 375;
constexpr int kPlayWidth = 1335;
constexpr int kSaveWidth = 1800;
constexpr int kBoxWidth = 1800;
constexpr int kListTop = 2 * kMargin + 285;
constexpr int kBottomRow = kClientHeightTwips - kMargin - kButtonHeight;
constexpr int kSaveLeft = kClientWidthTwips - kMargin - kSaveWidth;
constexpr int kPlayLeft = kSaveLeft - kMargin - kPlayWidth;
constexpr int kProgressLeft = 2 * kMargin + kBoxWidth;

// clang-format off
constexpr ui::ControlSpec kControls[] = {
  // id       kind                     text               tooltip  left, top, width, height                                                       container tab
  {withSubfoldersBox, ControlKind::checkBox,   L"С подпапками",   nullptr, {kMargin, kMargin, kBoxWidth, 285},                                                    0, 0},
  {progressBar,  ControlKind::progressBar, L"",              nullptr, {kProgressLeft, kMargin + 30, kClientWidthTwips - kMargin - kProgressLeft, 225},       0, 4},
  {videoList,      ControlKind::rowList,    L"",               nullptr, {kMargin, kListTop, kClientWidthTwips - 2 * kMargin, kBottomRow - kMargin - kListTop}, 0, 1},
  {summaryLabel,   ControlKind::label,      L"",               nullptr, {kMargin, kBottomRow + 60, kPlayLeft - 2 * kMargin, 255},                             0, 5},
  {playButton,      ControlKind::button,     L"Смотреть",       nullptr, {kPlayLeft, kBottomRow, kPlayWidth, kButtonHeight},                                   0, 2},
  {saveCsvButton,   ControlKind::button,     L"Сохранить CSV…", nullptr, {kSaveLeft, kBottomRow, kSaveWidth, kButtonHeight},                                   0, 3},
};

struct Anchor {
  int id;
  Follow x, y;
};
constexpr Anchor kAnchors[] = {
  {withSubfoldersBox, Follow::start,   Follow::start},
  {progressBar,  Follow::stretch, Follow::start},
  {videoList,      Follow::stretch, Follow::stretch},
  {summaryLabel,   Follow::stretch, Follow::end},
  {playButton,      Follow::end,     Follow::end},
  {saveCsvButton,   Follow::end,     Follow::end},
};

constexpr Column kColumns[] = {
  {FolderColumn::file, 2100, false},        {FolderColumn::format, 870, false},
  {FolderColumn::size, 990, true},          {FolderColumn::frames, 840, true},
  {FolderColumn::frameRate, 600, true},     {FolderColumn::duration, 870, true},
  {FolderColumn::largestFrame, 1050, true}, {FolderColumn::bitrate, 1050, true},
  {FolderColumn::keyframes, 1050, true},    {FolderColumn::tracks, 510, true},
  {FolderColumn::verdict, 2400, false},
};
// clang-format on

// Moves one side pair of a control along an axis.
void Apply(Follow follow, int grown, int& start, int& end) {
  if (follow == Follow::end)
    start += grown;
  if (follow != Follow::start)
    end += grown;
}

}  // namespace

std::span<const ui::ControlSpec> Controls() {
  return kControls;
}

std::span<const Column> Columns() {
  return kColumns;
}

PixelRect Place(int id, int dpi, int grownX, int grownY) {
  const auto spec = std::ranges::find(kControls, id, &ui::ControlSpec::id);
  const auto anchor = std::ranges::find(kAnchors, id, &Anchor::id);
  if (spec == std::end(kControls) || anchor == std::end(kAnchors))
    return {};
  const auto pixels = [dpi](int twips) { return ui::TwipsToPixels(twips, dpi); };
  const ui::TwipsRect& r = spec->rect;
  PixelRect at{pixels(r.left), pixels(r.top), pixels(r.left) + pixels(r.width),
               pixels(r.top) + pixels(r.height)};
  Apply(anchor->x, grownX, at.left, at.right);
  Apply(anchor->y, grownY, at.top, at.bottom);
  return at;
}

}  // namespace vintrel::folder_layout
