#include "app/kalamo_app.h"

#include "ui/layouts/window_layout.h"

namespace kalamo {

namespace {
constexpr int kVkEnter = 13;
}  // namespace

KalamoApp::KalamoApp(Kalamo& kalamo, PartOverrides overrides) : k(kalamo), o_(overrides) {
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
    if (startUp.RunShutDown()) return;
    k.ending = false;
    k.s.ui.cancelClose(kMainWindow);
}

void KalamoApp::onTerminateRequested() {
    if (k.ending) return;
    startUp.RunQuietShutDown();
    k.ending = true;
    k.endWithoutShutDown = true;
    k.s.ui.closeWindow(kMainWindow);
}

void KalamoApp::routeMenus() {
    auto menu = [this](const std::string& id, std::function<void()> action) {
        router.add({kMainWindow, id, EventKind::MenuChosen,
                    [action = std::move(action)](const UiEvent&) { action(); }});
    };
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
    menu("开始/打开文件", [this] { documents_.OpenFileCommand(); });
    menu("开始/编辑/插入/日程（F4）", [this] { lists_.OpenScheduleWindow(); });
    menu("开始/编辑/插入/当前时间（F5）", [this] { editorCommands_.InsertCurrentTime(); });
    menu("开始/编辑/插入/分割线（Ctrl+L）", [this] { editorCommands_.InsertDivider(); });
    menu("开始/编辑/查找文本（Ctrl+F）", [this] { editorCommands_.OpenFindWindow(); });
    menu("开始/编辑/替换文本（Ctrl+H）", [this] { editorCommands_.OpenReplaceWindow(); });
    menu("开始/编辑/大字号模式（F2）", [this] { editorCommands_.ToggleLargeFont(); });
    menu("开始/编辑/简体繁体转换", [this] { tools_.OpenConversionWindow(); });
    menu("开始/编辑/常用语快捷键", [this] { editorCommands_.OpenPhraseWindow(); });
    menu("开始/编辑/计算表达式（Ctrl+M)", [this] { editorCommands_.EvaluateExpression(); });
    menu("开始/应用中心/随机取名", [this] { tools_.OpenNameWindow(); });
    menu("开始/应用中心/丢稿找回", [this] { stats_.OpenBackupFolder(); });
    menu("开始/应用中心/划词翻译", [this] { tools_.OpenTranslationWindow(); });
    menu("开始/应用中心/个性背景", [this] { appearanceStandIn_.OpenBackgroundWindow(); });
    menu("开始/应用中心/打印文本", [this] { stats_.PrintText(); });
    menu("开始/K穿越", [this] { lists_.OpenTransferWindow(); });
    menu("语音服务/开始录音", [this] { tools_.StartRecording(); });
    menu("语音服务/打开录音文件", [this] { tools_.OpenRecording(); });
    menu("开始书写/丢稿找回", [this] { stats_.OpenBackupFolder(); });
    menu("开始/字数统计", [this] { settingsPanel.ToggleStatisticsOption(); });
    menu("开始/应用中心/应用中心首页", [this] { settingsPanel.ShowAppCentre(); });
    menu("开始/清空正在编辑（F9）", [this] { modes.ClearEditing(); });
    menu("开始/设置（F8）", [this] { settingsPanel.ToggleSettingsPanel(); });
    menu("开始/退出", [this] { k.s.ui.closeWindow(kMainWindow); });
}

void KalamoApp::routeControls() {
    auto on = [this](const std::string& control, EventKind kind, std::function<void()> action) {
        router.add({kMainWindow, control, kind,
                    [action = std::move(action)](const UiEvent&) { action(); }});
    };
    on({}, EventKind::WillBeDestroyed, [this] { onWillBeDestroyed(); });
    on({}, EventKind::TerminateRequested, [this] { onTerminateRequested(); });
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
    on("状态条1", EventKind::LeftPress, [this] { statistics.open(); });
    on("开始书写按钮", EventKind::Click, [this] { modes.ToggleWriting(false); });
    on("开始书写按钮", EventKind::RightPress, [this] { modes.ShowWritingMenu(); });
    router.add({kMainWindow, "章节名称", EventKind::KeyPress, [this](const UiEvent& e) {
                    if (e.key != kVkEnter) return;
                    modes.ToggleWriting(false);
                    k.s.editor.focus();
                }});
    on("录音按钮", EventKind::LeftPress, [this] { k.s.ui.popupMenu(kMenuVoice); });
    on("保存设置", EventKind::Click, [this] { settingsPanel.ApplyAndSaveSettings(); });
    on("透明标签1", EventKind::LeftPress, [this] { settingsPanel.HideSettingsPanel(); });
}

void KalamoApp::routeHotkeys() {
    router.addHotkey(&k.hotkeys.f8, [this] { settingsPanel.ShowSettingsPanel(); });
    router.addHotkey(&k.hotkeys.f9, [this] { modes.ClearEditing(); });
    router.addHotkey(&k.hotkeys.f1, [this] { settingsPanel.ShowSupportPage(); });
    router.addHotkey(&k.hotkeys.f4, [this] { lists_.OpenScheduleWindow(); });
    router.addHotkey(&k.hotkeys.f6, [this] { lists_.OpenShoppingWindow(); });
}

void KalamoApp::openNewWindow() {
    k.s.ui.startProcess(k.s.paths.executablePath(), {});
}

}  // namespace kalamo
