#pragma once
// The files of the folder window in the order they were read, which the CSV
// file keeps, and in the order the list shows them. Pure.
#include <cstdint>
#include <span>
#include <vector>

#include "bink/folder_row.h"
#include "bink/folder_table.h"

namespace vintrel {

class FolderRows {
 public:
  void Clear();
  // Adds a file where the order puts it; returns its place in the list.
  size_t Add(FolderFile file);
  // Sorts by the column clicked: the sorted column again reverses the order.
  void Click(FolderColumn column);

  size_t Count() const { return shown_.size(); }
  // The file at `place` in the list, and the place of the file read `index`th.
  const FolderFile& At(size_t place) const { return files_[shown_[place]]; }
  uint32_t IndexAt(size_t place) const { return shown_[place]; }
  std::vector<size_t> PlacesOf(std::span<const uint32_t> indexes) const;

  std::span<const FolderFile> InReadingOrder() const { return files_; }
  FolderOrder Order() const { return order_; }
  const FolderTotals& Totals() const { return totals_; }

 private:
  bool Before(uint32_t a, uint32_t b) const { return order_(files_[a].row, files_[b].row); }

  std::vector<FolderFile> files_;
  std::vector<uint32_t> shown_;  // indexes into files_, in the list's order
  FolderOrder order_;
  FolderTotals totals_;
};

}  // namespace vintrel
