#pragma once
// The settings window's controls as data, in the order of its design table,
// with the entries of its four drop-down lists.
#include <span>

#include "ui/control_table.h"

namespace vintrel::settings_layout {

inline constexpr int kClientWidthTwips = 6330;
inline constexpr int kClientHeightTwips = 6105;
inline constexpr const wchar_t* kCaption = L"Настройки";

std::span<const ui::ControlSpec> Controls();

// The entries of a drop-down list, in list order; empty for any other id.
std::span<const wchar_t* const> ListEntries(int id);

}  // namespace vintrel::settings_layout
