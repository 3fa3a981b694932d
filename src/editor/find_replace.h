#pragma once

#include <string>

#include "core/kalamo.h"

namespace kalamo {

// The editor's two search windows: "查找" searches up or down, "替换" searches down and
// replaces one match or all. Both share the last searched text. "查找" is built once and
// only hidden when closed; "替换" starts afresh each time it is opened after a close.
class FindReplace {
  public:
    explicit FindReplace(Kalamo& k) : k_(k) {}

    // The menu items (and their shortcuts); refused while writing is off.
    void OpenFindWindow();
    void OpenReplaceWindow();

    // Events of "查找".
    void OnFindTextChanged();
    void OnFindKey(int virtualKey);
    void OnFindNextClicked();
    void OnFindCancelled();
    void OnFindClosing();

    // Events of "替换".
    void OnReplaceTextChanged();
    void OnReplaceFindNextClicked();
    void OnReplaceClicked();
    void OnReplaceAllClicked();
    void OnReplaceCancelled();

    const std::string& lastSearchText() const { return lastSearchText_; }

  private:
    void findNext(const std::string& window, bool down);
    void showNotFound(const std::string& window, const std::string& searched);
    void enableSearchButtons(const std::string& window);
    void fillSearchBox(const std::string& window);

    Kalamo& k_;
    std::string lastSearchText_;
    bool findWindowBuilt_ = false;
};

}  // namespace kalamo
