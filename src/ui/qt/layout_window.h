#pragma once

#include <QPoint>
#include <QSize>
#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "ui/layouts/window_layout.h"
#include "ui/qt/control_events.h"
#include "ui/qt/event_relay.h"

class QTabWidget;
class QTimer;

namespace kalamo {

class QtEditorView;
class StatusParts;

// A window built from its layout table: every control at its place with its text and
// states, its timers running, its edit boxes seen through editor views. It reports size
// changes, moves, closing and drops to the logic; its controls report through ControlEvents.
class LayoutWindow : public QWidget {
    Q_OBJECT
  public:
    LayoutWindow(const WindowSpec& spec, const EventRelay& relay);
    ~LayoutWindow() override;

    const std::string& name() const { return spec_.name; }
    const WindowSpec& spec() const { return spec_; }
    const ControlSpec* controlSpec(const std::string& control) const;
    QWidget* widget(const std::string& control) const;
    QtEditorView* editorView(const std::string& control) const;
    StatusParts* statusParts() const { return statusParts_.get(); }
    ControlEvents& controlEvents() { return events_; }

    std::string text(const std::string& control) const;
    void setText(const std::string& control, const std::string& gbk);
    bool isControlVisible(const std::string& control) const;
    void setControlVisible(const std::string& control, bool visible);
    bool isControlEnabled(const std::string& control) const;
    void setControlEnabled(const std::string& control, bool enabled);
    Colour pickerColour(const std::string& control) const;
    void setPickerColour(const std::string& control, Colour colour);
    Colour textColour(const std::string& control) const;
    void setTextColour(const std::string& control, Colour colour);
    void setBackColour(const std::string& control, Colour colour);
    // Places are in the parent's coordinates, as the layout gives them.
    Rect place(const std::string& control) const;
    void setPlace(const std::string& control, const Rect& place);
    void selectTabPage(const std::string& tabControl, int page);
    int selectedTabPage(const std::string& tabControl) const;

    int timerPeriod(const std::string& timer) const;
    void setTimerPeriod(const std::string& timer, int milliseconds);

    // Drops anywhere over the window reach the logic as drops on `target`.
    void acceptDrops(const std::string& target);
    // Reports a change of size or place that a hidden widget cannot report itself yet.
    void reportPlace();
    // From a handler of the will-be-destroyed event: the window stays open.
    void cancelClose() { closeCancelled_ = closing_; }

  signals:
    // The window was hidden or closed (not minimised).
    void hidden();

  protected:
    // Runs before the logic hears of a new size.
    virtual void sizeChanged() {}
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void build();
    void giveLabelsBuddies();
    void addControl(const ControlSpec& spec);
    void addTabPage(const ControlSpec& spec);
    void addTimer(const ControlSpec& spec);
    QWidget* parentFor(const ControlSpec& spec);
    QTabWidget* tabControlOf(const ControlSpec& page) const;
    QPoint pageLift(const ControlSpec& control) const;
    void placePageControls(QWidget& page);
    void send(EventKind kind) const;

    const WindowSpec spec_;
    const EventRelay& relay_;
    ControlEvents events_;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, QTimer*> timers_;
    std::map<QWidget*, QPoint> pageLifts_;  // how far a page's controls are lifted
    std::map<std::string, std::unique_ptr<QtEditorView>> editors_;
    std::unique_ptr<StatusParts> statusParts_;
    std::string dropTarget_;
    QSize reportedSize_;
    QPoint reportedPos_;
    bool closing_ = false;
    bool closeCancelled_ = false;
};

}  // namespace kalamo
