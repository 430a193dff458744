#pragma once
// Control identifiers of the file details window; the end-to-end driver uses
// them.
namespace vintrel::details_ids {

enum : int {
  List = 500,   // the facts, one per row
  Close = 501,  // "Закрыть"
};

}  // namespace vintrel::details_ids
