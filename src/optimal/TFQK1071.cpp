#include "optimal/TFQK1071.h"

#include "data/DataModule.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace optimal {

namespace {

constexpr int kFixedColumns = 4;
const QColor kSkyBlue(166, 202, 240);

// The table as the grid reads it: row 0 as the header, the fixed columns sky blue, the columns
// from 4 on right-aligned. The texts are made once; a large company costs no item per cell.
class ResultModel : public QAbstractTableModel {
public:
    ResultModel(const ResultTable& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(0, int(table_.rows.size()) - 1);
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : table_.columns; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        switch (role) {
        case Qt::DisplayRole: return table_.rows[size_t(index.row() + 1)].value(index.column());
        case Qt::TextAlignmentRole: return alignment(index.column());
        case Qt::BackgroundRole: return index.column() < kFixedColumns ? QVariant(kSkyBlue) : QVariant();
        default: return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || table_.rows.empty())
            return {};
        if (role == Qt::DisplayRole)
            return table_.rows[0].value(section);
        if (role == Qt::TextAlignmentRole)
            return alignment(section);
        return {};
    }

private:
    static QVariant alignment(int column)
    {
        return QVariant::fromValue(Qt::Alignment((column >= kFixedColumns ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    }

    const ResultTable& table_;
};

} // namespace

TFQK1071::TFQK1071(data::TFDM& dm, const OptimalAnalysis& analysis, const analysis::RegressionWorkArea& work,
                   QWidget* parent)
    : QDialog(parent), dm_(dm), analysis_(analysis), programDir_(dm.state.ProgramDir),
      table_(buildResultTable(analysis, work))
{
    setObjectName(QStringLiteral("FQK1071"));
    setWindowTitle(QStringLiteral("最適賃金の計算結果"));
    FormCreate();
    StatusBar1->showMessage(work.statistics.judgement);
    btnUPDATE->setEnabled(canOptimise(analysis));
}

void TFQK1071::FormCreate()
{
    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setModel(new ResultModel(table_, Grid));
    Grid->verticalHeader()->hide();
    Grid->verticalHeader()->setDefaultSectionSize(18);
    Grid->verticalHeader()->setMinimumSectionSize(18);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    Grid->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: #A6CAF0;"
                                                           " border: 1px solid #808080; padding: 0 2px; }"));
    Grid->horizontalHeader()->setHighlightSections(false);
    // The widths of the table, widened where the texts of this analysis need more.
    for (int c = 0; c < table_.columns; ++c) {
        const int width = c < int(table_.widths.size()) ? table_.widths[size_t(c)] : 60;
        Grid->resizeColumnToContents(c);
        Grid->setColumnWidth(c, std::max(width, Grid->columnWidth(c) + 4));
    }

    // The fixed columns: a second view of the same cells laid over the left of the grid.
    fixed_ = new QTableView(Grid);
    fixed_->setObjectName(QStringLiteral("GridFixed"));
    fixed_->setModel(Grid->model());
    fixed_->setFocusPolicy(Qt::NoFocus);
    fixed_->verticalHeader()->hide();
    fixed_->verticalHeader()->setDefaultSectionSize(18);
    fixed_->verticalHeader()->setMinimumSectionSize(18);
    fixed_->horizontalHeader()->setStyleSheet(Grid->horizontalHeader()->styleSheet());
    fixed_->horizontalHeader()->setHighlightSections(false);
    fixed_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fixed_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fixed_->setSelectionModel(Grid->selectionModel());
    fixed_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixed_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixed_->setFrameShape(QFrame::NoFrame);
    fixed_->setStyleSheet(QStringLiteral("QTableView { border-right: 1px solid #808080; }"));
    for (int c = 0; c < table_.columns; ++c) {
        fixed_->setColumnHidden(c, c >= kFixedColumns);
        if (c < kFixedColumns)
            fixed_->setColumnWidth(c, Grid->columnWidth(c));
    }
    Grid->viewport()->stackUnder(fixed_);
    connect(Grid->verticalScrollBar(), &QAbstractSlider::valueChanged, fixed_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(fixed_->verticalScrollBar(), &QAbstractSlider::valueChanged, Grid->verticalScrollBar(),
            &QAbstractSlider::setValue);
    Grid->installEventFilter(this);

    btnCSV = new QPushButton(QStringLiteral("CSV"), this);
    btnCSV->setObjectName(QStringLiteral("btnCSV"));
    btnReset = new QPushButton(QStringLiteral("リセット"), this);
    btnReset->setObjectName(QStringLiteral("btnReset"));
    btnUPDATE = new QPushButton(QStringLiteral("最適化"), this);
    btnUPDATE->setObjectName(QStringLiteral("btnUPDATE"));
    btnCloce = new QPushButton(QStringLiteral("閉じる"), this);
    btnCloce->setObjectName(QStringLiteral("btnCloce"));
    for (QPushButton* b : {btnCSV, btnReset, btnUPDATE, btnCloce}) {
        b->setFixedSize(96, 30);
        b->setAutoDefault(false);
    }

    auto* panel = new QWidget(this);
    auto* buttons = new QHBoxLayout(panel);
    buttons->setContentsMargins(8, 6, 8, 6);
    buttons->addWidget(btnCSV);
    buttons->addWidget(btnReset);
    buttons->addWidget(btnUPDATE);
    buttons->addStretch();
    buttons->addWidget(btnCloce);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Grid, 1);
    layout->addWidget(panel);
    layout->addWidget(StatusBar1);

    connect(btnCSV, &QPushButton::clicked, this, &TFQK1071::btnCSVClick);
    connect(btnReset, &QPushButton::clicked, this, &TFQK1071::btnResetClick);
    connect(btnUPDATE, &QPushButton::clicked, this, &TFQK1071::btnUPDATEClick);
    connect(btnCloce, &QPushButton::clicked, this, &TFQK1071::btnCloceClick);

    resize(870, 500);
}

void TFQK1071::placeFixedColumns()
{
    if (!fixed_)
        return;
    int width = 0;
    for (int c = 0; c < kFixedColumns && c < table_.columns; ++c)
        width += Grid->columnWidth(c);
    fixed_->horizontalHeader()->setFixedHeight(Grid->horizontalHeader()->height());
    fixed_->setGeometry(Grid->frameWidth(), Grid->frameWidth(), width,
                        Grid->viewport()->height() + Grid->horizontalHeader()->height());
}

void TFQK1071::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeFixedColumns();
}

bool TFQK1071::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Grid && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        placeFixedColumns();
    return QDialog::eventFilter(watched, event);
}

void TFQK1071::keyPressEvent(QKeyEvent* event)
{
    // Escape asks for the reset instead of closing the screen.
    if (event->key() == Qt::Key_Escape) {
        btnResetClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFQK1071::btnCSVClick()
{
    platform::BusyCursor busy;
    QString error;
    const bool written = writeResultCsv(programDir_, table_, &error);
    busy.end();
    if (written)
        platform::dialogs().information(QStringLiteral("分析結果をCSVに出力しました。"), platform::appTitle());
    else
        platform::dialogs().error(QStringLiteral("分析結果をCSVに出力できませんでした。\r\n") + error, platform::appTitle());
}

void TFQK1071::btnUPDATEClick()
{
    if (!platform::dialogs().question(QStringLiteral("最適賃金を社員マスタに更新しますか？"), platform::appTitle()))
        return;
    platform::BusyCursor busy;
    const WriteStatus status = optimiseWages(dm_, analysis_);
    busy.end();
    switch (status) {
    case WriteStatus::Done:
        btnUPDATE->setEnabled(false);
        break;
    case WriteStatus::CountMismatch:
        platform::dialogs().warning(QStringLiteral("処理件数エラーです。"), platform::appTitle());
        break;
    default:
        break;   // a database error has been shown; the button stays for another try
    }
}

void TFQK1071::btnResetClick()
{
    if (!platform::dialogs().question(QStringLiteral("最適賃金の設定をリセットしますか？"), platform::appTitle()))
        return;
    platform::BusyCursor busy;
    const WriteStatus status = resetWages(dm_);
    busy.end();
    if (status == WriteStatus::NothingSaved)
        platform::dialogs().information(QStringLiteral("リセットするデータは存在しません。"), platform::appTitle());
    if (status == WriteStatus::DatabaseError)
        return;   // shown; the screen stays so that the user can try again
    accept();
}

void TFQK1071::btnCloceClick()
{
    accept();
}

}  // namespace optimal
