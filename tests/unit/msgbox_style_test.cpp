#include "dialogs/msgbox_style.h"

#include <gtest/gtest.h>

namespace vintrel {
namespace {

TEST(MessageBoxStyle, AnIconForcesTheInformationIcon) {
  EXPECT_EQ(MessageBoxStyle(16, true), 0x40u);
  EXPECT_EQ(MessageBoxStyle(0x24, true), 0x44u);
  EXPECT_EQ(MessageBoxStyle(0x30, true), 0x40u);
  EXPECT_EQ(MessageBoxStyle(0x40, true), 0x40u);
  // Default button and modality bits survive.
  EXPECT_EQ(MessageBoxStyle(0x1113, true), 0x1143u);
}

TEST(MessageBoxStyle, WithoutAnIconTheStyleIsUnchanged) {
  EXPECT_EQ(MessageBoxStyle(16, false), 16u);
  EXPECT_EQ(MessageBoxStyle(0x24, false), 0x24u);
}

}  // namespace
}  // namespace vintrel
