#pragma once

#include <optional>
#include <string>

#include "core/appearance.h"
#include "core/kalamo.h"
#include "core/settings_panel.h"
#include "core/writing_control.h"

namespace kalamo {

class DocumentSaver;

// Starting and ending writing in the main window. Every transition moves all the controls
// that show the writing state together, so no control can disagree with `k.writing.on`.
class WritingModes : public WritingControl {
  public:
    WritingModes(Kalamo& k, SettingsPanel& panel, Appearance& appearance);
    WritingModes(const WritingModes&) = delete;
    WritingModes& operator=(const WritingModes&) = delete;

    // The save flow that ends writing; DocumentSaver attaches itself on construction.
    void attachSaver(DocumentSaver* saver) { saver_ = saver; }

    // The start button, Enter in the title box, a document opened or dropped (keep the text).
    void ToggleWriting(bool keepEditorText = false) override;
    void StartTemporaryText();
    void StartArticle();
    void StartDiary();
    void StartSchedule();
    void StartShoppingList();
    // Without a text the editor keeps what it holds.
    void BeginWriting(std::optional<std::string> editorText);
    void EndWriting();
    void ClearEditing();
    // Right press on the start button.
    void ShowWritingMenu();

    // The diary-ending steps of EndWriting; shut-down runs them without the apply-and-save.
    // Only the first call after a diary start does anything.
    void EndDiaryLook(bool applyAndSave = true);

    // Always-on-top back to what the option 总在最前 asks for.
    void restoreAlwaysOnTop();

  private:
    std::string timedHeader(const char* prefix) const;
    std::string diaryHeader() const;
    void setWritingControls(bool on);
    void refuseWhileWriting();

    Kalamo& k_;
    SettingsPanel& panel_;
    Appearance& appearance_;
    DocumentSaver* saver_ = nullptr;
    bool diaryLook_ = false;
};

}  // namespace kalamo
