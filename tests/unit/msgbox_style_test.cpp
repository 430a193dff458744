#include "dialogs/msgbox_style.h"

#include <gtest/gtest.h>

namespace vintrel {

// The program's icon makes the icon field the information icon, whichever
// icon was asked for (0x30 holds both of the others' bits); the buttons,
// default button and modality stay. Without it nothing changes.
TEST(MessageBoxStyle, AnIconForcesTheInformationIconAndKeepsTheRest) {
  EXPECT_EQ(MessageBoxStyle(0x10, true), 0x40u);
  EXPECT_EQ(MessageBoxStyle(0x30, true), 0x40u);
  EXPECT_EQ(MessageBoxStyle(0x1124, true), 0x1144u);
  EXPECT_EQ(MessageBoxStyle(0x1124, false), 0x1124u);
}

}  // namespace vintrel
