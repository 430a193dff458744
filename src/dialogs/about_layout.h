#pragma once
// The About window's controls as data, in the order of its design table.
#include <span>
#include <string>
#include <string_view>

#include "common/version.h"
#include "ui/control_table.h"

namespace vintrel::about_layout {

inline constexpr int kClientWidthTwips = 4200;
inline constexpr int kClientHeightTwips = 1650;

std::span<const ui::ControlSpec> Controls();

// "О программе Vintrel ver 1.2.48".
std::wstring AboutCaption(std::wstring_view fileDescription, VersionNumbers version);

// "mailto:" + address + "?Subject=О программе VINTREL ver 1.2.48  ". The
// subject is deliberately not URL-encoded and ends with two blanks.
std::wstring MailtoTarget(std::wstring_view address, std::wstring_view title,
                          VersionNumbers version);

// Whether a link target may be handed to the shell: only web pages over
// https and e-mail, whatever the labels were changed to read. Any other
// target (a file, a program, another scheme) would start something else.
bool IsOpenableLink(std::wstring_view target);

}  // namespace vintrel::about_layout
