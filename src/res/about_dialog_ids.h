#pragma once
// Control identifiers of the About window; the end-to-end driver uses them.
namespace vintrel::about_ids {

enum : int {
  Command1 = 400,  // "Ok"
};

// LabelN of the About window has the identifier 410 + N.
constexpr int Label(int n) { return 410 + n; }

}  // namespace vintrel::about_ids
