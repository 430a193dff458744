// The three windows and the message box at 144 dpi (the main window at 120
// too), read back from the running program: every control where its twips put
// it, inside its frame and the window, none on top of another, every caption
// whole in the program's dialog font at that DPI.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "app/main_layout.h"
#include "res/main_window_ids.h"
#include "bik_maker.h"
#include "res/about_dialog_ids.h"
#include "dialogs/about_layout.h"
#include "e2e_test.h"
#include "layout_driver.h"
#include "panel_driver.h"
#include "res/settings_dialog_ids.h"
#include "settings/settings_layout.h"
#include "shell_driver.h"
#include "ui/control_table.h"

namespace vintrel::e2e {
namespace {

using ui::ControlKind;
using ui::ControlSpec;

// Twips rarely make whole pixels: an edge may land a pixel off where its twips
// put it, and neighbours may share that pixel.
constexpr int kSlack = 1;

struct WindowDesign {
  const char* name;
  std::span<const ControlSpec> controls;
  int widthTwips;
  int heightTwips;
};

// A control as the running program placed it.
struct Placed {
  const ControlSpec* spec;
  HWND hwnd;
  RECT rect;  // in the window's client area
  bool visible;
};

double ExactPixels(int twips, int dpi) {
  return twips * dpi / 1440.0;
}

int Scaled(int pixelsAt96, int dpi) {
  return MulDiv(pixelsAt96, dpi, 96);
}

std::string RectText(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left - kSlack && inner.top >= outer.top - kSlack &&
         inner.right <= outer.right + kSlack && inner.bottom <= outer.bottom + kSlack;
}

// How far two rectangles overlap: the smaller side of their intersection.
int Overlap(const RECT& a, const RECT& b) {
  const LONG width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const LONG height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width <= 0 || height <= 0 ? 0 : static_cast<int>(std::min(width, height));
}

// Checks one window of the running program against its design at `dpi`.
class LayoutCheck {
 public:
  LayoutCheck(HWND window, const WindowDesign& design, int dpi)
      : design_(design), dpi_(dpi), font_(MakeDialogFont(dpi)) {
    GetClientRect(window, &client_);
    for (const ControlSpec& spec : design.controls) {
      HWND hwnd = Control(window, spec.id);
      placed_.push_back({&spec, hwnd, ControlRectInClient(hwnd), IsVisible(hwnd)});
    }
  }

  void Run() {
    ClientSize();
    Positions();
    StatusBarDocked();
    InsideFramesAndClient();
    NoOverlaps();
    CaptionsFit();
  }

 private:
  std::string Name(const Placed& c) const {
    return std::string(design_.name) + " control " + std::to_string(c.spec->id) + " \"" +
           ToUtf8(c.spec->text) + "\" at " + RectText(c.rect);
  }

  const Placed* Find(int id) const {
    for (const Placed& c : placed_) {
      if (c.spec->id == id)
        return &c;
    }
    return nullptr;
  }

  // A window is its size in twips, rounded to whole pixels. A status bar
  // takes the height its font needs, which may be more than it was drawn
  // with; the window may grow by that much, so the bar covers nothing.
  void ClientSize() const {
    EXPECT_LE(std::abs(client_.right - std::lround(ExactPixels(design_.widthTwips, dpi_))), kSlack)
        << design_.name << " client width " << client_.right;
    const long height = std::lround(ExactPixels(design_.heightTwips, dpi_));
    long growth = 0;
    for (const Placed& c : placed_) {
      if (c.spec->kind == ControlKind::statusBar) {
        growth = std::max(
            0L, c.rect.bottom - c.rect.top - std::lround(ExactPixels(c.spec->rect.height, dpi_)));
      }
    }
    EXPECT_GE(client_.bottom, height - kSlack) << design_.name << " client height";
    EXPECT_LE(client_.bottom, height + growth + kSlack) << design_.name << " client height";
  }

  // Each edge where the twips of the table put it. A drop-down list sizes its
  // field to its font: it may be lower than its row, not taller; an icon
  // holder takes the size of its icon.
  void Positions() const {
    for (const Placed& c : placed_) {
      if (c.spec->kind == ControlKind::statusBar)
        continue;
      const ui::TwipsRect t = ui::WindowTwipsRect(design_.controls, *c.spec);
      const double left = ExactPixels(t.left, dpi_);
      const double top = ExactPixels(t.top, dpi_);
      const double right = ExactPixels(t.left + t.width, dpi_);
      const double bottom = ExactPixels(t.top + t.height, dpi_);
      EXPECT_LE(std::abs(c.rect.left - left), kSlack) << Name(c);
      EXPECT_LE(std::abs(c.rect.top - top), kSlack) << Name(c);
      if (c.spec->kind == ControlKind::iconPicture)
        continue;
      EXPECT_LE(std::abs(c.rect.right - right), kSlack) << Name(c);
      if (c.spec->kind == ControlKind::comboBox)
        EXPECT_LE(c.rect.bottom, bottom + kSlack) << Name(c);
      else
        EXPECT_LE(std::abs(c.rect.bottom - bottom), kSlack) << Name(c);
    }
  }

  void StatusBarDocked() const {
    for (const Placed& c : placed_) {
      if (c.spec->kind != ControlKind::statusBar)
        continue;
      EXPECT_EQ(c.rect.left, 0) << Name(c);
      EXPECT_EQ(c.rect.right, client_.right) << Name(c);
      EXPECT_EQ(c.rect.bottom, client_.bottom) << Name(c);
    }
  }

  // The icon holder lies beyond the client area, never seen.
  static bool OutsideByDesign(const Placed& c) {
    return c.spec->kind == ControlKind::statusBar || c.spec->kind == ControlKind::iconPicture;
  }

  void InsideFramesAndClient() const {
    for (const Placed& c : placed_) {
      if (!OutsideByDesign(c)) {
        EXPECT_TRUE(Inside(c.rect, client_)) << Name(c) << " is not inside the client area";
      }
      if (c.spec->container != 0) {
        const Placed* frame = Find(c.spec->container);
        ASSERT_NE(frame, nullptr) << Name(c);
        EXPECT_TRUE(Inside(c.rect, frame->rect)) << Name(c) << " is not inside its frame";
      }
    }
  }

  // The band a frame's caption is drawn in; what the frame holds stays below.
  RECT CaptionBand(const Placed& frame) const {
    const SIZE text = TextExtent(font_.get(), Text(frame.hwnd));
    return {frame.rect.left, frame.rect.top, frame.rect.left + text.cx + Scaled(16, dpi_),
            frame.rect.top + text.cy};
  }

  // Visible controls share no more than a pixel, except what a frame holds;
  // a control lies wholly inside a frame or clear of it, never across its
  // border, and clear of its caption.
  void NoOverlaps() const {
    for (size_t i = 0; i < placed_.size(); ++i) {
      const Placed& a = placed_[i];
      if (!a.visible)
        continue;
      for (size_t j = i + 1; j < placed_.size(); ++j) {
        const Placed& b = placed_[j];
        if (!b.visible)
          continue;
        const Placed* frame = a.spec->kind == ControlKind::frame   ? &a
                              : b.spec->kind == ControlKind::frame ? &b
                                                                   : nullptr;
        const Placed* other = frame == &a ? &b : &a;
        if (frame && other->spec->kind != ControlKind::frame && Inside(other->rect, frame->rect)) {
          EXPECT_LE(Overlap(other->rect, CaptionBand(*frame)), kSlack)
              << Name(*other) << " covers the caption of " << Name(*frame);
          continue;
        }
        EXPECT_LE(Overlap(a.rect, b.rect), kSlack) << Name(a) << " overlaps " << Name(b);
      }
    }
  }

  void CaptionsFit() const {
    for (const Placed& c : placed_) {
      if (!c.visible)
        continue;
      const std::wstring text = Text(c.hwnd);
      if (text.empty())
        continue;
      const int width = c.rect.right - c.rect.left;
      const int height = c.rect.bottom - c.rect.top;
      switch (c.spec->kind) {
        case ControlKind::label:
          // Labels wrap at word breaks: whatever does not fit goes below.
          ExpectWrappedFits(c, text, width, height);
          break;
        case ControlKind::checkBox:
          ExpectWrappedFits(c, text, width - CheckBoxGlyph(), height);
          break;
        case ControlKind::button:
          ExpectLineFits(c, text, width - 2 * Scaled(3, dpi_), height - 2 * Scaled(2, dpi_));
          break;
        case ControlKind::frame:
          ExpectLineFits(c, text, width - 2 * Scaled(8, dpi_), height);
          break;
        case ControlKind::comboBox:
          ExpectListFits(c, width);
          break;
        default:
          break;
      }
    }
  }

  // The box and the gap before the caption.
  int CheckBoxGlyph() const { return MetricForDpi(SM_CXMENUCHECK, dpi_) + Scaled(4, dpi_); }

  void ExpectWrappedFits(const Placed& c, const std::wstring& text, int width, int height) const {
    const SIZE size = TextExtent(font_.get(), text, width);
    EXPECT_LE(size.cx, width) << Name(c) << ": a word does not fit";
    EXPECT_LE(size.cy, height) << Name(c) << ": the wrapped text is " << size.cy << " high";
  }

  void ExpectLineFits(const Placed& c, const std::wstring& text, int width, int height) const {
    const SIZE size = TextExtent(font_.get(), text);
    EXPECT_LE(size.cx, width) << Name(c) << ": the caption is " << size.cx << " wide";
    EXPECT_LE(size.cy, height) << Name(c) << ": the caption is " << size.cy << " high";
  }

  // The field shows the text and any entry the user picks, beside its button.
  void ExpectListFits(const Placed& c, int width) const {
    const int field = width - MetricForDpi(SM_CXVSCROLL, dpi_) - 2 * MetricForDpi(SM_CXEDGE, dpi_) -
                      Scaled(2, dpi_);
    std::vector<std::wstring> texts = ComboItems(c.hwnd);
    texts.push_back(Text(c.hwnd));
    for (const std::wstring& text : texts) {
      EXPECT_LE(TextExtent(font_.get(), text).cx, field)
          << Name(c) << ": \"" << ToUtf8(text) << "\" does not fit the field";
    }
  }

  const WindowDesign& design_;
  int dpi_;
  OwnedFont font_;
  RECT client_{};
  std::vector<Placed> placed_;
};

const WindowDesign kMainWindow{"main window", main_layout::Controls(),
                               main_layout::kClientWidthTwips, main_layout::kClientHeightTwips};
const WindowDesign kSettingsWindow{"settings window", settings_layout::Controls(),
                                   settings_layout::kClientWidthTwips,
                                   settings_layout::kClientHeightTwips};
const WindowDesign kAboutWindow{"About window", about_layout::Controls(),
                                about_layout::kClientWidthTwips, about_layout::kClientHeightTwips};

class DpiLayoutTest : public E2eTest {
 protected:
  // Starts the program at `dpi` and returns its main window.
  HWND StartAt(int dpi) {
    dpi_.emplace(static_cast<DWORD>(dpi));
    App& app = StartApp();
    pid_ = app.Pid();
    return app.WaitForMainWindow();
  }

  DWORD pid_ = 0;

 private:
  std::optional<ScopedScreenDpi> dpi_;
};

// With a file shown, so that the panel's values are measured too.
TEST_F(DpiLayoutTest, MainWindowAt144Dpi) {
  BikSpec spec;
  spec.frameCount = 15000;
  spec.maxFrameSize = 168210;
  spec.width = 1280;
  spec.height = 1024;
  spec.fpsNumerator = 25;
  spec.fpsDenominator = 1;
  spec.tracks = {{44100, static_cast<uint16_t>(kBikStereo | kBikSixteenBit), 0}};
  const auto file = Folder().AddFile(L"clip.bik", BikBytes(spec));

  HWND main = StartAt(144);
  BrowseFile(pid_, main, file);
  ASSERT_EQ(Text(Control(main, main_ids::Label(13))), L"44100");
  LayoutCheck(main, kMainWindow, 144).Run();
}

TEST_F(DpiLayoutTest, MainWindowAt120And96Dpi) {
  for (int dpi : {120, 96}) {
    SCOPED_TRACE(dpi);
    HWND main = StartAt(dpi);
    LayoutCheck(main, kMainWindow, dpi).Run();
  }
}

TEST_F(DpiLayoutTest, SettingsWindowAt144Dpi) {
  HWND main = StartAt(144);
  Click(Control(main, main_ids::Command2));
  HWND settings = WaitForWindowWithControl(pid_, settings_ids::Command2);
  EXPECT_EQ(Text(settings), L"Настройки");
  LayoutCheck(settings, kSettingsWindow, 144).Run();
}

// At 96 dpi too: the size its texts are set for.
TEST_F(DpiLayoutTest, AboutWindowAt144And96Dpi) {
  for (int dpi : {144, 96}) {
    SCOPED_TRACE(dpi);
    HWND main = StartAt(dpi);
    Click(Control(main, main_ids::Command4));
    LayoutCheck(WaitForWindowWithControl(pid_, about_ids::Command1), kAboutWindow, dpi).Run();
  }
}

// The box lays itself out; what matters is that at a large DPI its picture
// and its whole text are still inside it and clear of each other.
TEST_F(DpiLayoutTest, MessageBoxAt144Dpi) {
  constexpr int kDpi = 144;
  HWND main = StartAt(kDpi);
  Click(Control(main, main_ids::Command1));  // no file chosen: the program says so
  const MessageBoxInfo box = WaitForMessageBox(pid_);
  EXPECT_TRUE(box.hasIcon);

  RECT client{};
  GetClientRect(box.hwnd, &client);
  HWND textControl = Control(box.hwnd, 0xFFFF);
  std::vector<std::pair<std::string, RECT>> parts = {{"icon", ControlRectInClient(box.iconControl)},
                                                     {"text", ControlRectInClient(textControl)}};
  for (int id : box.buttonIds)
    parts.push_back({"button", ControlRectInClient(Control(box.hwnd, id))});

  for (size_t i = 0; i < parts.size(); ++i) {
    EXPECT_TRUE(Inside(parts[i].second, client))
        << parts[i].first << " at " << RectText(parts[i].second) << " outside " << RectText(client);
    for (size_t j = i + 1; j < parts.size(); ++j) {
      EXPECT_EQ(Overlap(parts[i].second, parts[j].second), 0)
          << parts[i].first << " overlaps " << parts[j].first;
    }
  }

  const RECT& icon = parts[0].second;
  EXPECT_GE(icon.right - icon.left, MetricForDpi(SM_CXICON, kDpi)) << "the icon is cut off";
  EXPECT_GE(icon.bottom - icon.top, MetricForDpi(SM_CYICON, kDpi)) << "the icon is cut off";

  const RECT& text = parts[1].second;
  const OwnedFont font = MakeMessageFont(kDpi);
  const SIZE size = TextExtent(font.get(), box.text, text.right - text.left);
  EXPECT_LE(size.cx, text.right - text.left) << ToUtf8(box.text);
  EXPECT_LE(size.cy, text.bottom - text.top) << ToUtf8(box.text);
  Answer(box, IDOK);
  EXPECT_TRUE(WaitForWindowGone(box.hwnd));
}

}  // namespace
}  // namespace vintrel::e2e
