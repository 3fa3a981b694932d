#include "platform/linux/system_clock.h"

#include <time.h>

namespace kalamo {

LocalDateTime SystemClock::now() const {
    time_t seconds = time(nullptr);
    struct tm parts {};
    if (localtime_r(&seconds, &parts) == nullptr) return {};
    LocalDateTime t;
    t.year = parts.tm_year + 1900;
    t.month = parts.tm_mon + 1;
    t.day = parts.tm_mday;
    t.hour = parts.tm_hour;
    t.minute = parts.tm_min;
    t.second = parts.tm_sec;
    t.weekday = parts.tm_wday;
    return t;
}

}  // namespace kalamo
