#pragma once
// The folder window's controls as data, what each does when the window is
// resized, and the list's columns. Pure.
#include <span>

#include "bink/folder_table.h"
#include "ui/control_table.h"

namespace vintrel::folder_layout {

inline constexpr int kClientWidthTwips = 12900;
inline constexpr int kClientHeightTwips = 6000;
// The smallest the window may be made, in case the screen is smaller than
// the drawing: the buttons, some of the status line and of the list still
// beside each other.
inline constexpr int kMinClientWidthTwips = 7200;
inline constexpr int kMinClientHeightTwips = 3600;

std::span<const ui::ControlSpec> Controls();

// How one side of a control follows the window's size: it keeps its place
// from the left (top) edge, moves with the right (bottom) edge, or the
// control stretches with it.
enum class Follow { start, end, stretch };

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelRect&) const = default;
};

// Where the control `id` goes at `dpi` when the client area is `grownX` and
// `grownY` pixels larger than drawn (smaller when negative, down to the
// minimum). Each number of the table is converted on its own, as the
// builder does.
PixelRect Place(int id, int dpi, int grownX, int grownY);

struct Column {
  FolderColumn column;
  int widthTwips;
  bool number;  // right-aligned
};
std::span<const Column> Columns();

}  // namespace vintrel::folder_layout
