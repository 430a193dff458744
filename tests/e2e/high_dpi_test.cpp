// At 144 dpi (set by ctest before this program starts: Wine gives a program
// started from here the DPI this one started with) every caption of the three windows is whole in
// the program's dialog font, and the status bar, grown with its font, covers nothing. (Where each
// control lies is the layout tables' business.)
#include "driver.h"

namespace vintrel::e2e {
namespace {

constexpr int kDpi = 144;

int Scaled(int pixelsAt96) {
  return MulDiv(pixelsAt96, kDpi, 96);
}

RECT RectIn(HWND window, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Checks every visible control of `window` that shows a caption.
void ExpectCaptionsFit(HWND window) {
  const ui::UniqueFont font(CreateFontW(-MulDiv(8, kDpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                        DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg"));
  const ui::UniqueScreenDc screen(GetDC(nullptr));
  SelectObject(screen.get(), font.get());
  std::string last;
  // Wrapped at `width` (or on one line), the text needs no more than the box.
  const auto fits = [&](const std::wstring& text, int width, int height, bool wrap) {
    RECT need{0, 0, width, 0};
    DrawTextW(screen.get(), text.c_str(), -1, &need,
              DT_CALCRECT | DT_NOPREFIX | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
    last = std::to_string(need.right) + "x" + std::to_string(need.bottom) + " in " +
           std::to_string(width) + "x" + std::to_string(height);
    return need.right <= width && need.bottom <= height;
  };
  RECT bar{}, client{};
  GetClientRect(window, &client);
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t kind[64] = {};
    GetClassNameW(c, kind, 64);
    const RECT r = RectIn(window, c);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const LONG style = GetWindowLongW(c, GWL_STYLE), type = style & BS_TYPEMASK;
    const std::wstring text = Text(c), name = std::wstring(kind) + L" \"" + text + L"\"";
    if (!IsWindowVisible(c) || (text.empty() && std::wstring(kind) != L"ComboBox"))
      continue;
    if (std::wstring(kind) == L"ComboBox") {
      for (const std::wstring& item : Items(c))
        EXPECT_TRUE(fits(item, w - Scaled(17 + 4 + 2), h, false)) << U8(name + L" " + item);
    } else if (std::wstring(kind) == L"msctls_statusbar32")
      bar = r;
    else if (std::wstring(kind) == L"Static")
      EXPECT_TRUE(fits(text, w, h, true)) << U8(name) << ": " << last;
    else if (std::wstring(kind) != L"Button")
      continue;
    else if (type == BS_GROUPBOX)
      EXPECT_TRUE(fits(text, w - Scaled(16), h, false)) << U8(name) << ": " << last;
    else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
      EXPECT_TRUE(fits(text, w - Scaled(6), h - Scaled(4), false)) << U8(name) << ": " << last;
    else  // a check box: its square and gap first
      EXPECT_TRUE(fits(text, w - Scaled(17), h, true)) << U8(name) << ": " << last;
  }
  if (bar.bottom == 0)
    return;
  EXPECT_EQ(bar.left, 0);
  EXPECT_EQ(bar.right, client.right);
  EXPECT_EQ(bar.bottom, client.bottom);
  EXPECT_GE(bar.bottom - bar.top, -MulDiv(8, kDpi, 72)) << "the bar grows with its font";
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (IsWindowVisible(c) && RectIn(window, c).top < bar.top) {
      EXPECT_LE(RectIn(window, c).bottom, bar.top + 1) << GetDlgCtrlID(c) << " under the bar";
    }
  }
}

using HighDpi = E2e;

TEST_F(HighDpi, CaptionsOfEveryWindowFitAndTheStatusBarCoversNothing) {
  const fs::path file = AddBik(L"clip.bik", Clip(15000, 168210, 1280, 1024, 25, 1, 44100));
  const ui::UniqueScreenDc screen(GetDC(nullptr));
  ASSERT_EQ(GetDeviceCaps(screen.get(), LOGPIXELSY), kDpi) << "ctest sets the screen's DPI";
  WriteIni(kIni);
  Start();
  Browse(file);
  ASSERT_EQ(Text(Main(main_ids::Label(13))), L"44100");
  ExpectCaptionsFit(main_);
  HWND settings = OpenSettings();
  ExpectCaptionsFit(settings);
  PostMessageW(settings, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Gone(settings));
  ExpectCaptionsFit(OpenAbout());
}

}  // namespace
}  // namespace vintrel::e2e
