#pragma once
// Resource identifiers, shared by vintrel.rc and the C++ code, so plain macros.

// Window icon of the main window: a film frame with a target, 32x32 and 16x16.
// It has the lowest id so that it is the executable's first icon ("vintrel.exe,0"),
// which the shell shows for the program and for associated .bik files.
#define IDI_MAIN 1

// The program's own icon, shown in its message boxes and on the settings dialog:
// a target, 32x32 and 16x16 at 16 colours, 32x32 and 48x48 at 256 colours.
#define IDI_BULLSEYE 2
