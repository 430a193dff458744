#pragma once
// Control identifiers of the file details window; the end-to-end driver uses
// them.
namespace vintrel::details_ids {

enum : int {
  factsList = 500,    // the facts, one per row
  closeButton = 501,  // "Закрыть"
};

}  // namespace vintrel::details_ids
