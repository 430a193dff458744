#pragma once
#include <string>

namespace vintrel::win {

// The system's own words for an error code, with the number in front, so
// a report always carries both: "(5) Отказано в доступе."
std::wstring SystemErrorText(unsigned long code);

}  // namespace vintrel::win
