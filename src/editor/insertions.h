#pragma once

#include "core/kalamo.h"

namespace kalamo {

// The menu item and its plain shortcut write blanks around the time; the editor's own
// key handler (the key with modifiers) writes none.
enum class TimeVariant { Menu, Key };

// Small commands that put text into the editor at the caret: the time, a divider line, and
// the result of an arithmetic expression.
class Insertions {
  public:
    explicit Insertions(Kalamo& k) : k_(k) {}

    // Refused with a message while writing is off.
    void InsertCurrentTime(TimeVariant variant);
    // Works in either writing state: the shortcut acts from any control of the window.
    void InsertDivider();
    // Appends " = " and the result to the selection, or when nothing is selected to the
    // whole text (one trailing "=" is dropped first), and puts the result on the clipboard
    // and in the status bar. An expression that gives no result leaves " = " and explains.
    void EvaluateExpression();

  private:
    Kalamo& k_;
};

}  // namespace kalamo
