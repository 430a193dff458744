#include "stats.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace vintrel::bench {

double Series::Median() const {
  if (ms.empty())
    throw std::logic_error("no runs");
  std::vector<double> sorted = ms;
  std::sort(sorted.begin(), sorted.end());
  const size_t mid = sorted.size() / 2;
  return sorted.size() % 2 == 1 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
}

double Series::Min() const {
  return *std::min_element(ms.begin(), ms.end());
}

double Series::Max() const {
  return *std::max_element(ms.begin(), ms.end());
}

std::string Series::Summary() const {
  char text[96];
  std::snprintf(text, sizeof text, "%.1f ms (%.1f-%.1f)", Median(), Min(), Max());
  return text;
}

std::string TableHeader() {
  return "| Figure | Program: median (min-max) | Floor | Floor: median (min-max) | Ratio | "
         "Target | Met |\n"
         "|---|---|---|---|---|---|---|";
}

std::string TableRow(const Figure& figure) {
  char ratio[32];
  std::snprintf(ratio, sizeof ratio, "%.2f", figure.Ratio());
  std::string target = "-";
  std::string met = "-";
  if (figure.target) {
    char limit[32];
    std::snprintf(limit, sizeof limit, "<= %.1f", *figure.target);
    target = limit;
    met = figure.Ratio() <= *figure.target ? "yes" : "NO";
  }
  return "| " + figure.name + " | " + figure.program.Summary() + " | " + figure.floorName + " | " +
         figure.floor.Summary() + " | " + ratio + " | " + target + " | " + met + " |";
}

}  // namespace vintrel::bench
