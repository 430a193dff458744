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

// Status line after the settings were rewritten because of an error: at
// the start for error 13, later at the user's word.
std::wstring RecoveryStatusText(int number, std::wstring_view description);

// The question put when the value under `key` of the settings file `path`
// failed with `errorText`: may the usual settings be written over it?
std::wstring RewriteOfferText(std::wstring_view key, std::wstring_view path,
                              std::wstring_view errorText);

}  // namespace vintrel
