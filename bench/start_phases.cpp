// The benchmark's side of win/start_phases.h: each mark keeps the performance
// counter in memory, and the marks are written out only at exit, to the file
// the benchmark names in VINTREL_PHASE_LOG, so the phases timed pay for no
// file access. Without that variable the program writes nothing.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "win/start_phases.h"

namespace vintrel::win {
namespace {

struct Mark {
  const char* name;
  LONGLONG ticks;
};
Mark marks[16];
int count = 0;

void WriteMarks() {
  const wchar_t* path = _wgetenv(L"VINTREL_PHASE_LOG");
  if (!path)
    return;
  if (FILE* log = _wfopen(path, L"w")) {
    for (int i = 0; i < count; ++i) std::fprintf(log, "%s %lld\n", marks[i].name, marks[i].ticks);
    std::fclose(log);
  }
}

}  // namespace

void MarkStartPhase(const char* name) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  if (count == 0)
    std::atexit(WriteMarks);
  if (count < 16)
    marks[count++] = {name, now.QuadPart};
}

}  // namespace vintrel::win
