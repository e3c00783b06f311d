#include "yardstick/ComparisonScreen.h"

#include "analysis/TQK1010.h"
#include "analysis/TQK1100.h"
#include "app/ComboHelpers.h"
#include "curves/SelectionControls.h"
#include "app/EnterFocus.h"
#include "data/DataModule.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace yardstick {

namespace {

using analysis::settingsFrame;

struct Names {
    const char* x[6];
    const char* y[6];
    int ySlot[6];           // where each y item stands in its frame, from the top
    const char* mark[4];
    const char* markCaptions[4];
};

const Names& namesOf(ComparisonKind kind)
{
    static const Names living{
        {"optXNenrei", "optXKinzoku", "optXKeiken", "optXGouhou", "optXTassei", "optXSyokumuHyouka"},
        {"optYKoumoku1", "optYkoumoku2", "optYKoumoku3", "optYKihon", "optYSyotei", "optYNensyu"},
        {0, 1, 2, 3, 4, 5},
        {"optSeq", "optInput", "optZone", "optNodsp"},
        {"シーケンスＮｏ", "人事評価 記号", "等級ゾーン", "表示しない"},
    };
    // The model wage screen's items stand on the form as 項目Ⅰ, 項目Ⅱ, 基本給, 所定給, 年間賞与,
    // 年収; their index order is another.
    static const Names model{
        {"optXNenrei", "optXKinzoku", "optXKeiken", "optXGouhou", "optXTassei", "optXSyokumuHyouka"},
        {"optYKihon", "optYSyotei", "optYNensyu", "optYKoumoku1", "optYKoumoku2", "optYSyoyo"},
        {2, 3, 5, 0, 1, 4},
        {"optMarkSeq", "optMarkInput", "optMarkZone", "optMarkNodsp"},
        {"シーケンス Ｎｏ", "人事評価 記号", "等級ゾーン", "表示しない"},
    };
    return kind == ComparisonKind::CostOfLiving ? living : model;
}

} // namespace

ComparisonScreen::ComparisonScreen(ComparisonKind kind, data::TFDM& dm, analysis::TQK1100* plotWindow, QWidget* parent)
    : QDialog(parent), kind_(kind), dm_(dm), plot_(plotWindow)
{
    buildControls();
    app::installEnterMovesFocus(this);
}

ComparisonScreen::~ComparisonScreen() = default;

TQK1030::TQK1030(data::TFDM& dm, analysis::TQK1100* plotWindow, QWidget* parent)
    : ComparisonScreen(ComparisonKind::CostOfLiving, dm, plotWindow, parent)
{
    setObjectName(QStringLiteral("QK1030"));
    setWindowTitle(QStringLiteral("生計費との比較"));
}

TQK1040::TQK1040(data::TFDM& dm, analysis::TQK1100* plotWindow, QWidget* parent)
    : ComparisonScreen(ComparisonKind::ModelWage, dm, plotWindow, parent)
{
    setObjectName(QStringLiteral("QK1040"));
    setWindowTitle(QStringLiteral("モデル賃金との比較"));
}

void ComparisonScreen::buildControls()
{
    const Names& names = namesOf(kind_);
    const auto& xItems = comparisonXItems(kind_);
    const auto& yItems = comparisonYItems(kind_);
    using curves::placed;

    QGroupBox* gx = settingsFrame(this, QStringLiteral("X軸　項目"), QRect(8, 8, 125, 176));
    for (int i = 0; i < 6; ++i)
        optX << placed<QRadioButton>(gx, QString::fromLatin1(names.x[i]), xItems[size_t(i)].axis.caption,
                                     QRect(14, 22 + 24 * i, 104, 20));
    QGroupBox* gy = settingsFrame(this, QStringLiteral("Y軸　項目"), QRect(141, 8, 125, 176));
    for (int i = 0; i < 6; ++i)
        optY << placed<QRadioButton>(gy, QString::fromLatin1(names.y[i]), yItems[size_t(i)].axis.caption,
                                     QRect(14, 22 + 24 * names.ySlot[i], 104, 20));

    selection = std::make_unique<curves::SelectionControls>(
        this,
        curves::SelectionControls::Frames{QRect(274, 8, 125, 176), QRect(407, 8, 125, 86), QRect(8, 190, 258, 200),
                                          QRect(274, 190, 258, 200)},
        [this] { setChanged(); });

    // Mark label; the cost of living screen never offers the grade zone.
    QGroupBox* gm = settingsFrame(this, QStringLiteral("マークラベル"), QRect(407, 96, 125, 92));
    const bool zone = zoneLabelOffered(kind_);
    int slot = 0;
    for (int i = 0; i < 4; ++i) {
        optMark << placed<QRadioButton>(gm, QString::fromLatin1(names.mark[i]), QString::fromUtf8(names.markCaptions[i]),
                                        QRect(12, 20 + 17 * slot, 110, 17));
        if (i != 2 || zone)
            ++slot;
    }
    if (!zone)
        optMark[2]->hide();

    const analysis::SettingsFoot foot = analysis::addSettingsFoot(this, QStringLiteral("txtBikou"));
    txtTitle = foot.title;
    txtBikou = foot.explanation;
    btnAnalize = foot.analyse;
    btnClose = foot.close;

    connect(btnAnalize, &QPushButton::clicked, this, &ComparisonScreen::btnAnalizeClick);
    connect(btnClose, &QPushButton::clicked, this, &ComparisonScreen::btnCloseClick);
    connect(txtTitle, &QLineEdit::textChanged, this, &ComparisonScreen::setChanged);
}

void ComparisonScreen::setChanged()
{
    if (!loading_)
        dm_.state.DataChanged = 1;
}

void ComparisonScreen::Prepare()
{
    loading_ = true;
    setFixedSize(kind_ == ComparisonKind::CostOfLiving ? 540 : 550, 620);
    if (!zoneLabelOffered(kind_))
        optMark[2]->hide();
    selection->prepare(dm_, plot_, chartNumber(kind_));
    const auto& xItems = comparisonXItems(kind_);
    const auto& yItems = comparisonYItems(kind_);
    for (int i = 0; i < 6; ++i) {
        optX[i]->setEnabled(xItems[size_t(i)].enabled);
        optY[i]->setEnabled(yItems[size_t(i)].enabled);
    }
    optX[defaultXItem(kind_)]->setChecked(true);
    optY[defaultYItem(kind_)]->setChecked(true);
    LoadSettings();
    loading_ = false;
    dm_.state.DataChanged = 0;
}

void ComparisonScreen::LoadSettings()
{
    loadComparisonSettings(dm_, kind_, loaded_);
    const analysis::WagePlotOptions& o = loaded_.options;
    txtTitle->setText(o.title);
    txtBikou->setPlainText(o.explanation);
    curves::checkStored(optX, o.xItem);
    curves::checkStored(optY, o.yItem);
    curves::checkStored(optMark, o.markLabel);
    selection->show(dm_, o);
}

ComparisonSettings ComparisonScreen::settings() const
{
    ComparisonSettings s = loaded_;
    analysis::WagePlotOptions& o = s.options;
    o.xItem = curves::checkedIndex(optX, defaultXItem(kind_));
    o.yItem = curves::checkedIndex(optY, defaultYItem(kind_));
    o.markLabel = curves::checkedIndex(optMark, 0);
    selection->read(o);
    o.title = txtTitle->text();
    o.explanation = txtBikou->toPlainText();
    return s;
}

void ComparisonScreen::btnAnalizeClick()
{
    const QString refusal = comparisonPrecondition(kind_, dm_.state.CurrentCompany);
    if (!refusal.isEmpty()) {
        platform::dialogs().information(refusal, platform::appTitle());
        return;
    }
    if (plot_ && plot_->hasPointLabels())
        plot_->RemovePointLabels();
    const ComparisonSettings s = settings();
    platform::BusyCursor busy;
    const analysis::PlotRowsResult rows = buildComparisonRows(dm_, kind_, s.options);
    const bool found = rows.ok && rows.employees > 0;
    if (!found && rows.ok) {
        busy.end();
        platform::dialogs().information(QStringLiteral("グラフに表示するデータがありません。"), platform::appTitle());
    }
    saveComparisonSettings(dm_, kind_, s);
    busy.end();
    if (!found) {
        txtTitle->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (plot_)
        plot_->openChart(chartNumber(kind_), txtTitle->text());
    accept();
}

void ComparisonScreen::btnCloseClick()
{
    saveComparisonSettings(dm_, kind_, settings());
    analysis::closePlotWindow(plot_);
    reject();
}

} // namespace yardstick
