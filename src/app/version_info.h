#pragma once
#include <string>

#include "app/captions.h"

namespace vintrel {

// What the program's version resource says about it; captions are built
// from these at run time so the resource is the one place they live.
struct ProgramIdentity {
  std::wstring companyName;
  std::wstring fileDescription = L"Vintrel";
  VersionNumbers version{1, 2, 48};
};

ProgramIdentity ReadProgramIdentity();

}  // namespace vintrel
