#include "optimal/TQK1070.h"

#include "analysis/ChartScale.h"
#include "analysis/TQK1010.h"
#include "analysis/TQK1100.h"
#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "app/RightEdit.h"
#include "curves/SelectionControls.h"
#include "data/Common.h"
#include "data/DataModule.h"
#include "optimal/TFQK1071.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace optimal {

namespace {

using analysis::settingsFrame;
using curves::checkedIndex;
using curves::placed;

QString n(const char* name) { return QString::fromLatin1(name); }

} // namespace

TQK1070::TQK1070(data::TFDM& dm, analysis::TQK1100* plotWindow, QWidget* parent)
    : QDialog(parent), dm_(dm), plot_(plotWindow)
{
    setObjectName(QStringLiteral("QK1070"));
    setWindowTitle(QStringLiteral("最適賃金"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    buildControls();
    app::installEnterMovesFocus(this);
}

TQK1070::~TQK1070() = default;

void TQK1070::buildControls()
{
    (new QLabel(QStringLiteral("タイトル"), this))->setGeometry(8, 10, 50, 22);
    txtTitle = placed<QLineEdit>(this, n("txtTitle"), QString(), QRect(60, 8, 420, 24));
    txtTitle->setMaxLength(40);
    optGraph = placed<QCheckBox>(this, n("optGraph"), QStringLiteral("   グラフ表示"), QRect(500, 8, 142, 24));
    optGraph->setLayoutDirection(Qt::RightToLeft);   // the caption on the left
    (new QLabel(QStringLiteral("解説"), this))->setGeometry(8, 38, 50, 22);
    txtBikou = new QPlainTextEdit(this);
    txtBikou->setObjectName(n("txtBikou"));
    txtBikou->setGeometry(60, 36, 582, 40);
    txtBikou->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    QGroupBox* gx = settingsFrame(this, QStringLiteral("X軸　説明変数"), QRect(8, 82, 124, 226));
    const char* xNames[] = {"optXNenrei", "optXKinzoku", "optXKeiken", "optXTaiNensuu", "optXSikaku",
                            "optXGouhou", "optXTassei", "optXSyokumu", "optXJinji"};
    for (int i = 0; i < kAttributeCount; ++i)
        optX << placed<QCheckBox>(gx, n(xNames[i]), attributeCaptions()[size_t(i)], QRect(12, 20 + 22 * i, 108, 20));

    QGroupBox* gy = settingsFrame(this, QStringLiteral("Y軸　目的変数"), QRect(138, 82, 130, 160));
    const char* yNames[] = {"optYKoumoku1", "optYKoumoku2", "optYKihon", "optYSyotei", "optYSyouyo", "optYNensyu"};
    for (int i = 0; i < kTargetCount; ++i)
        optY << placed<QRadioButton>(gy, n(yNames[i]), targetItems()[size_t(i)].caption, QRect(12, 20 + 22 * i, 112, 20));

    QGroupBox* gm = settingsFrame(this, QStringLiteral("マークラベル"), QRect(138, 246, 130, 84));
    optMark << placed<QRadioButton>(gm, n("optMarkSeq"), QStringLiteral("シーケンスＮｏ"), QRect(10, 18, 116, 20));
    optMark << placed<QRadioButton>(gm, n("optMarkInput"), QStringLiteral("入力データ"), QRect(10, 39, 116, 20));
    optMark << placed<QRadioButton>(gm, n("optMarkZone"), QStringLiteral("等級ゾーン"), QRect(10, 60, 116, 20));
    optMark << placed<QRadioButton>(gm, n("optMarkNodsp"), QStringLiteral("表示しない"), QRect(10, 60, 116, 20));
    optMark[2]->hide();

    selection = std::make_unique<curves::SelectionControls>(
        this,
        curves::SelectionControls::Frames{QRect(8, 312, 124, 146), QRect(138, 334, 130, 86), QRect(274, 82, 368, 196),
                                          QRect(274, 282, 368, 196)},
        [this] { setChanged(); });

    QGroupBox* ga = settingsFrame(this, QStringLiteral("最適エリア"), QRect(8, 462, 260, 52));
    txtLevel1 = new TRightEdit(ga);
    txtLevel2 = new TRightEdit(ga);
    TRightEdit* levels[] = {txtLevel1, txtLevel2};
    const QString labels[] = {QStringLiteral("上限"), QStringLiteral("下限")};
    for (int i = 0; i < 2; ++i) {
        const int left = 8 + 126 * i;
        (new QLabel(labels[i], ga))->setGeometry(left, 20, 28, 22);
        levels[i]->setObjectName(QStringLiteral("txtLevel") + QString::number(i + 1));
        levels[i]->setGeometry(left + 30, 20, 36, 22);
        levels[i]->setMaxLength(3);
        levels[i]->setAttribute(Qt::WA_InputMethodEnabled, false);
        levels[i]->installEventFilter(this);
        (new QLabel(QStringLiteral("％ライン"), ga))->setGeometry(left + 70, 20, 52, 22);
    }
    optMark[0]->setChecked(true);
    optY[0]->setChecked(true);

    btnKeisan = placed<QPushButton>(this, n("btnKeisan"), QStringLiteral("計　算"), QRect(346, 484, 92, 30));
    btnAnalize = placed<QPushButton>(this, n("btnAnalize"), QStringLiteral("分　析"), QRect(446, 484, 92, 30));
    btnClose = placed<QPushButton>(this, n("btnClose"), QStringLiteral("閉じる"), QRect(550, 484, 92, 30));

    connect(btnKeisan, &QPushButton::clicked, this, &TQK1070::btnKeisanClick);
    connect(btnAnalize, &QPushButton::clicked, this, &TQK1070::btnAnalizeClick);
    connect(btnClose, &QPushButton::clicked, this, &TQK1070::btnCloseClick);
    for (QLineEdit* e : {txtTitle, static_cast<QLineEdit*>(txtLevel1), static_cast<QLineEdit*>(txtLevel2)})
        connect(e, &QLineEdit::textChanged, this, &TQK1070::setChanged);
    connect(txtBikou, &QPlainTextEdit::textChanged, this, &TQK1070::setChanged);
}

void TQK1070::setChanged()
{
    if (!loading_)
        dm_.state.DataChanged = 1;
}

void TQK1070::Prepare()
{
    loading_ = true;
    setFixedSize(650, 520);
    optMark[2]->hide();
    selection->prepare(dm_, plot_, analysis::chart::OptimalWage);
    LoadSettings();
    loading_ = false;
    dm_.state.DataChanged = 0;
}

void TQK1070::LoadSettings()
{
    data::TChart_ row;
    analysis::loadChartSettings(dm_, analysis::chart::OptimalWage, row);
    const OptimalOptions o = optimalOptionsFrom(row);
    txtTitle->setText(o.common.title);
    txtBikou->setPlainText(o.common.explanation);
    for (int i = 0; i < kAttributeCount; ++i)
        optX[i]->setChecked(o.attributes[size_t(i)]);
    curves::checkStored(optY, o.target);
    curves::checkStored(optMark, o.common.markLabel);
    optGraph->setChecked(o.graph);
    txtLevel1->setText(data::realText(o.upper));
    txtLevel2->setText(data::realText(o.lower));
    selection->show(dm_, o.common);
}

OptimalOptions TQK1070::options() const
{
    OptimalOptions o;
    o.common.markLabel = checkedIndex(optMark, 0);
    selection->read(o.common);
    o.common.title = txtTitle->text();
    o.common.explanation = txtBikou->toPlainText();
    o.target = checkedIndex(optY, 0);
    for (int i = 0; i < kAttributeCount; ++i)
        o.attributes[size_t(i)] = optX[i]->isChecked();
    o.graph = optGraph->isChecked();
    o.upper = data::parseRealText(txtLevel1->text()).value_or(0);
    o.lower = data::parseRealText(txtLevel2->text()).value_or(0);
    return o;
}

bool TQK1070::runAnalysis()
{
    platform::BusyCursor busy;
    const RunResult r = runOptimalAnalysis(dm_, options(), analysis_);
    busy.end();
    if (r.status == RunStatus::Refused)
        platform::dialogs().warning(r.message, platform::appTitle());
    return r.status == RunStatus::Done;
}

void TQK1070::btnKeisanClick()
{
    if (!runAnalysis())
        return;
    if (analysis_.linked)
        platform::dialogs().information(QStringLiteral("分析データは賃金表又はマトリクスにリンクされたデータを含んでいます。"),
                                        platform::appTitle());
    if (showResult) {
        showResult(analysis_);
        return;
    }
    TFQK1071 result(dm_, analysis_, analysis::regressionWorkArea(), this);
    result.exec();
}

void TQK1070::btnAnalizeClick()
{
    if (plot_ && plot_->hasPointLabels())
        plot_->RemovePointLabels();
    if (!runAnalysis())
        return;
    const OptimalOptions o = options();
    analysis::PlotRowsResult rows;
    {
        platform::BusyCursor busy;
        rows = buildOptimalPlotRows(dm_, o);
    }
    if (!rows.ok)
        return;
    if (rows.employees == 0) {
        platform::dialogs().information(QStringLiteral("グラフに表示するデータがありません。"), platform::appTitle());
        txtTitle->setFocus(Qt::OtherFocusReason);
        return;
    }
    saveOptimalSettings(dm_, o);
    if (plot_)
        plot_->openChart(analysis::chart::OptimalWage, txtTitle->text());
    accept();
}

void TQK1070::btnCloseClick()
{
    saveOptimalSettings(dm_, options());
    analysis::closePlotWindow(plot_);
    reject();
}

bool TQK1070::checkLevel(TRightEdit* field)
{
    checking_ = true;
    const bool good = app::CheckFloatEdit(field, 0, QString());
    checking_ = false;
    return good;
}

bool TQK1070::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && isVisible() && !checking_
        && (watched == txtLevel1 || watched == txtLevel2)) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Only a move to another control counts as leaving; a message box taking the focus does not.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            auto* field = static_cast<TRightEdit*>(watched);
            if (!checkLevel(field))
                QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace optimal
