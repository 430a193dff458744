#pragma once
// Marks between the phases of start-up, for the benchmark alone: its copy of
// the program (vintrel_bench_program, built with VINTREL_BENCH) defines
// VINTREL_START_PHASES and links bench/start_phases.cpp; in vintrel.exe and
// every other build a mark compiles to nothing.
#ifdef VINTREL_START_PHASES
namespace vintrel::win {
void MarkStartPhase(const char* name);
}
#define VINTREL_START_PHASE(name) ::vintrel::win::MarkStartPhase(name)
#else
#define VINTREL_START_PHASE(name) static_cast<void>(0)
#endif
