#pragma once

#include <string>

#include "app/kalamo.h"
#include "app/points_ledger.h"

namespace kalamo {

class WritingModes;
class DocumentSaver;

// What happens between the launch and the first moment the user can type, and between
// "quit" and the end of the process.
class StartUp {
  public:
    StartUp(Kalamo& k, PointsLedger& points, WritingModes& modes, DocumentSaver& saver)
        : k_(k), points_(points), modes_(modes), saver_(saver) {}

    void RunStartUp();
    void RunShutDown();

    static std::string TitleFromPath(const std::string& path);

  private:
    void resetRunState();
    bool runWizardBranches();
    bool runWizard();
    void restoreSize();
    void loadOptions();
    void selectLists();
    bool checkPointsMirror();
    void openCommandLineFile(const std::string& path);
    void gateExtendedOptions();
    void registerHotkeys();

    Kalamo& k_;
    PointsLedger& points_;
    WritingModes& modes_;
    DocumentSaver& saver_;
};

// The authors' home page, opened when the user declines the points reset.
inline constexpr char kHomePage[] = "https://kalamo.example.org/";

}  // namespace kalamo
