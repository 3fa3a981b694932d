#pragma once

#include <cstdint>

#include "core/kalamo.h"
#include "core/statistics_window.h"
#include "stats/daily_word_counts.h"

namespace kalamo {

// The word counts on every change of the editor's text: the status bar's part 0, the
// statistics window "字数统计" beside the main window, and the daily word-count keys.
class StatisticsWindowController : public StatisticsWindow {
  public:
    explicit StatisticsWindowController(Kalamo& k) : k_(k), daily_(k) {}

    void open() override;
    void setShown(bool shown) override;

    // The status bar and the window's text, from the whole text.
    void onTextChanged();
    // The daily keys, from the counts of the last onTextChanged.
    void stampDailyCounts();
    // Against the main window's right edge, bottoms aligned.
    void dock();
    // The window never keeps the focus: typing goes to the editor.
    void handFocusBack();

  private:
    Kalamo& k_;
    DailyWordCounts daily_;
    std::int64_t taskCount_ = 0;
};

}  // namespace kalamo
