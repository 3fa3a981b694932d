#include "app/kalamo_app.h"

#include "ui/layouts/main_menus.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {

namespace {
constexpr int kVkEnter = 13;
}  // namespace

KalamoApp::KalamoApp(Kalamo& kalamo, PartOverrides overrides) : k(kalamo), o_(overrides) {
    routeMenus();
    routeControls();
    routeHotkeys();
    routePasswordWindow();
    routeFindReplace();
    routeEditorKeys();
    routePhraseWindow();
    routeTextChanged();
    routeStatisticsWindow();
    routeBackupAndClock();
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
    menu(kMenuNewWindow, [this] { openNewWindow(); });
    const std::pair<const char*, const char*> modeItems[] = {
        {kMenuNewTemporary, kMenuWriteTemporary},
        {kMenuNewArticle, kMenuWriteArticle},
        {kMenuNewDiary, kMenuWriteDiary},
        {kMenuNewSchedule, kMenuWriteSchedule},
        {kMenuNewShoppingList, kMenuWriteShoppingList}};
    const std::function<void()> starts[] = {
        [this] { modes.StartTemporaryText(); }, [this] { modes.StartArticle(); },
        [this] { modes.StartDiary(); }, [this] { modes.StartSchedule(); },
        [this] { modes.StartShoppingList(); }};
    for (int i = 0; i < 5; ++i) {
        menu(modeItems[i].first, starts[i]);
        menu(modeItems[i].second, starts[i]);
    }
    menu(kMenuOpenFile, [this] { opener.OpenDocument({}); });
    menu(kMenuInsertSchedule, [this] { lists_.OpenScheduleWindow(); });
    menu(kMenuInsertTime, [this] { insertions.InsertCurrentTime(TimeVariant::Menu); });
    menu(kMenuInsertDivider, [this] { insertions.InsertDivider(); });
    menu(kMenuFind, [this] { findReplace.OpenFindWindow(); });
    menu(kMenuReplace, [this] { findReplace.OpenReplaceWindow(); });
    menu(kMenuLargeFont, [this] { keyCommands.ToggleLargeFont(LargeFontVariant::Menu); });
    menu(kMenuSimplifiedTraditional, [this] { tools_.OpenConversionWindow(); });
    menu(kMenuPhraseKeys, [this] { phraseWindow.Open(); });
    menu(kMenuCalculate, [this] { insertions.EvaluateExpression(); });
    menu(kMenuRandomName, [this] { tools_.OpenNameWindow(); });
    menu(kMenuRecoverDrafts, [this] { backup.OpenBackupFolder(); });
    menu(kMenuTranslate, [this] { tools_.OpenTranslationWindow(); });
    menu(kMenuBackground, [this] { appearanceStandIn_.OpenBackgroundWindow(); });
    menu(kMenuPrint, [this] { backup.PrintText(); });
    menu(kMenuTransfer, [this] { lists_.OpenTransferWindow(); });
    menu(kMenuStartRecording, [this] { tools_.StartRecording(); });
    menu(kMenuOpenRecording, [this] { opener.OpenDocument({}, DocumentOpener::kWaveFiles); });
    menu(kMenuWriteRecoverDrafts, [this] { backup.OpenBackupFolder(); });
    menu(kMenuStatistics, [this] { settingsPanel.ToggleStatisticsOption(); });
    menu(kMenuAppCentreHome, [this] { settingsPanel.ShowAppCentre(); });
    menu(kMenuClearEditing, [this] { modes.ClearEditing(); });
    menu(kMenuSettings, [this] { settingsPanel.ToggleSettingsPanel(); });
    menu(kMenuExit, [this] { k.s.ui.closeWindow(kMainWindow); });
}

void KalamoApp::routeControls() {
    auto on = [this](const std::string& control, EventKind kind, std::function<void()> action) {
        router.add({kMainWindow, control, kind,
                    [action = std::move(action)](const UiEvent&) { action(); }});
    };
    on({}, EventKind::WillBeDestroyed, [this] { onWillBeDestroyed(); });
    on({}, EventKind::TerminateRequested, [this] { onTerminateRequested(); });
    on({}, EventKind::SizeChanged, [this] {
        window.onSizeChanged();
        statistics.dock();
    });
    on({}, EventKind::Moved, [this] { window.onMoved(); });
    on({}, EventKind::TrayLeftClick, [this] { window.onTrayLeftClick(); });
    on({}, EventKind::TrayRightClick, [this] { window.onTrayRightClick(); });
    on("开始按钮", EventKind::LeftPress, [this] { k.s.ui.popupMenu(kMenuStart); });
    on("章节名称提示", EventKind::LeftPress, [this] { k.s.ui.popupMenu(kMenuStart); });
    on("标题栏", EventKind::LeftPress, [this] { window.onTitlePressed(); });
    on("标题栏", EventKind::DoubleClick, [this] { window.onTitleDoubleClicked(); });
    on("最小化按钮1", EventKind::LeftPress, [this] { window.onMinimisePressed(); });
    on("关闭按钮", EventKind::LeftPress, [this] { window.onClosePressed(); });
    for (const ResizeGrip& g : kResizeGrips) {
        ResizeEdge edge = g.edge;
        on(g.control, EventKind::LeftPress, [this, edge] { window.onGripPressed(edge); });
    }
    on("状态条1", EventKind::LeftPress, [this] { statistics.setShown(true); });
    on("开始书写按钮", EventKind::Click, [this] { modes.ToggleWriting(false); });
    on("开始书写按钮", EventKind::RightPress, [this] { modes.ShowWritingMenu(); });
    router.add({kMainWindow, "章节名称", EventKind::KeyPress, [this](const UiEvent& e) {
                    if (e.key != kVkEnter) return;
                    modes.ToggleWriting(false);
                    k.s.editor.focus();
                }});
    router.add({kMainWindow, "拖放对象1", EventKind::FilesDropped,
                [this](const UiEvent& e) { opener.OnFilesDropped(e.files); }});
    router.add({kMainWindow, "拖放对象1", EventKind::TextDropped,
                [this](const UiEvent& e) { opener.OnTextDropped(e.text); }});
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

void KalamoApp::routePasswordWindow() {
    router.add({kPasswordWindow, "信息2", EventKind::Click,
                [this](const UiEvent&) { passwordWindow.OnConfirmClicked(); }});
    router.add({kPasswordWindow, "编辑框1", EventKind::KeyPress,
                [this](const UiEvent& e) { passwordWindow.OnEditKey(e.key); }});
}

void KalamoApp::openNewWindow() {
    k.s.ui.startProcess(k.s.paths.executablePath(), {});
}

void KalamoApp::routeFindReplace() {
    auto on = [this](const char* window, const char* control, EventKind kind,
                     void (FindReplace::*action)()) {
        router.add(
            {window, control, kind, [this, action](const UiEvent&) { (findReplace.*action)(); }});
    };
    on(kFindWindow, "编辑框1", EventKind::TextChanged, &FindReplace::OnFindTextChanged);
    on(kFindWindow, "按钮1", EventKind::Click, &FindReplace::OnFindNextClicked);
    on(kFindWindow, "按钮2", EventKind::Click, &FindReplace::OnFindCancelled);
    on(kFindWindow, "", EventKind::WillBeDestroyed, &FindReplace::OnFindClosing);
    router.add({kFindWindow, "编辑框1", EventKind::KeyPress,
                [this](const UiEvent& e) { findReplace.OnFindKey(e.key); }});
    on(kReplaceWindow, "编辑框1", EventKind::TextChanged, &FindReplace::OnReplaceTextChanged);
    on(kReplaceWindow, "按钮1", EventKind::Click, &FindReplace::OnReplaceFindNextClicked);
    on(kReplaceWindow, "按钮2", EventKind::Click, &FindReplace::OnReplaceClicked);
    on(kReplaceWindow, "按钮3", EventKind::Click, &FindReplace::OnReplaceAllClicked);
    on(kReplaceWindow, "按钮4", EventKind::Click, &FindReplace::OnReplaceCancelled);
}

// Every key that reaches the editor; the window's shortcuts have taken theirs before.
void KalamoApp::routeEditorKeys() {
    router.add({kMainWindow, "编辑框1", EventKind::KeyPress,
                [this](const UiEvent& e) { keyCommands.onEditorKey(e.key, e.modifiers); }});
}

void KalamoApp::routePhraseWindow() {
    router.add({kMainWindow, "快捷键输入", EventKind::Click,
                [this](const UiEvent&) { phraseWindow.Open(); }});
    router.add({kPhraseWindow, "快捷键", EventKind::ListChosen,
                [this](const UiEvent&) { phraseWindow.OnListChosen(); }});
    router.add({kPhraseWindow, "保存设置", EventKind::Click,
                [this](const UiEvent&) { phraseWindow.OnSaveClicked(); }});
}

// Every change of the editor's text, in this order: the counts, the backup, the daily keys.
void KalamoApp::routeTextChanged() {
    router.add({kMainWindow, "编辑框1", EventKind::TextChanged,
                [this](const UiEvent&) { textChanged.onTextChanged(); }});
    router.add({kMainWindow, kPacingTimer, EventKind::TimerTick,
                [this](const UiEvent&) { textChanged.onTick(); }});
}

void KalamoApp::routeStatisticsWindow() {
    router.add({kStatisticsWindow, "", EventKind::GotFocus,
                [this](const UiEvent&) { statistics.handFocusBack(); }});
}

void KalamoApp::routeBackupAndClock() {
    router.add({kMainWindow, "丢稿找回按钮", EventKind::Click,
                [this](const UiEvent&) { backup.OpenBackupFolder(); }});
    router.add({kMainWindow, "自动保存", EventKind::CheckClicked,
                [this](const UiEvent&) { backup.onOptionClicked(); }});
    router.add({kMainWindow, "时钟2", EventKind::TimerTick, [this](const UiEvent&) {
                    writingClock.onTick();
                    lists_.WatchForTransfer();
                }});
}

}  // namespace kalamo
