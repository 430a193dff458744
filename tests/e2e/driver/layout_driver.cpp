#include "layout_driver.h"

#include <string>

namespace vintrel::e2e {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";

UniqueKey OpenDesktopKey() {
  HKEY key = nullptr;
  const LONG status = RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0,
                                      KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS)
    throw Failure("cannot open HKCU\\Control Panel\\Desktop (error " + std::to_string(status) +
                  ")");
  return UniqueKey(key);
}

void WriteLogPixels(HKEY key, DWORD dpi) {
  const LONG status = RegSetValueExW(key, kLogPixels, 0, REG_DWORD,
                                     reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  if (status != ERROR_SUCCESS)
    throw Failure("cannot set LogPixels (error " + std::to_string(status) + ")");
}

// The DPI this process itself was started with; the program's metrics scale
// from it when the system has no per-DPI functions.
int OwnDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

template <class Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

ScopedScreenDpi::ScopedScreenDpi(DWORD dpi) {
  UniqueKey key = OpenDesktopKey();
  DWORD value = 0;
  DWORD type = 0;
  DWORD size = sizeof value;
  if (RegQueryValueExW(key.get(), kLogPixels, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                       &size) == ERROR_SUCCESS &&
      type == REG_DWORD) {
    previous_ = value;
  }
  WriteLogPixels(key.get(), dpi);
}

ScopedScreenDpi::~ScopedScreenDpi() {
  try {
    UniqueKey key = OpenDesktopKey();
    if (previous_)
      WriteLogPixels(key.get(), *previous_);
    else
      RegDeleteValueW(key.get(), kLogPixels);
  } catch (const Failure&) {
    // Nothing better to do in a destructor; the next case starts at this DPI.
  }
}

OwnedFont MakeDialogFont(int dpi) {
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(8, dpi, 72);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(lf.lfFaceName, L"MS Shell Dlg", LF_FACESIZE);
  return OwnedFont(CreateFontIndirectW(&lf));
}

OwnedFont MakeMessageFont(int dpi) {
  using ForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (const auto forDpi = User32Function<ForDpi>("SystemParametersInfoForDpi");
      forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
    return OwnedFont(CreateFontIndirectW(&metrics.lfMessageFont));
  }
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    throw Failure("no message font");
  metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, OwnDpi());
  return OwnedFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

SIZE TextExtent(HFONT font, std::wstring_view text, int wrapWidth) {
  HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, font);
  RECT rect{0, 0, wrapWidth, 0};
  const UINT format =
      DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  DrawTextW(screen, text.data(), static_cast<int>(text.size()), &rect, format);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

int MetricForDpi(int index, int dpi) {
  using ForDpi = int(WINAPI*)(int, UINT);
  if (const auto forDpi = User32Function<ForDpi>("GetSystemMetricsForDpi"))
    return forDpi(index, static_cast<UINT>(dpi));
  return MulDiv(GetSystemMetrics(index), dpi, OwnDpi());
}

}  // namespace vintrel::e2e
