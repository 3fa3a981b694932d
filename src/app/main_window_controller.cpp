#include "app/main_window_controller.h"

#include "app/later_parts.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {

const GripEdge kGripEdges[8] = {
    {"左上调节器", ResizeEdge::TopLeft},  {"上调节器", ResizeEdge::Top},
    {"右上调节器", ResizeEdge::TopRight}, {"左侧调节器", ResizeEdge::Left},
    {"右调节器", ResizeEdge::Right},      {"左下调节器", ResizeEdge::BottomLeft},
    {"下调节器", ResizeEdge::Bottom},     {"右下调节器", ResizeEdge::BottomRight},
};

namespace {
constexpr int kMinimumSide = 400;
constexpr const char* kStatisticsWindow = "字数统计";
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
    setWidth("标题栏", w - 88);
    ui.setStatusWidth(2, w - 360);
    settings.writeSetting("软件设置", "高度", std::to_string(h));
    settings.writeSetting("软件设置", "宽度", std::to_string(w));

    Rect panel = ui.geometry("关于");
    panel.x = (w - panel.width) / 2;  // C++ division cuts toward zero, as wanted
    panel.y = (h - panel.height) / 2;
    ui.setGeometry("关于", panel);

    setWidth("背景", w);
    setLeft("关闭按钮", w - 25);
    setLeft("最小化按钮1", w - 49);

    bool barHidden = settings.readSetting("软件设置", "状态栏") == "隐藏";
    Rect editor = k_.s.editor.geometry();
    editor.x = 2;
    editor.height = barHidden ? h - 65 : h - 85;
    editor.width = w - 4;
    k_.s.editor.setGeometry(editor);

    setWidth("上调节器", w);
    setHeight("左侧调节器", h);
    setTop("左下调节器", h - 8);
    setWidth("下调节器", w);
    setTop("下调节器", h - 5);
    setTop("右下调节器", h - 8);
    setLeft("右下调节器", w - 8);
    setLeft("右调节器", w - 5);
    setHeight("右调节器", h);
    setLeft("右上调节器", w - 8);

    setWidth("章节名称", w - 255);
    Rect title = ui.geometry("章节名称");
    setLeft("开始书写按钮", title.x + title.width + 3);
    Rect start = ui.geometry("开始书写按钮");
    setLeft("录音按钮", start.x + start.width + 3);

    if (k_.pictureBackgroundOn) k_.s.later.applyEditorBackground();
}

void MainWindowController::setLeft(const char* control, int left) {
    Rect r = k_.s.ui.geometry(control);
    r.x = left;
    k_.s.ui.setGeometry(control, r);
}

void MainWindowController::setTop(const char* control, int top) {
    Rect r = k_.s.ui.geometry(control);
    r.y = top;
    k_.s.ui.setGeometry(control, r);
}

void MainWindowController::setWidth(const char* control, int width) {
    Rect r = k_.s.ui.geometry(control);
    r.width = width;
    k_.s.ui.setGeometry(control, r);
}

void MainWindowController::setHeight(const char* control, int height) {
    Rect r = k_.s.ui.geometry(control);
    r.height = height;
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
