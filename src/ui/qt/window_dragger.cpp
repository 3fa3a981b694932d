#include "ui/qt/window_dragger.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace kalamo {
namespace {

Qt::Edges EdgesOf(ResizeEdge edge) {
    switch (edge) {
        case ResizeEdge::Left:
            return Qt::LeftEdge;
        case ResizeEdge::Right:
            return Qt::RightEdge;
        case ResizeEdge::Top:
            return Qt::TopEdge;
        case ResizeEdge::TopLeft:
            return Qt::TopEdge | Qt::LeftEdge;
        case ResizeEdge::TopRight:
            return Qt::TopEdge | Qt::RightEdge;
        case ResizeEdge::Bottom:
            return Qt::BottomEdge;
        case ResizeEdge::BottomLeft:
            return Qt::BottomEdge | Qt::LeftEdge;
        case ResizeEdge::BottomRight:
            return Qt::BottomEdge | Qt::RightEdge;
    }
    return {};
}

bool LeftButtonHeld() {
    return QGuiApplication::mouseButtons() & Qt::LeftButton;
}

}  // namespace

WindowDragger::WindowDragger(QWidget& window) : QObject(&window), window_(window) {}

void WindowDragger::beginMove() {
    if (LeftButtonHeld()) arm(Mode::PendingMove, std::nullopt);
}

void WindowDragger::beginResize(ResizeEdge edge) {
    if (!LeftButtonHeld()) return;
    QWindow* handle = window_.windowHandle();
    if (handle && handle->startSystemResize(EdgesOf(edge))) return;
    arm(Mode::Following, edge);
}

void WindowDragger::arm(Mode mode, std::optional<ResizeEdge> edge) {
    if (mode_ == Mode::Idle) qApp->installEventFilter(this);
    mode_ = mode;
    edge_ = edge;
    pressedAt_ = QCursor::pos();
    startPlace_ = window_.geometry();
}

void WindowDragger::stop() {
    if (mode_ != Mode::Idle) qApp->removeEventFilter(this);
    mode_ = Mode::Idle;
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        stop();
    } else if (event->type() == QEvent::MouseMove) {
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (mode_ == Mode::PendingMove &&
            (global - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
            QWindow* handle = window_.windowHandle();
            if (handle && handle->startSystemMove()) {
                stop();
                return false;
            }
            mode_ = Mode::Following;
        }
        if (mode_ == Mode::Following) follow(global);
    }
    return QObject::eventFilter(watched, event);
}

void WindowDragger::follow(const QPoint& global) {
    const QPoint delta = global - pressedAt_;
    if (!edge_) {
        window_.move(startPlace_.topLeft() + delta);
        return;
    }
    const Qt::Edges edges = EdgesOf(*edge_);
    const QSize least = window_.minimumSize();
    QRect place = startPlace_;
    if (edges & Qt::LeftEdge)
        place.setLeft(std::min(place.left() + delta.x(), place.right() - least.width() + 1));
    if (edges & Qt::RightEdge) place.setRight(place.right() + delta.x());
    if (edges & Qt::TopEdge)
        place.setTop(std::min(place.top() + delta.y(), place.bottom() - least.height() + 1));
    if (edges & Qt::BottomEdge) place.setBottom(place.bottom() + delta.y());
    window_.setGeometry(place);
}

}  // namespace kalamo
