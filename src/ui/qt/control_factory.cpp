#include "ui/qt/control_factory.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>

#include "ui/qt/colour_picker_button.h"
#include "ui/qt/fitting_label.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/wrapping_check_box.h"

namespace kalamo {
namespace {

QLabel* MakeLabel(const ControlSpec& spec, QWidget* parent, bool opaque) {
    auto* label = new FittingLabel(QStringFromGbkLines(spec.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(spec.text.find('\n') != std::string::npos);
    label->setAutoFillBackground(opaque);
    return label;
}

QLabel* MakePicture(QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

QLabel* MakeHyperlink(const ControlSpec& spec, QWidget* parent) {
    QLabel* link = MakeLabel(spec, parent, false);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    link->setPalette(palette);
    link->setCursor(Qt::PointingHandCursor);
    return link;
}

QComboBox* MakeList(const ControlSpec& spec, QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (const std::string& entry : spec.entries) list->addItem(QStringFromGbk(entry));
    list->setMaxVisibleItems(12);
    return list;
}

QWidget* MakeWidget(const ControlSpec& spec, QWidget* parent) {
    const QString text = QStringFromGbkLines(spec.text);
    switch (spec.kind) {
        case ControlKind::Label:
            return MakeLabel(spec, parent, true);
        case ControlKind::TransparentLabel:
            return MakeLabel(spec, parent, false);
        case ControlKind::PictureBox:
            return MakePicture(parent);
        case ControlKind::LineEdit:
            return new QLineEdit(text, parent);
        case ControlKind::TextEdit:
            return new QPlainTextEdit(parent);  // its view sets the text
        case ControlKind::Button:
            return new QPushButton(text, parent);
        case ControlKind::CheckBox: {
            auto* box = new WrappingCheckBox(text, parent);
            box->setChecked(spec.checked);
            return box;
        }
        case ControlKind::RadioButton: {
            auto* button = new QRadioButton(text, parent);
            button->setChecked(spec.checked);
            return button;
        }
        case ControlKind::DropDownList:
            return MakeList(spec, parent);
        case ControlKind::ColourPicker:
            return new ColourPickerButton(parent);
        case ControlKind::GroupBox:
            return new QGroupBox(text, parent);
        case ControlKind::TabControl:
            return new QTabWidget(parent);
        case ControlKind::StatusBar:
            return new QStatusBar(parent);
        case ControlKind::Hyperlink:
            return MakeHyperlink(spec, parent);
        case ControlKind::ListRows:
            return new QListWidget(parent);
        case ControlKind::TabPage:
        case ControlKind::Timer:
        case ControlKind::NonVisual:
            return nullptr;
    }
    return nullptr;
}

}  // namespace

QWidget* CreateControl(const ControlSpec& spec, QWidget* parent) {
    QWidget* widget = MakeWidget(spec, parent);
    if (!widget) return nullptr;
    const Rect& p = spec.place;
    widget->setGeometry(p.x, p.y, p.width, p.height);
    if (!spec.toolTip.empty()) widget->setToolTip(QStringFromGbk(spec.toolTip));
    if (!spec.visible) widget->hide();
    if (!spec.enabled) widget->setEnabled(false);
    return widget;
}

}  // namespace kalamo
