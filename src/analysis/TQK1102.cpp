#include "analysis/TQK1102.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace analysis {

namespace {
constexpr int rowHeight = 24;
constexpr int titleWidth = 96;
constexpr int captionWidth = 640;
}

TQK1102::TQK1102(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("QK1102"));
    setWindowTitle(QStringLiteral("分析評価結果"));
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(12);
    setFont(f);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 0));
    Panel1->setPalette(pal);
    Panel1->setAutoFillBackground(true);
    const int width = 8 + titleWidth + captionWidth + 8;
    const int height = 8 + 8 * rowHeight + 8;
    Panel1->setGeometry(4, 4, width, height);
    for (int i = 0; i < 8; ++i) {
        auto* t = new QLabel(Panel1);
        t->setObjectName(QStringLiteral("labTitle%1").arg(i + 1));
        t->setGeometry(8, 8 + i * rowHeight, titleWidth, rowHeight);
        auto* c = new QLabel(Panel1);
        c->setObjectName(QStringLiteral("Caption%1").arg(i + 1));
        c->setGeometry(8 + titleWidth, 8 + i * rowHeight, captionWidth, rowHeight);
        labTitle[size_t(i)] = t;
        Caption[size_t(i)] = c;
    }
    // A click on the panel or on any of its texts closes the window.
    Panel1->installEventFilter(this);
    for (size_t i = 0; i < 8; ++i) {
        labTitle[i]->installEventFilter(this);
        Caption[i]->installEventFilter(this);
    }
    setFixedSize(width + 8, height + 8);
}

void TQK1102::fill(const AnalysisWindowTexts& texts)
{
    for (size_t i = 0; i < 8; ++i) {
        labTitle[i]->clear();
        Caption[i]->clear();
        labTitle[i]->setText(texts.titles[i]);
        Caption[i]->setText(texts.captions[i]);
    }
}

bool TQK1102::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TQK1102::mousePressEvent(QMouseEvent*)
{
    close();
}

} // namespace analysis
