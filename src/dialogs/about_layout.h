#pragma once
// The About window's controls as data, in the order of its design table.
#include <span>

#include "ui/control_table.h"

namespace vintrel::about_layout {

inline constexpr int kClientWidthTwips = 4200;
inline constexpr int kClientHeightTwips = 1650;

std::span<const ui::ControlSpec> Controls();

}  // namespace vintrel::about_layout
