#pragma once
#include <windows.h>

#include <string>

#include "bink/bink_examine.h"

namespace vintrel {

// The columns of the details window's graph when its controls are built at
// `dpi`: one per pixel of its width. An examination made with as many
// columns gives the graph without reading the file again.
size_t DataRateGraphColumns(int dpi);

// Fills the details window's data-rate part for the file at `path` that
// `file` examined: the three figures under the graph, and the graph itself,
// drawn in the place of the window's graph label. Columns come from `file`
// when it has as many as the graph is wide (the same reading of the index
// then gives the list and the graph); otherwise the index is read again at
// the graph's width. Either way the memory the graph takes is its width,
// whatever the frame count.
void ShowDataRate(HWND details, const std::wstring& path, const BinkExamination& file);

}  // namespace vintrel
