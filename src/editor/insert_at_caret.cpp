#include "editor/insert_at_caret.h"

namespace kalamo {

void InsertAtCaret(EditorView& editor, const std::string& text) {
    const std::size_t at = editor.selectionStart();
    editor.setSelectionStart(at);
    editor.replaceSelection(text);
    editor.focus();
    editor.setSelectionStart(at + text.size());
}

}  // namespace kalamo
