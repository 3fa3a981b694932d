#include "base/stamps.h"

namespace kalamo {

std::string DayStamp(const LocalDateTime& t) {
    return std::to_string(t.year) + std::to_string(t.month) + std::to_string(t.day);
}

std::string HeaderStamp(const LocalDateTime& t) {
    return std::to_string(t.year) + "年" + std::to_string(t.month) + "月" + std::to_string(t.day) +
           "日" + std::to_string(t.hour) + "时" + std::to_string(t.minute) + "分" +
           std::to_string(t.second);
}

}  // namespace kalamo
