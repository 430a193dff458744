#include "dialogs/msgbox_style.h"

namespace vintrel {
namespace {

constexpr std::uint32_t kStopAndQuestionBits = 0x30;  // with 0x40 they make up every icon value
constexpr std::uint32_t kInformationIcon = 0x40;

}  // namespace

std::uint32_t MessageBoxStyle(std::uint32_t buttons, bool hasIcon) {
  if (!hasIcon)
    return buttons;
  return (buttons & ~kStopAndQuestionBits) | kInformationIcon;
}

}  // namespace vintrel
