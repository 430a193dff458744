#pragma once
#include <string>
#include <string_view>

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
inline constexpr VersionNumbers kVersion{1, 2, 48};

// "1.2.48": plain decimals, no leading zeros.
std::wstring VersionText(VersionNumbers version);

// "VINTREL ver 1.2.48  " followed by the company name.
std::wstring MainWindowCaption(std::wstring_view title, VersionNumbers version,
                               std::wstring_view companyName);

// "О программе Vintrel ver 1.2.48".
std::wstring AboutCaption(std::wstring_view fileDescription, VersionNumbers version);

// "mailto:" + address + "?Subject=О программе VINTREL ver 1.2.48  ". The
// subject is deliberately not URL-encoded and ends with two blanks.
std::wstring MailtoTarget(std::wstring_view address, std::wstring_view title,
                          VersionNumbers version);

// Status line of the main window's load: the error number, two blanks, the
// description ("0  " when nothing failed).
std::wstring LoadStatusText(int number, std::wstring_view description);

// Status line after the settings were rewritten because of error 13.
std::wstring RecoveryStatusText(std::wstring_view description);

}  // namespace vintrel
