#pragma once

#include <QColor>
#include <QPushButton>

namespace kalamo {

// A small button that shows a colour and lets the user pick another one.
class ColourPickerButton : public QPushButton {
    Q_OBJECT
  public:
    explicit ColourPickerButton(QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);

  signals:
    void colourChosen();  // by the user, and only when it differs

  private:
    void choose();

    QColor colour_ = Qt::black;
};

}  // namespace kalamo
