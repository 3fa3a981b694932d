#include "window/main_window_controller.h"

#include "ui/layouts/window_layout.h"

namespace kalamo {

namespace {
constexpr int kMinimumSide = 400;
}  // namespace

void MainWindowController::onSizeChanged() {
    if (laying_) return;  // the minimum raise below comes back as another size change
    laying_ = true;
    UiFacade& ui = k_.s.ui;
    Size size = ui.windowSize(kMainWindow);
    if (size.width <= kMinimumSide) size.width = kMinimumSide;
    if (size.height <= kMinimumSide) size.height = kMinimumSide;
    if (size != ui.windowSize(kMainWindow)) ui.resizeWindow(kMainWindow, size);
    placeControls(size.width, size.height);
    laying_ = false;
}

void MainWindowController::placeControls(int w, int h) {
    UiFacade& ui = k_.s.ui;
    SettingsStore& settings = k_.s.settings;
    adjust("标题栏", &Rect::width, w - 88);
    ui.setStatusWidth(2, w - 360);
    // The stored size is the restored window's: a maximised one would come back next time
    // as a normal window of the screen's size.
    if (ui.windowState(kMainWindow) == WindowState::Normal) {
        settings.writeSetting("软件设置", "高度", std::to_string(h));
        settings.writeSetting("软件设置", "宽度", std::to_string(w));
    }

    Rect panel = ui.geometry("关于");
    panel.x = (w - panel.width) / 2;  // C++ division cuts toward zero, as wanted
    panel.y = (h - panel.height) / 2;
    ui.setGeometry("关于", panel);

    adjust("背景", &Rect::width, w);
    adjust("关闭按钮", &Rect::x, w - 25);
    adjust("最小化按钮1", &Rect::x, w - 49);

    bool barHidden = settings.readSetting("软件设置", "状态栏") == "隐藏";
    Rect editor = k_.s.editor.geometry();
    editor.x = 2;
    editor.height = barHidden ? h - 65 : h - 85;
    editor.width = w - 4;
    k_.s.editor.setGeometry(editor);

    adjust("上调节器", &Rect::width, w);
    adjust("左侧调节器", &Rect::height, h);
    adjust("左下调节器", &Rect::y, h - 8);
    adjust("下调节器", &Rect::width, w);
    adjust("下调节器", &Rect::y, h - 5);
    adjust("右下调节器", &Rect::y, h - 8);
    adjust("右下调节器", &Rect::x, w - 8);
    adjust("右调节器", &Rect::x, w - 5);
    adjust("右调节器", &Rect::height, h);
    adjust("右上调节器", &Rect::x, w - 8);

    adjust("章节名称", &Rect::width, w - 255);
    Rect title = ui.geometry("章节名称");
    adjust("开始书写按钮", &Rect::x, title.x + title.width + 3);
    Rect start = ui.geometry("开始书写按钮");
    adjust("录音按钮", &Rect::x, start.x + start.width + 3);

    if (k_.pictureBackgroundOn) appearance_.ApplyEditorBackground();
}

void MainWindowController::adjust(const char* control, int Rect::*field, int value) {
    Rect r = k_.s.ui.geometry(control);
    r.*field = value;
    k_.s.ui.setGeometry(control, r);
}

void MainWindowController::onMoved() {
    UiFacade& ui = k_.s.ui;
    Rect main = ui.windowGeometry(kMainWindow);
    Rect stats = ui.windowGeometry(kStatisticsWindow);
    ui.moveWindow(kStatisticsWindow, main.x + main.width, main.y + main.height - stats.height);
}

void MainWindowController::onTitlePressed() {
    k_.s.ui.beginSystemMove(kMainWindow);
}

void MainWindowController::onTitleDoubleClicked() {
    UiFacade& ui = k_.s.ui;
    bool maximised = ui.windowState(kMainWindow) == WindowState::Maximised;
    ui.setWindowState(kMainWindow, maximised ? WindowState::Normal : WindowState::Maximised);
}

void MainWindowController::onMinimisePressed() {
    k_.s.ui.setWindowState(kMainWindow, WindowState::Minimised);
}

void MainWindowController::onClosePressed() {
    k_.s.ui.closeWindow(kMainWindow);
}

void MainWindowController::onGripPressed(ResizeEdge edge) {
    k_.s.ui.beginSystemResize(kMainWindow, edge);
}

void MainWindowController::onTrayLeftClick() {
    UiFacade& ui = k_.s.ui;
    ui.showWindow(kMainWindow);
    ui.setWindowState(kMainWindow, WindowState::Normal);
    // Raising through always-on-top; the option's tick is left as it is.
    ui.setAlwaysOnTop(kMainWindow, true);
    ui.setAlwaysOnTop(kMainWindow, false);
}

void MainWindowController::onTrayRightClick() {
    k_.s.ui.popupMenu(kMenuStart);
}

}  // namespace kalamo
