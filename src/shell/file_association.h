#pragma once
#include <windows.h>

namespace vintrel {

// "Ассоциировать" and "Отвязаться" of the settings window: register or
// remove the program as the shell's handler of .bik files, then confirm or
// report what failed.
void RegisterBikAssociation();
void RemoveBikAssociation();

}  // namespace vintrel
