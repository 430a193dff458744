// At 144 dpi (set by ctest before this program starts: Wine gives a program
// started from here the DPI this one started with) every caption of the
// windows is whole in the program's dialog font, and the status bar, grown
// with its font, covers nothing. Then each window is told it moved to a
// monitor of 96 dpi and back, as Windows tells it with WM_DPICHANGED (Wine
// never does): it takes the rectangle suggested, its controls and their font
// shrink and grow in proportion, and the captions still fit. (Where each
// control lies is the layout tables' business.)
#include <array>
#include <cstdlib>

#include "driver.h"

namespace vintrel::e2e {

using Placed = std::array<LONG, 5>;  // id, left, top, width, height; the window's id is 0

struct Shown {
  std::vector<Placed> boxes;  // the window's on screen, then its visible controls' in it
  LONG textWidth;             // of the widest label in a list, in the list's font
};

class HighDpi : public E2e {
 protected:
  // Checks every visible control of `window` that shows a caption.
  Shown ExpectCaptionsFit(HWND window, int dpi) const {
    const win::UniqueFont font(CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                           DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg"));
    const win::UniqueScreenDc screen(GetDC(nullptr));
    SelectObject(screen.get(), font.get());
    // Wrapped at the width less the margin at 96 dpi (or on one line), the
    // text needs no more than the box.
    const auto expectFits = [&](const std::wstring& text, const RECT& r, int marginX, int marginY,
                                bool wrap) {
      const int width = r.right - r.left - MulDiv(marginX, dpi, 96);
      const int height = r.bottom - r.top - MulDiv(marginY, dpi, 96);
      RECT need{0, 0, width, 0};
      DrawTextW(screen.get(), text.c_str(), -1, &need,
                DT_CALCRECT | DT_NOPREFIX | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
      EXPECT_TRUE(need.right <= width && need.bottom <= height)
          << text << ": " << need.right << "x" << need.bottom << " in " << width << "x" << height;
    };
    Shown shown{};
    RECT r{}, bar{};
    GetWindowRect(window, &r);
    shown.boxes.push_back({0, r.left, r.top, r.right - r.left, r.bottom - r.top});
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      if (!IsWindowVisible(c))
        continue;
      GetWindowRect(c, &r);
      MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
      const std::wstring kind = ClassOf(c), text = Text(c);
      // A list box's height is its font's, as the status bar's is.
      const LONG height = kind == L"ComboBox" ? 0 : r.bottom - r.top;
      shown.boxes.push_back({GetDlgCtrlID(c), r.left, r.top, r.right - r.left, height});
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
      if (kind == L"SysListView32")  // with the margins
        shown.textWidth = static_cast<LONG>(Send(c, LVM_GETCOLUMNWIDTH, 0));
    }
    for (const Placed& c : shown.boxes)  // the status bar, grown with its font, covers nothing
      EXPECT_TRUE(!c[0] || !bar.bottom || c[2] >= bar.top || c[2] + c[4] <= bar.top + 1) << c[0];
    return shown;
  }

  // What Windows sends a window dragged onto a monitor of `dpi`. Wine may
  // or may not carry the rectangle across, so it sits at one address in
  // both processes.
  void MoveToDpi(HWND window, int dpi, const RECT& suggested) const {
    void* there = VirtualAllocEx(process_.get(), nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
    auto* shared =
        static_cast<RECT*>(VirtualAlloc(there, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    *Require(shared, "the address is taken here") = suggested;
    WriteProcessMemory(process_.get(), shared, &suggested, sizeof suggested, nullptr);
    Send(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(shared));
  }

  // To 96 dpi and back to 144.
  HWND ExpectRescaled(HWND window) const {
    const Shown big = ExpectCaptionsFit(window, 144);
    RECT f{}, client{};
    GetWindowRect(window, &f);
    GetClientRect(window, &client);
    // The client area in proportion: Wine keeps the caption and borders at
    // the screen's DPI, whatever the window's.
    MoveToDpi(window, 96,
              {f.left, f.top, f.right - client.right / 3, f.bottom - client.bottom / 3});
    const Shown small = ExpectCaptionsFit(window, 96);
    Require(small.boxes.size() == big.boxes.size(), "the same controls shown");
    for (size_t i = 0; i < big.boxes.size(); ++i) {
      const Placed &b = big.boxes[i], &s = small.boxes[i];
      // The window is where suggested; the main window may grow to fit its
      // status bar, which takes its font's height.
      EXPECT_TRUE(i > 0 || (s[1] == b[1] && s[2] == b[2] && s[3] == b[3] - client.right / 3 &&
                            s[4] >= b[4] - client.bottom / 3));
      for (size_t n = 1; n < 5 && i > 0 && b[0] != main_ids::statusBar; ++n)
        EXPECT_LE(std::abs(2 * b[n] - 3 * s[n]), 3) << b[0] << ": " << b[n] << " and " << s[n];
    }
    EXPECT_TRUE(small.textWidth * 13 <= big.textWidth * 10 &&  // 0 for a window with no list
                big.textWidth * 10 <= small.textWidth * 17)
        << "a text's width in the font: " << big.textWidth << " and " << small.textWidth;
    MoveToDpi(window, 144, f);
    EXPECT_EQ(ExpectCaptionsFit(window, 144).boxes, big.boxes) << "back as it was";
    return window;
  }
};

TEST_F(HighDpi, EveryWindowFitsItsCaptionsAndFollowsItsMonitorsDpi) {
  const win::UniqueScreenDc screen(GetDC(nullptr));
  ASSERT_EQ(GetDeviceCaps(screen.get(), LOGPIXELSY), 144) << "ctest sets the screen's DPI";
  Start();
  Browse(AddBik(L"clip.bik", Clip(15000, 168210, 1280, 1024, 25, 1, 44100)));
  ExpectRescaled(main_);
  CloseWindow(ExpectRescaled(OpenSettings()));
  CloseWindow(ExpectRescaled(Open(main_ids::aboutButton, about_ids::okButton)));
  PostMessageW(main_, WM_COMMAND, main_ids::showDetailsCommand, 0);
  CloseWindow(ExpectRescaled(WindowWith(pid_, details_ids::factsList)));
}

}  // namespace vintrel::e2e
