#pragma once
#include <string>

#include "bink/bink_header.h"

namespace vintrel {

enum class HeaderOutcome { valid, notBink, unreadable };

struct HeaderReading {
  HeaderOutcome outcome = HeaderOutcome::unreadable;
  // The first three bytes as read, a missing byte as a zero char; empty when
  // the file could not be read. Pass it through SignatureText before showing.
  std::string signatureText;
  BinkHeader header;  // the zero record unless the outcome is valid
};

// Reads the start of the file once. A folder, a missing file, or one that
// cannot be opened or read is unreadable; a short file is read as far as it
// goes.
HeaderReading readBinkHeader(const std::wstring& path);

}  // namespace vintrel
