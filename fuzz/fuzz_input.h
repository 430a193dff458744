#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace vintrel::fuzz {

// Reads the fuzzer's bytes front to back. Text comes out mostly as single
// bytes widened, so that the mutator's ASCII dictionary reaches digits, signs
// and quotes quickly; a byte from 0xF0 up is followed by any UTF-16 code
// unit in two bytes, so surrogates and Cyrillic letters are reached too.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool empty() const { return pos_ >= size_; }

  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

  uint16_t U16() {
    const uint8_t low = Byte();
    return static_cast<uint16_t>(low | (Byte() << 8));
  }

  wchar_t Char() {
    const uint8_t byte = Byte();
    if (byte < 0xF0) {
      return static_cast<wchar_t>(byte);
    }
    return static_cast<wchar_t>(U16());
  }

  // Up to the next 0x00 byte (not included) or the end.
  std::wstring Text() {
    std::wstring text;
    while (!empty()) {
      if (data_[pos_] == 0) {
        ++pos_;
        break;
      }
      text += Char();
    }
    return text;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace vintrel::fuzz
