#pragma once
#include <windows.h>

#include <string>

#include "ui/unique_handle.h"

namespace vintrel {

// A cursor picture shown in a static control of its own. Both handles are
// owned, so whatever is placed is released with the record.
struct CursorImage {
  ui::UniqueCursor hCursor;
  ui::UniqueWindow hWnd;
};

// Loads the cursor file (static or animated) and shows it at x, y inside
// `parent`. A file that is not a cursor, or a window that cannot be made,
// leaves the record empty.
void PlaceCursorImage(CursorImage& image, const std::wstring& cursorFile, HWND parent, int x,
                      int y);

// Takes the picture away and frees the cursor.
void ReleaseCursorImage(CursorImage& image);

}  // namespace vintrel
