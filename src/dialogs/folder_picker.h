#pragma once
#include <windows.h>

#include <string>

namespace vintrel {

struct FolderChoice {
  std::wstring folder;   // empty: none chosen
  std::wstring failure;  // why the picker could not be shown, for the caller to say
};

// "Папка с видео…": the system's folder picker over `owner`. COM and its
// libraries are loaded at the first use, from the system folder.
FolderChoice AskForFolder(HWND owner);

}  // namespace vintrel
