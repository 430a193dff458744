// The stack protector's guard and failure handler for the MinGW build, in
// place of GCC's libssp. libssp seeds its guard through CryptGenRandom, which
// loads the whole CryptoAPI provider stack (and, under Wine, bcrypt and
// rsaenh) at every start, for one pointer-sized secret. Like the cookie of
// MSVC's /GS, this guard mixes values that differ per process and per boot;
// an attacker who cannot read the process's memory cannot predict it.
#if defined(__MINGW32__)
#include <windows.h>

#include <cstdint>

extern "C" {

void* __stack_chk_guard = nullptr;

// Ends the process at once, with the status Windows' error reporting knows
// as a stack buffer overrun: nothing of the overwritten frame runs, and no
// handler of the program's own gets a say.
[[noreturn]] void __stack_chk_fail() {
  ::TerminateProcess(::GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
  __builtin_trap();
}

}  // extern "C"

namespace {

// Runs before every other constructor of the program, and itself unprotected:
// a protected function that were on the stack while the guard changes would
// fail its own check on return.
__attribute__((constructor(101), no_stack_protector)) void SeedStackGuard() {
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  LARGE_INTEGER counter{};
  ::QueryPerformanceCounter(&counter);
  std::uint64_t seed = (std::uint64_t{now.dwHighDateTime} << 32) ^ now.dwLowDateTime;
  seed ^= static_cast<std::uint64_t>(counter.QuadPart);
  seed ^= (std::uint64_t{::GetCurrentProcessId()} << 32) ^ ::GetCurrentThreadId();
  seed ^= ::GetTickCount64() << 16;
  // The stack's address differs per start under address space randomisation.
  seed ^= reinterpret_cast<std::uintptr_t>(&now);
  // A multiply-xorshift finaliser, so every bit of every input reaches the guard.
  seed ^= seed >> 33;
  seed *= 0xff51afd7ed558ccdULL;
  seed ^= seed >> 33;
  auto guard = static_cast<std::uintptr_t>(seed ^ (seed >> 32));
  // A zero byte at the bottom stops string copies that overrun a buffer from
  // rewriting the guard with its own value.
  guard &= ~std::uintptr_t{0xff};
  if (guard == 0)
    guard = 0x2f8c5e00;
  __stack_chk_guard = reinterpret_cast<void*>(guard);
}

}  // namespace
#endif
