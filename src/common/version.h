#pragma once
#include <string>
#include <string_view>

#include "version_number.h"

namespace vintrel {

struct VersionNumbers {
  unsigned major;
  unsigned minor;
  unsigned revision;
};

// The program's identity. The Win32 layer reads the same values from the
// version information; these are the values that information is built with,
// and the fallback when it cannot be read.
inline constexpr wchar_t kApplicationTitle[] = L"vintrel";
inline constexpr wchar_t kFileDescription[] = L"Vintrel";
inline constexpr VersionNumbers kVersion{VINTREL_VERSION_MAJOR, VINTREL_VERSION_MINOR,
                                         VINTREL_VERSION_REVISION};

// "1.2.48": plain decimals, no leading zeros.
std::wstring VersionText(VersionNumbers version);

// "vintrel ver 1.2.48": a name and its version, as every caption shows them.
std::wstring TitleWithVersion(std::wstring_view name, VersionNumbers version);

}  // namespace vintrel
