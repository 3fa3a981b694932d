#pragma once

#include "core/kalamo.h"
#include "stats/manuscript_backup.h"
#include "stats/statistics_window_controller.h"

namespace kalamo {

// What every change of the editor's text sets off, in this order: the counts in the status
// bar and the statistics window, the backup copy, the daily word-count keys. All of it reads
// the whole text, so while the user types it runs at most once a period: the first change
// runs it at once, later ones within the period are gathered and run when it ends. A killed
// program loses at most that fraction of a second of the backup, never a whole copy.
class TextChangedPath {
  public:
    static constexpr int kPeriodMs = 250;

    TextChangedPath(Kalamo& k, StatisticsWindowController& statistics, ManuscriptBackup& backup)
        : k_(k), statistics_(statistics), backup_(backup) {}

    void onTextChanged();
    // The pacing timer's tick.
    void onTick();

  private:
    void run();

    Kalamo& k_;
    StatisticsWindowController& statistics_;
    ManuscriptBackup& backup_;
    bool pacing_ = false;
    bool pending_ = false;
};

}  // namespace kalamo
