#pragma once
// What the benchmark and its browse floor agree on.
namespace vintrel::bench_ids {

inline constexpr int kFloorButton = 101;
inline constexpr int kFloorLabel = 102;
inline constexpr wchar_t kFloorDialogTitle[] = L"Floor: open";

}  // namespace vintrel::bench_ids
