#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/layouts/window_layout.h"
#include "ui/qt/event_relay.h"
#include "ui/qt/message_presenter.h"
#include "ui/ui_facade.h"

class QSystemTrayIcon;

namespace kalamo {

class LayoutWindow;
class MainWindowWidget;
class MenuSet;
class QtEditorView;
class SoundPlayer;
class WindowDragger;
class WindowShortcuts;
class X11HotkeyFilter;

// The Qt widgets behind UiFacade: the main window built from its layout, its pop-up menus,
// timers, tray icon, hotkeys and dialogs. Needs a QApplication. Names of controls, menu
// items and windows are GBK as the layouts spell them; unknown names are ignored.
class QtUiFacade : public UiFacade {
  public:
    QtUiFacade();
    ~QtUiFacade() override;

    MainWindowWidget& mainWindow() const { return *main_; }
    QtEditorView& editor() const;
    MenuSet& menus() const { return *menus_; }
    // Another window built from its layout, hidden until shown; its controls are then
    // named "window.control". The windows of OtherWindowLayouts stand built from the start.
    void addWindow(const WindowSpec& spec);
    // The window of that name, or nullptr.
    LayoutWindow* window(const std::string& name) const;
    // Where message boxes and file dialogs go; nullptr restores the real ones.
    void setPresenter(MessagePresenter* presenter);

    void setEventSink(EventSink* sink) override { relay_.setSink(sink); }
    const EventRelay& relay() const { return relay_; }

    MessageAnswer showMessage(const MessageBoxSpec& box) override;
    std::optional<std::string> openFileDialog(const FileDialogSpec& spec) override;
    std::optional<std::string> saveFileDialog(const FileDialogSpec& spec) override;

    std::string text(const std::string& control) const override;
    void setText(const std::string& control, const std::string& text) override;
    bool isVisible(const std::string& control) const override;
    void setVisible(const std::string& control, bool visible) override;
    bool isEnabled(const std::string& control) const override;
    void setEnabled(const std::string& control, bool enabled) override;
    bool isChecked(const std::string& control) const override;
    void setChecked(const std::string& control, bool checked) override;
    int listIndex(const std::string& control) const override;
    void setListIndex(const std::string& control, int index) override;
    Colour pickerColour(const std::string& control) const override;
    void setPickerColour(const std::string& control, Colour colour) override;
    Colour textColour(const std::string& control) const override;
    void setTextColour(const std::string& control, Colour colour) override;
    void setBackColour(const std::string& control, Colour colour) override;
    Rect geometry(const std::string& control) const override;
    void setGeometry(const std::string& control, const Rect& place) override;
    void focus(const std::string& control) override;
    void selectAllText(const std::string& control) override;
    void selectTabPage(const std::string& tabControl, int page) override;
    int selectedTabPage(const std::string& tabControl) const override;

    std::string statusText(int part) const override;
    void setStatusText(int part, const std::string& text) override;
    int statusWidth(int part) const override;
    void setStatusWidth(int part, int width) override;

    bool isMenuEnabled(const std::string& item) const override;
    void setMenuEnabled(const std::string& item, bool enabled) override;
    bool isMenuChecked(const std::string& item) const override;
    void setMenuChecked(const std::string& item, bool checked) override;
    void popupMenu(const std::string& menu) override;

    void showWindow(const std::string& window) override;
    void hideWindow(const std::string& window) override;
    bool isWindowVisible(const std::string& window) const override;
    void runModal(const std::string& window) override;
    void closeWindow(const std::string& window) override;
    void cancelClose(const std::string& window) override;
    std::string windowCaption(const std::string& window) const override;
    void setWindowCaption(const std::string& window, const std::string& caption) override;
    Size windowSize(const std::string& window) const override;
    void resizeWindow(const std::string& window, const Size& size) override;
    Rect windowGeometry(const std::string& window) const override;
    void moveWindow(const std::string& window, int x, int y) override;
    WindowState windowState(const std::string& window) const override;
    void setWindowState(const std::string& window, WindowState state) override;
    void centreWindow(const std::string& window) override;
    Rect screenArea(const std::string& window) const override;
    bool isAlwaysOnTop(const std::string& window) const override;
    void setAlwaysOnTop(const std::string& window, bool onTop) override;
    int windowOpacity(const std::string& window) const override;
    void setWindowOpacity(const std::string& window, int alpha) override;
    Colour windowBackground(const std::string& window) const override;
    void setWindowBackground(const std::string& window, Colour colour) override;
    void beginSystemMove(const std::string& window) override;
    void beginSystemResize(const std::string& window, ResizeEdge edge) override;

    int timerPeriod(const std::string& timer) const override;
    void setTimerPeriod(const std::string& timer, int milliseconds) override;
    void setTrayIcon(const std::string& tip) override;
    void removeTrayIcon() override;
    bool hasTrayIcon() const override;
    int registerHotkey(int virtualKey) override;
    void registerDropTarget() override;

    std::string clipboardText() const override;
    void setClipboardText(const std::string& text) override;
    void playSound(BuiltInSound sound) override;
    // The sounds asked for so far, whether a device played them or not.
    int soundsRequested() const;
    void openUrl(const std::string& url) override;
    bool printText(const std::string& gbk) override;
    bool startProcess(const std::string& program, const std::vector<std::string>& args) override;

  private:
    struct Target {
        LayoutWindow* window = nullptr;
        std::string control;
    };
    Target resolve(const std::string& name) const;
    WindowDragger& dragger(LayoutWindow& window);
    void sendTray(int reason) const;
    void keepAboveMain(LayoutWindow& w) const;

    EventRelay relay_;
    QtMessagePresenter realPresenter_;
    MessagePresenter* presenter_ = &realPresenter_;
    std::unique_ptr<MenuSet> menus_;
    std::unique_ptr<MainWindowWidget> main_;
    std::vector<std::unique_ptr<LayoutWindow>> others_;
    std::map<std::string, LayoutWindow*> windows_;
    std::map<LayoutWindow*, WindowDragger*> draggers_;
    std::map<LayoutWindow*, int> opacity_;
    WindowShortcuts* shortcuts_ = nullptr;  // owned by the main window
    std::unique_ptr<QSystemTrayIcon> tray_;
    std::unique_ptr<X11HotkeyFilter> hotkeys_;
    std::unique_ptr<SoundPlayer> sounds_;  // made at the first sound
};

}  // namespace kalamo
