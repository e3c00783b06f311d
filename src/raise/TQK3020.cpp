#include "raise/TQK3020.h"

#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QVBoxLayout>

namespace salary {

namespace {

void warn(const QString& text) { platform::dialogs().warning(text, platform::appTitle()); }

constexpr int kCode = 0;
constexpr int kSymbol = 1;
constexpr int kSteps = 2;

// Codes and steps are numbers (right-aligned, typed without the input method); the symbol is text
// (left-aligned, typed with the input method on).
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            const bool symbol = index.column() == kSymbol;
            line->setAlignment(symbol ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            line->setInputMethodHints(symbol ? Qt::ImhNone
                                             : Qt::ImhPreferNumbers | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
        }
        return editor;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = (index.column() == kSymbol ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
    }
};

} // namespace

// ---------------------------------------------------------------- the grid

EvaluationGrid::EvaluationGrid(EvaluationKind kind, QWidget* parent) : QTableWidget(parent), kind_(kind)
{
    const bool steps = kind == EvaluationKind::Personnel;
    setColumnCount(steps ? 3 : 2);
    QStringList titles{QStringLiteral("コード"), QStringLiteral("評価記号")};
    if (steps)
        titles << QStringLiteral("加点数");
    setHorizontalHeaderLabels(titles);
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, 70);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    // The row numbers stand in the fixed first column; rows are dragged by it.
    verticalHeader()->setFixedWidth(30);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setDefaultSectionSize(24);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionsMovable(true);
    verticalHeader()->setHighlightSections(false);
    setItemDelegate(new CellDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
}

QString EvaluationGrid::cellText(int visualRow, int visualColumn) const
{
    if (visualColumn >= columnCount())
        return QString();
    const QTableWidgetItem* it =
        item(verticalHeader()->logicalIndex(visualRow), horizontalHeader()->logicalIndex(visualColumn));
    return it ? it->text() : QString();
}

void EvaluationGrid::setCell(int logicalRow, int logicalColumn, const QString& text)
{
    if (QTableWidgetItem* it = item(logicalRow, logicalColumn))
        it->setText(text);
    else
        setItem(logicalRow, logicalColumn, new QTableWidgetItem(text));
}

std::vector<EvaluationRow> EvaluationGrid::rows() const
{
    std::vector<EvaluationRow> out;
    out.reserve(size_t(rowCount()));
    for (int r = 0; r < rowCount(); ++r)
        out.push_back({cellText(r, kCode), cellText(r, kSymbol), cellText(r, kSteps)});
    return out;
}

void EvaluationGrid::setRows(const std::vector<EvaluationRow>& rows)
{
    // Empties every cell first, then lays the rows out in the columns as they stand.
    clearContents();
    setRowCount(0);
    setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const EvaluationRow& e = rows[size_t(r)];
        const int row = verticalHeader()->logicalIndex(r);
        setCell(row, horizontalHeader()->logicalIndex(kCode), e.code);
        setCell(row, horizontalHeader()->logicalIndex(kSymbol), e.symbol);
        if (columnCount() > kSteps)
            setCell(row, horizontalHeader()->logicalIndex(kSteps), e.steps);
    }
    goTo(0, kSymbol);
}

void EvaluationGrid::goTo(int row, int column)
{
    if (row < 0 || row >= rowCount())
        return;
    setCurrentCell(verticalHeader()->logicalIndex(row), horizontalHeader()->logicalIndex(column));
}

void EvaluationGrid::enterPressed()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    const int row = verticalHeader()->visualIndex(current.row());
    const int column = horizontalHeader()->visualIndex(current.column());
    const int last = columnCount() - 1;
    if (row == rowCount() - 1 && column == last) {
        bool converted = false;
        EvaluationRow next = master::nextEvaluationRow({cellText(row, kCode), QString(), QString()}, &converted);
        if (kind_ != EvaluationKind::Personnel)
            next.steps.clear();
        const int added = rowCount();
        insertRow(added);
        setCell(added, horizontalHeader()->logicalIndex(kCode), next.code);
        setCell(added, horizontalHeader()->logicalIndex(kSymbol), QString());
        if (columnCount() > kSteps)
            setCell(added, horizontalHeader()->logicalIndex(kSteps), next.steps);
        goTo(verticalHeader()->visualIndex(added), kSymbol);
        if (!converted)
            warn(QStringLiteral("数値の入力エラーです。"));
        return;
    }
    if (column < last)
        goTo(row, column + 1);
    else
        goTo(row + 1, kSymbol);
}

void EvaluationGrid::commitEditing()
{
    if (QWidget* editor = indexWidget(currentIndex()); editor && state() == EditingState) {
        commitData(editor);
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void EvaluationGrid::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        enterPressed();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void EvaluationGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableWidget::closeEditor(editor, hint);
    // Enter in a cell being edited commits it (the hint says so) and then moves on as Enter does.
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        enterPressed();
}

// ---------------------------------------------------------------- the screen

TQK3020::TQK3020(data::TFDM& dm, QWidget* parent) : QDialog(parent), dm_(dm)
{
    setObjectName(QStringLiteral("TQK3020"));
    setWindowTitle(QStringLiteral("評価の変換"));

    cmbChingin = new QComboBox(this);
    cmbChingin->setObjectName(QStringLiteral("cmbChingin"));
    cmbChingin->hide();

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    Grid = new EvaluationGrid(EvaluationKind::Personnel, this);
    Grid->setObjectName(QStringLiteral("Grid"));
    RoleGrid = new EvaluationGrid(EvaluationKind::Role, this);
    RoleGrid->setObjectName(QStringLiteral("RoleGrid"));
    PageControl->addTab(Grid, QStringLiteral("人事評価"));
    PageControl->addTab(RoleGrid, QStringLiteral("役割評価"));

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumSize(90, 30);
        return b;
    };
    btnAdd = button("btnAdd", QStringLiteral("登　録"));
    btnClose = button("btnClose", QStringLiteral("閉じる"));
    connect(btnAdd, &QPushButton::clicked, this, &TQK3020::btnAddClick);
    connect(btnClose, &QPushButton::clicked, this, &TQK3020::btnCloseClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnClose);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->addWidget(PageControl, 1);
    outer->addLayout(buttons);

    app::installEnterMovesFocus(this);
    setFixedSize(340, 473);
}

int TQK3020::wageTable() const { return app::ComboCode(cmbChingin); }

void TQK3020::Prepare()
{
    const data::AppState& st = dm_.state;
    app::FillComboFromSql(QStringLiteral("select CGCO || ' : ' || TITLE as COMBNAME from MCHINGIN where KCO = ")
                              + QString::number(st.CurrentKco) + QStringLiteral(" and Nendo = ")
                              + QString::number(st.CurrentNendo) + QStringLiteral(" order by CGCO"),
                          cmbChingin, true);
    cmbChingin->setCurrentIndex(0);
    load(Grid);
    load(RoleGrid);
    PageControl->setCurrentIndex(0);
    Grid->setFocus();
}

void TQK3020::load(EvaluationGrid* grid)
{
    grid->setRows(master::loadEvaluationRows(dm_, grid->kind(), wageTable()));
}

void TQK3020::btnAddClick()
{
    EvaluationGrid* grid = PageControl->currentIndex() == 0 ? Grid : RoleGrid;
    grid->commitEditing();
    const std::vector<EvaluationRow> rows = grid->rows();
    if (const auto refusal = master::checkEvaluationRows(rows)) {
        warn(refusal->message);
        grid->goTo(refusal->row, refusal->column);
        grid->setFocus();
        return;
    }
    if (!master::saveEvaluationRows(dm_, grid->kind(), wageTable(), rows))
        return;   // shown; the stored table is unchanged and the grid keeps what was typed
    if (grid->kind() == EvaluationKind::Role)
        app::LoadEvaluationSymbols();   // the application's list of role evaluation symbols
    load(grid);
}

void TQK3020::btnCloseClick() { accept(); }

} // namespace salary
