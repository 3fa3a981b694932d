#pragma once

#include "app/kalamo.h"
#include "app/later_parts.h"

namespace kalamo {

class MainWindowController;

// Stand-ins for features that land later. Each does the part of its job that start-up,
// the menus and saving rely on now, and nothing the user could mistake for the feature.
class DefaultLaterParts : public LaterParts {
  public:
    explicit DefaultLaterParts(Kalamo& k) : k_(k) {}
    // The window whose layout the settings follow; set once the subsystems exist.
    void attachWindow(MainWindowController* window) { window_ = window; }

    void openStatisticsWindow() override {}
    // Stores what the wizard's first page would store with its preselected choices.
    bool runFirstRunWizard() override;
    // Writes every option from the panel's controls and applies the window-level ones.
    void applyAndSaveSettings() override;
    void applyBackgroundColour() override;
    void setWindowAlpha(int alpha) override;
    void checkForUpdate() override {}
    void loadBackgroundPicture() override {}
    void applyEditorBackground() override {}
    bool askDocumentPassword() override;
    std::string encipherDocument(const std::string& text, const std::string& password) override;
    std::string decipherDocument(const std::string& bytes, const std::string& password) override;
    void runLaterCommand(const std::string& row) override;

  private:
    void writeFlag(const char* section, const char* key, const char* box);

    Kalamo& k_;
    MainWindowController* window_ = nullptr;
};

}  // namespace kalamo
