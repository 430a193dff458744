// At 144 dpi (set by ctest before this program starts: Wine gives a program
// started from here the DPI this one started with) every caption of the three
// windows is whole in the program's dialog font, and the status bar, grown
// with its font, covers nothing. (Where each control lies is the layout
// tables' business.)
#include "driver.h"

namespace vintrel::e2e {

constexpr int kDpi = 144;

class HighDpi : public E2e {
 protected:
  // Checks every visible control of `window` that shows a caption.
  static HWND ExpectCaptionsFit(HWND window) {
    const win::UniqueFont font(CreateFontW(-MulDiv(8, kDpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                           DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg"));
    const win::UniqueScreenDc screen(GetDC(nullptr));
    SelectObject(screen.get(), font.get());
    // Wrapped at the width less the margin at 96 dpi (or on one line), the
    // text needs no more than the box.
    const auto expectFits = [&](const std::wstring& text, const RECT& r, int marginX, int marginY,
                                bool wrap) {
      const int width = r.right - r.left - MulDiv(marginX, kDpi, 96);
      const int height = r.bottom - r.top - MulDiv(marginY, kDpi, 96);
      RECT need{0, 0, width, 0};
      DrawTextW(screen.get(), text.c_str(), -1, &need,
                DT_CALCRECT | DT_NOPREFIX | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
      EXPECT_TRUE(need.right <= width && need.bottom <= height)
          << text << ": " << need.right << "x" << need.bottom << " in " << width << "x" << height;
    };
    RECT bar{};
    std::vector<std::pair<int, RECT>> shown;  // every visible control, in client coordinates
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      if (!IsWindowVisible(c))
        continue;
      RECT r{};
      GetWindowRect(c, &r);
      MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
      shown.emplace_back(GetDlgCtrlID(c), r);
      const std::wstring kind = ClassOf(c), text = Text(c);
      const LONG type = GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK;
      const bool group = type == BS_GROUPBOX,
                 push = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
      if (kind == L"ComboBox")
        for (const std::wstring& item : Items(c)) expectFits(item, r, 17 + 4 + 2, 0, false);
      else if (kind == L"msctls_statusbar32")
        bar = r;
      else if (kind == L"Static" && !text.empty())
        expectFits(text, r, 0, 0, true);
      else if (kind == L"Button" && !text.empty())  // a check box: its square and gap first
        expectFits(text, r, group ? 16 : push ? 6 : 17, push ? 4 : 0, !group && !push);
    }
    EXPECT_GE(bar.bottom - bar.top, bar.bottom ? -MulDiv(8, kDpi, 72) : 0)
        << "the bar grows with its font";
    for (const auto& [id, r] : shown)
      EXPECT_TRUE(bar.bottom == 0 || r.top >= bar.top || r.bottom <= bar.top + 1) << id;
    return window;
  }
};

TEST_F(HighDpi, CaptionsOfEveryWindowFitAndTheStatusBarCoversNothing) {
  const win::UniqueScreenDc screen(GetDC(nullptr));
  ASSERT_EQ(GetDeviceCaps(screen.get(), LOGPIXELSY), kDpi) << "ctest sets the screen's DPI";
  Start();
  Browse(AddBik(L"clip.bik", Clip(15000, 168210, 1280, 1024, 25, 1, 44100)));
  ExpectCaptionsFit(main_);
  CloseWindow(ExpectCaptionsFit(OpenSettings()));
  ExpectCaptionsFit(Open(main_ids::aboutButton, about_ids::okButton));
}

}  // namespace vintrel::e2e
