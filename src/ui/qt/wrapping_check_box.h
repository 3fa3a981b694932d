#pragma once

#include <QCheckBox>

class QLabel;

namespace kalamo {

// A check box whose caption wraps onto further lines inside the box's place, as the long
// option captions of the settings panel need; a click anywhere on it toggles it.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit WrappingCheckBox(const QString& caption, QWidget* parent = nullptr);

    QString caption() const;
    void setCaption(const QString& caption);

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void placeCaption();

    QLabel* caption_;
};

}  // namespace kalamo
