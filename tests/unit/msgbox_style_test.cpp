#include "dialogs/msgbox_style.h"

#include <gtest/gtest.h>

namespace vintrel {

// An icon or a cursor picture makes the icon field the information icon,
// whichever icon was asked for (0x30 holds both of the others' bits); the
// buttons, default button and modality stay. Without either nothing changes.
TEST(MessageBoxStyle, AnIconOrCursorForcesTheInformationIconAndKeepsTheRest) {
  EXPECT_EQ(MessageBoxStyle(0x10, true, false), 0x40u);
  EXPECT_EQ(MessageBoxStyle(0x30, false, true), 0x40u);
  EXPECT_EQ(MessageBoxStyle(0x1124, true, true), 0x1144u);
  EXPECT_EQ(MessageBoxStyle(0x1124, false, false), 0x1124u);
}

}  // namespace vintrel
