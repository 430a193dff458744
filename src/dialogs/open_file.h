#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace vintrel {

// "Обзор": the open dialog over `owner`, starting in `folder` (where the
// system chooses when it is empty). Nothing when the user cancels (or the
// dialog cannot be shown at all) or names no file.
std::optional<std::wstring> AskForFile(HWND owner, const std::wstring& folder);

}  // namespace vintrel
