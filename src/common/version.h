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

// The program's identity, as the build writes it into the version resource.
// Taken from the build rather than read back from the resource, so that no
// version library has to be loaded to draw a caption.
inline constexpr wchar_t kApplicationTitle[] = L"vintrel";
inline constexpr wchar_t kFileDescription[] = L"" VINTREL_FILE_DESCRIPTION;
inline constexpr wchar_t kCompanyName[] = L"" VINTREL_COMPANY_NAME;
inline constexpr VersionNumbers kVersion{VINTREL_VERSION_MAJOR, VINTREL_VERSION_MINOR,
                                         VINTREL_VERSION_REVISION};

// "1.2.48": plain decimals, no leading zeros.
std::wstring VersionText(VersionNumbers version);

// "vintrel ver 1.2.48": a name and its version, as every caption shows them.
std::wstring TitleWithVersion(std::wstring_view name, VersionNumbers version);

}  // namespace vintrel
