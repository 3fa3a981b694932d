#pragma once

#include <string>

namespace kalamo {

// Operations of features that come with later parts of the program. Start-up, the
// routing table, the writing modes and saving call them by name; `DefaultLaterParts`
// gives each a modest stand-in until the feature lands.
class LaterParts {
  public:
    virtual ~LaterParts() = default;

    virtual void openStatisticsWindow() = 0;
    // Runs the first-run wizard; false when the user ended the program from it.
    virtual bool runFirstRunWizard() = 0;
    virtual void applyAndSaveSettings() = 0;
    virtual void applyBackgroundColour() = 0;
    virtual void setWindowAlpha(int alpha) = 0;
    virtual void checkForUpdate() = 0;
    virtual void loadBackgroundPicture() = 0;
    virtual void applyEditorBackground() = 0;

    // The password window "kmt密码输入": sets DocumentPassword; false when dismissed.
    virtual bool askDocumentPassword() = 0;
    // Enciphered document bytes of a text under the composed pass phrase, and back.
    virtual std::string encipherDocument(const std::string& text, const std::string& password) = 0;
    virtual std::string decipherDocument(const std::string& bytes, const std::string& password) = 0;

    // A routed command whose feature has not landed yet; `row` names the routing row.
    virtual void runLaterCommand(const std::string& row) = 0;
};

}  // namespace kalamo
