#pragma once
// The timed figures. Each starts the programs from a fresh folder of
// its own and alternates program and floor run by run, so that a slow phase
// of the machine hits both alike; the first `warmup` pairs are not counted.
#include <string>
#include <vector>

#include "stats.h"

namespace vintrel::bench {

struct Plan {
  int runs = 15;
  int warmup = 2;
};

Figure MeasureStartup(const Plan& plan);
Figure MeasurePlay(const Plan& plan);
// Opening "Сведения о файле…" with the data-rate graph against the same
// window without it.
Figure MeasureDetails(const Plan& plan);
// The start-up split at the program's phase marks, as a Markdown table.
std::string MeasurePhases(const Plan& plan);

}  // namespace vintrel::bench
