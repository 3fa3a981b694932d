#include "ui/qt/fitting_label.h"

#include <QPainter>
#include <QStyle>

namespace kalamo {

void FittingLabel::paintEvent(QPaintEvent* event) {
    const QStringList lines = text().split(QLatin1Char('\n'));
    const QRect area = contentsRect();
    const qsizetype count = lines.size();
    if (count < 2 || count * fontMetrics().lineSpacing() <= area.height() || !pixmap().isNull())
        return QLabel::paintEvent(event);
    QPainter painter(this);
    const int share = area.height() / static_cast<int>(count);
    for (qsizetype i = 0; i < count; ++i) {
        const QRect line(area.x(), area.y() + static_cast<int>(i) * share, area.width(), share);
        style()->drawItemText(&painter, line, Qt::AlignLeft | Qt::AlignVCenter, palette(),
                              isEnabled(), lines[i], foregroundRole());
    }
}

}  // namespace kalamo
