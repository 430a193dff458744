#pragma once
#include <string>

#include "bink/bink_examine.h"

namespace vintrel {

// A path as the system's calls take it: UTF-16 on Windows, bytes elsewhere.
// Not std::filesystem::path: its conversions bring the whole of the C++
// locale library into the program, several hundred kilobytes of it.
#ifdef _WIN32
using SystemString = std::wstring;
#else
using SystemString = std::string;
#endif

// Opens the file for reading only, sharing it with writers and deleters,
// and examines its header and frame index. Anything that is not a file on a
// disk (a folder, a pipe, a device) is unreadable; nothing waits on it.
BinkExamination ExamineBinkFile(const SystemString& path);

// The form the system's calls take: on Windows the absolute "\\?\" form,
// which lifts the 260-character limit; elsewhere the path itself.
SystemString SystemPath(const SystemString& path);

}  // namespace vintrel
