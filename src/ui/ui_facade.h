#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/ui_types.h"

namespace kalamo {

class EventSink;

// Everything the logic asks of the GUI toolkit besides the editor. Texts are GBK,
// paths native. Controls are named as in the window layouts; a control of another
// window than the main one is named "window.control". Menu items are named by their
// path of captions joined with "/", e.g. "开始/新建/日记".
class UiFacade {
  public:
    virtual ~UiFacade() = default;

    virtual void setEventSink(EventSink* sink) = 0;

    // Messages and dialogs: modal for the whole program.
    virtual MessageAnswer showMessage(const MessageBoxSpec& box) = 0;
    virtual std::optional<std::string> openFileDialog(const FileDialogSpec& spec) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogSpec& spec) = 0;

    // Control properties.
    virtual std::string text(const std::string& control) const = 0;
    virtual void setText(const std::string& control, const std::string& text) = 0;
    virtual bool isVisible(const std::string& control) const = 0;
    virtual void setVisible(const std::string& control, bool visible) = 0;
    virtual bool isEnabled(const std::string& control) const = 0;
    virtual void setEnabled(const std::string& control, bool enabled) = 0;
    virtual bool isChecked(const std::string& control) const = 0;
    virtual void setChecked(const std::string& control, bool checked) = 0;
    virtual int listIndex(const std::string& control) const = 0;
    virtual void setListIndex(const std::string& control, int index) = 0;
    virtual Colour pickerColour(const std::string& control) const = 0;
    virtual void setPickerColour(const std::string& control, Colour colour) = 0;
    virtual Colour textColour(const std::string& control) const = 0;
    virtual void setTextColour(const std::string& control, Colour colour) = 0;
    virtual void setBackColour(const std::string& control, Colour colour) = 0;
    virtual Rect geometry(const std::string& control) const = 0;
    virtual void setGeometry(const std::string& control, const Rect& place) = 0;
    virtual void focus(const std::string& control) = 0;
    // Selects the whole text of an edit box, so that what is typed next replaces it. Setting
    // its text clears the selection.
    virtual void selectAllText(const std::string& control) = 0;
    virtual void selectTabPage(const std::string& tabControl, int page) = 0;
    virtual int selectedTabPage(const std::string& tabControl) const = 0;

    // Status bar 状态条1.
    virtual std::string statusText(int part) const = 0;
    virtual void setStatusText(int part, const std::string& text) = 0;
    virtual int statusWidth(int part) const = 0;
    virtual void setStatusWidth(int part, int width) = 0;

    // Menus.
    virtual bool isMenuEnabled(const std::string& item) const = 0;
    virtual void setMenuEnabled(const std::string& item, bool enabled) = 0;
    virtual bool isMenuChecked(const std::string& item) const = 0;
    virtual void setMenuChecked(const std::string& item, bool checked) = 0;
    virtual void popupMenu(const std::string& menu) = 0;  // at the mouse

    // Windows: "MainWindow" or a window's layout name.
    virtual void showWindow(const std::string& window) = 0;
    virtual void hideWindow(const std::string& window) = 0;
    virtual bool isWindowVisible(const std::string& window) const = 0;
    // Shows a window other than the main one, modal for the whole program, and returns once
    // it has been closed, by closeWindow from the logic or by its close box. Meanwhile events
    // of its controls arrive as {window, control, kind}. A window that is open already or
    // that no layout names returns at once.
    virtual void runModal(const std::string& window) = 0;
    // Closing a window raises its will-be-destroyed event first; a handler of that event
    // may call cancelClose, and the window then stays open as it was.
    virtual void closeWindow(const std::string& window) = 0;
    virtual void cancelClose(const std::string& window) = 0;
    virtual std::string windowCaption(const std::string& window) const = 0;
    virtual void setWindowCaption(const std::string& window, const std::string& caption) = 0;
    virtual Size windowSize(const std::string& window) const = 0;
    virtual void resizeWindow(const std::string& window, const Size& size) = 0;
    virtual Rect windowGeometry(const std::string& window) const = 0;
    virtual void moveWindow(const std::string& window, int x, int y) = 0;
    virtual WindowState windowState(const std::string& window) const = 0;
    virtual void setWindowState(const std::string& window, WindowState state) = 0;
    virtual void centreWindow(const std::string& window) = 0;
    // The part of the window's screen that windows may use (without panels and docks).
    virtual Rect screenArea(const std::string& window) const = 0;
    virtual bool isAlwaysOnTop(const std::string& window) const = 0;
    virtual void setAlwaysOnTop(const std::string& window, bool onTop) = 0;
    virtual int windowOpacity(const std::string& window) const = 0;  // 0..255
    virtual void setWindowOpacity(const std::string& window, int alpha) = 0;
    // The window's ground colour: the one last set, else the toolkit's own.
    virtual Colour windowBackground(const std::string& window) const = 0;
    virtual void setWindowBackground(const std::string& window, Colour colour) = 0;
    virtual void beginSystemMove(const std::string& window) = 0;
    virtual void beginSystemResize(const std::string& window, ResizeEdge edge) = 0;

    // Timers, tray, hotkeys, drops.
    virtual int timerPeriod(const std::string& timer) const = 0;
    virtual void setTimerPeriod(const std::string& timer, int milliseconds) = 0;  // 0 stops
    virtual void setTrayIcon(const std::string& tip) = 0;
    virtual void removeTrayIcon() = 0;
    virtual bool hasTrayIcon() const = 0;
    // A system-wide hotkey without modifier; returns its identifier (never 0). When the
    // system refuses the grab the key still works while the main window has the focus.
    virtual int registerHotkey(int virtualKey) = 0;
    virtual void registerDropTarget() = 0;

    // Clipboard, sound, shell.
    virtual std::string clipboardText() const = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    // Starts the sound and returns at once; sounds overlap. No audio device is silence.
    virtual void playSound(BuiltInSound sound) = 0;
    virtual void openUrl(const std::string& url) = 0;
    // The system's print dialog, then the text (GBK) printed once on the printer chosen
    // there; false when the dialog was cancelled or the job failed.
    virtual bool printText(const std::string& gbk) = 0;
    virtual bool startProcess(const std::string& program, const std::vector<std::string>& args) = 0;
};

}  // namespace kalamo
