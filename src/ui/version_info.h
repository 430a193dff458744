#pragma once
#include <string>

#include "common/version.h"

namespace vintrel::ui {

// What the program's version resource says about it. Captions are read from
// the running program, so a resource patched after the build shows too; the
// defaults are what the build wrote into that resource.
struct ProgramIdentity {
  std::wstring companyName;
  std::wstring fileDescription = kFileDescription;
  VersionNumbers version = kVersion;
};

ProgramIdentity ReadProgramIdentity();

}  // namespace vintrel::ui
