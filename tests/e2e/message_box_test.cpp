// The message box with a picture of the caller's choosing, called in this
// process: the program itself only ever passes buttons 16 and its own icon,
// so the other button sets, a missing icon and cursor pictures are checked
// here. A watcher thread reads and answers each box while the call blocks.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <thread>

#include "dialogs/message_box.h"
#include "e2e_test.h"

namespace vintrel {

// Any icon will do in place of the program's.
HICON ProgramIcon() {
  return ::LoadIconW(nullptr, IDI_WINLOGO);
}

namespace e2e {
namespace {

// What the watcher saw of one box.
struct Seen {
  int result = 0;  // what the call returned
  std::optional<MessageBoxInfo> box;
  HCURSOR cursorPicture = nullptr;  // of a static inside the icon control
  POINT cursorAt{-1, -1};           // its place in the icon control
  HICON icon = nullptr;             // the expected icon, or the last one read
  std::string failure;
};

// Runs `show` on this thread while a watcher waits for its box, records what
// it shows (waiting a while for `expectedIcon`, as the box may still be
// setting itself up when it is first seen) and presses `answer`.
Seen ShowAndAnswer(const std::function<int()>& show, int answer, HICON expectedIcon) {
  Seen seen;
  std::thread watcher([&] {
    try {
      const MessageBoxInfo box = WaitForMessageBox(GetCurrentProcessId());
      seen.box = box;
      WaitUntil([&] { return (seen.icon = StaticIcon(box.iconControl)) == expectedIcon; },
                Millis{2000});
      if (HWND picture = FindWindowExW(box.iconControl, nullptr, L"Static", nullptr)) {
        seen.cursorPicture =
            reinterpret_cast<HCURSOR>(SendMessageW(picture, STM_GETIMAGE, IMAGE_CURSOR, 0));
        seen.cursorAt = {0, 0};
        MapWindowPoints(picture, box.iconControl, &seen.cursorAt, 1);
      }
      Answer(box, answer);
    } catch (const std::exception& error) {
      seen.failure = error.what();
    }
  });
  seen.result = show();
  watcher.join();
  return seen;
}

// A 32x32 two-colour cursor file: a black square with a white border.
std::string CursorFileBytes() {
  std::string bytes;
  const auto put16 = [&](uint16_t v) { bytes.append(reinterpret_cast<const char*>(&v), 2); };
  const auto put32 = [&](uint32_t v) { bytes.append(reinterpret_cast<const char*>(&v), 4); };
  constexpr uint32_t kImageSize = 40 + 8 + 128 + 128;
  // File header: reserved, type 2 (cursor), one image.
  for (uint16_t v : {0, 2, 1}) put16(v);
  // The image's entry: 32 x 32, no colour count, reserved, hot spot, size, offset.
  bytes += std::string("\x20\x20\0\0", 4);
  put16(16);
  put16(16);
  put32(kImageSize);
  put32(22);
  // Bitmap header: 32 wide, twice 32 high (colour and mask), one plane, one
  // bit, no compression, image size, resolution, two colours used.
  for (uint32_t v : {40u, 32u, 64u}) put32(v);
  put16(1);
  put16(1);
  for (uint32_t v : {0u, 256u, 0u, 0u, 2u, 0u}) put32(v);
  put32(0x000000);                      // black
  put32(0xFFFFFF);                      // white
  for (int row = 0; row < 32; ++row) {  // colour: white border
    const bool edge = row < 2 || row > 29;
    put32(edge ? 0xFFFFFFFF : 0x030000C0);
  }
  for (int row = 0; row < 32; ++row) put32(0);  // mask: all opaque
  return bytes;
}

// Buttons 16 with the program's icon are the program's own box, checked where
// it shows it; here the other buttons, and the system's box after the call.
TEST(MessageBoxTest, GivenIconReplacesTheStandardOneAndNothingStaysHooked) {
  const Seen question = ShowAndAnswer(
      [] { return MsgBoxWithIcon(L"Да или нет?", 0x24, L"Вопрос", ProgramIcon(), L""); }, IDNO,
      ProgramIcon());
  ASSERT_TRUE(question.box) << question.failure;
  EXPECT_EQ(question.result, IDNO);
  EXPECT_EQ(question.box->title, L"Вопрос");
  EXPECT_EQ(question.box->text, L"Да или нет?");
  EXPECT_EQ(question.box->buttonIds, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(question.icon, ProgramIcon());
  EXPECT_EQ(question.cursorPicture, nullptr);

  // A box shown afterwards without the operation keeps the system's icon.
  const HICON stopIcon = LoadIconW(nullptr, IDI_HAND);
  const Seen plain = ShowAndAnswer(
      [] { return MessageBoxW(nullptr, L"Простой", L"Система", MB_ICONHAND); }, IDOK, stopIcon);
  ASSERT_TRUE(plain.box) << plain.failure;
  EXPECT_EQ(plain.icon, stopIcon);
}

TEST(MessageBoxTest, CursorPictureIsLaidOverTheIcon) {
  TestFolder folder(L"MessageBoxTest.CursorPictureIsLaidOverTheIcon");
  const std::wstring cursor = folder.AddFile(L"target.cur", CursorFileBytes()).wstring();
  const Seen seen = ShowAndAnswer(
      [&] { return MsgBoxWithIcon(L"Курсор", 0x30, L"Картинка", ProgramIcon(), cursor); }, IDOK,
      ProgramIcon());
  ASSERT_TRUE(seen.box) << seen.failure;
  EXPECT_EQ(seen.icon, ProgramIcon());
  EXPECT_NE(seen.cursorPicture, nullptr) << "no cursor picture inside the icon control";
  EXPECT_EQ(seen.cursorAt.x, 0);
  EXPECT_EQ(seen.cursorAt.y, 0);

  // A cursor file that is not there leaves just the icon.
  const std::wstring none = (folder.Root() / L"none.cur").wstring();
  const Seen missing =
      ShowAndAnswer([&] { return MsgBoxWithIcon(L"Курсор", 16, L"Картинка", ProgramIcon(), none); },
                    IDOK, ProgramIcon());
  ASSERT_TRUE(missing.box) << missing.failure;
  EXPECT_EQ(missing.icon, ProgramIcon());
  EXPECT_EQ(missing.cursorPicture, nullptr);
}

}  // namespace
}  // namespace e2e
}  // namespace vintrel
