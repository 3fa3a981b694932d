#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "ui/layouts/window_layout.h"
#include "ui/qt/event_relay.h"

class QKeyEvent;

namespace kalamo {

// Turns what the user does to the controls of one window into events for the logic:
// clicks, mouse presses, double clicks, key presses, ticks of check boxes, list choices.
class ControlEvents : public QObject {
    Q_OBJECT
  public:
    ControlEvents(std::string window, const EventRelay& relay, QObject* parent);

    void attach(QWidget& widget, const ControlSpec& spec);
    // Keys that a window shortcut takes; a text box must not claim them for itself.
    void setShortcutTest(std::function<bool(const QKeyEvent&)> test) {
        shortcutTest_ = std::move(test);
    }
    void send(const std::string& control, EventKind kind) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectSignals(QWidget& widget, const ControlSpec& spec);
    bool filterMouse(const std::string& control, ControlKind kind, QEvent& event) const;
    bool filterKeys(const std::string& control, QEvent& event) const;

    std::string window_;
    const EventRelay& relay_;
    std::function<bool(const QKeyEvent&)> shortcutTest_;
};

}  // namespace kalamo
