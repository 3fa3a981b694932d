#pragma once

#include <QLabel>

namespace kalamo {

// A label whose lines keep to its place: the layouts give a two-line text the height of two
// lines of the small font they were drawn with, which the usual line spacing here would
// overflow and clip. Such a text is drawn line by line, each in its share of the height.
class FittingLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kalamo
