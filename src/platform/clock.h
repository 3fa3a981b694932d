#pragma once

#include "base/local_time.h"

namespace kalamo {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

}  // namespace kalamo
