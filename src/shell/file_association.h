#pragma once
#include <windows.h>

namespace vintrel {

// "Ассоциировать" and "Отвязаться" of the settings window: register or
// remove the program as the shell's handler of .bik files, then confirm or
// report what failed, in boxes with the program's icon.
void RegisterBikAssociation(HICON programIcon);
void RemoveBikAssociation(HICON programIcon);

}  // namespace vintrel
