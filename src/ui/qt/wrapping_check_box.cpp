#include "ui/qt/wrapping_check_box.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

namespace kalamo {

WrappingCheckBox::WrappingCheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(parent), caption_(new QLabel(caption, this)) {
    caption_->setTextFormat(Qt::PlainText);
    caption_->setWordWrap(true);
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Written like the caption of a check box, not like the face of a button.
    caption_->setForegroundRole(QPalette::WindowText);
    // An "&" in the caption marks the key that clicks the box, as on Windows.
    caption_->setBuddy(this);
    placeCaption();
}

QString WrappingCheckBox::caption() const {
    return caption_->text();
}

void WrappingCheckBox::setCaption(const QString& caption) {
    caption_->setText(caption);
    placeCaption();
}

void WrappingCheckBox::placeCaption() {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
    const int gap = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const int left = indicator + gap;
    const QRect room(left, 0, std::max(0, width() - left), height());
    caption_->setGeometry(room);
    // A caption that needs more lines than the box has room for gets a smaller face.
    QFont face = font();
    for (int pixels = QFontInfo(face).pixelSize(); pixels > 8; --pixels) {
        const QRect needed = QFontMetrics(face).boundingRect(QRect(0, 0, room.width(), 10000),
                                                             Qt::TextWordWrap, caption_->text());
        if (needed.height() <= room.height()) break;
        face.setPixelSize(pixels - 1);
    }
    caption_->setFont(face);
}

void WrappingCheckBox::resizeEvent(QResizeEvent* event) {
    QCheckBox::resizeEvent(event);
    placeCaption();
}

void WrappingCheckBox::changeEvent(QEvent* event) {
    QCheckBox::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) placeCaption();
}

}  // namespace kalamo
