#include "editor/find_replace.h"

#include "core/messages.h"
#include "editor/gbk_search.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {
namespace {

constexpr int kVkEnter = 13;

std::string In(const std::string& window, const char* control) {
    return window + "." + control;
}

}  // namespace

void FindReplace::OpenFindWindow() {
    UiFacade& ui = k_.s.ui;
    if (!k_.writing.on) {
        Say(ui, "开始书写后再使用吧。");
        return;
    }
    const bool fresh = !findWindowBuilt_;
    if (fresh) {
        findWindowBuilt_ = true;
        fillSearchBox(kFindWindow);
        ui.centreWindow(kFindWindow);
    }
    ui.showWindow(kFindWindow);
    ui.focus(In(kFindWindow, "编辑框1"));
    if (fresh) ui.selectAllText(In(kFindWindow, "编辑框1"));
}

// A closed "替换" counts as destroyed: it opens again as new, with match case unticked.
void FindReplace::OpenReplaceWindow() {
    UiFacade& ui = k_.s.ui;
    if (!k_.writing.on) {
        Say(ui, "开始书写后再使用吧。");
        return;
    }
    const bool fresh = !ui.isWindowVisible(kReplaceWindow);
    if (fresh) {
        ui.setText(In(kReplaceWindow, "编辑框2"), {});
        ui.setChecked(In(kReplaceWindow, "选择框1"), false);
        fillSearchBox(kReplaceWindow);
        ui.centreWindow(kReplaceWindow);
    }
    ui.showWindow(kReplaceWindow);
    ui.focus(In(kReplaceWindow, "编辑框1"));
    if (fresh) ui.selectAllText(In(kReplaceWindow, "编辑框1"));
}

void FindReplace::fillSearchBox(const std::string& window) {
    k_.s.ui.setText(In(window, "编辑框1"), lastSearchText_);
    enableSearchButtons(window);
}

void FindReplace::enableSearchButtons(const std::string& window) {
    UiFacade& ui = k_.s.ui;
    const bool any = !ui.text(In(window, "编辑框1")).empty();
    ui.setEnabled(In(window, "按钮1"), any);
    if (window != kReplaceWindow) return;
    ui.setEnabled(In(window, "按钮2"), any);
    ui.setEnabled(In(window, "按钮3"), any);
}

void FindReplace::OnFindTextChanged() {
    enableSearchButtons(kFindWindow);
}

void FindReplace::OnFindKey(int virtualKey) {
    if (virtualKey == kVkEnter) OnFindNextClicked();
}

void FindReplace::OnFindNextClicked() {
    findNext(kFindWindow, !k_.s.ui.isChecked(In(kFindWindow, "单选框1")));
}

void FindReplace::OnFindCancelled() {
    OnFindClosing();
    k_.s.ui.hideWindow(kFindWindow);
}

// Closing only hides the window; the box forgets what was typed but never searched.
void FindReplace::OnFindClosing() {
    fillSearchBox(kFindWindow);
}

void FindReplace::OnReplaceTextChanged() {
    enableSearchButtons(kReplaceWindow);
}

void FindReplace::OnReplaceFindNextClicked() {
    findNext(kReplaceWindow, true);
}

// The replacement goes straight into the selection, so the clipboard keeps whatever it
// holds, text or not, and the replacement's bytes arrive exactly as typed.
void FindReplace::OnReplaceClicked() {
    EditorView& editor = k_.s.editor;
    if (editor.selectionLength() == 0) return findNext(kReplaceWindow, true);
    editor.replaceSelection(k_.s.ui.text(In(kReplaceWindow, "编辑框2")));
}

// One edit from the first match to the end of the last: the bytes around and between the
// matches stay as they were.
void FindReplace::OnReplaceAllClicked() {
    UiFacade& ui = k_.s.ui;
    EditorView& editor = k_.s.editor;
    const GbkSearch search(ui.text(In(kReplaceWindow, "编辑框1")),
                           ui.isChecked(In(kReplaceWindow, "选择框1")));
    const std::string text = editor.text();
    const auto replaced = search.replaceAll(text, ui.text(In(kReplaceWindow, "编辑框2")));
    if (!replaced) return;
    const std::size_t length = replaced->to - replaced->from;
    if (text.compare(replaced->from, length, replaced->with) == 0) return;
    editor.setSelectionStart(replaced->from);
    editor.setSelectionLength(length);
    editor.replaceSelection(replaced->with);
}

void FindReplace::OnReplaceCancelled() {
    k_.s.ui.closeWindow(kReplaceWindow);
}

// An empty box searches nothing: its buttons are disabled, and Enter does nothing either.
void FindReplace::findNext(const std::string& window, bool down) {
    UiFacade& ui = k_.s.ui;
    EditorView& editor = k_.s.editor;
    const bool matchCase = ui.isChecked(In(window, "选择框1"));
    const std::string searched = ui.text(In(window, "编辑框1"));
    if (searched.empty()) return;
    lastSearchText_ = searched;
    editor.focus();
    const std::size_t start = editor.selectionStart();
    const std::string text = editor.text();
    const GbkSearch search(searched, matchCase);
    const auto found = down ? search.findForward(text, start + editor.selectionLength())
                            : search.findBackward(text, start);
    if (found) {
        editor.setSelectionStart(*found);
        editor.setSelectionLength(searched.size());
        return;
    }
    showNotFound(window, searched);
    editor.focus();
    editor.setSelectionStart(down ? text.size() : 0);
}

void FindReplace::showNotFound(const std::string& window, const std::string& searched) {
    MessageBoxSpec box;
    box.text = "找不到 “" + searched + "”";
    box.caption = window == kFindWindow ? "记事本" : "Kalamo";
    box.icon = MessageIcon::Information;
    k_.s.ui.showMessage(box);
}

}  // namespace kalamo
