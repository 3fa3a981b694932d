#include "ui/qt/colour_picker_button.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace kalamo {

ColourPickerButton::ColourPickerButton(QWidget* parent) : QPushButton(parent) {
    setColour(colour_);
    connect(this, &QPushButton::clicked, this, &ColourPickerButton::choose);
}

void ColourPickerButton::setColour(const QColor& colour) {
    colour_ = colour;
    QPixmap swatch(40, 12);
    swatch.fill(colour_);
    QPainter painter(&swatch);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    setIcon(QIcon(swatch));
    setIconSize(swatch.size());
}

void ColourPickerButton::choose() {
    const QColor picked = QColorDialog::getColor(colour_, window());
    if (!picked.isValid() || picked.rgb() == colour_.rgb()) return;
    setColour(picked);
    emit colourChosen();
}

}  // namespace kalamo
