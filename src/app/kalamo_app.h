#pragma once

#include "app/kalamo.h"
#include "app/main_window_controller.h"
#include "app/points_ledger.h"
#include "app/router.h"
#include "app/start_up.h"
#include "writing/document_saver.h"
#include "writing/writing_modes.h"

namespace kalamo {

// The subsystems of one run, wired to the routing table. The toolkit delivers every
// event to `router`.
class KalamoApp {
  public:
    explicit KalamoApp(Kalamo& k);
    KalamoApp(const KalamoApp&) = delete;
    KalamoApp& operator=(const KalamoApp&) = delete;

    // The main window's created and will-be-destroyed events.
    void onCreated();
    void onWillBeDestroyed();

    Kalamo& k;
    PointsLedger points{k};
    MainWindowController window{k};
    WritingModes modes{k};
    DocumentSaver saver{k, modes};
    StartUp startUp{k, points, modes, saver};
    Router router;

  private:
    void routeMenus();
    void routeControls();
    void routeHotkeys();
    void openNewWindow();
    void toggleSettingsPanel();
    void showSettingsPanel(int page);
    void toggleStatisticsOption();
    void showAppCentre();
    void later(const std::string& row);
};

}  // namespace kalamo
