#pragma once
// Owners for the GDI objects a window draws with, and the few drawing calls
// the program's own controls share. Every object goes back to the system
// when its owner goes, whatever path the drawing took.
#include <windows.h>

#include <string>

#include "win/unique_handle.h"

namespace vintrel::ui {

struct GdiObjectTraits {
  using Type = HGDIOBJ;
  static Type Empty() { return nullptr; }
  static void Release(Type h) { ::DeleteObject(h); }
};
struct MemoryDcTraits {
  using Type = HDC;
  static Type Empty() { return nullptr; }
  static void Release(Type h) { ::DeleteDC(h); }
};
using UniqueGdiObject = win::UniqueHandle<GdiObjectTraits>;
using UniqueMemoryDc = win::UniqueHandle<MemoryDcTraits>;

// `object` selected into `dc` for the scope; what was there goes back after,
// so that the object can be deleted.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? ::SelectObject(dc, object) : nullptr) {}
  ~Selected() {
    if (old_)
      ::SelectObject(dc_, old_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

class Painting {
 public:
  explicit Painting(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  ~Painting() { ::EndPaint(window_, &paint_); }
  Painting(const Painting&) = delete;
  Painting& operator=(const Painting&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

inline void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
  const RECT r{left, top, right, bottom};
  ::SetBkColor(dc, color);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

inline int TextWidth(HDC dc, const std::wstring& text) {
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

inline void Text(HDC dc, int x, int y, const std::wstring& text, COLORREF color) {
  ::SetTextColor(dc, color);
  ::ExtTextOutW(dc, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

}  // namespace vintrel::ui
