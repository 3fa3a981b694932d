#include "ui/qt/control_events.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "ui/qt/colour_picker_button.h"
#include "ui/qt/virtual_key.h"

namespace kalamo {
namespace {

const char* const kControlProperty = "kalamoControl";
const char* const kKindProperty = "kalamoKind";

bool TakesMouse(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::TransparentLabel ||
           kind == ControlKind::PictureBox || kind == ControlKind::StatusBar ||
           kind == ControlKind::Hyperlink || kind == ControlKind::Button;
}

bool TakesKeys(ControlKind kind) {
    return kind == ControlKind::LineEdit || kind == ControlKind::TextEdit;
}

}  // namespace

ControlEvents::ControlEvents(std::string window, const EventRelay& relay, QObject* parent)
    : QObject(parent), window_(std::move(window)), relay_(relay) {}

void ControlEvents::send(const std::string& control, EventKind kind) const {
    relay_.send(UiEvent(window_, control, kind));
}

void ControlEvents::attach(QWidget& widget, const ControlSpec& spec) {
    widget.setProperty(kControlProperty, QByteArray::fromStdString(spec.name));
    widget.setProperty(kKindProperty, static_cast<int>(spec.kind));
    if (TakesMouse(spec.kind) || TakesKeys(spec.kind)) widget.installEventFilter(this);
    connectSignals(widget, spec);
}

void ControlEvents::connectSignals(QWidget& widget, const ControlSpec& spec) {
    const std::string name = spec.name;
    auto sender = [this, name](EventKind kind) { return [this, name, kind] { send(name, kind); }; };
    switch (spec.kind) {
        case ControlKind::Button:
            connect(qobject_cast<QPushButton*>(&widget), &QPushButton::clicked, this,
                    sender(EventKind::Click));
            break;
        case ControlKind::CheckBox:
            connect(qobject_cast<QCheckBox*>(&widget), &QCheckBox::clicked, this,
                    sender(EventKind::CheckClicked));
            break;
        case ControlKind::RadioButton:
            connect(qobject_cast<QRadioButton*>(&widget), &QRadioButton::clicked, this,
                    sender(EventKind::CheckClicked));
            break;
        case ControlKind::DropDownList:
            connect(qobject_cast<QComboBox*>(&widget), &QComboBox::activated, this,
                    sender(EventKind::ListChosen));
            break;
        case ControlKind::ListRows:
            connect(qobject_cast<QListWidget*>(&widget), &QListWidget::itemClicked, this,
                    sender(EventKind::ListChosen));
            break;
        case ControlKind::ColourPicker:
            connect(qobject_cast<ColourPickerButton*>(&widget), &ColourPickerButton::colourChosen,
                    this, sender(EventKind::ColourChanged));
            break;
        case ControlKind::LineEdit:
            connect(qobject_cast<QLineEdit*>(&widget), &QLineEdit::textChanged, this,
                    sender(EventKind::TextChanged));
            break;
        default:
            break;
    }
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event) {
    const std::string control = watched->property(kControlProperty).toByteArray().toStdString();
    const auto kind = static_cast<ControlKind>(watched->property(kKindProperty).toInt());
    if (TakesKeys(kind)) return filterKeys(control, *event);
    return filterMouse(control, kind, *event);
}

// Presses on labels and pictures are the logic's alone; a button keeps its left press to
// click, and hands only its right press over.
bool ControlEvents::filterMouse(const std::string& control, ControlKind kind, QEvent& event) const {
    const bool press = event.type() == QEvent::MouseButtonPress;
    const bool twice = event.type() == QEvent::MouseButtonDblClick;
    if (!press && !twice) return false;
    const Qt::MouseButton button = static_cast<QMouseEvent&>(event).button();
    if (kind == ControlKind::Button) {
        if (button != Qt::RightButton) return false;
        if (press) send(control, EventKind::RightPress);
        return true;
    }
    if (button == Qt::LeftButton) {
        const bool link = kind == ControlKind::Hyperlink;
        send(control, twice  ? EventKind::DoubleClick
                      : link ? EventKind::Click
                             : EventKind::LeftPress);
        return true;
    }
    if (button == Qt::RightButton && press) {
        send(control, EventKind::RightPress);
        return true;
    }
    return false;
}

// Key presses go to the logic and then on to the box: the logic never consumes a key.
bool ControlEvents::filterKeys(const std::string& control, QEvent& event) const {
    if (event.type() == QEvent::ShortcutOverride) {
        auto& key = static_cast<QKeyEvent&>(event);
        if (shortcutTest_ && shortcutTest_(key)) {
            key.ignore();
            return true;
        }
        return false;
    }
    if (event.type() == QEvent::KeyPress) {
        auto& key = static_cast<QKeyEvent&>(event);
        UiEvent e(window_, control, EventKind::KeyPress);
        e.key = VirtualKeyOf(key);
        e.modifiers = ModifierSumOf(key.modifiers());
        relay_.send(e);
    } else if (event.type() == QEvent::InputMethod) {
        // Text composed by an input method arrives without key presses of its own.
        if (!static_cast<QInputMethodEvent&>(event).commitString().isEmpty()) {
            UiEvent e(window_, control, EventKind::KeyPress);
            e.key = kVirtualKeyProcessKey;
            relay_.send(e);
        }
    }
    return false;
}

}  // namespace kalamo
