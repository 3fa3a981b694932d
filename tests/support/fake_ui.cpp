#include "support/fake_ui.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "base/gbk.h"

namespace kalamo::test {

namespace {

FakeControl FromSpec(const ControlSpec& c) {
    FakeControl f;
    f.text = c.text;
    f.visible = c.visible;
    f.enabled = c.enabled;
    f.checked = c.checked;
    f.place = c.place;
    return f;
}

}  // namespace

FakeUi::FakeUi() {
    const WindowSpec& layout = MainWindowLayout();
    for (const ControlSpec& c : layout.controls) {
        controls_[c.name] = FromSpec(c);
        if (c.kind == ControlKind::Timer) timers_[c.name] = c.period;
    }
    for (const WindowSpec* other : OtherWindowLayouts()) {
        for (const ControlSpec& c : other->controls) {
            FakeControl& f = controls_[other->name + "." + c.name] = FromSpec(c);
            if (c.kind == ControlKind::RadioButton) f.radioGroup = other->name + "." + c.parent;
        }
        FakeWindow& w = windows_[other->name];
        w.caption = other->caption;
        w.place = other->place;
    }
    for (const StatusPartSpec& p : layout.statusParts) {
        statusTexts_.push_back(p.text);
        statusWidths_.push_back(p.width);
    }
    for (const MenuItemSpec& m : MainMenus()) {
        menuEnabled_[m.id] = true;
        menuChecked_[m.id] = false;
    }
    FakeWindow& main = windows_[kMainWindow];
    main.caption = layout.caption;
    main.place = layout.place;
    main.visible = true;
}

FakeControl& FakeUi::at(const std::string& c) {
    auto it = controls_.find(c);
    if (it == controls_.end()) {
        ADD_FAILURE() << "no control " << GbkToUtf8(c);
        return controls_[c];
    }
    return it->second;
}

const FakeControl& FakeUi::at(const std::string& c) const {
    return const_cast<FakeUi*>(this)->at(c);
}

FakeWindow& FakeUi::win(const std::string& w) {
    return windows_[w];
}

const FakeWindow& FakeUi::window(const std::string& w) const {
    return const_cast<FakeUi*>(this)->windows_[w];
}

std::vector<std::string> FakeUi::messageTexts() const {
    std::vector<std::string> out;
    for (const auto& m : messages_) out.push_back(m.box.text);
    return out;
}

void FakeUi::fire(const UiEvent& e) {
    ASSERT_NE(sink_, nullptr) << "no logic attached";
    sink_->handle(e);
}

// The longest window name wins, as window names may hold dots themselves.
UiEvent FakeUi::eventOf(const std::string& control, EventKind kind) const {
    std::string window = kMainWindow, name = control;
    std::size_t longest = 0;
    for (const WindowSpec* other : OtherWindowLayouts()) {
        const std::string& w = other->name;
        if (w.size() > longest && control.size() > w.size() &&
            control.compare(0, w.size(), w) == 0 && control[w.size()] == '.') {
            window = w;
            name = control.substr(w.size() + 1);
            longest = w.size();
        }
    }
    return UiEvent(window, name, kind);
}

void FakeUi::pressKey(const std::string& control, int key, int modifiers) {
    UiEvent e = eventOf(control, EventKind::KeyPress);
    e.key = key;
    e.modifiers = modifiers;
    fire(e);
}

void FakeUi::type(const std::string& control, const std::string& text) {
    FakeControl& box = at(control);
    if (box.allSelected) box.text.clear();
    box.allSelected = false;
    box.text += text;
    pressKey(control, 229);  // what an input method reports for composed text
    fire(eventOf(control, EventKind::TextChanged));
}

void FakeUi::pressHotkey(int id) {
    UiEvent e{kMainWindow, "标签1", EventKind::Hotkey};
    e.hotkeyId = id;
    fire(e);
}

MessageAnswer FakeUi::showMessage(const MessageBoxSpec& box) {
    MessageAnswer answer = MessageAnswer::Ok;
    if (box.buttons == MessageButtons::Ok) {
        answer = MessageAnswer::Ok;
    } else if (answers_.empty()) {
        ADD_FAILURE() << "unscripted message box: " << GbkToUtf8(box.text);
        answer = box.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    } else {
        answer = answers_.front();
        answers_.pop_front();
    }
    messages_.push_back({box, answer});
    return answer;
}

std::optional<std::string> FakeUi::openFileDialog(const FileDialogSpec& spec) {
    return saveFileDialog(spec);
}

std::optional<std::string> FakeUi::saveFileDialog(const FileDialogSpec& spec) {
    dialogs_.push_back(spec);
    if (files_.empty()) {
        ADD_FAILURE() << "unscripted file dialog";
        return std::nullopt;
    }
    auto answer = files_.front();
    files_.pop_front();
    return answer;
}

// A radio button is unchecked only by checking another one of its group.
void FakeUi::setChecked(const std::string& c, bool v) {
    FakeControl& f = at(c);
    if (f.radioGroup.empty()) {
        f.checked = v;
        return;
    }
    if (!v) return;
    for (auto& [name, other] : controls_)
        if (other.radioGroup == f.radioGroup) other.checked = false;
    f.checked = true;
}

bool FakeUi::isMenuEnabled(const std::string& item) const {
    return menuEnabled_.at(item);
}
void FakeUi::setMenuEnabled(const std::string& item, bool enabled) {
    EXPECT_TRUE(menuEnabled_.count(item)) << "no menu item " << GbkToUtf8(item);
    menuEnabled_[item] = enabled;
}
bool FakeUi::isMenuChecked(const std::string& item) const {
    return menuChecked_.at(item);
}
void FakeUi::setMenuChecked(const std::string& item, bool checked) {
    EXPECT_TRUE(menuChecked_.count(item)) << "no menu item " << GbkToUtf8(item);
    menuChecked_[item] = checked;
}

void FakeUi::runModal(const std::string& w) {
    FakeWindow& f = win(w);
    const bool known = std::any_of(OtherWindowLayouts().begin(), OtherWindowLayouts().end(),
                                   [&](const WindowSpec* layout) { return layout->name == w; });
    if (!known || f.visible) {
        ADD_FAILURE() << "runModal of " << GbkToUtf8(w)
                      << (known ? ", open already" : ", no such window");
        return;
    }
    f.visible = true;
    f.closed = false;
    f.modal = true;
    modalsRun_.push_back(w);
    if (modals_.empty()) {
        ADD_FAILURE() << "unscripted modal window: " << GbkToUtf8(w);
    } else {
        std::function<void(FakeUi&)> action = std::move(modals_.front());
        modals_.pop_front();
        action(*this);
        if (f.visible) ADD_FAILURE() << "the modal window " << GbkToUtf8(w) << " is still open";
    }
    if (f.visible) closeWindow(w);  // as its close box would
    f.modal = false;
}

void FakeUi::closeWindow(const std::string& w) {
    FakeWindow& f = win(w);
    if (f.closed) return;
    f.closed = true;
    f.visible = false;
    if (sink_) sink_->handle({w, {}, EventKind::WillBeDestroyed});
    if (!cancelled_.erase(w)) return;
    f.closed = false;
    f.visible = true;
}

void FakeUi::cancelClose(const std::string& w) {
    EXPECT_TRUE(window(w).closed) << "cancelClose outside a close of " << GbkToUtf8(w);
    cancelled_.insert(w);
}

Size FakeUi::windowSize(const std::string& w) const {
    const Rect& r = window(w).place;
    return {r.width, r.height};
}

void FakeUi::resizeWindow(const std::string& w, const Size& s) {
    FakeWindow& f = win(w);
    if (f.place.width == s.width && f.place.height == s.height) return;
    f.place.width = s.width;
    f.place.height = s.height;
    if (sink_) sink_->handle({w, {}, EventKind::SizeChanged});
}

void FakeUi::moveWindow(const std::string& w, int x, int y) {
    FakeWindow& f = win(w);
    f.place.x = x;
    f.place.y = y;
    if (sink_) sink_->handle({w, {}, EventKind::Moved});
}

void FakeUi::setWindowState(const std::string& w, WindowState s) {
    FakeWindow& f = win(w);
    if (f.state == s) return;
    if (s == WindowState::Maximised) {
        restoreTo_[w] = f.place;
        f.state = s;
        resizeWindow(w, {screen.width, screen.height});
    } else {
        f.state = s;
        if (s == WindowState::Normal && restoreTo_.count(w))
            resizeWindow(w, {restoreTo_[w].width, restoreTo_[w].height});
    }
}

void FakeUi::centreWindow(const std::string& w) {
    FakeWindow& f = win(w);
    f.place.x = screen.x + (screen.width - f.place.width) / 2;
    f.place.y = screen.y + (screen.height - f.place.height) / 2;
}

void FakeUi::beginSystemResize(const std::string& w, ResizeEdge edge) {
    systemCommands_.push_back("resize " + w + " " + std::to_string(static_cast<int>(edge)));
}

int FakeUi::registerHotkey(int virtualKey) {
    hotkeyKeys_.push_back(virtualKey);
    return static_cast<int>(hotkeyKeys_.size()) + 100;
}

bool FakeUi::startProcess(const std::string& program, const std::vector<std::string>& args) {
    std::string line = program;
    for (const auto& a : args) line += " " + a;
    processes_.push_back(line);
    return true;
}

bool FakeUi::printText(const std::string& gbk) {
    if (std::exchange(cancelPrint_, false)) return false;
    printed_.push_back(gbk);
    return true;
}

void FakeUi::focusEditor() {
    focus("编辑框1");
}

std::string FakeUi::initialEditorText() const {
    return FindControl(MainWindowLayout(), "编辑框1")->text;
}

}  // namespace kalamo::test
