#include "stats/daily_word_counts.h"

#include "base/stamps.h"

namespace kalamo {

namespace {

struct DailyKey {
    const char* key;
    std::int64_t threshold;
};
constexpr DailyKey kKeys[] = {
    {"1000字", 1000}, {"8000字", 8000}, {"20000字", 20000}, {"100000字", 100000}};
constexpr const char* kSection = "软件设置";

}  // namespace

void DailyWordCounts::stamp(std::int64_t taskCount) {
    if (k_.writing.openedFromFile) return;
    std::string today;
    for (std::size_t i = 0; i < stamped_.size(); ++i) {
        if (taskCount <= kKeys[i].threshold) continue;
        if (today.empty()) {
            today = DayStamp(k_.s.clock.now());
            if (today != day_) {
                day_ = today;
                stamped_.fill(false);
            }
        }
        if (stamped_[i]) continue;
        if (k_.s.settings.readSetting(kSection, kKeys[i].key) != today)
            k_.s.settings.writeSetting(kSection, kKeys[i].key, today);
        stamped_[i] = true;
    }
}

}  // namespace kalamo
