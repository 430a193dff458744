#pragma once
#include <windows.h>

#include <string>

#include "bink/bink_examine.h"

namespace vintrel {

// "Сведения о файле…": every fact of the file at `path` in a list, the
// integrity verdict last, in a window modal over `owner` that shows `icon`.
void ShowFileDetails(HWND owner, HICON icon, const std::wstring& path, const BinkExamination& file);

}  // namespace vintrel
