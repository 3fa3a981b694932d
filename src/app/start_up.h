#pragma once

#include <string>

#include "core/appearance.h"
#include "core/first_run_wizard.h"
#include "core/kalamo.h"
#include "core/settings_panel.h"
#include "core/statistics_window.h"
#include "core/update_check.h"
#include "documents/document_loader.h"
#include "stats/points_ledger.h"
#include "writing/document_saver.h"
#include "writing/writing_modes.h"

namespace kalamo {

// The parts of the program that start-up and shut-down drive.
struct StartUpParts {
    PointsLedger& points;
    WritingModes& modes;
    DocumentSaver& saver;
    FirstRunWizard& wizard;
    Appearance& appearance;
    StatisticsWindow& statistics;
    UpdateCheck& updates;
    SettingsPanel& panel;
    DocumentLoader& loader;
};

// What happens between the launch and the first moment the user can type, and between
// "quit" and the end of the process.
class StartUp {
  public:
    StartUp(Kalamo& k, StartUpParts parts) : k_(k), p_(parts) {}

    void RunStartUp();
    // False when the close must stop: a save failed and the text lives only in the editor.
    bool RunShutDown();
    // The end the system asks for: nothing is asked, unsaved text goes to the backup folder.
    void RunQuietShutDown();

  private:
    void resetRunState();
    bool runWizardBranches();
    bool runWizard();
    void restoreSize();
    void keepOnScreen();
    void loadOptions();
    void selectLists();
    bool checkPointsMirror();
    void openCommandLineFile(const std::string& path);
    void gateExtendedOptions();
    void registerHotkeys();

    Kalamo& k_;
    StartUpParts p_;
};

// The authors' home page, opened when the user declines the points reset.
inline constexpr char kHomePage[] = "https://kalamo.example.org/";

}  // namespace kalamo
