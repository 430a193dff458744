#pragma once
// The main window's controls as data, in the order of its design table.
#include <span>

#include "ui/control_table.h"

namespace vintrel::main_layout {

inline constexpr int kClientWidthTwips = 6180;
inline constexpr int kClientHeightTwips = 3405;

std::span<const ui::ControlSpec> Controls();

// The controls of the "Звук" frame, in the order the panel enables them.
std::span<const int> AudioControls();

}  // namespace vintrel::main_layout
