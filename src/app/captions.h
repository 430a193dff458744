#pragma once
#include <string>
#include <string_view>

#include "common/version.h"

namespace vintrel {

// "VINTREL ver 1.2.48  " followed by the company name.
std::wstring MainWindowCaption(std::wstring_view title, VersionNumbers version,
                               std::wstring_view companyName);

// Status line of the main window's load: the error number, two blanks, the
// description ("0  " when nothing failed).
std::wstring LoadStatusText(int number, std::wstring_view description);

// Status line after the settings were rewritten because of error 13.
std::wstring RecoveryStatusText(std::wstring_view description);

}  // namespace vintrel
