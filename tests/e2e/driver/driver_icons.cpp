#include <cstdint>
#include <cstdlib>

#include "driver.h"

namespace vintrel::e2e {

namespace {

using Pixels = std::vector<std::uint32_t>;

struct ScreenDc {
  HDC dc = GetDC(nullptr);
  ScreenDc() = default;
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

struct MemoryDc {
  HDC dc;
  explicit MemoryDc(HDC compatible) : dc(CreateCompatibleDC(compatible)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() { DeleteDC(dc); }
};

// A top-down 32-bit DIB section selected into a memory DC while it lives.
class Canvas {
 public:
  Canvas(HDC compatible, int width, int height) : memory_(compatible), width_(width) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_.reset(CreateDIBSection(memory_.dc, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    if (!bitmap_)
      throw Failure("CreateDIBSection failed");
    old_ = SelectObject(memory_.dc, bitmap_.get());
    count_ = static_cast<size_t>(width) * static_cast<size_t>(height);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() { SelectObject(memory_.dc, old_); }

  HDC dc() const { return memory_.dc; }
  Pixels Read() const {
    GdiFlush();
    const auto* p = static_cast<const std::uint32_t*>(bits_);
    return Pixels(p, p + count_);
  }
  std::uint32_t At(int x, int y) const {
    GdiFlush();
    return static_cast<const std::uint32_t*>(bits_)[static_cast<size_t>(y) * width_ + x];
  }

 private:
  MemoryDc memory_;
  UniqueBitmap bitmap_;
  void* bits_ = nullptr;
  HGDIOBJ old_ = nullptr;
  int width_;
  size_t count_ = 0;
};

// Alpha-blended edges come out a little differently from one drawing to
// the next; a different picture differs in far more than a few pixels.
bool LookAlike(const Pixels& a, const Pixels& b) {
  if (a.size() != b.size() || a.empty())
    return false;
  size_t differing = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    for (int shift = 0; shift < 24; shift += 8) {
      const int ca = static_cast<int>((a[i] >> shift) & 0xFF);
      const int cb = static_cast<int>((b[i] >> shift) & 0xFF);
      if (std::abs(ca - cb) > 40) {
        ++differing;
        break;
      }
    }
  }
  return differing * 50 <= a.size();
}

bool ScreenShowsIcon(HWND iconControl, HICON icon) {
  RECT rect{};
  GetWindowRect(iconControl, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0 || rect.left < 1)
    return false;
  ScreenDc screen;
  // One column more on the left: the box's background beside the icon.
  Canvas shot(screen.dc, width + 1, height);
  BitBlt(shot.dc(), 0, 0, width + 1, height, screen.dc, rect.left - 1, rect.top, SRCCOPY);
  Canvas drawn(screen.dc, width + 1, height);
  BitBlt(drawn.dc(), 0, 0, width + 1, height, shot.dc(), 0, 0, SRCCOPY);
  const std::uint32_t background = shot.At(0, height / 2);
  const COLORREF fill = RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
  HBRUSH brush = CreateSolidBrush(fill);
  RECT inner{1, 0, width + 1, height};
  FillRect(drawn.dc(), &inner, brush);
  DeleteObject(brush);
  DrawIconEx(drawn.dc(), 1, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  return LookAlike(shot.Read(), drawn.Read());
}

}  // namespace

HICON StaticIcon(HWND iconStatic) {
  return reinterpret_cast<HICON>(Send(iconStatic, STM_GETICON, 0, 0));
}

bool ShowsIcon(const MessageBoxInfo& box, HICON icon, Millis timeout) {
  if (!box.iconControl || !icon)
    return false;
  // Paint now, so the screen holds what the control shows.
  RedrawWindow(box.iconControl, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  return WaitUntil([&] { return ScreenShowsIcon(box.iconControl, icon); }, timeout);
}

bool ShowsSystemIcon(const MessageBoxInfo& box, LPCWSTR systemIconId) {
  HICON system = LoadIconW(nullptr, systemIconId);
  if (box.icon && box.icon == system)
    return true;
  return ShowsIcon(box, system);
}

}  // namespace vintrel::e2e
