#pragma once

#include <string>
#include <vector>

#include "ui/ui_types.h"

namespace kalamo {

enum class ControlKind {
    Label,             // opaque label
    TransparentLabel,  // drawn over the background
    PictureBox,
    LineEdit,
    TextEdit,
    Button,
    CheckBox,
    RadioButton,  // one of the radio buttons of its parent; checking it unchecks the others
    DropDownList,
    ColourPicker,
    GroupBox,
    TabControl,
    TabPage,
    StatusBar,
    Hyperlink,
    ListRows,
    Timer,     // non-visual; `period` holds its initial period
    NonVisual  // dialogs, drop target, printer...
};

// One control of a window. Texts are GBK. `parent` is empty for the window itself,
// else the name of a group box or tab page; places are relative to the parent.
struct ControlSpec {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string parent;
    Rect place;
    std::string text;
    std::string toolTip;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    std::vector<std::string> entries;  // list entries, tab page captions are the pages' texts
    int period = 0;                    // timers
};

struct StatusPartSpec {
    int width = 0;  // -1: the rest
    std::string text;
};

struct WindowSpec {
    std::string name;  // "MainWindow" or the window's caption
    std::string caption;
    Rect place;
    bool frameless = false;
    std::vector<ControlSpec> controls;
    std::vector<StatusPartSpec> statusParts;  // of the window's status bar, if any
};

// One item of a pop-up menu. `id` is the path of captions joined with "/" (the named ids
// are in main_menus.h); `menu` is the id of the menu or submenu that holds it. Any item can
// carry a check mark: the logic sets it.
struct MenuItemSpec {
    std::string id;
    std::string menu;
    std::string caption;
    bool separator = false;
    bool submenu = false;
    std::string shortcut;  // "F4", "Ctrl+L", empty for none
};

extern const char* const kMainWindow;

// The main window's home-made resize grips (GBK names) and where each one resizes from.
struct ResizeGrip {
    const char* control;
    ResizeEdge edge;
};
extern const ResizeGrip kResizeGrips[8];

const WindowSpec& MainWindowLayout();
// The small password window of enciphered documents, "kmt密码输入".
extern const char kPasswordWindow[];
const WindowSpec& PasswordWindowLayout();
// The find window "查找" and the find-and-replace window "替换" of the editor.
extern const char kFindWindow[];
extern const char kReplaceWindow[];
const WindowSpec& FindWindowLayout();
const WindowSpec& ReplaceWindowLayout();

// The phrase hotkeys' window, "一键输入，如此轻松".
extern const char kPhraseWindow[];
const WindowSpec& PhraseWindowLayout();
// The word-statistics window "字数统计", docked outside the main window's right edge.
extern const char kStatisticsWindow[];
// The main window's timer that paces the work done after text changes; stopped at first.
extern const char kPacingTimer[];
const WindowSpec& StatisticsWindowLayout();
// Every window besides the main one. Each stands built and hidden from the start, so that
// its controls ("window.control") can be set before it opens.
const std::vector<const WindowSpec*>& OtherWindowLayouts();
const std::vector<MenuItemSpec>& MainMenus();
// The three top-level pop-up menus, defined with the ids of their items in main_menus.cpp.
extern const char kMenuStart[];    // "开始"
extern const char kMenuVoice[];    // "语音服务"
extern const char kMenuWriting[];  // "开始书写"

const ControlSpec* FindControl(const WindowSpec& window, const std::string& name);

}  // namespace kalamo
