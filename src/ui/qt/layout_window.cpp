#include "ui/qt/layout_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <climits>

#include "ui/qt/colour_picker_button.h"
#include "ui/qt/control_factory.h"
#include "ui/qt/control_properties.h"
#include "ui/qt/qt_editor_view.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/status_parts.h"

namespace kalamo {

LayoutWindow::LayoutWindow(const WindowSpec& spec, const EventRelay& relay)
    : spec_(spec), relay_(relay), events_(spec.name, relay, this) {
    setWindowTitle(QStringFromGbk(spec_.caption));
    setGeometry(spec_.place.x, spec_.place.y, spec_.place.width, spec_.place.height);
    build();
    reportedSize_ = size();
    reportedPos_ = pos();
}

LayoutWindow::~LayoutWindow() = default;

void LayoutWindow::build() {
    for (const ControlSpec& control : spec_.controls) {
        switch (control.kind) {
            case ControlKind::TabPage:
                addTabPage(control);
                break;
            case ControlKind::Timer:
                addTimer(control);
                break;
            case ControlKind::NonVisual:
                break;
            default:
                addControl(control);
                break;
        }
    }
    giveLabelsBuddies();
}

// A label's "&" marks its key, as on Windows: Alt and the key put the focus into the control
// that follows the label in the layout, and the label shows the key underlined.
void LayoutWindow::giveLabelsBuddies() {
    const std::vector<ControlSpec>& controls = spec_.controls;
    for (std::size_t i = 0; i + 1 < controls.size(); ++i) {
        if (controls[i].kind != ControlKind::Label) continue;
        if (controls[i].text.find('&') == std::string::npos) continue;
        if (auto* label = qobject_cast<QLabel*>(widget(controls[i].name)))
            label->setBuddy(widget(controls[i + 1].name));
    }
}

QWidget* LayoutWindow::parentFor(const ControlSpec& spec) {
    QWidget* parent = widget(spec.parent);
    return parent ? parent : this;
}

void LayoutWindow::addControl(const ControlSpec& spec) {
    QWidget* w = CreateControl(spec, parentFor(spec));
    if (!w) return;
    widgets_[spec.name] = w;
    events_.attach(*w, spec);
    if (spec.kind == ControlKind::TextEdit) {
        auto* edit = qobject_cast<QPlainTextEdit*>(w);
        const std::string name = spec.name;
        auto view = std::make_unique<QtEditorView>(
            *edit, [this, name] { events_.send(name, EventKind::TextChanged); });
        view->setText(spec.text);
        editors_[spec.name] = std::move(view);
    }
    if (spec.kind == ControlKind::StatusBar && !statusParts_)
        statusParts_ =
            std::make_unique<StatusParts>(*qobject_cast<QStatusBar*>(w), spec_.statusParts);
}

void LayoutWindow::addTabPage(const ControlSpec& spec) {
    QTabWidget* tabs = tabControlOf(spec);
    if (!tabs) return;
    auto* page = new QWidget(tabs);
    tabs->addTab(page, QStringFromGbk(spec.text));
    widgets_[spec.name] = page;
    events_.attach(*page, spec);
    pageLifts_[page] = QPoint();
    page->installEventFilter(this);
    if (!spec.visible) tabs->setTabVisible(tabs->indexOf(page), false);
}

void LayoutWindow::addTimer(const ControlSpec& spec) {
    auto* timer = new QTimer(this);
    const std::string name = spec.name;
    connect(timer, &QTimer::timeout, this,
            [this, name] { events_.send(name, EventKind::TimerTick); });
    timers_[spec.name] = timer;
    if (spec.period > 0) timer->start(spec.period);
}

QTabWidget* LayoutWindow::tabControlOf(const ControlSpec& page) const {
    return qobject_cast<QTabWidget*>(widget(page.parent));
}

const ControlSpec* LayoutWindow::controlSpec(const std::string& control) const {
    return FindControl(spec_, control);
}

QWidget* LayoutWindow::widget(const std::string& control) const {
    auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second;
}

QtEditorView* LayoutWindow::editorView(const std::string& control) const {
    auto it = editors_.find(control);
    return it == editors_.end() ? nullptr : it->second.get();
}

std::string LayoutWindow::text(const std::string& control) const {
    if (QtEditorView* view = editorView(control)) return view->text();
    const ControlSpec* spec = controlSpec(control);
    QWidget* w = widget(control);
    if (!spec || !w) return {};
    if (spec->kind == ControlKind::TabPage) {
        QTabWidget* tabs = tabControlOf(*spec);
        return GbkFromQString(tabs->tabText(tabs->indexOf(w)));
    }
    return ControlText(*w, spec->kind);
}

void LayoutWindow::setText(const std::string& control, const std::string& gbk) {
    if (QtEditorView* view = editorView(control)) return view->setText(gbk);
    const ControlSpec* spec = controlSpec(control);
    QWidget* w = widget(control);
    if (!spec || !w) return;
    if (spec->kind == ControlKind::TabPage) {
        QTabWidget* tabs = tabControlOf(*spec);
        tabs->setTabText(tabs->indexOf(w), QStringFromGbk(gbk));
        return;
    }
    SetControlText(*w, spec->kind, gbk);
}

// A control's own visibility, whether or not its window or group is shown.
bool LayoutWindow::isControlVisible(const std::string& control) const {
    const ControlSpec* spec = controlSpec(control);
    QWidget* w = widget(control);
    if (!spec || !w) return false;
    if (spec->kind == ControlKind::TabPage) {
        QTabWidget* tabs = tabControlOf(*spec);
        return tabs->isTabVisible(tabs->indexOf(w));
    }
    return !w->isHidden();
}

void LayoutWindow::setControlVisible(const std::string& control, bool visible) {
    const ControlSpec* spec = controlSpec(control);
    QWidget* w = widget(control);
    if (!spec || !w) return;
    if (spec->kind == ControlKind::TabPage) {
        tabControlOf(*spec)->setTabVisible(tabControlOf(*spec)->indexOf(w), visible);
        return;
    }
    w->setVisible(visible);
}

bool LayoutWindow::isControlEnabled(const std::string& control) const {
    QWidget* w = widget(control);
    return w && w->isEnabledTo(w->parentWidget());
}

void LayoutWindow::setControlEnabled(const std::string& control, bool enabled) {
    if (QWidget* w = widget(control)) w->setEnabled(enabled);
}

Colour LayoutWindow::pickerColour(const std::string& control) const {
    auto* picker = qobject_cast<ColourPickerButton*>(widget(control));
    return picker ? ColourOf(picker->colour()) : 0;
}

void LayoutWindow::setPickerColour(const std::string& control, Colour colour) {
    if (auto* picker = qobject_cast<ColourPickerButton*>(widget(control)))
        picker->setColour(QColorOf(colour));
}

Colour LayoutWindow::textColour(const std::string& control) const {
    if (QtEditorView* view = editorView(control)) return view->textColour();
    const ControlSpec* spec = controlSpec(control);
    QWidget* w = widget(control);
    return spec && w ? ControlTextColour(*w, spec->kind) : 0;
}

void LayoutWindow::setTextColour(const std::string& control, Colour colour) {
    if (QtEditorView* view = editorView(control)) return view->setTextColour(colour);
    const ControlSpec* spec = controlSpec(control);
    if (QWidget* w = widget(control); spec && w) SetControlTextColour(*w, spec->kind, colour);
}

void LayoutWindow::setBackColour(const std::string& control, Colour colour) {
    if (QtEditorView* view = editorView(control)) return view->setBackColour(colour);
    const ControlSpec* spec = controlSpec(control);
    if (QWidget* w = widget(control); spec && w) SetControlBackColour(*w, spec->kind, colour);
}

QPoint LayoutWindow::pageLift(const ControlSpec& control) const {
    auto it = pageLifts_.find(widget(control.parent));
    return it == pageLifts_.end() ? QPoint() : it->second;
}

Rect LayoutWindow::place(const std::string& control) const {
    const ControlSpec* spec = controlSpec(control);
    QWidget* w = widget(control);
    if (!spec || !w) return {};
    const QRect r = w->geometry().translated(pageLift(*spec));
    return {r.x(), r.y(), r.width(), r.height()};
}

void LayoutWindow::setPlace(const std::string& control, const Rect& place) {
    const ControlSpec* spec = controlSpec(control);
    QWidget* w = widget(control);
    if (!spec || !w) return;
    w->setGeometry(QRect(place.x, place.y, place.width, place.height).translated(-pageLift(*spec)));
}

// The layouts count a page's places from the page's corner, but the tabs here may be taller
// than those the layouts were drawn with; a page whose controls would reach below its bottom
// has them lifted just enough, never above its top.
void LayoutWindow::placePageControls(QWidget& page) {
    QPoint& lift = pageLifts_[&page];
    int top = INT_MAX;
    int bottom = 0;
    for (QObject* child : page.children()) {
        if (auto* w = qobject_cast<QWidget*>(child)) {
            top = std::min(top, w->y() + lift.y());
            bottom = std::max(bottom, w->geometry().bottom() + 1 + lift.y());
        }
    }
    if (top == INT_MAX) return;
    const QPoint wanted(0, std::clamp(bottom - page.height(), 0, std::max(0, top)));
    if (wanted == lift) return;
    const QPoint shift = lift - wanted;
    lift = wanted;
    for (QObject* child : page.children()) {
        if (auto* w = qobject_cast<QWidget*>(child)) w->move(w->pos() + shift);
    }
}

bool LayoutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (auto* page = qobject_cast<QWidget*>(watched); page && pageLifts_.count(page))
            placePageControls(*page);
    }
    return QWidget::eventFilter(watched, event);
}

// A hidden page cannot be selected.
void LayoutWindow::selectTabPage(const std::string& tabControl, int page) {
    auto* tabs = qobject_cast<QTabWidget*>(widget(tabControl));
    if (tabs && page >= 0 && page < tabs->count() && tabs->isTabVisible(page))
        tabs->setCurrentIndex(page);
}

int LayoutWindow::selectedTabPage(const std::string& tabControl) const {
    auto* tabs = qobject_cast<QTabWidget*>(widget(tabControl));
    return tabs ? tabs->currentIndex() : -1;
}

int LayoutWindow::timerPeriod(const std::string& timer) const {
    auto it = timers_.find(timer);
    return it != timers_.end() && it->second->isActive() ? it->second->interval() : 0;
}

void LayoutWindow::setTimerPeriod(const std::string& timer, int milliseconds) {
    auto it = timers_.find(timer);
    if (it == timers_.end()) return;
    if (milliseconds > 0)
        it->second->start(milliseconds);
    else
        it->second->stop();
}

void LayoutWindow::acceptDrops(const std::string& target) {
    dropTarget_ = target;
    setAcceptDrops(true);
    // Edit boxes would take dropped text for themselves; the window's target gets it instead.
    for (const auto& [name, w] : widgets_) {
        w->setAcceptDrops(false);
        if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) edit->viewport()->setAcceptDrops(false);
    }
}

void LayoutWindow::send(EventKind kind) const {
    relay_.send(UiEvent(spec_.name, {}, kind));
}

void LayoutWindow::reportPlace() {
    if (size() != reportedSize_) {
        reportedSize_ = size();
        sizeChanged();
        send(EventKind::SizeChanged);
    }
    if (pos() != reportedPos_) {
        reportedPos_ = pos();
        send(EventKind::Moved);
    }
}

void LayoutWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    reportPlace();
}

void LayoutWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    reportPlace();
}

void LayoutWindow::closeEvent(QCloseEvent* event) {
    if (closing_) return event->accept();
    closing_ = true;
    closeCancelled_ = false;
    send(EventKind::WillBeDestroyed);
    closing_ = false;
    if (closeCancelled_) return event->ignore();
    event->accept();
}

void LayoutWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (isHidden()) emit hidden();
}

void LayoutWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    if (!dropTarget_.empty() && (data->hasUrls() || data->hasText())) event->acceptProposedAction();
}

void LayoutWindow::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    UiEvent e(spec_.name, dropTarget_, EventKind::FilesDropped);
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) e.files.push_back(NativeFromQString(url.toLocalFile()));
    if (e.files.empty()) {
        if (!data->hasText()) return;
        e.kind = EventKind::TextDropped;
        e.text = GbkLinesFromQString(data->text());
    }
    event->acceptProposedAction();
    relay_.send(e);
}

}  // namespace kalamo
