#pragma once

namespace kalamo {

// A moment of local wall-clock time, as the user's calendar shows it.
struct LocalDateTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0;
    int second = 0;
    int weekday = 0;  // 0 = Sunday .. 6 = Saturday
};

}  // namespace kalamo
