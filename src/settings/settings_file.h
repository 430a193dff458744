#pragma once
// The options' file, "vintrel.ini" in the Windows directory: the steps of
// Options (Load, Save and the stores of single changes, settings_file.cpp),
// and the recovery.
//
// When each step reads and writes is part of what the stored file is, so it
// stays as it has always been:
// - the load reads the boxes in the rows' order, then "de", then
//   "fe", and writes back at once what it applied, in its normal form: "1"
//   for a checked box (a cleared one is the box's first state, a greyed one
//   is never stored), the index for a display mode ("11" for "011"), the
//   entry for a frame rate; a file edited by hand is mended by the next load;
// - a click on a box and a whole list entry typed are stored at once; a
//   choice from a list waits for the close, which writes "fe" and then "de",
//   so a file missing them gets them in that order, after the recovery's;
// - the recovery writes the boxes, "ee" and "de", and leaves "fe" to the
//   next close.
#include <optional>

#include "common/failure.h"
#include "settings/settings_values.h"

namespace vintrel::settings_file {

// Whether a load stopped at a value that cannot be applied, in a file that
// could be read; the failure's object is then the value's key.
inline bool IsValueFailure(const Failure& failure) {
  return failure.kind != FailureKind::settingsFileUnavailable;
}

// Start-up's load: Load(), then the boxes read once more, as start-up has
// always done; the second read finds what the first one left and stores
// nothing.
std::optional<Failure> LoadAtStart(Options& options);

// Rewrites the keys of kRecoveryFile. A failure naming the file when
// any write was refused.
std::optional<Failure> Recover();

}  // namespace vintrel::settings_file
