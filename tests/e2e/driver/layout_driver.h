#pragma once
// Driver pieces for layout checks: the screen DPI the program starts with,
// and what a caption needs on screen in the fonts the program draws with.
#include <windows.h>

#include <optional>
#include <string_view>

#include "driver.h"

namespace vintrel::e2e {

struct GdiFontTraits {
  static HFONT Invalid() { return nullptr; }
  static void Close(HFONT f) { DeleteObject(f); }
};
using OwnedFont = Unique<HFONT, GdiFontTraits>;

// Sets the screen DPI that programs started from now on see, and puts the old
// setting back (or removes it, when there was none) at the end of the scope.
// Wine 8 reads the DWORD "LogPixels" under "HKEY_CURRENT_USER\Control Panel\Desktop"
// at each process start; a program already running keeps its DPI.
class ScopedScreenDpi {
 public:
  explicit ScopedScreenDpi(DWORD dpi);
  ScopedScreenDpi(const ScopedScreenDpi&) = delete;
  ScopedScreenDpi& operator=(const ScopedScreenDpi&) = delete;
  ~ScopedScreenDpi();

 private:
  std::optional<DWORD> previous_;
};

// A font made like the program's dialog font: "MS Shell Dlg", 8 points at `dpi`.
OwnedFont MakeDialogFont(int dpi);
// The system's message-box font at `dpi`.
OwnedFont MakeMessageFont(int dpi);

// Extent of `text` drawn in `font`: on one line when wrapWidth is 0, else
// word-wrapped at wrapWidth pixels (a word wider than that sticks out, so the
// width can exceed wrapWidth).
SIZE TextExtent(HFONT font, std::wstring_view text, int wrapWidth = 0);

// A system metric (SM_CXMENUCHECK, SM_CXVSCROLL...) as a program at `dpi` sees it.
int MetricForDpi(int index, int dpi);

}  // namespace vintrel::e2e
