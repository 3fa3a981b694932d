#include "ui/qt/control_properties.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <vector>

#include "ui/qt/colour_picker_button.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/wrapping_check_box.h"

namespace kalamo {
namespace {

QString ListRowsText(const QListWidget& list) {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i) rows << list.item(i)->text();
    return rows.join(QLatin1Char('\n'));
}

void SetListRowsText(QListWidget& list, const QString& text) {
    list.clear();
    if (!text.isEmpty()) list.addItems(text.split(QLatin1Char('\n')));
}

template <typename W>
W* As(QWidget& widget) {
    return qobject_cast<W*>(&widget);
}

template <typename W>
const W* As(const QWidget& widget) {
    return qobject_cast<const W*>(&widget);
}

}  // namespace

std::string ControlText(const QWidget& widget, ControlKind kind) {
    QString text;
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::TransparentLabel:
        case ControlKind::Hyperlink:
            text = As<QLabel>(widget)->text();
            break;
        case ControlKind::LineEdit:
            text = As<QLineEdit>(widget)->text();
            break;
        case ControlKind::TextEdit:
            text = As<QPlainTextEdit>(widget)->toPlainText();
            break;
        case ControlKind::Button:
            text = As<QPushButton>(widget)->text();
            break;
        case ControlKind::CheckBox:
            text = As<WrappingCheckBox>(widget)->caption();
            break;
        case ControlKind::RadioButton:
            text = As<QRadioButton>(widget)->text();
            break;
        case ControlKind::DropDownList:
            text = As<QComboBox>(widget)->currentText();
            break;
        case ControlKind::GroupBox:
            text = As<QGroupBox>(widget)->title();
            break;
        case ControlKind::ListRows:
            text = ListRowsText(*As<QListWidget>(widget));
            break;
        default:
            break;
    }
    return GbkLinesFromQString(text);
}

void SetControlText(QWidget& widget, ControlKind kind, const std::string& gbk) {
    const QString text = QStringFromGbkLines(gbk);
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::TransparentLabel:
        case ControlKind::Hyperlink:
            As<QLabel>(widget)->setText(text);
            break;
        case ControlKind::LineEdit:
            As<QLineEdit>(widget)->setText(text);
            break;
        case ControlKind::TextEdit:
            As<QPlainTextEdit>(widget)->setPlainText(text);
            break;
        case ControlKind::Button:
            As<QPushButton>(widget)->setText(text);
            break;
        case ControlKind::CheckBox:
            As<WrappingCheckBox>(widget)->setCaption(text);
            break;
        case ControlKind::RadioButton:
            As<QRadioButton>(widget)->setText(text);
            break;
        case ControlKind::DropDownList: {
            auto* list = As<QComboBox>(widget);
            const int index = list->findText(text);
            if (index >= 0) list->setCurrentIndex(index);
            break;
        }
        case ControlKind::GroupBox:
            As<QGroupBox>(widget)->setTitle(text);
            break;
        case ControlKind::ListRows:
            SetListRowsText(*As<QListWidget>(widget), text);
            break;
        default:
            break;
    }
}

namespace {

bool IsCheckable(ControlKind kind) {
    return kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

}  // namespace

bool ControlChecked(const QWidget& widget, ControlKind kind) {
    return IsCheckable(kind) && As<QAbstractButton>(widget)->isChecked();
}

// Qt keeps the checked radio button of a group checked until another one is checked.
void SetControlChecked(QWidget& widget, ControlKind kind, bool checked) {
    if (IsCheckable(kind)) As<QAbstractButton>(widget)->setChecked(checked);
}

int ControlListIndex(const QWidget& widget, ControlKind kind) {
    switch (kind) {
        case ControlKind::DropDownList:
            return As<QComboBox>(widget)->currentIndex();
        case ControlKind::ListRows:
            return As<QListWidget>(widget)->currentRow();
        case ControlKind::TabControl:
            return As<QTabWidget>(widget)->currentIndex();
        default:
            return -1;
    }
}

void SetControlListIndex(QWidget& widget, ControlKind kind, int index) {
    switch (kind) {
        case ControlKind::DropDownList: {
            auto* list = As<QComboBox>(widget);
            list->setCurrentIndex(index < list->count() ? index : -1);
            break;
        }
        case ControlKind::ListRows:
            As<QListWidget>(widget)->setCurrentRow(index);
            break;
        default:
            break;
    }
}

namespace {

// A group or a tab control passes its colours on to what it holds; the boxes inside keep
// their own faces so that edit boxes, lists and check marks stay readable.
bool IsContainer(ControlKind kind) {
    return kind == ControlKind::GroupBox || kind == ControlKind::TabControl ||
           kind == ControlKind::TabPage;
}

}  // namespace

Colour ControlTextColour(const QWidget& widget, ControlKind kind) {
    QPalette::ColorRole role = QPalette::WindowText;
    if (kind == ControlKind::LineEdit || kind == ControlKind::DropDownList ||
        kind == ControlKind::ListRows)
        role = QPalette::Text;
    else if (kind == ControlKind::Button)
        role = QPalette::ButtonText;
    return ColourOf(widget.palette().color(QPalette::Active, role));
}

void SetControlTextColour(QWidget& widget, ControlKind kind, Colour colour) {
    QPalette palette = widget.palette();
    std::vector<QPalette::ColorRole> roles{QPalette::WindowText};
    if (!IsContainer(kind)) roles.insert(roles.end(), {QPalette::Text, QPalette::ButtonText});
    for (QPalette::ColorRole role : roles) {
        palette.setColor(QPalette::Active, role, QColorOf(colour));
        palette.setColor(QPalette::Inactive, role, QColorOf(colour));
    }
    widget.setPalette(palette);
}

void SetControlBackColour(QWidget& widget, ControlKind kind, Colour colour) {
    if (kind == ControlKind::TransparentLabel) return;  // drawn over the window, never filled
    if (kind == ControlKind::ColourPicker) return;      // shows the picked colour instead
    QPalette palette = widget.palette();
    std::vector<QPalette::ColorRole> roles{QPalette::Window};
    if (!IsContainer(kind)) roles.insert(roles.end(), {QPalette::Base, QPalette::Button});
    for (QPalette::ColorRole role : roles) palette.setColor(role, QColorOf(colour));
    widget.setPalette(palette);
    // Boxes that draw their own face (buttons, edit boxes, lists) take the colour there.
    const bool filled = kind == ControlKind::Label || kind == ControlKind::PictureBox ||
                        kind == ControlKind::CheckBox || kind == ControlKind::RadioButton ||
                        kind == ControlKind::StatusBar || kind == ControlKind::GroupBox ||
                        kind == ControlKind::TabControl;
    if (filled) widget.setAutoFillBackground(true);
    if (auto* tabs = As<QTabWidget>(widget)) {
        for (int i = 0; i < tabs->count(); ++i) tabs->widget(i)->setAutoFillBackground(true);
        // The tabs themselves are faces of their own, in the pages' colour.
        QPalette tabPalette = tabs->tabBar()->palette();
        tabPalette.setColor(QPalette::Button, QColorOf(colour));
        tabs->tabBar()->setPalette(tabPalette);
    }
}

}  // namespace kalamo
