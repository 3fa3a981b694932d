#include "app/kalamo_app.h"

#include "app/later_parts.h"
#include "app/messages.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {

namespace {
constexpr int kPageFunctions = 0, kPageAppCentre = 1, kPageSupport = 3;
constexpr int kVkEnter = 13;
}  // namespace

KalamoApp::KalamoApp(Kalamo& kalamo) : k(kalamo) {
    routeMenus();
    routeControls();
    routeHotkeys();
}

void KalamoApp::onCreated() {
    startUp.RunStartUp();
}

void KalamoApp::onWillBeDestroyed() {
    if (k.endWithoutShutDown) return;
    k.ending = true;
    startUp.RunShutDown();
}

void KalamoApp::later(const std::string& row) {
    k.s.later.runLaterCommand(row);
}

void KalamoApp::routeMenus() {
    auto menu = [this](const std::string& id, std::function<void()> action) {
        router.add({kMainWindow, id, EventKind::MenuChosen,
                    [action = std::move(action)](const UiEvent&) { action(); }});
    };
    auto laterRow = [this, &menu](const std::string& id) { menu(id, [this, id] { later(id); }); };
    menu("开始/打开新窗口", [this] { openNewWindow(); });
    const std::pair<const char*, const char*> modeItems[] = {{"临时文本", "书写临时文件"},
                                                             {"正式文本", "开始写文章"},
                                                             {"日记", "开始写日记"},
                                                             {"日程", "开始写日程"},
                                                             {"购物清单", "列购物清单"}};
    const std::function<void()> starts[] = {
        [this] { modes.StartTemporaryText(); }, [this] { modes.StartArticle(); },
        [this] { modes.StartDiary(); }, [this] { modes.StartSchedule(); },
        [this] { modes.StartShoppingList(); }};
    for (int i = 0; i < 5; ++i) {
        menu(std::string("开始/新建/") + modeItems[i].first, starts[i]);
        menu(std::string("开始书写/") + modeItems[i].second, starts[i]);
    }
    for (const char* id :
         {"开始/打开文件", "开始/编辑/插入/日程（F4）", "开始/编辑/插入/当前时间（F5）",
          "开始/编辑/插入/分割线（Ctrl+L）", "开始/编辑/查找文本（Ctrl+F）",
          "开始/编辑/替换文本（Ctrl+H）", "开始/编辑/大字号模式（F2）", "开始/编辑/简体繁体转换",
          "开始/编辑/常用语快捷键", "开始/编辑/计算表达式（Ctrl+M)", "开始/应用中心/随机取名",
          "开始/应用中心/丢稿找回", "开始/应用中心/划词翻译", "开始/应用中心/个性背景",
          "开始/应用中心/打印文本", "开始/K穿越", "语音服务/开始录音", "语音服务/打开录音文件",
          "开始书写/丢稿找回"})
        laterRow(id);
    menu("开始/字数统计", [this] { toggleStatisticsOption(); });
    menu("开始/应用中心/应用中心首页", [this] { showAppCentre(); });
    menu("开始/清空正在编辑（F9）", [this] { modes.ClearEditing(); });
    menu("开始/设置（F8）", [this] { toggleSettingsPanel(); });
    menu("开始/退出", [this] { k.s.ui.closeWindow(kMainWindow); });
}

void KalamoApp::routeControls() {
    auto on = [this](const std::string& control, EventKind kind, std::function<void()> action) {
        router.add({kMainWindow, control, kind,
                    [action = std::move(action)](const UiEvent&) { action(); }});
    };
    on({}, EventKind::WillBeDestroyed, [this] { onWillBeDestroyed(); });
    on({}, EventKind::SizeChanged, [this] { window.onSizeChanged(); });
    on({}, EventKind::Moved, [this] { window.onMoved(); });
    on({}, EventKind::TrayLeftClick, [this] { window.onTrayLeftClick(); });
    on({}, EventKind::TrayRightClick, [this] { window.onTrayRightClick(); });
    on("开始按钮", EventKind::LeftPress, [this] { k.s.ui.popupMenu(kMenuStart); });
    on("章节名称提示", EventKind::LeftPress, [this] { k.s.ui.popupMenu(kMenuStart); });
    on("标题栏", EventKind::LeftPress, [this] { window.onTitlePressed(); });
    on("标题栏", EventKind::DoubleClick, [this] { window.onTitleDoubleClicked(); });
    on("最小化按钮1", EventKind::LeftPress, [this] { window.onMinimisePressed(); });
    on("关闭按钮", EventKind::LeftPress, [this] { window.onClosePressed(); });
    for (const GripEdge& g : kGripEdges) {
        ResizeEdge edge = g.edge;
        on(g.control, EventKind::LeftPress, [this, edge] { window.onGripPressed(edge); });
    }
    on("状态条1", EventKind::LeftPress, [this] { later("状态条1"); });
    on("开始书写按钮", EventKind::Click, [this] { modes.ToggleWriting(false); });
    on("开始书写按钮", EventKind::RightPress, [this] { modes.ShowWritingMenu(); });
    router.add({kMainWindow, "章节名称", EventKind::KeyPress, [this](const UiEvent& e) {
                    if (e.key != kVkEnter) return;
                    modes.ToggleWriting(false);
                    k.s.editor.focus();
                }});
    on("录音按钮", EventKind::LeftPress, [this] { k.s.ui.popupMenu(kMenuVoice); });
    on("保存设置", EventKind::Click, [this] { k.s.later.applyAndSaveSettings(); });
    on("透明标签1", EventKind::LeftPress, [this] { k.s.ui.setVisible("关于", false); });
}

void KalamoApp::routeHotkeys() {
    router.addHotkey(&k.hotkeys.f8, [this] { k.s.ui.setVisible("关于", true); });
    router.addHotkey(&k.hotkeys.f9, [this] { modes.ClearEditing(); });
    router.addHotkey(&k.hotkeys.f1, [this] { showSettingsPanel(kPageSupport); });
    router.addHotkey(&k.hotkeys.f4, [this] { later("F4"); });
    router.addHotkey(&k.hotkeys.f6, [this] { later("F6"); });
}

void KalamoApp::openNewWindow() {
    k.s.ui.startProcess(k.s.paths.executablePath(), {});
}

void KalamoApp::showSettingsPanel(int page) {
    k.s.ui.setVisible("关于", true);
    k.s.ui.selectTabPage("高级选择夹1", page);
}

void KalamoApp::toggleSettingsPanel() {
    UiFacade& ui = k.s.ui;
    if (ui.isChecked("总在最前选择")) {
        ui.setChecked("总在最前选择", false);
        ui.setAlwaysOnTop(kMainWindow, false);
    }
    if (k.pictureBackgroundOn && !k.writing.on) {
        Say(ui,
            "在有自定义背景的情况下不能在没有开始书写的情况下打开设置界面，请您点击开始书写之后进入"
            "设置");
        return;
    }
    ui.selectTabPage("高级选择夹1", kPageFunctions);
    if (ui.isVisible("关于")) {
        ui.setVisible("关于", false);
        return;
    }
    ui.setVisible("关于", true);
    later("refresh");
}

void KalamoApp::toggleStatisticsOption() {
    k.s.ui.setChecked("显示统计", !k.s.ui.isChecked("显示统计"));
    k.s.later.applyAndSaveSettings();
}

void KalamoApp::showAppCentre() {
    if (k.s.ui.isChecked("总在最前选择")) return;
    showSettingsPanel(kPageAppCentre);
}

}  // namespace kalamo
