#pragma once
// Timings of one figure: the program's runs beside its floor's, taken in the
// same session, and how they are put in the summary.
#include <optional>
#include <string>
#include <vector>

namespace vintrel::bench {

struct Series {
  std::vector<double> ms;

  double Median() const;
  double Min() const;
  double Max() const;
  // "123.4 ms (110.2-140.0)"
  std::string Summary() const;
};

struct Figure {
  std::string name;
  Series program;
  Series floor;
  std::string floorName;
  std::optional<double> target;  // the largest ratio to the floor allowed

  double Ratio() const { return program.Median() / floor.Median(); }
};

// One Markdown table row per figure; the header comes from TableHeader().
std::string TableHeader();
std::string TableRow(const Figure& figure);

}  // namespace vintrel::bench
