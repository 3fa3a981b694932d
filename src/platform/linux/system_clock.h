#pragma once

#include "platform/clock.h"

namespace kalamo {

// The local wall-clock time as the system's time zone gives it.
class SystemClock : public Clock {
  public:
    LocalDateTime now() const override;
};

}  // namespace kalamo
