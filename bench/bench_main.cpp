// Times the program against its floors under Wine and prints one Markdown
// table row per figure:
//   vintrel_bench [--runs N] [--warmup N] [--only startup|play|details|phases]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "measure.h"

int main(int argc, char** argv) {
  vintrel::bench::Plan plan;
  std::string only;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--runs") == 0)
      plan.runs = std::atoi(argv[i + 1]);
    else if (std::strcmp(argv[i], "--warmup") == 0)
      plan.warmup = std::atoi(argv[i + 1]);
    else if (std::strcmp(argv[i], "--only") == 0)
      only = argv[i + 1];
  }
  if (plan.runs < 1 || plan.warmup < 0) {
    std::fprintf(
        stderr,
        "usage: vintrel_bench [--runs N] [--warmup N] [--only startup|play|details|phases]\n");
    return 2;
  }
  const auto wanted = [&](const char* name) { return only.empty() || only == name; };
  try {
    if (only == "phases") {
      std::printf("%s\n", vintrel::bench::MeasurePhases(plan).c_str());
      return 0;
    }
    std::vector<vintrel::bench::Figure> figures;
    if (wanted("startup"))
      figures.push_back(vintrel::bench::MeasureStartup(plan));
    if (wanted("play"))
      figures.push_back(vintrel::bench::MeasurePlay(plan));
    if (wanted("details"))
      figures.push_back(vintrel::bench::MeasureDetails(plan));
    std::printf("%s\n", vintrel::bench::TableHeader().c_str());
    for (const auto& figure : figures)
      std::printf("%s\n", vintrel::bench::TableRow(figure).c_str());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "benchmark failed: %s\n", error.what());
    return 1;
  }
  return 0;
}
