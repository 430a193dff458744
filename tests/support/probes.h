#pragma once
// Header-only, for the unit tests and the fuzz targets alike.
#include <algorithm>

#include "bink/bink_examine.h"
#include "common/app_error.h"

namespace vintrel {

// The file in memory; the sanitizers catch a read past its end. `read`
// counts the bytes read.
inline BinkExamination ExamineBytes(std::span<const uint8_t> bytes, uint64_t* read = nullptr,
                                    size_t graphColumns = 0) {
  struct : ByteSource {
    std::span<const uint8_t> bytes;
    uint64_t read = 0;
    uint64_t Size() const override { return bytes.size(); }
    bool Read(uint64_t at, std::span<uint8_t> out, std::string&) override {
      std::copy_n(bytes.begin() + static_cast<ptrdiff_t>(at), out.size(), out.begin());
      read += out.size();
      return true;
    }
  } source;
  source.bytes = bytes;
  const BinkExamination file = ExamineBink(source, graphColumns);
  if (read != nullptr)
    *read = source.read;
  return file;
}

// The number of the AppError that `run` throws, the program's way of refusing
// a text; 0 when it throws none.
template <typename Run>
int ErrorOf(Run run) try {
  run();
  return 0;
} catch (const AppError& error) {
  return error.number();
}

}  // namespace vintrel
