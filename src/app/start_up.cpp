#include "app/start_up.h"

#include <algorithm>

#include "base/gbk.h"
#include "base/path_text.h"
#include "base/stamps.h"
#include "core/messages.h"
#include "ui/layouts/main_menus.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {

namespace {

constexpr int kVkF1 = 112, kVkF4 = 115, kVkF8 = 119, kVkF9 = 120;

const char* const kMirrorQuestion =
    "注意！您的软件可能出现以下问题：\r\n1.安装位置出现了变化  "
    "请您把软件放置在原来的位置或者清零积分运行。\r\n2.您的软件由v7.1版本以下更新到本版本  "
    "因为积分算法不同，只能请您清零积分运行。\r\n是否清零积分强制运行程序？";

}  // namespace

void StartUp::RunStartUp() {
    UiFacade& ui = k_.s.ui;
    SettingsStore& settings = k_.s.settings;
    p_.statistics.open();
    ui.setWindowCaption(kMainWindow, ui.text("标题栏"));
    resetRunState();
    if (!runWizardBranches()) return;
    restoreSize();
    settings.setIniAttributes(false);
    p_.points.load();
    p_.points.show();
    loadOptions();
    p_.appearance.ApplyBackgroundColour();
    ui.setText("版本标签", ui.text("标题栏"));
    selectLists();
    settings.writeSetting("软件设置", "最后一次登录", DayStamp(k_.s.clock.now()));
    ui.setTrayIcon("Kalamo—高效率写作工具");
    if (!checkPointsMirror()) return;
    if (!k_.args.empty()) openCommandLineFile(k_.args.front());
    if (k_.s.clock.now().day == 28)
        ui.setText("标题栏",
                   "今天是K软件节，欢迎到官方博客体验新品。赶快去更新吧~ 每月28日K软件节——Kalamo");
    if (ui.isChecked("是否检查更新")) p_.updates.CheckForUpdate();
    ui.setWindowBackground(kMainWindow, ui.pickerColour("颜色"));
    p_.appearance.LoadBackgroundPicture();
    gateExtendedOptions();
    if (k_.pictureBackgroundOn && !k_.writing.on) k_.s.editor.setText("欢迎使用Kalamo");
    p_.panel.ApplyAndSaveSettings();
    registerHotkeys();
}

void StartUp::resetRunState() {
    UiFacade& ui = k_.s.ui;
    k_.writing.openedFromFile = false;
    ui.setMenuEnabled(kMenuEdit, false);
    ui.setMenuEnabled(kMenuPrint, false);
    ui.setMenuEnabled(kMenuNew, true);
    ui.registerDropTarget();
    ui.setMenuChecked(kMenuLargeFont, false);
}

// False when the program ends from the wizard.
bool StartUp::runWizardBranches() {
    if (k_.s.settings.readSetting("文本设置", "first") != "真" && !runWizard()) return false;
    std::string installed = k_.s.settings.readRegistryText();
    if (!installed.empty() && installed != k_.s.paths.runDirectory() &&
        k_.s.files.isFile(installed + "/setting.ini"))
        return runWizard();
    return true;
}

bool StartUp::runWizard() {
    UiFacade& ui = k_.s.ui;
    ui.hideWindow(kMainWindow);
    if (!p_.wizard.Run()) {
        k_.ending = true;
        k_.endWithoutShutDown = true;
        ui.closeWindow(kMainWindow);
        return false;
    }
    ui.centreWindow(kMainWindow);
    ui.setPickerColour("颜色", k_.s.settings.readSettingColour("文本设置", "背景颜色"));
    ui.setListIndex("文本颜色", k_.s.settings.readSettingInt("文本设置", "文本颜色"));
    p_.panel.ApplyAndSaveSettings();
    ui.showWindow(kMainWindow);
    return true;
}

// Both values are read before either is applied: applying the height saves the whole
// current size, which would otherwise replace the stored width before it is read.
void StartUp::restoreSize() {
    UiFacade& ui = k_.s.ui;
    int height = k_.s.settings.readSettingInt("软件设置", "高度");
    int width = k_.s.settings.readSettingInt("软件设置", "宽度");
    Size size = ui.windowSize(kMainWindow);
    size.height = height;
    ui.resizeWindow(kMainWindow, size);
    size = ui.windowSize(kMainWindow);
    size.width = width;
    ui.resizeWindow(kMainWindow, size);
    keepOnScreen();
}

// A size stored by an older run may be larger than this screen, or the window may sit off
// it: shrink it to the screen and move it back on.
void StartUp::keepOnScreen() {
    UiFacade& ui = k_.s.ui;
    const Rect area = ui.screenArea(kMainWindow);
    if (area.width <= 0 || area.height <= 0) return;
    Size size = ui.windowSize(kMainWindow);
    const Size fitted{std::min(size.width, area.width), std::min(size.height, area.height)};
    if (fitted != size) ui.resizeWindow(kMainWindow, fitted);
    const Rect place = ui.windowGeometry(kMainWindow);
    const int x = std::max(area.x, std::min(place.x, area.x + area.width - place.width));
    const int y = std::max(area.y, std::min(place.y, area.y + area.height - place.height));
    if (x != place.x || y != place.y) ui.moveWindow(kMainWindow, x, y);
}

void StartUp::loadOptions() {
    UiFacade& ui = k_.s.ui;
    SettingsStore& s = k_.s.settings;
    ui.setPickerColour("颜色", s.readSettingColour("文本设置", "背景颜色"));
    bool barHidden = s.readSetting("软件设置", "状态栏") == "隐藏";
    ui.setVisible("状态条1", !barHidden);
    ui.setChecked("状态栏选择", barHidden);
    bool translucent = s.readSetting("软件设置", "透明化") == "真";
    p_.appearance.SetWindowAlpha(translucent ? 220 : 255);
    ui.setChecked("透明化选择", translucent);
    ui.setChecked("自动保存", s.readSetting("软件设置", "自动保存") == "真");
    ui.setChecked("积分系统", s.readSetting("软件设置", "积分系统00") != "假");
    ui.setChecked("K服务", s.readSetting("软件设置", "K服务") == "真");
    ui.setChecked("是否检查更新", s.readSetting("软件设置", "检查更新") != "假");
    bool showStats = s.readSetting("软件设置", "显示统计") == "真";
    ui.setChecked("显示统计", showStats);
    ui.setMenuChecked(kMenuStatistics, showStats);
}

void StartUp::selectLists() {
    UiFacade& ui = k_.s.ui;
    SettingsStore& s = k_.s.settings;
    ui.setListIndex("提示类型", s.readSettingInt("软件设置", "小提示类型"));
    ui.setListIndex("按钮类型", s.readSettingInt("软件设置", "按钮类型"));
    ui.setListIndex("顶图类型", s.readSettingInt("软件设置", "顶图类型"));
    ui.setListIndex("文本颜色", s.readSettingInt("文本设置", "文本颜色"));
    ui.setListIndex("键盘音", s.readSettingInt("软件设置", "键盘音"));
}

// False when the user declined the reset and the program is ending.
bool StartUp::checkPointsMirror() {
    SettingsStore& s = k_.s.settings;
    if (s.readRegistryNumber() == static_cast<std::uint32_t>(k_.points)) return true;
    UiFacade& ui = k_.s.ui;
    if (Say(ui, kMirrorQuestion, MessageButtons::YesNo) == MessageAnswer::Yes &&
        Say(ui, "即将清零积分，该过程不可撤销。", MessageButtons::YesNo) == MessageAnswer::Yes) {
        p_.points.set(0);
        s.writeRegistryNumber(0);
        p_.points.save();
        p_.points.show();
        return true;
    }
    ui.openUrl(kHomePage);
    k_.ending = true;
    ui.closeWindow(kMainWindow);
    return false;
}

void StartUp::openCommandLineFile(const std::string& path) {
    UiFacade& ui = k_.s.ui;
    ui.setText("章节名称", GbkFromNativeName(TitleFromPath(path)));
    p_.modes.ToggleWriting(false);
    k_.writing.openedFromFile = true;
    k_.writing.currentDocumentPath = path;
    p_.loader.loadPlainText(path);
    ui.setMenuEnabled(kMenuEdit, false);
    ui.setMenuEnabled(kMenuNew, true);
}

void StartUp::gateExtendedOptions() {
    if (k_.points >= 500) return;
    UiFacade& ui = k_.s.ui;
    ui.setText("网站类标签5", "扩展设置（积分大于500可见）");
    for (const char* c : {"K服务", "积分系统", "是否检查更新", "进入个性化"})
        ui.setVisible(c, false);
}

void StartUp::registerHotkeys() {
    UiFacade& ui = k_.s.ui;
    k_.hotkeys.f8 = ui.registerHotkey(kVkF8);
    k_.hotkeys.f9 = ui.registerHotkey(kVkF9);
    k_.hotkeys.f1 = ui.registerHotkey(kVkF1);
    k_.hotkeys.f4 = ui.registerHotkey(kVkF4);
}

bool StartUp::RunShutDown() {
    p_.modes.EndDiaryLook(false);  // acts only while a diary is being written
    if (k_.writing.on && !p_.saver.ExitSaveCheck()) return false;
    k_.s.settings.setIniAttributes(true);
    k_.s.ui.removeTrayIcon();
    return true;
}

void StartUp::RunQuietShutDown() {
    p_.modes.EndDiaryLook(false);
    p_.saver.RescueUnsavedText();
    k_.s.settings.setIniAttributes(true);
    k_.s.ui.removeTrayIcon();
}

}  // namespace kalamo
