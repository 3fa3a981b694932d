#pragma once

#include <string>

#include "base/local_time.h"

namespace kalamo {

// Year, month and day joined, no separator, no zero padding: 31 Jan 2016 -> "2016131".
std::string DayStamp(const LocalDateTime& t);

// "2016年1月31日9时5分7": every number plain decimal, never zero padded.
std::string HeaderStamp(const LocalDateTime& t);

}  // namespace kalamo
