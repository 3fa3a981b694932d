#include "ui/qt/status_parts.h"

#include <QLabel>
#include <QStatusBar>

#include "ui/qt/qt_text.h"

namespace kalamo {

StatusParts::StatusParts(QStatusBar& bar, const std::vector<StatusPartSpec>& parts) : bar_(bar) {
    bar_.setSizeGripEnabled(false);
    for (const StatusPartSpec& part : parts) {
        auto* label = new QLabel(QStringFromGbk(part.text), &bar_);
        label->setTextFormat(Qt::PlainText);
        labels_.push_back(label);
        widths_.push_back(0);
        bar_.addWidget(label);
        setWidth(count() - 1, part.width);
    }
}

std::string StatusParts::text(int part) const {
    return has(part) ? GbkFromQString(labels_[static_cast<std::size_t>(part)]->text())
                     : std::string();
}

void StatusParts::setText(int part, const std::string& gbk) {
    if (has(part)) labels_[static_cast<std::size_t>(part)]->setText(QStringFromGbk(gbk));
}

int StatusParts::width(int part) const {
    return has(part) ? widths_[static_cast<std::size_t>(part)] : 0;
}

void StatusParts::setWidth(int part, int width) {
    if (!has(part)) return;
    const auto index = static_cast<std::size_t>(part);
    QLabel* label = labels_[index];
    const bool wasRest = widths_[index] < 0;
    widths_[index] = width;
    if (width < 0) {
        label->setMinimumWidth(0);
        label->setMaximumWidth(QWIDGETSIZE_MAX);
    } else {
        label->setFixedWidth(width);
    }
    // The share of the rest is fixed when a part is added, so a part that starts or stops
    // taking the rest goes back in at its place.
    if (wasRest != (width < 0)) {
        bar_.removeWidget(label);
        bar_.insertWidget(part, label, width < 0 ? 1 : 0);
        label->show();
    }
}

}  // namespace kalamo
