#pragma once
#include <filesystem>

#include "bink/bink_examine.h"

namespace vintrel {

// Opens the file for reading only, sharing it with writers and deleters,
// and examines its header and frame index. Anything that is not a file on a
// disk (a folder, a pipe, a device) is unreadable; nothing waits on it.
BinkExamination ExamineBinkFile(const std::filesystem::path& path);

// The form the system's calls take: on Windows the absolute "\\?\" form,
// which lifts the 260-character limit; elsewhere the path itself.
std::filesystem::path SystemPath(const std::filesystem::path& path);

}  // namespace vintrel
