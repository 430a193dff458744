#pragma once
#include <windows.h>

#include <string>

namespace vintrel {

// "Смотреть", once the switches are known: the player beside the program
// started on `file`, never waited for. No file, or a player that cannot be
// started, is reported in the program's box with `programIcon`.
void PlayFile(const std::wstring& file, const std::wstring& switches, HICON programIcon);

}  // namespace vintrel
