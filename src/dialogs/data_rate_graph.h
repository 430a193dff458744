#pragma once
#include <windows.h>

#include <string>

#include "bink/bink_examine.h"

namespace vintrel {

// Fills the details window's data-rate part for the file at `path` that
// `file` examined: the three figures under the graph, and the graph itself,
// drawn in the place of the window's graph label. The frame index is read
// again for the graph, one column per pixel of its width, so the memory it
// takes is the graph's width whatever the frame count.
void ShowDataRate(HWND details, const std::wstring& path, const BinkExamination& file);

}  // namespace vintrel
