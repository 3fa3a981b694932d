#pragma once

#include <functional>
#include <string>

#include "core/kalamo.h"

namespace kalamo {

// Where a large-font toggle came from: the menu item and its plain F2 shortcut, or F2 with
// modifiers in the editor. They write the newcomer task key at opposite moments.
enum class LargeFontVariant { Menu, Key };

// The editor's own key handler and the commands only it reaches. The handler sees a key
// after the window's shortcuts have passed it by, and never consumes it: the editor goes on
// to handle the key as usual.
class KeyCommands {
  public:
    // `evaluate` and `insertTimeKeyVariant` belong to the insertions, which the app wires.
    KeyCommands(Kalamo& k, std::function<void()> evaluate,
                std::function<void()> insertTimeKeyVariant);

    void onEditorKey(int key, int modifiers);

    void PlayKeySound();
    void ToggleLargeFont(LargeFontVariant variant);
    // `key` is the phrase's key in setting.ini, "0" to "9".
    void InsertPhrase(const std::string& key);

  private:
    Kalamo& k_;
    std::function<void()> evaluate_;
    std::function<void()> insertTimeKeyVariant_;
};

}  // namespace kalamo
