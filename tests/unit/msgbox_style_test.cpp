#include "dialogs/msgbox_style.h"

#include <gtest/gtest.h>

namespace vintrel {
namespace {

TEST(MessageBoxStyle, AnIconOrCursorForcesTheInformationIcon) {
  EXPECT_EQ(MessageBoxStyle(16, true, false), 0x40u);
  EXPECT_EQ(MessageBoxStyle(0x24, true, false), 0x44u);
  EXPECT_EQ(MessageBoxStyle(0x30, false, true), 0x40u);
  EXPECT_EQ(MessageBoxStyle(0x40, true, true), 0x40u);
  // Default button and modality bits survive.
  EXPECT_EQ(MessageBoxStyle(0x1113, true, false), 0x1143u);
}

TEST(MessageBoxStyle, WithoutEitherTheStyleIsUnchanged) {
  EXPECT_EQ(MessageBoxStyle(16, false, false), 16u);
  EXPECT_EQ(MessageBoxStyle(0x24, false, false), 0x24u);
}

}  // namespace
}  // namespace vintrel
