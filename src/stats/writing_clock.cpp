#include "stats/writing_clock.h"

#include "base/stamps.h"

namespace kalamo {
namespace {

// The last two decimal digits, a "0" in front of a single one: 5 -> "05", 123 -> "23".
std::string TwoDigits(long long value) {
    const int lastTwo = static_cast<int>(value % 100);
    return {static_cast<char>('0' + lastTwo / 10), static_cast<char>('0' + lastTwo % 10)};
}

}  // namespace

void WritingClock::onTick() {
    if (k_.writing.on) {
        if (++seconds_ == 60) {
            seconds_ = 0;
            ++minutes_;
        }
        if (minutes_ == 60) {
            minutes_ = 0;
            ++hours_;
        }
        k_.s.ui.setStatusText(1, displayText());
    }
    if (hours_ > 0) stampHour();
}

std::string WritingClock::displayText() const {
    return "你已经连续书写：" + TwoDigits(hours_) + ":" + TwoDigits(minutes_) + ":" +
           TwoDigits(seconds_);
}

// Once a day rather than every second; a write that did not reach the file is tried again
// on the next tick.
void WritingClock::stampHour() {
    const std::string today = DayStamp(k_.s.clock.now());
    if (today == stampedDay_) return;
    k_.s.settings.writeSetting("软件设置", "60min", today);
    if (k_.s.settings.readSetting("软件设置", "60min") == today) stampedDay_ = today;
}

}  // namespace kalamo
