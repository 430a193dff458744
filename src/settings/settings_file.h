#pragma once
// The options and their file, "vintrel.ini" in the Windows directory: read at
// every load, each change written as it is made, the two lists at the close.
#include <cstddef>
#include <string>
#include <utility>

#include "common/app_error.h"
#include "settings/settings_values.h"

namespace vintrel::settings_file {

// A stored value that cannot be applied, from a file that could be read:
// the value's own error, and its key.
class ValueError : public AppError {
 public:
  ValueError(const AppError& error, std::wstring key) : AppError(error), key_(std::move(key)) {}
  const std::wstring& key() const noexcept { return key_; }

 private:
  std::wstring key_;
};

// The load step: the thirteen boxes, then "de" and "fe", into a fresh
// `options`. A stored value that is not in its normal form but means a box
// state or a list entry is written back at once in that form. Throws
// ValueError at the first value that cannot be applied; `options` then holds
// what was read before it and the designed values after. A file that is there
// but cannot be read throws AppError before anything is read.
void Load(Options& options);

// What the user may choose after a ValueError: the recovery's values written
// over the file, then the load from the file as written, so that nothing is
// reported done that the file does not hold. Throws
// errors::SettingsFileUnavailable() when a write was refused, else what the
// load throws.
void RewriteAndLoad(Options& options);

// Rewrites the fifteen keys with their usual values (everything but "fe").
// False when any write was refused.
bool Recover();

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
