#pragma once
#include "shell/association.h"

namespace vintrel {

// "Ассоциировать" and "Отвязаться" of the settings window: register or
// remove the program as the shell's handler of .bik files, telling the shell
// when it did, and return what happened for the window to show.
AssociationOutcome RegisterBikAssociation();
AssociationOutcome RemoveBikAssociation();

}  // namespace vintrel
