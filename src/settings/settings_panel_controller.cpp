#include "settings/settings_panel_controller.h"

#include "core/messages.h"
#include "ui/layouts/main_menus.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {
namespace {
constexpr const char* kPanel = "关于";
constexpr const char* kPages = "高级选择夹1";
constexpr const char* kOnTopOption = "总在最前选择";
constexpr int kPageFunctions = 0, kPageAppCentre = 1, kPageSupport = 3;
}  // namespace

void SettingsPanelController::writeFlag(const char* section, const char* key, const char* box) {
    k_.s.settings.writeSetting(section, key, k_.s.ui.isChecked(box) ? "真" : "假");
}

void SettingsPanelController::ApplyAndSaveSettings() {
    UiFacade& ui = k_.s.ui;
    SettingsStore& s = k_.s.settings;
    ui.setVisible(kPanel, false);
    s.writeSetting("文本设置", "背景颜色", std::to_string(ui.pickerColour("颜色")));
    writeFlag("软件设置", "自动保存", "自动保存");
    writeFlag("软件设置", "显示统计", "显示统计");
    writeFlag("文本设置", "大字体模式", "大字体");
    writeFlag("软件设置", "积分系统00", "积分系统");
    writeFlag("软件设置", "K服务", "K服务");
    writeFlag("软件设置", "检查更新", "是否检查更新");
    bool hideBar = ui.isChecked("状态栏选择");
    ui.setVisible("状态条1", !hideBar);
    s.writeSetting("软件设置", "状态栏", hideBar ? "隐藏" : "显示");
    layout_.layOut();
    s.writeSetting("软件设置", "按钮类型", std::to_string(ui.listIndex("按钮类型")));
    s.writeSetting("软件设置", "小提示类型", std::to_string(ui.listIndex("提示类型")));
    s.writeSetting("软件设置", "顶图类型", std::to_string(ui.listIndex("顶图类型")));
    s.writeSetting("文本设置", "文本颜色", std::to_string(ui.listIndex("文本颜色")));
    s.writeSetting("软件设置", "键盘音", std::to_string(ui.listIndex("键盘音")));
    ui.setVisible("标题栏", true);
    ui.setVisible("章节名称提示", true);
    bool large = ui.isChecked("大字体");
    k_.s.editor.setFontSize(large ? 25 : 16);
    if (large) s.writeSetting("软件设置", "新手2", "真");
    ui.setMenuChecked(kMenuLargeFont, large);
    ui.setAlwaysOnTop(kMainWindow, ui.isChecked(kOnTopOption));
    ui.setAlwaysOnTop(kStatisticsWindow, ui.isChecked(kOnTopOption));
    ui.setMenuChecked(kMenuStatistics, ui.isChecked("显示统计"));
    statistics_.setShown(ui.isChecked("显示统计"));
    layout_.layOut();
}

void SettingsPanelController::showPage(int page) {
    k_.s.ui.setVisible(kPanel, true);
    k_.s.ui.selectTabPage(kPages, page);
}

void SettingsPanelController::ShowSettingsPanel() {
    k_.s.ui.setVisible(kPanel, true);
}

void SettingsPanelController::ShowSupportPage() {
    showPage(kPageSupport);
}

void SettingsPanelController::HideSettingsPanel() {
    k_.s.ui.setVisible(kPanel, false);
}

void SettingsPanelController::ToggleSettingsPanel() {
    UiFacade& ui = k_.s.ui;
    if (ui.isChecked(kOnTopOption)) {
        ui.setChecked(kOnTopOption, false);
        ui.setAlwaysOnTop(kMainWindow, false);
    }
    if (k_.pictureBackgroundOn && !k_.writing.on) {
        Say(ui,
            "在有自定义背景的情况下不能在没有开始书写的情况下打开设置界面，请您点击开始书写之后进入"
            "设置");
        return;
    }
    ui.selectTabPage(kPages, kPageFunctions);
    if (ui.isVisible(kPanel)) {
        ui.setVisible(kPanel, false);
        return;
    }
    ui.setVisible(kPanel, true);
    tasks_.refresh();
}

void SettingsPanelController::ToggleStatisticsOption() {
    k_.s.ui.setChecked("显示统计", !k_.s.ui.isChecked("显示统计"));
    ApplyAndSaveSettings();
}

void SettingsPanelController::ShowAppCentre() {
    if (k_.s.ui.isChecked(kOnTopOption)) return;
    showPage(kPageAppCentre);
}

}  // namespace kalamo
