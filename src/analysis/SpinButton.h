#pragma once
// A pair of small arrow buttons beside an entry field (up above down). It holds the bounds of the
// value; the screen decides what a click does with the field.

#include <QWidget>

class QToolButton;

namespace analysis {

class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    // value + step held inside the bounds.
    int stepped(int value, int step) const;

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

Q_SIGNALS:
    // +1 for the up arrow, -1 for the down arrow.
    void clicked(int step);

private:
    QToolButton* up_;
    QToolButton* down_;
    int min_{0};
    int max_{0};
};

}  // namespace analysis
