#include "app/dropped_file.h"

#include <vector>

#include "win/system_library.h"
#include "win/unique_handle.h"

namespace vintrel {
namespace {

// Loaded at the first drop, not at start-up.
constexpr wchar_t kShell[] = L"shell32.dll";

struct DropTraits {
  using Type = HDROP;
  static Type Empty() { return nullptr; }
  static void Release(Type drop) {
    if (const auto finish = win::SystemFunction<decltype(::DragFinish)>(kShell, "DragFinish"))
      finish(drop);
  }
};
using UniqueDrop = win::UniqueHandle<DropTraits>;

}  // namespace

std::optional<std::wstring> DroppedFile(HWND target, HDROP drop) {
  const UniqueDrop files(drop);
  if (!::IsWindowEnabled(target))
    return std::nullopt;
  const auto dragQueryFile =
      win::RequireSystemFunction<decltype(::DragQueryFileW)>(kShell, "DragQueryFileW");
  if (dragQueryFile(files.get(), 0xFFFFFFFF, nullptr, 0) == 0)
    return std::nullopt;
  const UINT length = dragQueryFile(files.get(), 0, nullptr, 0);
  if (length == 0)
    return std::nullopt;
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  const UINT copied = dragQueryFile(files.get(), 0, buffer.data(), length + 1);
  return std::wstring(buffer.data(), copied <= length ? copied : length);
}

}  // namespace vintrel
