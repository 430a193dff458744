#pragma once
// Control identifiers of the file details window; the end-to-end driver uses
// them.
namespace vintrel::details_ids {

enum : int {
  List = 500,   // the facts, one per row
  Close = 501,  // "Закрыть"
  // The data rate: its graph, and three figures under it with their captions.
  Graph = 502,
  AverageCaption = 503,
  Average = 504,
  PeakCaption = 505,
  Peak = 506,
  PeakTimeCaption = 507,
  PeakTime = 508,
};

}  // namespace vintrel::details_ids
