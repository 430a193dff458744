#include "app/folder_rows.h"

#include <algorithm>

namespace vintrel {

void FolderRows::Clear() {
  files_.clear();
  shown_.clear();
  totals_ = {};
}

size_t FolderRows::Add(FolderFile file) {
  // A folder that could not be listed shows as a row, but is no file.
  if (!file.IsFolderFailure())
    totals_.Add(file.row);
  const auto index = static_cast<uint32_t>(files_.size());
  files_.push_back(std::move(file));
  // Files mostly come in the list's order: the search starts from the end.
  auto at = shown_.end();
  if (!shown_.empty() && Before(index, shown_.back()))
    at = std::upper_bound(shown_.begin(), shown_.end(), index,
                          [this](uint32_t a, uint32_t b) { return Before(a, b); });
  at = shown_.insert(at, index);
  return static_cast<size_t>(at - shown_.begin());
}

void FolderRows::Click(FolderColumn column) {
  order_ = order_.Clicked(column);
  std::stable_sort(shown_.begin(), shown_.end(),
                   [this](uint32_t a, uint32_t b) { return Before(a, b); });
}

std::vector<size_t> FolderRows::PlacesOf(std::span<const uint32_t> indexes) const {
  std::vector<size_t> placeOf(files_.size());
  for (size_t place = 0; place < shown_.size(); ++place) placeOf[shown_[place]] = place;
  std::vector<size_t> places;
  for (const uint32_t index : indexes) places.push_back(placeOf[index]);
  return places;
}

}  // namespace vintrel
