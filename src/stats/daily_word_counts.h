#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/kalamo.h"

namespace kalamo {

// The four daily word-count task keys 1000字, 8000字, 20000字 and 100000字: today's day
// stamp once the text passes each threshold. A key known to hold today's stamp is not read
// or written again this run, so typing does not rewrite setting.ini on every key.
class DailyWordCounts {
  public:
    explicit DailyWordCounts(Kalamo& k) : k_(k) {}

    // Text opened from a file earns nothing.
    void stamp(std::int64_t taskCount);

  private:
    Kalamo& k_;
    std::string day_;                // the day `stamped_` speaks of
    std::array<bool, 4> stamped_{};  // the key holds `day_`
};

}  // namespace kalamo
