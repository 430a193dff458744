#pragma once
#include <windows.h>

#include <utility>

namespace vintrel::win {

// One owning wrapper for every kind of handle the program must release.
// Traits give the empty value and the release call; copying is deleted so a
// handle can never be closed twice.
template <typename Traits>
class UniqueHandle {
 public:
  using Type = typename Traits::Type;

  UniqueHandle() = default;
  explicit UniqueHandle(Type handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other)
      reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Type get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Empty(); }
  Type release() { return std::exchange(handle_, Traits::Empty()); }
  void reset(Type handle = Traits::Empty()) {
    if (handle_ != Traits::Empty())
      Traits::Release(handle_);
    handle_ = handle;
  }
  // For APIs that fill a handle through a pointer.
  Type* put() {
    reset();
    return &handle_;
  }

 private:
  Type handle_ = Traits::Empty();
};

struct KernelHandleTraits {
  using Type = HANDLE;
  static Type Empty() { return nullptr; }
  static void Release(Type h) { ::CloseHandle(h); }
};
struct FileHandleTraits {
  using Type = HANDLE;
  static Type Empty() { return INVALID_HANDLE_VALUE; }
  static void Release(Type h) { ::CloseHandle(h); }
};
struct RegKeyTraits {
  using Type = HKEY;
  static Type Empty() { return nullptr; }
  static void Release(Type h) { ::RegCloseKey(h); }
};
struct FontTraits {
  using Type = HFONT;
  static Type Empty() { return nullptr; }
  static void Release(Type h) { ::DeleteObject(h); }
};
struct IconTraits {
  using Type = HICON;
  static Type Empty() { return nullptr; }
  static void Release(Type h) { ::DestroyIcon(h); }
};
struct WindowTraits {
  using Type = HWND;
  static Type Empty() { return nullptr; }
  static void Release(Type h) {
    if (::IsWindow(h))
      ::DestroyWindow(h);
  }
};
struct ScreenDcTraits {
  using Type = HDC;
  static Type Empty() { return nullptr; }
  static void Release(Type h) { ::ReleaseDC(nullptr, h); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;
using UniqueFont = UniqueHandle<FontTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueScreenDc = UniqueHandle<ScreenDcTraits>;

}  // namespace vintrel::win
