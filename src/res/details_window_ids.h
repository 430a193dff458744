#pragma once
// Control identifiers of the file details window; the end-to-end driver uses
// them.
namespace vintrel::details_ids {

enum : int {
  factsList = 500,   // the facts, one per row
  closeButton = 501,  // "Закрыть"
  // The data rate: its graph, and three figures under it with their captions.
  dataRateGraph = 502,
  averageRateLabel = 503,
  averageRateValue = 504,
  peakRateLabel = 505,
  peakRateValue = 506,
  peakTimeLabel = 507,
  peakTimeValue = 508,
};

}  // namespace vintrel::details_ids
