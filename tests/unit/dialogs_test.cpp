// The About window's links. (The end-to-end tests read its caption and the
// mail it starts.)
#include <gtest/gtest.h>

#include "dialogs/about_layout.h"

namespace vintrel::about_layout {
namespace {

// Whatever the labels were made to read, only web pages over https and
// e-mail go to the shell.
TEST(AboutLinks, OnlyHttpsPagesAndMailOpen) {
  const std::pair<const wchar_t*, bool> cases[] = {
      {L"https://example.org/", true},
      {L"HTTPS://x", true},
      {L"mailto:a@b?Subject=О ", true},
      {L"http://example.org/", false},
      {L"file:///C:/x.exe", false},
      {L"C:\\x.exe", false},
      {L"\\\\server\\share\\x.exe", false},
      {L"https:", false},
      {L"mailto", false},
      {L"", false},
  };
  for (const auto& [target, opens] : cases) EXPECT_EQ(IsOpenableLink(target), opens) << target;
}

}  // namespace
}  // namespace vintrel::about_layout
