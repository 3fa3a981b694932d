#pragma once

#include <string>

#include "ui/editor_view.h"

namespace kalamo {

// The one rule by which text goes in at the caret: the text before the selection start,
// then `text`, then the rest. A selection is not replaced (it ends up after `text`); the
// editor gets the focus and the caret stands after `text`, nothing selected. Only the
// inserted range changes, so every other byte stays as it was.
void InsertAtCaret(EditorView& editor, const std::string& text);

}  // namespace kalamo
