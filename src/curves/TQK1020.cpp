#include "curves/TQK1020.h"

#include "analysis/ChartScale.h"
#include "analysis/TQK1010.h"
#include "analysis/TQK1100.h"
#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "data/Common.h"
#include "data/DataModule.h"
#include "master/FieldExit.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace curves {

TQK1020::TQK1020(data::TFDM& dm, analysis::TQK1100* plotWindow, QWidget* parent)
    : QDialog(parent), dm_(dm), plot_(plotWindow)
{
    setObjectName(QStringLiteral("QK1020"));
    setWindowTitle(QStringLiteral("昇給カーブの分析"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    buildControls();
    app::installEnterMovesFocus(this);
}

TQK1020::~TQK1020() = default;

void TQK1020::buildControls()
{
    auto* gx = placed<QGroupBox>(this, QStringLiteral("grpX"), QStringLiteral("X軸　項目"), QRect(8, 8, 120, 176));
    const char* xNames[] = {"optXNenrei", "optXKinzoku", "optXKeiken", "optXGouhou", "optXTassei", "optXSyokumu"};
    for (int i = 0; i < 6; ++i)
        optX << placed<QRadioButton>(gx, QString::fromLatin1(xNames[i]), raiseCurveXItems()[size_t(i)].caption,
                                     QRect(12, 22 + 24 * i, 100, 20));
    auto* gy = placed<QGroupBox>(this, QStringLiteral("grpY"), QStringLiteral("Y軸　項目"), QRect(134, 8, 120, 176));
    for (int i = 0; i < 6; ++i)
        optY << placed<QRadioButton>(gy, QStringLiteral("optY%1").arg(i + 1), analysis::wagePlotYItems()[size_t(i)].caption,
                                     QRect(12, 22 + 24 * i, 100, 20));

    selection = std::make_unique<SelectionControls>(
        this,
        SelectionControls::Frames{QRect(260, 8, 120, 176), QRect(386, 8, 120, 88), QRect(8, 190, 290, 200),
                                  QRect(304, 190, 318, 200)},
        [this] { setChanged(); });

    auto* gm = placed<QGroupBox>(this, QStringLiteral("grpMark"), QStringLiteral("マークラベル"), QRect(386, 100, 120, 84));
    const char* markNames[] = {"optMarkSeq", "optMarkInput", "optMarkZone", "optMarkNodsp"};
    const char* markTexts[] = {"シーケンスＮｏ", "入力データ", "等級ゾーン", "表示しない"};
    const int markRows[] = {0, 1, 2, 2};
    for (int i = 0; i < 4; ++i)
        optMark << placed<QRadioButton>(gm, QString::fromLatin1(markNames[i]), QString::fromUtf8(markTexts[i]),
                                        QRect(12, 18 + 21 * markRows[i], 104, 20));
    optMark[2]->hide();

    auto* gd = placed<QGroupBox>(this, QStringLiteral("grpKinji"), QStringLiteral("近似式"), QRect(512, 8, 110, 64));
    optDegree << placed<QRadioButton>(gd, QStringLiteral("opt2Jisiki"), QStringLiteral("２次式"), QRect(12, 20, 90, 20));
    optDegree << placed<QRadioButton>(gd, QStringLiteral("opt3Jisiki"), QStringLiteral("３次式"), QRect(12, 40, 90, 20));
    auto* gg = placed<QGroupBox>(this, QStringLiteral("grpGraph"), QStringLiteral("グラフ"), QRect(512, 76, 110, 64));
    optGraph = placed<QRadioButton>(gg, QStringLiteral("optGraph"), QStringLiteral("個別表示"), QRect(12, 20, 90, 20));
    optGraphAll = placed<QRadioButton>(gg, QStringLiteral("optGraphAll"), QStringLiteral("全体表示"), QRect(12, 40, 90, 20));

    auto* gl = placed<QGroupBox>(this, QStringLiteral("grpLevel"), QStringLiteral("水準"), QRect(8, 396, 614, 50));
    for (int i = 0; i < 4; ++i) {
        placed<QLabel>(gl, QStringLiteral("lblLevel%1").arg(i + 1), QStringLiteral("水準%1").arg(i + 1),
                       QRect(12 + 150 * i, 20, 44, 22));
        auto* level = placed<QLineEdit>(gl, QStringLiteral("txtLevel%1").arg(i + 1), QString(),
                                        QRect(56 + 150 * i, 20, 64, 22));
        level->setAlignment(Qt::AlignRight);
        level->setMaxLength(7);
        placed<QLabel>(gl, QStringLiteral("lblPercent%1").arg(i + 1), QStringLiteral("％"), QRect(124 + 150 * i, 20, 20, 22));
        txtLevel << level;
    }

    placed<QLabel>(this, QStringLiteral("lblTitle"), QStringLiteral("タイトル"), QRect(8, 454, 56, 22));
    txtTitle = placed<QLineEdit>(this, QStringLiteral("txtTitle"), QString(), QRect(66, 452, 556, 24));
    txtTitle->setMaxLength(40);
    placed<QLabel>(this, QStringLiteral("lblBikou"), QStringLiteral("解説"), QRect(8, 484, 56, 22));
    txtBikou = new QPlainTextEdit(this);
    txtBikou->setObjectName(QStringLiteral("txtBikou"));
    txtBikou->setGeometry(66, 482, 556, 84);

    btnAnalize = placed<QPushButton>(this, QStringLiteral("btnAnalize"), QStringLiteral("分　析"), QRect(406, 578, 100, 32));
    btnClose = placed<QPushButton>(this, QStringLiteral("btnClose"), QStringLiteral("閉じる"), QRect(522, 578, 100, 32));
    for (QPushButton* b : {btnAnalize, btnClose}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
    }

    connect(btnAnalize, &QPushButton::clicked, this, &TQK1020::btnAnalizeClick);
    connect(btnClose, &QPushButton::clicked, this, &TQK1020::btnCloseClick);
    for (QRadioButton* r : optX + optY + optMark + optDegree + QList<QRadioButton*>{optGraph, optGraphAll})
        connect(r, &QRadioButton::toggled, this, &TQK1020::setChanged);
    connect(txtTitle, &QLineEdit::textChanged, this, &TQK1020::setChanged);
    connect(txtBikou, &QPlainTextEdit::textChanged, this, &TQK1020::setChanged);
    fieldExit_ = new master::FieldExit(this, [this](QWidget* f) { return checkField(f); });
    for (QLineEdit* level : txtLevel) {
        connect(level, &QLineEdit::textChanged, this, &TQK1020::setChanged);
        fieldExit_->watch(level);
    }
}

void TQK1020::setChanged()
{
    if (!loading_)
        dm_.state.DataChanged = 1;
}

bool TQK1020::checkField(QWidget* field)
{
    auto* level = qobject_cast<QLineEdit*>(field);
    if (!level || !txtLevel.contains(level))
        return true;
    return app::CheckFloatEdit(level, 0, QString());
}

void TQK1020::Prepare()
{
    loading_ = true;
    setFixedSize(630, 620);
    optMark[2]->hide();
    selection->prepare(dm_, plot_, analysis::chart::RaiseCurve);
    firstFitNo_.reset();
    LoadSettings();
    loading_ = false;
    dm_.state.DataChanged = 0;
}

void TQK1020::LoadSettings()
{
    data::TChart_ row;
    analysis::loadChartSettings(dm_, analysis::chart::RaiseCurve, row);
    const RaiseCurveOptions o = raiseCurveOptionsFrom(row);
    const analysis::WagePlotOptions& s = o.selection;
    txtTitle->setText(s.title);
    checkStored(optX, s.xItem);
    checkStored(optY, s.yItem);
    selection->show(dm_, s);
    checkStored(optMark, s.markLabel);
    checkStored(optDegree, o.degree);
    (o.perGroup ? optGraph : optGraphAll)->setChecked(true);
    for (int i = 0; i < 4; ++i)
        txtLevel[i]->setText(data::realText(o.levels[size_t(i)]));
    txtBikou->setPlainText(s.explanation);
}

RaiseCurveOptions TQK1020::options() const
{
    RaiseCurveOptions o;
    analysis::WagePlotOptions& s = o.selection;
    s.xItem = checkedIndex(optX, 0);
    s.yItem = checkedIndex(optY, 0);
    s.markLabel = checkedIndex(optMark, 0);
    selection->read(s);
    s.title = txtTitle->text();
    s.explanation = txtBikou->toPlainText();
    o.degree = checkedIndex(optDegree, 0);
    o.perGroup = optGraph->isChecked();
    for (int i = 0; i < 4; ++i)
        o.levels[size_t(i)] = data::parseRealText(txtLevel[i]->text()).value_or(0);
    return o;
}

void TQK1020::saveSettings()
{
    RaiseCurveOptions o = options();
    if (o.selection.xItem == optimalWageItem) {
        if (!firstFitNo_)
            return;
        data::TSyain_ first;
        first.FITNO = *firstFitNo_;
        o.selection.yItem = optimalWageYItem(first).value_or(o.selection.yItem);
    }
    saveRaiseCurveSettings(dm_, o);
}

void TQK1020::btnAnalizeClick()
{
    if (!fieldExit_->checkFocused())
        return;
    if (plot_ && plot_->hasPointLabels())
        plot_->RemovePointLabels();
    platform::BusyCursor busy;
    const RaiseCurveRows rows = buildRaiseCurveRows(dm_, options());
    const bool found = rows.ok && rows.employees > 0;
    if (rows.ok)
        firstFitNo_ = found ? rows.firstFitNo : std::nullopt;
    if (rows.ok && !found) {
        busy.end();
        platform::dialogs().information(QStringLiteral("グラフに表示するデータがありません。"), platform::appTitle());
    }
    saveSettings();
    busy.end();
    if (!found) {
        txtTitle->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (plot_)
        plot_->openChart(analysis::chart::RaiseCurve, txtTitle->text());
    accept();
}

void TQK1020::btnCloseClick()
{
    if (!fieldExit_->checkFocused())
        return;
    saveSettings();
    analysis::closePlotWindow(plot_);
    reject();
}

} // namespace curves
