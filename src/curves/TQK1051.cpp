#include "curves/TQK1051.h"

#include "analysis/ChartPainter.h"
#include "analysis/TentativeCurves.h"
#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "curves/SelectionControls.h"
#include "master/FieldExit.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace curves {

namespace {

constexpr int previewWidth = 160;
constexpr int previewHeight = 9;

} // namespace

TQK1051::TQK1051(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("QK1051"));
    setWindowTitle(QStringLiteral("試行昇給曲線　凡例"));
    setFixedSize(496, 450);

    txtName = placed<QLineEdit>(this, QStringLiteral("txtName"), QString(), QRect(24, 20, 160, 24));
    txtName->setEnabled(false);
    lblSample = placed<QLabel>(this, QStringLiteral("lblSample"), QStringLiteral("＋"), QRect(200, 16, 40, 32));
    QFont big = lblSample->font();
    big.setPointSize(16);
    lblSample->setFont(big);

    placed<QLabel>(this, QStringLiteral("lblHanrei"), QStringLiteral("凡　　例"), QRect(24, 64, 80, 24));
    txtHanrei = placed<QLineEdit>(this, QStringLiteral("txtHanrei"), QString(), QRect(110, 64, 360, 24));
    txtHanrei->setMaxLength(40);
    placed<QLabel>(this, QStringLiteral("lblComment"), QStringLiteral("説　　明"), QRect(24, 100, 80, 24));
    txtComment = placed<QLineEdit>(this, QStringLiteral("txtComment"), QString(), QRect(110, 100, 360, 24));
    txtComment->setMaxLength(80);

    placed<QLabel>(this, QStringLiteral("lblSensyu"), QStringLiteral("曲線の種類"), QRect(24, 148, 80, 24));
    cmbSensyu = new QComboBox(this);
    cmbSensyu->setObjectName(QStringLiteral("cmbSensyu"));
    cmbSensyu->setGeometry(110, 148, 150, 24);
    cmbSensyu->setEditable(true);
    placed<QLabel>(this, QStringLiteral("lblSenhaba"), QStringLiteral("曲線の幅"), QRect(24, 184, 80, 24));
    cmbSenhaba = new QComboBox(this);
    cmbSenhaba->setObjectName(QStringLiteral("cmbSenhaba"));
    cmbSenhaba->setGeometry(110, 184, 80, 24);
    cmbSenhaba->setEditable(true);
    btnColor = placed<QPushButton>(this, QStringLiteral("btnColor"), QStringLiteral("カラー設定"), QRect(300, 148, 120, 28));

    placed<QLabel>(this, QStringLiteral("lblPreview"), QStringLiteral("見　　本"), QRect(24, 230, 80, 24));
    imgDisp = placed<QLabel>(this, QStringLiteral("imgDisp"), QString(), QRect(110, 238, previewWidth, previewHeight));
    lblNote = placed<QLabel>(this, QStringLiteral("lblNote"),
                             QStringLiteral("注意！　曲線幅が２以上の場合、曲線の種類は「実線」のみ有効です。"),
                             QRect(24, 280, 450, 48));
    lblNote->setWordWrap(true);
    lblNote->setStyleSheet(QStringLiteral("color: #B00000;"));

    btnAdd = placed<QPushButton>(this, QStringLiteral("btnAdd"), QStringLiteral("登　録"), QRect(254, 400, 100, 32));
    btnAdd->hide();
    btnClose = placed<QPushButton>(this, QStringLiteral("btnClose"), QStringLiteral("閉じる"), QRect(370, 400, 100, 32));
    for (QPushButton* b : {btnColor, btnClose}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
    }

    connect(btnColor, &QPushButton::clicked, this, &TQK1051::btnColorClick);
    connect(btnClose, &QPushButton::clicked, this, &TQK1051::btnCloseClick);
    fieldExit_ = new master::FieldExit(this, [this](QWidget* f) { return checkField(f); });
    fieldExit_->watch(cmbSensyu);
    fieldExit_->watch(cmbSenhaba);
    app::installEnterMovesFocus(this);
}

void TQK1051::Prepare(int n, analysis::TentativeSlot& slot)
{
    slot_ = &slot;
    txtName->setText(QStringLiteral("曲線番号(") + QString::number(n) + QLatin1Char(')'));
    app::FillLineStyleCombo(cmbSensyu);
    cmbSenhaba->clear();
    for (int w = 1; w <= 5; ++w)
        cmbSenhaba->addItem(QString::number(w));
    showSample();
    txtHanrei->setText(slot.HANREI);
    txtComment->setText(slot.SETSUMEI);
    app::SelectComboCode(cmbSensyu, slot.style);
    app::SelectComboCode(cmbSenhaba, slot.width);
    drawPreview();
}

bool TQK1051::checkField(QWidget* field)
{
    if (!slot_)
        return true;
    int code = 0;
    if (field == cmbSensyu) {
        if (!app::CheckCodeCombo(cmbSensyu, true, code, true, false))
            return false;
        slot_->style = code;
    } else if (field == cmbSenhaba) {
        if (!app::CheckCodeCombo(cmbSenhaba, true, code, true, false))
            return false;
        slot_->width = code;
    }
    drawPreview();
    return true;
}

void TQK1051::showSample()
{
    QPalette pal = lblSample->palette();
    pal.setColor(QPalette::WindowText, slot_ ? slot_->color : QColor(Qt::black));
    lblSample->setPalette(pal);
}

QPixmap TQK1051::preview() const
{
    QPixmap pix(previewWidth, previewHeight);
    pix.fill(palette().color(QPalette::Window));
    QPainter p(&pix);
    p.setPen(QPen(Qt::white, 5));
    p.drawLine(0, 4, previewWidth, 4);
    if (slot_ && slot_->width != 0) {
        p.setPen(analysis::qtPen(slot_->color, slot_->style, slot_->width));
        p.drawLine(0, 4, previewWidth, 4);
    }
    return pix;
}

void TQK1051::drawPreview()
{
    imgDisp->setPixmap(preview());
}

void TQK1051::btnColorClick()
{
    if (!slot_)
        return;
    const std::optional<QColor> chosen = platform::dialogs().chooseColor(slot_->color);
    if (!chosen)
        return;
    slot_->color = *chosen;
    showSample();
    drawPreview();
}

void TQK1051::btnCloseClick()
{
    if (!fieldExit_->checkFocused())
        return;
    if (slot_) {
        slot_->HANREI = txtHanrei->text();
        slot_->SETSUMEI = txtComment->text();
    }
    accept();
}

} // namespace curves
