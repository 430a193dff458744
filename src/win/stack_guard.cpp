// The stack protector's guard and failure handler for the MinGW build, in
// place of GCC's libssp. libssp seeds its guard through CryptGenRandom, which
// loads the whole CryptoAPI provider stack (and, under Wine, bcrypt and
// rsaenh) at every start, for one pointer-sized secret. This guard takes its
// secret from the system's own random source instead, the one the system's
// libraries use themselves, and mixes in values that differ per process and
// per boot, so that it stays unpredictable even where that source is missing.
#if defined(__MINGW32__)
#include <windows.h>

#include <cstdint>

extern "C" {

void* __stack_chk_guard = nullptr;

// Ends the process at once, with the status Windows' error reporting knows
// as a stack buffer overrun: nothing of the overwritten frame runs, and no
// handler of the program's own gets a say. The fail-fast trap ends it in the
// kernel, without any exception dispatch; before Windows 8 it would raise an
// ordinary exception, so there the process terminates itself.
[[noreturn]] void __stack_chk_fail() {
  if (::IsProcessorFeaturePresent(PF_FASTFAIL_AVAILABLE))
    __asm__ __volatile__("int $0x29" : : "c"(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE) : "memory");
  ::TerminateProcess(::GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
  __builtin_trap();
}

}  // extern "C"

namespace {

// Through void(*)() so that no compiler warns about the function type.
template <typename Function>
Function* Procedure(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Function*>(
                      reinterpret_cast<void (*)()>(::GetProcAddress(module, name)))
                : nullptr;
}

// Every later library load searches the system folder only, so a DLL planted
// beside the program (a Downloads folder) or in the current folder (a video's
// folder) is never loaded in place of the system's. SetDefaultDllDirectories
// exists from Windows 8, and on Windows 7 with KB2533623; without it, at
// least the current folder leaves the search.
void RestrictLibrarySearch() {
  const auto restrict = Procedure<BOOL WINAPI(DWORD)>(::GetModuleHandleW(L"kernel32.dll"),
                                                      "SetDefaultDllDirectories");
  if (!restrict || !restrict(LOAD_LIBRARY_SEARCH_SYSTEM32))
    ::SetDllDirectoryW(L"");
}

HMODULE LoadFromSystemFolder(const wchar_t* name) {
  HMODULE module = ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module || ::GetLastError() != ERROR_INVALID_PARAMETER)
    return module;
  // A system without the search flags: name the system folder in full.
  // Without allocating: nothing may throw this early.
  wchar_t path[MAX_PATH + 32];
  const UINT length = ::GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH || ::lstrlenW(name) + 2 > 32)
    return nullptr;
  path[length] = L'\\';
  ::lstrcpyW(path + length + 1, name);
  return ::LoadLibraryW(path);
}

// Random bytes from the system: ProcessPrng (Windows 10 and later), else
// RtlGenRandom, which the system's libraries export as SystemFunction036.
// Neither loads a crypto provider. False when neither answers.
bool SystemRandom(void* buffer, ULONG size) {
  if (HMODULE primitives = LoadFromSystemFolder(L"bcryptprimitives.dll")) {
    const auto prng = Procedure<BOOL WINAPI(PBYTE, SIZE_T)>(primitives, "ProcessPrng");
    const bool filled = prng && prng(static_cast<PBYTE>(buffer), size);
    ::FreeLibrary(primitives);
    if (filled)
      return true;
  }
  HMODULE advapi = LoadFromSystemFolder(L"advapi32.dll");
  const auto generate = Procedure<BOOLEAN WINAPI(PVOID, ULONG)>(advapi, "SystemFunction036");
  const bool filled = generate && generate(buffer, size);
  if (advapi)
    ::FreeLibrary(advapi);
  return filled;
}

// Runs before every other constructor of the program, and itself unprotected:
// a protected function that were on the stack while the guard changes would
// fail its own check on return. What it calls returns before the change.
__attribute__((constructor(101), no_stack_protector)) void SeedStackGuard() {
  RestrictLibrarySearch();
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
  std::uint64_t random = 0;
  if (SystemRandom(&random, sizeof random))
    seed ^= random;
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
