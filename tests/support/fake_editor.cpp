#include "support/fake_editor.h"

#include <algorithm>

#include "base/gbk.h"

namespace kalamo::test {

FakeEditor::FakeEditor(Host& host) : host_(host), text_(host.initialEditorText()) {}

std::size_t FakeEditor::unitStart(std::size_t byte) const {
    std::size_t pos = 0;
    while (pos < text_.size()) {
        const std::size_t next = pos + GbkUnitAt(text_, pos).bytes;
        if (next > byte) break;
        pos = next;
    }
    return pos;
}

void FakeEditor::setText(const std::string& t) {
    text_ = t;
    start_ = 0;
    length_ = 0;
}

void FakeEditor::setSelectionStart(std::size_t s) {
    start_ = unitStart(std::min(s, text_.size()));
    length_ = 0;
}

void FakeEditor::setSelectionLength(std::size_t n) {
    length_ = unitStart(start_ + std::min(n, text_.size() - start_)) - start_;
}

void FakeEditor::replaceSelection(const std::string& t) {
    text_.replace(start_, length_, t);
    start_ += t.size();
    length_ = 0;
}

// Pasted text arrives through the system clipboard, which knows only one kind of line
// break: each becomes "\r\n", as the real editor stores a break the user adds.
void FakeEditor::pasteClipboard() {
    const std::string clip = host_.clipboardText();
    std::string text;
    for (std::size_t pos = 0; pos < clip.size();) {
        const GbkUnit unit = GbkUnitAt(clip, pos);
        if (unit.kind == GbkUnit::Kind::LineBreak)
            text += "\r\n";
        else
            text.append(clip, pos, unit.bytes);
        pos += unit.bytes;
    }
    replaceSelection(text);
}

}  // namespace kalamo::test
