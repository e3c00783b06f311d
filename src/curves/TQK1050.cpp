#include "curves/TQK1050.h"

#include "analysis/ChartScale.h"
#include "analysis/TQK1010.h"
#include "analysis/TQK1100.h"
#include "analysis/TentativeCurves.h"
#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "app/RightEdit.h"
#include "curves/TQK1051.h"
#include "curves/WageTableOutput.h"
#include "data/Common.h"
#include "data/DataModule.h"
#include "master/FieldExit.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "reports/PrintMain.h"
#include "reports/ReportWriter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace curves {

namespace {

const QString fullWidthDigits = QStringLiteral("０１２３４５");

// The integer a grid field holds: "," removed, 0 when empty or no number.
qint64 fieldValue(const QLineEdit* field)
{
    QString t = field->text();
    t.remove(QLatin1Char(','));
    return app::parseWholeNumber(t).value_or(0);
}

} // namespace

TQK1050::TQK1050(data::TFDM& dm, analysis::TQK1100* plotWindow, QWidget* parent)
    : QDialog(parent), dm_(dm), plot_(plotWindow)
{
    setObjectName(QStringLiteral("QK1050"));
    setWindowTitle(QStringLiteral("昇給カーブの設計"));
    buildControls();
    app::installEnterMovesFocus(this);
    openLegend = [this](int design) {
        TQK1051 dialog(this);
        dialog.Prepare(design, analysis::tentativeCurves().slots[size_t(design)]);
        dialog.exec();
    };
    showPreview = [this] {
        reports::TfrmPrintPreview preview(this);
        preview.exec();
    };
}

TQK1050::~TQK1050() = default;

void TQK1050::buildControls()
{
    fieldExit_ = new master::FieldExit(this, [this](QWidget* f) { return checkField(f); });
    QFont headerFont = font();
    headerFont.setPixelSize(11);
    for (int j = 0; j < designCount; ++j) {
        const int left = 8 + 142 * j;
        const QString n = QString::number(j + 1);
        xHeaders[size_t(j)] = placed<QLabel>(this, QStringLiteral("Label%1").arg(2 * j + 1, 3, 10, QLatin1Char('0')),
                                             QString(), QRect(left, 8, 60, 18));
        yHeaders[size_t(j)] = placed<QLabel>(this, QStringLiteral("Label%1").arg(2 * j + 2, 3, 10, QLatin1Char('0')),
                                             QString(), QRect(left + 60, 8, 76, 18));
        for (QLabel* l : {xHeaders[size_t(j)], yHeaders[size_t(j)]}) {
            l->setFont(headerFont);
            l->setAlignment(Qt::AlignCenter);
        }
        for (int k = 0; k < designPoints; ++k) {
            const QString jk = n + QString::number(k + 1);
            auto* x = new TRightEdit(this);
            x->setObjectName(QStringLiteral("txtNenrei") + jk);
            x->setGeometry(left, 30 + 25 * k, 56, 23);
            x->setMaxLength(2);
            auto* amount = new TRightEdit(this);
            amount->setObjectName(QStringLiteral("txtSyokunou") + jk);
            amount->setGeometry(left + 60, 30 + 25 * k, 76, 23);
            amount->setMaxLength(10);
            txtNenrei[size_t(j)][size_t(k)] = x;
            txtSyokunou[size_t(j)][size_t(k)] = amount;
            for (QLineEdit* f : {static_cast<QLineEdit*>(x), static_cast<QLineEdit*>(amount)}) {
                fieldExit_->watch(f);
                connect(f, &QLineEdit::textEdited, this, &TQK1050::setChanged);
            }
        }
        chk[size_t(j)] = placed<QCheckBox>(this, QStringLiteral("chk") + n, QStringLiteral("設計") + fullWidthDigits.at(j + 1),
                                           QRect(left + 4, 182, 120, 20));
        connect(chk[size_t(j)], &QCheckBox::toggled, this, &TQK1050::setChanged);
        btnHanrei[size_t(j)] = placed<QPushButton>(this, QStringLiteral("btnHanrei") + n, QStringLiteral("凡　　例"),
                                                   QRect(left, 204, 136, 26));
        connect(btnHanrei[size_t(j)], &QPushButton::clicked, this, [this, j] {
            if (openLegend)
                openLegend(j + 1);
            dm_.state.DataChanged = 1;
        });
    }

    btnAdd = placed<QPushButton>(this, QStringLiteral("btnAdd"), QStringLiteral("登　録"), QRect(720, 8, 132, 30));
    btnExec = placed<QPushButton>(this, QStringLiteral("btnExec"), QStringLiteral("実　行"), QRect(720, 44, 132, 30));
    btnSalaryList = placed<QPushButton>(this, QStringLiteral("btnSalaryList"), QStringLiteral("賃金表"), QRect(720, 80, 132, 30));
    btnFile = placed<QPushButton>(this, QStringLiteral("btnFile"), QStringLiteral("CSV出力"), QRect(720, 116, 132, 30));
    btnClose = placed<QPushButton>(this, QStringLiteral("btnClose"), QStringLiteral("閉じる"), QRect(720, 200, 132, 30));

    auto* gx = placed<QGroupBox>(this, QStringLiteral("grpX"), QStringLiteral("X軸　項目"), QRect(8, 238, 118, 182));
    const char* xNames[] = {"optXNenrei", "optXKinzoku", "optXKeiken", "optXGouhou", "optXTassei", "optXSyokumu"};
    for (int i = 0; i < 6; ++i)
        optX << placed<QRadioButton>(gx, QString::fromLatin1(xNames[i]), designXItems()[size_t(i)].caption,
                                     QRect(12, 22 + 25 * i, 100, 20));
    auto* gy = placed<QGroupBox>(this, QStringLiteral("grpY"), QStringLiteral("Y軸　項目"), QRect(132, 238, 118, 182));
    const char* yNames[] = {"optYKoumoku1", "optYKoumoku2", "optYKoumoku3", "optYKihon", "optYSyotei", "optYNensyu"};
    for (int i = 0; i < 6; ++i)
        optY << placed<QRadioButton>(gy, QString::fromLatin1(yNames[i]), designYItems()[size_t(i)].caption,
                                     QRect(12, 22 + 25 * i, 100, 20));

    selection = std::make_unique<SelectionControls>(
        this,
        SelectionControls::Frames{QRect(256, 238, 118, 182), QRect(380, 238, 100, 86), QRect(486, 238, 366, 182),
                                  QRect(8, 426, 360, 186)},
        [this] { setChanged(); });
    auto* gl = placed<QGroupBox>(this, QStringLiteral("grpLabel"), QStringLiteral("プロット表示"), QRect(380, 330, 100, 90));
    optLabelFalse = placed<QRadioButton>(gl, QStringLiteral("optLabelFalse"), QStringLiteral("0 : しない"), QRect(12, 24, 84, 20));
    optLabelTrue = placed<QRadioButton>(gl, QStringLiteral("optLabelTrue"), QStringLiteral("1 : する"), QRect(12, 52, 84, 20));

    placed<QLabel>(this, QStringLiteral("lblTitle"), QStringLiteral("タイトル"), QRect(376, 430, 52, 22));
    txtTitle = placed<QLineEdit>(this, QStringLiteral("txtTitle"), QString(), QRect(430, 428, 422, 24));
    txtTitle->setMaxLength(40);
    placed<QLabel>(this, QStringLiteral("lblBikou"), QStringLiteral("解説"), QRect(376, 460, 52, 22));
    txtBikou = new QPlainTextEdit(this);
    txtBikou->setObjectName(QStringLiteral("txtBikou"));
    txtBikou->setGeometry(430, 458, 422, 154);

    for (QPushButton* b : {btnAdd, btnExec, btnSalaryList, btnFile, btnClose}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
    }
    for (QPushButton* b : btnHanrei) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
    }
    connect(btnAdd, &QPushButton::clicked, this, &TQK1050::btnAddClick);
    connect(btnExec, &QPushButton::clicked, this, &TQK1050::btnExecClick);
    connect(btnSalaryList, &QPushButton::clicked, this, &TQK1050::btnSalaryListClick);
    connect(btnFile, &QPushButton::clicked, this, &TQK1050::btnFileClick);
    connect(btnClose, &QPushButton::clicked, this, &TQK1050::btnCloseClick);
    for (int i = 0; i < 6; ++i) {
        connect(optX[i], &QRadioButton::clicked, this, [this, i] { itemClicked(xItem_, i); });
        connect(optY[i], &QRadioButton::clicked, this, [this, i] { itemClicked(yItem_, i); });
    }
    for (QRadioButton* r : {optLabelFalse, optLabelTrue})
        connect(r, &QRadioButton::toggled, this, &TQK1050::setChanged);
    connect(txtTitle, &QLineEdit::textChanged, this, &TQK1050::setChanged);
    connect(txtBikou, &QPlainTextEdit::textChanged, this, &TQK1050::setChanged);
}

void TQK1050::setChanged()
{
    if (!loading_)
        dm_.state.DataChanged = 1;
}

bool TQK1050::checkField(QWidget* field)
{
    for (int j = 0; j < designCount; ++j)
        for (int k = 0; k < designPoints; ++k) {
            if (field == txtNenrei[size_t(j)][size_t(k)])
                return app::CheckIntEdit(txtNenrei[size_t(j)][size_t(k)], 2, QString(), 0, 99);
            if (field == txtSyokunou[size_t(j)][size_t(k)])
                return app::CheckIntEdit(txtSyokunou[size_t(j)][size_t(k)], 8, QStringLiteral("#,##0"), 0, 99999999);
        }
    return true;
}

bool TQK1050::leaveFields()
{
    return fieldExit_->checkFocused();
}

void TQK1050::focusFirstPoint()
{
    txtNenrei[0][0]->setFocus(Qt::OtherFocusReason);
}

void TQK1050::Prepare()
{
    loading_ = true;
    setFixedSize(860, 620);
    selection->prepare(dm_, plot_, analysis::chart::RaiseDesign);
    LoadSettings();
    loading_ = false;
    dm_.state.DataChanged = 0;
}

void TQK1050::LoadSettings()
{
    data::TChart_ row;
    analysis::loadChartSettings(dm_, analysis::chart::RaiseDesign, row);
    const DesignSettings d = designSettingsFrom(row);
    itemsEnabled_ = false;
    txtTitle->setText(d.selection.title);
    (d.plotDisplay == 1 ? optLabelTrue : optLabelFalse)->setChecked(true);
    selection->show(dm_, d.selection);
    checkStored(optX, d.selection.xItem);
    checkStored(optY, d.selection.yItem);
    xItem_ = checkedIndex(optX, 0);
    yItem_ = checkedIndex(optY, 0);
    itemsEnabled_ = true;
    showHeaders();
    clearGrid();
    loadGrid();
}

void TQK1050::showHeaders()
{
    const QString x = optX[xItem_]->text();
    const QString y = optY[yItem_]->text();
    for (int j = 0; j < designCount; ++j) {
        xHeaders[size_t(j)]->setText(x + fullWidthDigits.at(j + 1));
        yHeaders[size_t(j)]->setText(y + fullWidthDigits.at(j + 1));
    }
    analysis::TSPD& spd = analysis::tentativeCurves();
    spd.xItem = xItem_;
    spd.yItem = yItem_;
}

void TQK1050::clearGrid()
{
    const bool was = loading_;
    loading_ = true;
    for (int j = 0; j < designCount; ++j) {
        for (int k = 0; k < designPoints; ++k) {
            txtNenrei[size_t(j)][size_t(k)]->setText(QStringLiteral("0"));
            txtSyokunou[size_t(j)][size_t(k)]->setText(QStringLiteral("0"));
        }
        chk[size_t(j)]->setChecked(false);
    }
    txtBikou->clear();
    loading_ = was;
}

void TQK1050::loadGrid()
{
    const bool was = loading_;
    loading_ = true;
    LoadedDesigns loaded;
    analysis::TSPD& spd = analysis::tentativeCurves();
    for (int j = 0; j < designCount; ++j)
        loaded.slots[size_t(j)] = spd.slots[size_t(j + 1)];
    if (loadDesigns(dm_, xItem_, yItem_, loaded)) {
        for (int j = 0; j < designCount; ++j) {
            if (!loaded.found[size_t(j)])
                continue;
            const Design& d = loaded.grid[size_t(j)];
            chk[size_t(j)]->setChecked(d.inUse);
            for (int k = 0; k < designPoints; ++k) {
                txtNenrei[size_t(j)][size_t(k)]->setText(QString::number(d.x[size_t(k)]));
                txtSyokunou[size_t(j)][size_t(k)]->setText(
                    app::formatNumber(QStringLiteral("#,##0"), double(d.amount[size_t(k)])));
            }
            spd.slots[size_t(j + 1)] = loaded.slots[size_t(j)];
        }
        if (std::find(loaded.found.begin(), loaded.found.end(), true) != loaded.found.end())
            txtBikou->setPlainText(loaded.explanation);
    }
    loading_ = was;
    dm_.state.DataChanged = 0;
}

void TQK1050::reloadGrid()
{
    clearGrid();
    loadGrid();
}

void TQK1050::itemClicked(int& item, int index)
{
    if (!itemsEnabled_)
        return;
    item = index;
    showHeaders();
    reloadGrid();
}

DesignGrid TQK1050::grid() const
{
    DesignGrid g;
    for (int j = 0; j < designCount; ++j) {
        Design& d = g[size_t(j)];
        d.inUse = chk[size_t(j)]->isChecked();
        for (int k = 0; k < designPoints; ++k) {
            d.x[size_t(k)] = fieldValue(txtNenrei[size_t(j)][size_t(k)]);
            d.amount[size_t(k)] = fieldValue(txtSyokunou[size_t(j)][size_t(k)]);
        }
    }
    return g;
}

DesignSettings TQK1050::settings() const
{
    DesignSettings d;
    d.selection.xItem = xItem_;
    d.selection.yItem = yItem_;
    selection->read(d.selection);
    d.selection.title = txtTitle->text();
    d.selection.explanation = txtBikou->toPlainText();
    d.plotDisplay = optLabelTrue->isChecked() ? 1 : 0;
    return d;
}

void TQK1050::btnAddClick()
{
    if (!leaveFields())
        return;
    DesignRegistration r;
    r.xItem = xItem_;
    r.yItem = yItem_;
    r.grid = grid();
    r.explanation = txtBikou->toPlainText();
    const analysis::TSPD& spd = analysis::tentativeCurves();
    for (int j = 0; j < designCount; ++j)
        r.slots[size_t(j)] = spd.slots[size_t(j + 1)];
    const bool registered = registerDesigns(dm_, r);
    focusFirstPoint();
    if (registered)
        dm_.state.DataChanged = 0;
}

void TQK1050::btnExecClick()
{
    if (!leaveFields())
        return;
    if (dm_.state.DataChanged != 0) {
        platform::dialogs().information(QStringLiteral("ﾃﾞｰﾀが変更されています。登録　してください。"),
                                        platform::appTitle());
        focusFirstPoint();
        return;
    }
    if (plot_ && plot_->hasPointLabels())
        plot_->RemovePointLabels();
    const DesignSettings d = settings();
    platform::BusyCursor busy;
    const analysis::PlotRowsResult rows = buildDesignRows(dm_, d);
    const bool found = rows.ok && rows.employees > 0;
    if (rows.ok && !found) {
        busy.end();
        platform::dialogs().information(QStringLiteral("グラフに表示するデータがありません。"), platform::appTitle());
    }
    saveDesignSettings(dm_, d);
    busy.end();
    if (!found) {
        focusFirstPoint();
        return;
    }
    if (plot_)
        plot_->openChart(analysis::chart::RaiseDesign, txtTitle->text());
    accept();
}

void TQK1050::btnSalaryListClick()
{
    if (!leaveFields())
        return;
    data::AppState& st = dm_.state;
    st.refreshToday();
    WageTablePage page;
    page.yearLabel = app::YearLabel(st.EraDisplay, st.CurrentNendo);
    page.companyName = st.CurrentCompanyName;
    page.title = txtTitle->text();
    page.today = st.TodayDate;
    page.xCaption = optX[xItem_]->text();
    page.yCaption = optY[yItem_]->text();
    reports::ReportWriter writer;
    printWageTable(dm_, writer, grid(), xItem_, yItem_, page);
    if (!st.PreviewFile.isEmpty() && showPreview)
        showPreview();
}

void TQK1050::btnFileClick()
{
    if (!leaveFields())
        return;
    const QString question = QStringLiteral("賃金表を") + dm_.state.ProgramDir + QStringLiteral("CSVへ出力します。")
        + QStringLiteral("\r\n") + QStringLiteral("よろしいですか？");
    if (!platform::dialogs().question(question, platform::appTitle()))
        return;
    exportWageTableCsv(dm_, grid(), xItem_, yItem_, txtTitle->text());
}

void TQK1050::btnCloseClick()
{
    if (dm_.state.DataChanged != 0) {
        const QString text = QStringLiteral("ﾃﾞｰﾀが変更されています。") + QLatin1Char('\r')
            + QStringLiteral("【はい】:戻ります。") + QLatin1Char('\r') + QStringLiteral("【いいえ】:画面を閉じます。");
        if (platform::dialogs().question(text, QStringLiteral("確認"))) {
            focusFirstPoint();
            return;
        }
    }
    saveDesignSettings(dm_, settings());
    analysis::closePlotWindow(plot_);
    reject();
}

} // namespace curves
