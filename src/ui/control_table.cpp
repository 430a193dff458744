#include "ui/control_table.h"

namespace vintrel::ui {

TwipsRect WindowTwipsRect(std::span<const ControlSpec> table, const ControlSpec& spec) {
  TwipsRect rect = spec.rect;
  if (spec.container == 0)
    return rect;
  for (const ControlSpec& frame : table) {
    if (frame.id == spec.container) {
      const TwipsRect origin = WindowTwipsRect(table, frame);
      rect.left += origin.left;
      rect.top += origin.top;
      break;
    }
  }
  return rect;
}

}  // namespace vintrel::ui
