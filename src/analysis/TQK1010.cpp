#include "analysis/TQK1010.h"

#include "analysis/ChartScale.h"
#include "analysis/TQK1100.h"
#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "data/DataModule.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace analysis {

QGroupBox* settingsFrame(QWidget* parent, const QString& title, QRect geometry)
{
    auto* g = new QGroupBox(title, parent);
    g->setGeometry(geometry);
    return g;
}

QPushButton* namedButton(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

SettingsFoot addSettingsFoot(QWidget* parent, const QString& explanationName)
{
    SettingsFoot f{};
    (new QLabel(QStringLiteral("タイトル"), parent))->setGeometry(8, 402, 50, 22);
    f.title = new QLineEdit(parent);
    f.title->setObjectName(QStringLiteral("txtTitle"));
    f.title->setGeometry(62, 400, 470, 24);
    f.title->setMaxLength(40);
    (new QLabel(QStringLiteral("解説"), parent))->setGeometry(8, 432, 50, 22);
    f.explanation = new QPlainTextEdit(parent);
    f.explanation->setObjectName(explanationName);
    f.explanation->setGeometry(62, 432, 470, 128);
    f.analyse = namedButton(parent, "btnAnalize", QStringLiteral("分　析"), QRect(316, 574, 100, 32));
    f.close = namedButton(parent, "btnClose", QStringLiteral("閉じる"), QRect(432, 574, 100, 32));
    return f;
}

void makeCurrentChart(TQK1100* plot, int chartNo)
{
    if (plot) {
        plot->CurrentChartNo = chartNo;
        plot->PlotChartNo = 0;
    }
}

void closePlotWindow(TQK1100* plot)
{
    if (!plot)
        return;
    if (plot->hasPointLabels())
        plot->RemovePointLabels();
    plot->close();
    plot->PlotChartNo = 0;
}

void showWorkFormsAndWageTables(data::TFDM& dm, const QList<QRadioButton*>& workForms, QComboBox* wageTables)
{
    app::LoadWageForms();
    for (int i = 0; i < 4; ++i)
        workForms[i]->setText(dm.state.WageForms[size_t(i + 1)].name);
    const CompanyKeys company = companyKeys(dm);
    app::FillComboFromSql(QStringLiteral("select CGCO || ' : ' || TITLE as COMBNAME from MCHINGIN Where KCO = ")
                              + company.kco + QStringLiteral(" and  NENDO = ") + company.nendo
                              + QStringLiteral(" order by CGCO"),
                          wageTables, true);
    wageTables->setCurrentIndex(0);
}

void showMarkCaptions(const data::TFDM& dm, const QList<QCheckBox*>& boxes)
{
    for (int j = 0; j < 9; ++j) {
        const data::TMMARK& m = dm.state.CompanyMarks[size_t(j)];
        QCheckBox* box = boxes[j];
        if (m.no == 0) {
            box->setText(QString());
            continue;
        }
        box->setText(m.mark + QLatin1Char(' ') + m.legend);
        QPalette pal = box->palette();
        pal.setColor(QPalette::WindowText, m.markColor);
        pal.setColor(QPalette::ButtonText, m.markColor);
        box->setPalette(pal);
    }
}

namespace {

template <class Button>
Button* option(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* b = new Button(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

void check(const QList<QRadioButton*>& buttons, int index)
{
    if (index >= 0 && index < buttons.size())
        buttons[index]->setChecked(true);
}

} // namespace

TQK1010::TQK1010(data::TFDM& dm, TQK1100* plotWindow, QWidget* parent) : QDialog(parent), dm_(dm), plot_(plotWindow)
{
    setObjectName(QStringLiteral("QK1010"));
    setWindowTitle(QStringLiteral("賃金プロット"));
    buildControls();
    app::installEnterMovesFocus(this);
}

void TQK1010::buildControls()
{
    // Axis items.
    QGroupBox* gx = settingsFrame(this, QStringLiteral("X軸　項目"), QRect(8, 8, 125, 176));
    const char* xNames[] = {"optXNenrei", "optXKinzoku", "optXKeiken", "optXGouhou", "optXTassei", "optXSyokumuHyouka"};
    for (int i = 0; i < 6; ++i)
        optX << option<QRadioButton>(gx, xNames[i], wagePlotXItems()[size_t(i)].caption, QRect(14, 22 + 24 * i, 100, 20));
    QGroupBox* gy = settingsFrame(this, QStringLiteral("Y軸　項目"), QRect(141, 8, 125, 176));
    const char* yNames[] = {"optYKoumoku1", "optYKoumoku2", "optYKoumoku3", "optYKihon", "optYSyotei", "optYNensyu"};
    for (int i = 0; i < 6; ++i)
        optY << option<QRadioButton>(gy, yNames[i], wagePlotYItems()[size_t(i)].caption, QRect(14, 22 + 24 * i, 100, 20));

    // Work form and sex.
    QGroupBox* gw = settingsFrame(this, QStringLiteral("就労形態"), QRect(274, 8, 125, 176));
    const char* wNames[] = {"optSalary1", "optSalary2", "optSalary3", "optSalary4"};
    for (int i = 0; i < 4; ++i)
        optSalary << option<QRadioButton>(gw, wNames[i], QString(), QRect(14, 22 + 24 * i, 104, 20));
    optSalary << option<QRadioButton>(gw, "optSalaryAll", QStringLiteral("すべて"), QRect(14, 22 + 24 * 4, 104, 20));
    QGroupBox* gs = settingsFrame(this, QStringLiteral("性別"), QRect(407, 8, 125, 88));
    optSex << option<QRadioButton>(gs, "optsex1", QStringLiteral("男性"), QRect(14, 20, 100, 20));
    optSex << option<QRadioButton>(gs, "optSex2", QStringLiteral("女性"), QRect(14, 42, 100, 20));
    optSex << option<QRadioButton>(gs, "optSex3", QStringLiteral("すべて"), QRect(14, 64, 100, 20));

    // Mark label; the grade zone is never offered here.
    QGroupBox* gm = settingsFrame(this, QStringLiteral("マークラベル"), QRect(407, 100, 125, 84));
    optMark << option<QRadioButton>(gm, "optMarkSeq", QStringLiteral("シーケンス No"), QRect(14, 18, 106, 20));
    optMark << option<QRadioButton>(gm, "optMarkInp", QStringLiteral("人事評価 記号"), QRect(14, 39, 106, 20));
    optMark << option<QRadioButton>(gm, "optMarkZone", QStringLiteral("等級ゾーン"), QRect(14, 60, 106, 20));
    optMark << option<QRadioButton>(gm, "optMarkNodsp", QStringLiteral("表示しない"), QRect(14, 60, 106, 20));
    optMark[2]->hide();

    // Plot marks.
    QGroupBox* gp = settingsFrame(this, QStringLiteral("プロットマーク"), QRect(8, 190, 258, 200));
    for (int i = 0; i < 9; ++i) {
        const QByteArray name = "optPlot" + QByteArray::number(i + 1);
        optPlot << option<QCheckBox>(gp, name.constData(), QString(), QRect(12, 20 + 19 * i, 160, 18));
    }
    btnPlotAll = namedButton(gp, "btnPlotAll", QStringLiteral("ﾌﾟﾛｯﾄ全"), QRect(180, 22, 70, 26));
    btnPlotNothing = namedButton(gp, "btnPlotNothing", QStringLiteral("ﾌﾟﾛｯﾄ無"), QRect(180, 52, 70, 26));

    // Grades with their names.
    QGroupBox* gt = settingsFrame(this, QStringLiteral("等級選択"), QRect(274, 190, 258, 200));
    for (int i = 0; i < 9; ++i) {
        const QByteArray name = "optTokyu" + QByteArray::number(i + 1);
        optTokyu << option<QCheckBox>(gt, name.constData(), QString::number(i + 1), QRect(12, 20 + 19 * i, 36, 18));
        auto* t = new QLineEdit(gt);
        t->setObjectName(QStringLiteral("txtTokyu") + QString::number(i + 1));
        t->setGeometry(50, 20 + 19 * i, 120, 18);
        t->setReadOnly(true);
        t->setFocusPolicy(Qt::NoFocus);
        txtTokyu << t;
    }
    btnTokyuAll = namedButton(gt, "btnTokyuAll", QStringLiteral("等級全"), QRect(180, 22, 70, 26));
    btnTokyuNothing = namedButton(gt, "btnTokyuNothing", QStringLiteral("等級無"), QRect(180, 52, 70, 26));

    cmbChingin = new QComboBox(this);
    cmbChingin->setObjectName(QStringLiteral("cmbChingin"));
    cmbChingin->setGeometry(274, 360, 200, 22);
    cmbChingin->hide();
    cmbChingin->setEnabled(false);

    // Title, explanation and the buttons.
    const SettingsFoot foot = addSettingsFoot(this, QStringLiteral("Memo1"));
    txtTitle = foot.title;
    Memo1 = foot.explanation;
    btnAnalize = foot.analyse;
    btnClose = foot.close;

    connect(btnAnalize, &QPushButton::clicked, this, &TQK1010::btnAnalizeClick);
    connect(btnClose, &QPushButton::clicked, this, &TQK1010::btnCloseClick);
    connect(btnPlotAll, &QPushButton::clicked, this, [this] { app::SetAllChecked(optPlot, true); setChanged(); });
    connect(btnPlotNothing, &QPushButton::clicked, this, [this] { app::SetAllChecked(optPlot, false); setChanged(); });
    connect(btnTokyuAll, &QPushButton::clicked, this, [this] { app::SetAllChecked(optTokyu, true); setChanged(); });
    connect(btnTokyuNothing, &QPushButton::clicked, this, [this] { app::SetAllChecked(optTokyu, false); setChanged(); });
    connect(txtTitle, &QLineEdit::textChanged, this, &TQK1010::setChanged);
    for (QRadioButton* r : optSalary + optSex)
        connect(r, &QRadioButton::clicked, this, &TQK1010::setChanged);
    connect(cmbChingin, &QComboBox::currentIndexChanged, this, &TQK1010::cmbChinginChange);
}

void TQK1010::setChanged()
{
    if (!loading_)
        dm_.state.DataChanged = 1;
}

void TQK1010::Prepare()
{
    loading_ = true;
    setFixedSize(540, 620);
    optMark[2]->hide();
    showWorkFormsAndWageTables(dm_, optSalary, cmbChingin);
    makeCurrentChart(plot_, chart::WagePlot);
    LoadSettings();
    loading_ = false;
    dm_.state.DataChanged = 0;
}

void TQK1010::LoadSettings()
{
    rememberedX_ = rememberedY_ = 0;
    dm_.state.StepNames = dm_.state.CurrentCompany.TK;
    showGradeNames();

    data::TChart_ row;
    loadChartSettings(dm_, chart::WagePlot, row);
    const WagePlotOptions o = wagePlotOptionsFrom(row);
    txtTitle->setText(o.title);
    Memo1->setPlainText(o.explanation);
    check(optX, o.xItem);
    check(optY, o.yItem);
    rememberedX_ = o.xItem;
    rememberedY_ = o.yItem;
    check(optMark, o.markLabel);
    check(optSalary, o.workForm);
    app::SelectComboCode(cmbChingin, o.wageTable);
    app::SetChecksFromFlags(optPlot, row.FCHK);
    app::SetChecksFromFlags(optTokyu, row.TOUKYU);
    check(optSex, o.sex);
    showMarkCaptions(dm_, optPlot);
    cmbChinginChange();
}

void TQK1010::showGradeNames()
{
    for (int i = 0; i < 9; ++i)
        txtTokyu[i]->setText(dm_.state.StepNames[size_t(i)]);
}

void TQK1010::cmbChinginChange()
{
    app::LoadStepNames(app::ComboCode(cmbChingin));
    showGradeNames();
}

WagePlotOptions TQK1010::options() const
{
    WagePlotOptions o;
    o.xItem = rememberedX_;
    o.yItem = rememberedY_;
    o.markLabel = app::FirstCheckedIndex(optMark);
    o.workForm = app::FirstCheckedIndex(optSalary);
    if (!optSalary[o.workForm]->isChecked())
        o.workForm = 4;
    o.sex = app::FirstCheckedIndex(optSex);
    if (!optSex[o.sex]->isChecked())
        o.sex = 2;
    o.wageTable = app::ComboCode(cmbChingin);
    o.plotMarks = app::statesFromFlags(app::FlagsFromChecks(optPlot), 9);
    o.grades = app::statesFromFlags(app::FlagsFromChecks(optTokyu), 9);
    o.title = txtTitle->text();
    o.explanation = Memo1->toPlainText();
    return o;
}

void TQK1010::btnAnalizeClick()
{
    if (plot_ && plot_->hasPointLabels())
        plot_->RemovePointLabels();
    WagePlotOptions o = options();
    o.xItem = app::FirstCheckedIndex(optX);
    o.yItem = app::FirstCheckedIndex(optY);
    o.markLabel = app::FirstCheckedIndex(optMark);

    platform::BusyCursor busy;
    const PlotRowsResult rows = buildWagePlotRows(dm_, o);
    const bool found = rows.ok && rows.employees > 0;
    if (found) {
        rememberedX_ = o.xItem;
        rememberedY_ = o.yItem;
    } else if (rows.ok) {
        busy.end();
        platform::dialogs().information(QStringLiteral("グラフに表示するデータがありません。"), platform::appTitle());
    }
    saveWagePlotSettings(dm_, options());
    busy.end();
    if (!found) {
        txtTitle->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (plot_)
        plot_->openChart(chart::WagePlot, txtTitle->text());
    accept();
}

void TQK1010::btnCloseClick()
{
    saveWagePlotSettings(dm_, options());
    closePlotWindow(plot_);
    reject();
}

} // namespace analysis
