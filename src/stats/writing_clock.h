#pragma once

#include <string>

#include "core/kalamo.h"

namespace kalamo {

// How long the user has written in this run, on the main window's one-second timer 时钟2;
// an hour of it earns the day's task 60min.
class WritingClock {
  public:
    explicit WritingClock(Kalamo& k) : k_(k) {}

    void onTick();
    // "你已经连续书写：HH:MM:SS", each field its last two digits.
    std::string displayText() const;

  private:
    void stampHour();

    Kalamo& k_;
    long long hours_ = 0;
    int minutes_ = 0;
    int seconds_ = 0;
    // The day whose 60min key is on disk; the key is written again only for a new day.
    std::string stampedDay_;
};

}  // namespace kalamo
