#pragma once
#include <cstdint>

namespace vintrel {

// Message-box style for the program's own icon: with an icon or a cursor
// picture to show, the icon field becomes the information icon (0x40) so the
// box always has an icon control to put the picture in; buttons, default
// button and modality bits are kept. Without either the style is unchanged.
std::uint32_t MessageBoxStyle(std::uint32_t buttons, bool hasIcon, bool hasCursorFile);

}  // namespace vintrel
