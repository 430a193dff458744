#pragma once
#include <optional>
#include <string>

#include "common/failure.h"

namespace vintrel {

// "Смотреть", once the switches are known: the player beside the program
// started on `file`, never waited for. What went wrong, if anything: no file
// chosen, or a player that could not be started (its path, and the system's
// code).
std::optional<Failure> PlayFile(const std::wstring& file, const std::wstring& switches);

}  // namespace vintrel
