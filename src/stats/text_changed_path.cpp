#include "stats/text_changed_path.h"

#include "ui/layouts/window_layout.h"

namespace kalamo {

void TextChangedPath::run() {
    statistics_.onTextChanged();
    backup_.onTextChanged();
    statistics_.stampDailyCounts();
}

void TextChangedPath::onTextChanged() {
    if (pacing_) {
        pending_ = true;
        return;
    }
    run();
    pacing_ = true;
    k_.s.ui.setTimerPeriod(kPacingTimer, kPeriodMs);
}

void TextChangedPath::onTick() {
    if (pending_) {
        pending_ = false;
        run();
        return;
    }
    pacing_ = false;
    k_.s.ui.setTimerPeriod(kPacingTimer, 0);
}

}  // namespace kalamo
