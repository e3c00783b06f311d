#pragma once
// The start-up picture: a borderless 364 x 364 window on top of everything, centred on the desktop,
// showing the program's picture stretched over it. It takes no input; the start waits at least three
// seconds with it before the main window appears.

#include <QPixmap>
#include <QWidget>

namespace app {

class TQK0001Lite : public QWidget {
    Q_OBJECT
public:
    explicit TQK0001Lite(QWidget* parent = nullptr);

    // The picture: the program's name on a calm background with a rising wage curve.
    static QPixmap picture();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace app
