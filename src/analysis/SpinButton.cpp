#include "analysis/SpinButton.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace analysis {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    for (QToolButton* b : {up_, down_}) {
        b->setArrowType(b == up_ ? Qt::UpArrow : Qt::DownArrow);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        box->addWidget(b);
    }
    connect(up_, &QToolButton::clicked, this, [this] { Q_EMIT clicked(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Q_EMIT clicked(-1); });
}

void SpinButton::setRange(int minimum, int maximum)
{
    min_ = minimum;
    max_ = std::max(minimum, maximum);
}

int SpinButton::stepped(int value, int step) const
{
    const qint64 v = qint64(value) + step;
    return int(std::clamp<qint64>(v, min_, max_));
}

} // namespace analysis
