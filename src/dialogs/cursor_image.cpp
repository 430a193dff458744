#include "dialogs/cursor_image.h"

namespace vintrel {

void PlaceCursorImage(CursorImage& image, const std::wstring& cursorFile, HWND parent, int x,
                      int y) {
  ReleaseCursorImage(image);
  image.hCursor.reset(::LoadCursorFromFileW(cursorFile.c_str()));
  if (!image.hCursor)
    return;

  // An icon-style static sizes itself to its picture.
  image.hWnd.reset(::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_ICON, 20, 20, 0,
                                     0, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr));
  if (!image.hWnd) {
    image.hCursor.reset();
    return;
  }
  ::SendMessageW(image.hWnd.get(), STM_SETIMAGE, IMAGE_CURSOR,
                 reinterpret_cast<LPARAM>(image.hCursor.get()));
  ::SetWindowPos(image.hWnd.get(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void ReleaseCursorImage(CursorImage& image) {
  // The window first: it must not go on drawing a cursor that is gone.
  image.hWnd.reset();
  image.hCursor.reset();
}

}  // namespace vintrel
