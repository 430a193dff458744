#pragma once
// The options and their file, "vintrel.ini" in the Windows directory: read at
// every load, each change written as it is made, the two lists at the close.
#include <cstddef>

#include "settings/settings_values.h"

namespace vintrel::settings_file {

// The load step: the thirteen boxes, then "de" and "fe", into a fresh
// `options`. A stored value that is not in its normal form but means a box
// state or a list entry is written back at once in that form. Throws AppError
// at the first value that cannot be applied; `options` then holds what was
// read before it and the designed values after. A file that is there but
// cannot be read throws before anything is read.
void Load(Options& options);

// The thirteen boxes once more, as start-up assigns them after the load.
void LoadStates(Options& options);

// The close step: "fe", then "de", each only when its text is a list entry.
void Save(const Options& options);

// What a click on box `index` (of kOptions) stores: nothing for a greyed box.
void StoreState(const Options& options, std::size_t index);
// What typing in a list stores: its text, when it is an entry.
void StoreDisplay(const Options& options);
void StoreFrameRate(const Options& options);

}  // namespace vintrel::settings_file
