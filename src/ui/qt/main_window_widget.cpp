#include "ui/qt/main_window_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <utility>

#include "base/gbk.h"
#include "ui/qt/qt_editor_view.h"

namespace kalamo {
namespace {

// Height of the status bar docked at the bottom: the editor ends 21 pixels above the
// window's bottom edge while the bar is shown.
constexpr int kStatusBarHeight = 21;

const std::pair<const char*, Qt::CursorShape> kGrips[] = {
    {"左上调节器", Qt::SizeFDiagCursor}, {"上调节器", Qt::SizeVerCursor},
    {"右上调节器", Qt::SizeBDiagCursor}, {"左侧调节器", Qt::SizeHorCursor},
    {"右调节器", Qt::SizeHorCursor},     {"左下调节器", Qt::SizeBDiagCursor},
    {"下调节器", Qt::SizeVerCursor},     {"右下调节器", Qt::SizeFDiagCursor},
};

QPixmap RecordPicture() {
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 2));
    painter.setBrush(QColor(220, 40, 40));
    painter.drawEllipse(QRectF(4, 4, 16, 16));
    return picture;
}

}  // namespace

MainWindowWidget::MainWindowWidget(const EventRelay& relay)
    : LayoutWindow(MainWindowLayout(), relay) {
    setWindowFlag(Qt::FramelessWindowHint);
    setMinimumSize(400, 400);
    setAutoFillBackground(true);
    setWindowIcon(QIcon(QStringLiteral(":/kalamo/kalamo.png")));
    setUpGrips();
    setUpPictures();
    // The hotkey receiver is no part of the face of the window.
    if (QWidget* receiver = widget(HotkeyReceiverName())) receiver->lower();
    setUpStatusBar();
}

std::string MainWindowWidget::EditorName() {
    return Utf8ToGbk("编辑框1");
}
std::string MainWindowWidget::StatusBarName() {
    return Utf8ToGbk("状态条1");
}
std::string MainWindowWidget::HotkeyReceiverName() {
    return Utf8ToGbk("标签1");
}
std::string MainWindowWidget::DropTargetName() {
    return Utf8ToGbk("拖放对象1");
}
std::string MainWindowWidget::MenuPainterName() {
    return Utf8ToGbk("超级菜单1");
}

QtEditorView& MainWindowWidget::editor() const {
    return *editorView(EditorName());
}

void MainWindowWidget::setUpGrips() {
    for (const auto& [name, shape] : kGrips) {
        if (QWidget* grip = widget(Utf8ToGbk(name))) grip->setCursor(shape);
    }
}

void MainWindowWidget::setUpPictures() {
    if (auto* start = qobject_cast<QLabel*>(widget(Utf8ToGbk("开始按钮")))) {
        start->setPixmap(QPixmap(QStringLiteral(":/kalamo/kalamo.png"))
                             .scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        start->setCursor(Qt::PointingHandCursor);
    }
    if (auto* record = qobject_cast<QLabel*>(widget(Utf8ToGbk("录音按钮")))) {
        record->setPixmap(RecordPicture());
        record->setCursor(Qt::PointingHandCursor);
    }
}

// Like a status bar of the system it keeps the system's colours, whatever the window's
// background, and keeps to the bottom edge at the full width.
void MainWindowWidget::setUpStatusBar() {
    QWidget* bar = widget(StatusBarName());
    if (!bar) return;
    const QPalette system = QApplication::palette(bar);
    QPalette palette = bar->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText})
        palette.setColor(role, system.color(role));
    bar->setPalette(palette);
    bar->setAutoFillBackground(true);
    dockStatusBar();
}

void MainWindowWidget::dockStatusBar() {
    if (QWidget* bar = widget(StatusBarName()))
        bar->setGeometry(0, height() - kStatusBarHeight, width(), kStatusBarHeight);
}

void MainWindowWidget::closeEvent(QCloseEvent* event) {
    LayoutWindow::closeEvent(event);
    // The tool windows would keep the program running; the main window's end is its end.
    if (event->isAccepted()) QCoreApplication::quit();
}

}  // namespace kalamo
