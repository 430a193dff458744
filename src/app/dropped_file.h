#pragma once
#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

namespace vintrel {

// The first file of a drop on `target`, which the drop's handle is released
// with. Nothing while `target` takes no input: a box or the settings window
// is up, and a drop taken then would run inside that box's loop, the
// interrupted flow afterwards overwriting what the drop showed.
std::optional<std::wstring> DroppedFile(HWND target, HDROP drop);

}  // namespace vintrel
