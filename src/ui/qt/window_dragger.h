#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <optional>

#include "ui/ui_types.h"

class QWidget;

namespace kalamo {

// Moves or resizes a window while the left button is held, as a press on a title bar or a
// frame edge would. The window manager does the work where it can; without one (a bare X
// server) the window follows the mouse here. A move starts only once the mouse has moved,
// so that a double click on the title bar still arrives as one.
class WindowDragger : public QObject {
    Q_OBJECT
  public:
    explicit WindowDragger(QWidget& window);

    void beginMove();
    void beginResize(ResizeEdge edge);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Mode { Idle, PendingMove, Following };

    void arm(Mode mode, std::optional<ResizeEdge> edge);
    void stop();
    void follow(const QPoint& global);

    QWidget& window_;
    Mode mode_ = Mode::Idle;
    std::optional<ResizeEdge> edge_;  // none: a move
    QPoint pressedAt_;
    QRect startPlace_;
};

}  // namespace kalamo
