#pragma once

#include "core/kalamo.h"

namespace kalamo {

// The window that edits the phrases of the hotkeys Ctrl+1 to Ctrl+0. The drop-down list
// picks a hotkey, the edit box shows its phrase, "保存" stores it. Nothing is kept between
// events: switching hotkeys drops an unsaved edit.
class PhraseWindow {
  public:
    explicit PhraseWindow(Kalamo& k) : k_(k) {}

    // Non-modal. A window that is open already keeps its state and comes to the front.
    void Open();
    void OnListChosen();
    void OnSaveClicked();

  private:
    void loadSelected();

    Kalamo& k_;
};

}  // namespace kalamo
