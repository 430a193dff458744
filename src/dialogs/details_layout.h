#pragma once
// The file details window: its controls as data and the rows it lists.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bink/bink_examine.h"
#include "ui/control_table.h"

namespace vintrel::details_layout {

inline constexpr int kClientWidthTwips = 8400;
inline constexpr int kClientHeightTwips = 6840;

std::span<const ui::ControlSpec> Controls();

// One row of the list: a label and its value, UTF-8.
struct Row {
  std::string label;
  std::string value;

  bool operator==(const Row&) const = default;
};

// The path, the verdict on the file's integrity with the first fault found,
// then every fact of `file`, one row each, and a row per audio track.
std::vector<Row> Rows(std::string_view path, const BinkExamination& file);

}  // namespace vintrel::details_layout
