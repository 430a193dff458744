#pragma once
#include <cstdint>

namespace vintrel {

// Message-box style for the program's own icon: with an icon to show, the
// icon field becomes the information icon (0x40) so the box always has an
// icon control to put it in; buttons, default button and modality bits are
// kept. Without an icon the style is unchanged.
std::uint32_t MessageBoxStyle(std::uint32_t buttons, bool hasIcon);

}  // namespace vintrel
