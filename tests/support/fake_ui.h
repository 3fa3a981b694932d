#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "support/fake_editor.h"
#include "ui/layouts/window_layout.h"
#include "ui/ui_event.h"
#include "ui/ui_facade.h"

namespace kalamo::test {

struct FakeControl {
    std::string text;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    int listIndex = 0;
    Colour colour = 0;
    Colour textColour = 0;
    Colour backColour = 0;
    Rect place;
    int tabPage = 0;
    bool allSelected = false;  // an edit box whose whole text is selected
    std::string radioGroup;    // a radio button's window and parent
};

struct FakeWindow {
    bool visible = false;
    bool closed = false;
    std::string caption;
    Rect place;
    WindowState state = WindowState::Normal;
    bool onTop = false;
    int opacity = 255;
    Colour background = 0;
    bool modal = false;  // running in runModal
};

struct RecordedMessage {
    MessageBoxSpec box;
    MessageAnswer answer;
};

// A property bag built from the same layout tables as the real windows. Message boxes and
// file dialogs answer from scripts, and a modal window runs the action scripted for it; one
// that nobody scripted fails the test.
class FakeUi : public UiFacade, public FakeEditor::Host {
  public:
    FakeUi();

    // Scripts.
    void answerNext(MessageAnswer answer) { answers_.push_back(answer); }
    void chooseNextFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    // What the person does in the next modal window; it must end with the window closed.
    void onNextModal(std::function<void(FakeUi&)> action) { modals_.push_back(std::move(action)); }
    const std::vector<std::string>& modalsRun() const { return modalsRun_; }
    const std::vector<RecordedMessage>& messages() const { return messages_; }
    const std::vector<FileDialogSpec>& dialogs() const { return dialogs_; }
    std::vector<std::string> messageTexts() const;
    void clearMessages() { messages_.clear(); }
    const std::vector<std::string>& openedUrls() const { return urls_; }
    // The person cancels the next print dialog instead of printing.
    void cancelNextPrint() { cancelPrint_ = true; }
    const std::vector<std::string>& printedTexts() const { return printed_; }
    const std::vector<std::string>& startedProcesses() const { return processes_; }
    const std::vector<int>& hotkeyKeys() const { return hotkeyKeys_; }
    const std::vector<std::string>& popups() const { return popups_; }
    const std::vector<std::string>& systemCommands() const { return systemCommands_; }
    const FakeWindow& window(const std::string& name) const;
    bool dropTargetRegistered() const { return dropTarget_; }
    std::string trayTip() const { return trayTip_; }
    const std::vector<BuiltInSound>& soundsPlayed() const { return sounds_; }

    // Sends an event to the logic, as the toolkit would. Controls of other windows are named
    // "window.control".
    void fire(const UiEvent& e);
    void click(const std::string& control) { fire(eventOf(control, EventKind::Click)); }
    void pressKey(const std::string& control, int key, int modifiers = 0);
    // Typing into an edit box: at its end, or in place of its text when all of it is
    // selected; a key press and a change are reported.
    void type(const std::string& control, const std::string& text);
    void chooseMenu(const std::string& item) { fire({kMainWindow, item, EventKind::MenuChosen}); }
    void pressHotkey(int id);

    // UiFacade
    void setEventSink(EventSink* sink) override { sink_ = sink; }
    MessageAnswer showMessage(const MessageBoxSpec& box) override;
    std::optional<std::string> openFileDialog(const FileDialogSpec& spec) override;
    std::optional<std::string> saveFileDialog(const FileDialogSpec& spec) override;
    std::string text(const std::string& c) const override { return at(c).text; }
    void setText(const std::string& c, const std::string& t) override {
        at(c).text = t;
        at(c).allSelected = false;
    }
    bool isVisible(const std::string& c) const override { return at(c).visible; }
    void setVisible(const std::string& c, bool v) override { at(c).visible = v; }
    bool isEnabled(const std::string& c) const override { return at(c).enabled; }
    void setEnabled(const std::string& c, bool v) override { at(c).enabled = v; }
    bool isChecked(const std::string& c) const override { return at(c).checked; }
    void setChecked(const std::string& c, bool v) override;
    int listIndex(const std::string& c) const override { return at(c).listIndex; }
    void setListIndex(const std::string& c, int i) override { at(c).listIndex = i; }
    Colour pickerColour(const std::string& c) const override { return at(c).colour; }
    void setPickerColour(const std::string& c, Colour v) override { at(c).colour = v; }
    Colour textColour(const std::string& c) const override { return at(c).textColour; }
    void setTextColour(const std::string& c, Colour v) override { at(c).textColour = v; }
    void setBackColour(const std::string& c, Colour v) override { at(c).backColour = v; }
    Rect geometry(const std::string& c) const override { return at(c).place; }
    void setGeometry(const std::string& c, const Rect& r) override { at(c).place = r; }
    void focus(const std::string& c) override { focused_ = c; }
    void selectAllText(const std::string& c) override { at(c).allSelected = true; }
    void selectTabPage(const std::string& c, int page) override { at(c).tabPage = page; }
    int selectedTabPage(const std::string& c) const override { return at(c).tabPage; }
    std::string statusText(int part) const override { return statusTexts_.at(part); }
    void setStatusText(int part, const std::string& t) override { statusTexts_.at(part) = t; }
    int statusWidth(int part) const override { return statusWidths_.at(part); }
    void setStatusWidth(int part, int w) override { statusWidths_.at(part) = w; }
    bool isMenuEnabled(const std::string& item) const override;
    void setMenuEnabled(const std::string& item, bool enabled) override;
    bool isMenuChecked(const std::string& item) const override;
    void setMenuChecked(const std::string& item, bool checked) override;
    void popupMenu(const std::string& menu) override { popups_.push_back(menu); }
    void showWindow(const std::string& w) override { win(w).visible = true, win(w).closed = false; }
    void hideWindow(const std::string& w) override { win(w).visible = false; }
    bool isWindowVisible(const std::string& w) const override { return window(w).visible; }
    void runModal(const std::string& w) override;
    void closeWindow(const std::string& w) override;
    void cancelClose(const std::string& w) override;
    std::string windowCaption(const std::string& w) const override { return window(w).caption; }
    void setWindowCaption(const std::string& w, const std::string& c) override {
        win(w).caption = c;
    }
    Size windowSize(const std::string& w) const override;
    void resizeWindow(const std::string& w, const Size& s) override;
    Rect windowGeometry(const std::string& w) const override { return window(w).place; }
    void moveWindow(const std::string& w, int x, int y) override;
    WindowState windowState(const std::string& w) const override { return window(w).state; }
    void setWindowState(const std::string& w, WindowState s) override;
    void centreWindow(const std::string& w) override;
    Rect screenArea(const std::string&) const override { return screen; }
    Rect screen{0, 0, 1920, 1080};  // what screenArea answers
    bool isAlwaysOnTop(const std::string& w) const override { return window(w).onTop; }
    void setAlwaysOnTop(const std::string& w, bool on) override { win(w).onTop = on; }
    int windowOpacity(const std::string& w) const override { return window(w).opacity; }
    void setWindowOpacity(const std::string& w, int a) override { win(w).opacity = a; }
    Colour windowBackground(const std::string& w) const override { return window(w).background; }
    void setWindowBackground(const std::string& w, Colour c) override { win(w).background = c; }
    void beginSystemMove(const std::string& w) override { systemCommands_.push_back("move " + w); }
    void beginSystemResize(const std::string& w, ResizeEdge edge) override;
    int timerPeriod(const std::string& t) const override { return timers_.at(t); }
    void setTimerPeriod(const std::string& t, int ms) override { timers_[t] = ms; }
    void setTrayIcon(const std::string& tip) override { trayTip_ = tip, tray_ = true; }
    void removeTrayIcon() override { tray_ = false; }
    bool hasTrayIcon() const override { return tray_; }
    int registerHotkey(int virtualKey) override;
    void registerDropTarget() override { dropTarget_ = true; }
    std::string clipboardText() const override { return clipboard_; }
    void setClipboardText(const std::string& t) override { clipboard_ = t; }
    void playSound(BuiltInSound sound) override { sounds_.push_back(sound); }
    void openUrl(const std::string& url) override { urls_.push_back(url); }
    bool printText(const std::string& gbk) override;
    bool startProcess(const std::string& program, const std::vector<std::string>& args) override;

    // FakeEditor::Host
    void focusEditor() override;
    std::string initialEditorText() const override;

    std::string focused() const { return focused_; }
    Colour textColourOf(const std::string& c) const { return at(c).textColour; }
    Colour backColourOf(const std::string& c) const { return at(c).backColour; }

  private:
    FakeControl& at(const std::string& c);
    const FakeControl& at(const std::string& c) const;
    FakeWindow& win(const std::string& w);
    UiEvent eventOf(const std::string& control, EventKind kind) const;

    EventSink* sink_ = nullptr;
    std::map<std::string, FakeControl> controls_;
    std::map<std::string, FakeWindow> windows_;
    std::map<std::string, bool> menuEnabled_, menuChecked_;
    std::map<std::string, int> timers_;
    std::map<std::string, Rect> restoreTo_;
    std::vector<std::string> statusTexts_;
    std::vector<int> statusWidths_;
    std::deque<MessageAnswer> answers_;
    std::deque<std::optional<std::string>> files_;
    std::deque<std::function<void(FakeUi&)>> modals_;
    std::vector<std::string> modalsRun_;
    std::vector<RecordedMessage> messages_;
    std::vector<FileDialogSpec> dialogs_;
    std::vector<std::string> urls_, processes_, popups_, systemCommands_, printed_;
    bool cancelPrint_ = false;
    std::vector<int> hotkeyKeys_;
    std::set<std::string> cancelled_;  // windows whose close a handler refused
    std::string trayTip_, clipboard_, focused_;
    bool tray_ = false, dropTarget_ = false;
    std::vector<BuiltInSound> sounds_;
};

}  // namespace kalamo::test
