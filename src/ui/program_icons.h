#pragma once
#include "win/unique_handle.h"

namespace vintrel::ui {

// The program's icons, loaded once at start-up at the system's icon sizes and
// lent to every window and message box that shows one.
struct ProgramIcons {
  // The film frame: the main window's frame and the shell's picture of it.
  win::UniqueIcon window;
  win::UniqueIcon windowSmall;
  // The bull's-eye: the frames of the settings and details windows. (Message
  // boxes load it from the resources at their own size.)
  win::UniqueIcon program;
  win::UniqueIcon programSmall;
};

ProgramIcons LoadProgramIcons();

}  // namespace vintrel::ui
