#pragma once

#include "core/kalamo.h"

namespace kalamo {

// The points value, held in memory for the run and stored enciphered in the working
// directory's setting.ini.
class PointsLedger {
  public:
    explicit PointsLedger(Kalamo& k) : k_(k) {}

    // Reads and deciphers the stored value; anything that is not a number gives 0.
    void load();
    void save();
    void show();  // "当前积分： " and the value in 积分显示
    int value() const { return k_.points; }
    void set(int points) { k_.points = points; }

  private:
    Kalamo& k_;
};

}  // namespace kalamo
