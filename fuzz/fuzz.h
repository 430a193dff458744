#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vintrel {

// A broken promise is a finding like a crash: libFuzzer keeps the input.
inline void Require(bool condition, const char* what) {
  if (!condition)
    std::fprintf(stderr, "broken promise: %s\n", what), std::abort();
}

// Reads the fuzzer's bytes front to back. Text comes out mostly as single
// bytes widened, so that the mutator's ASCII dictionary reaches digits, signs
// and quotes quickly; a byte from 0xF0 up is followed by any UTF-16 code
// unit in two bytes, so surrogates and Cyrillic letters are reached too.
struct FuzzInput {
  const uint8_t* data;
  size_t size;
  size_t pos = 0;

  uint8_t Byte() { return pos < size ? data[pos++] : 0; }
  // Up to the next 0x00 byte (not included) or the end.
  std::wstring Text() {
    std::wstring text;
    for (uint8_t byte; pos < size && (byte = Byte()) != 0;) {
      const uint8_t low = byte < 0xF0 ? byte : Byte();
      text += static_cast<wchar_t>(byte < 0xF0 ? byte : low | Byte() << 8);
    }
    return text;
  }
};

}  // namespace vintrel
