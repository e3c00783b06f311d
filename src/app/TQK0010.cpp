#include "app/TQK0010.h"

#include "app/SharedRoutines.h"
#include "app/TQK0000.h"
#include "app/TQK0020.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "app/CompanyStore.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace app {

namespace {

void inform(const QString& text) { platform::dialogs().information(text, platform::appTitle()); }

QTableWidgetItem* cell(const QString& text, Qt::Alignment align)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

TQK0010::TQK0010(data::TFDM& dm, TQK0000* mainWindow) : QDialog(mainWindow), dm_(dm), main_(mainWindow)
{
    setObjectName(QStringLiteral("TQK0010"));
    setModal(true);

    auto* yearLabel = new QLabel(QStringLiteral("年　　度"), this);
    cmbNendo = new QComboBox(this);
    cmbNendo->setObjectName(QStringLiteral("cmbNendo"));
    cmbNendo->setEditable(true);
    cmbNendo->setInsertPolicy(QComboBox::NoInsert);
    cmbNendo->lineEdit()->setMaxLength(4);
    cmbNendo->setCompleter(nullptr);
    // Focus and key events reach the box or its edit line, depending on where they come from.
    cmbNendo->installEventFilter(this);
    cmbNendo->lineEdit()->installEventFilter(this);
    cmbNendo->setFixedWidth(90);
    cmbNendo->setMaxVisibleItems(12);
    yearLabel->setBuddy(cmbNendo);
    // Typing a year does not choose it; only an item taken from the list does.
    connect(cmbNendo, &QComboBox::editTextChanged, this, [this] { cmbNendoTyped(); });
    connect(cmbNendo, &QComboBox::activated, this, &TQK0010::cmbNendoChosen);

    auto* gridLabel = new QLabel(QStringLiteral("企　　業"), this);
    Grid = new QTableWidget(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setColumnCount(3);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setWordWrap(false);
    Grid->setTextElideMode(Qt::ElideNone);
    Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    Grid->horizontalHeader()->setHighlightSections(false);
    Grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid->verticalHeader()->setDefaultSectionSize(20);
    Grid->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    Grid->verticalHeader()->setFixedWidth(30);
    Grid->verticalHeader()->setHighlightSections(false);
    // The current row: white on blue, whether or not the grid has the focus.
    QPalette pal = Grid->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight, QColor(0x1c, 0x4f, 0xb0));
        pal.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    Grid->setPalette(pal);
    gridLabel->setBuddy(Grid);
    connect(Grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { GridClick(row, column); });
    connect(Grid, &QTableWidget::cellClicked, this, &TQK0010::GridClick);

    Lbl_Info = new QLabel(this);
    Lbl_Info->setObjectName(QStringLiteral("Lbl_Info"));
    Lbl_Info->setAlignment(Qt::AlignCenter);
    Lbl_Info->setAutoFillBackground(true);
    Lbl_Info->setMinimumHeight(26);
    QPalette infoPal = Lbl_Info->palette();
    infoPal.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    infoPal.setColor(QPalette::WindowText, Qt::white);
    Lbl_Info->setPalette(infoPal);

    auto makeButton = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        b->setMinimumSize(90, 30);
        return b;
    };
    btnAdd = makeButton("btnAdd", QStringLiteral("登録"));
    btnMnt = makeButton("btnMnt", QStringLiteral("修正"));
    btnDlt = makeButton("btnDlt", QStringLiteral("削除"));
    btnClose = makeButton("btnClose", QStringLiteral("閉じる"));
    connect(btnAdd, &QPushButton::clicked, this, &TQK0010::btnAddClick);
    connect(btnMnt, &QPushButton::clicked, this, &TQK0010::btnMntClick);
    connect(btnDlt, &QPushButton::clicked, this, &TQK0010::btnDltClick);
    connect(btnClose, &QPushButton::clicked, this, &TQK0010::btnCloseClick);

    auto* top = new QHBoxLayout;
    top->addWidget(yearLabel);
    top->addWidget(cmbNendo);
    top->addStretch(1);
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(gridLabel, 0, Qt::AlignTop);
    gridRow->addWidget(Grid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {btnAdd, btnMnt, btnDlt, btnClose})
        buttons->addWidget(b);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 12, 14, 12);
    outer->setSpacing(10);
    outer->addLayout(top);
    outer->addLayout(gridRow, 1);
    outer->addWidget(Lbl_Info);
    outer->addLayout(buttons);
}

TQK0010::~TQK0010()
{
    // Leaving the edit line while the dialog goes must not reach the handlers any more.
    cmbNendo->blockSignals(true);
    Grid->blockSignals(true);
}

bool TQK0010::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmbNendo || watched == cmbNendo->lineEdit()) {
        const bool typedText = event->type() == QEvent::FocusOut
            || (event->type() == QEvent::KeyPress
                && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return
                    || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter));
        if (typedText) {
            typedTextEvent_ = true;
            watched->event(event);
            typedTextEvent_ = false;
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TQK0010::setYears(const QStringList& years, const QString& current)
{
    const QSignalBlocker block(cmbNendo);
    cmbNendo->clear();
    cmbNendo->addItems(years);
    const int i = years.indexOf(current);
    cmbNendo->setCurrentIndex(i);
    cmbNendo->setEditText(current);
}

void TQK0010::Prepare()
{
    setFixedSize(750, 566);
    Grid->setHorizontalHeaderLabels(
        {QStringLiteral("コード"), QStringLiteral("企　業　名"), QStringLiteral("パ　ス　名")});
    Grid->setColumnWidth(0, 60);
    Grid->setColumnWidth(1, 200);
    Grid->setColumnWidth(2, 250);
    FillGrid();
    Lbl_Info->setText(QStringLiteral("サンプル企業は2019～2020年度に収録されています"));
}

void TQK0010::FillGrid()
{
    data::AppState& st = dm_.state;
    data::TKigyo1_rec rows;
    data::Selects(dm_.ACN1, dm_.Query1, false, QStringLiteral("SELECT * FROM MKIGYOU1"),
                  QStringLiteral(" WHERE NENDO = ") + QString::number(st.CurrentNendo) + QStringLiteral(" ORDER BY KCO"),
                  rows);
    {
        const QSignalBlocker block(Grid);
        Grid->clearContents();
        const int n = int(rows.items.size());
        Grid->setRowCount(std::max(n, 1));
        QStringList numbers;
        for (int i = 0; i < n; ++i) {
            const data::TKigyo1_& r = rows.items[i];
            Grid->setItem(i, 0, cell(r.KCO, Qt::AlignRight));
            Grid->setItem(i, 1, cell(r.KNA, Qt::AlignLeft));
            Grid->setItem(i, 2, cell(QDir::toNativeSeparators(st.DataDir), Qt::AlignLeft));
            numbers << QString::number(i + 1);
        }
        if (n == 0)
            numbers << QString();
        Grid->setVerticalHeaderLabels(numbers);
        Grid->setCurrentCell(0, 0);
    }
    MaxCompanyCode = maxCompanyCode(dm_);
    if (st.EditMode != 1) {
        const QTableWidgetItem* code = Grid->item(0, 0);
        CompanyGridCode = code ? code->text().toInt() : 0;
        CompanyGridName = Grid->item(0, 1) ? Grid->item(0, 1)->text() : QString();
        CompanyGridPath = Grid->item(0, 2) ? Grid->item(0, 2)->text() : QString();
    }
}

void TQK0010::cmbNendoTyped() { dm_.state.CurrentNendo = 0; }

void TQK0010::cmbNendoChosen(int index)
{
    data::AppState& st = dm_.state;
    st.CurrentNendo = 0;
    if (index < 0 || typedTextEvent_)
        return;
    bool ok = false;
    const int year = cmbNendo->itemText(index).toInt(&ok);
    if (!ok)
        return;
    st.CurrentNendo = year;
    FillGrid();
}

void TQK0010::GridClick(int row, int column)
{
    if (row < 0 || column < 0)
        return;
    auto text = [&](int c) { return Grid->item(row, c) ? Grid->item(row, c)->text() : QString(); };
    if (text(0).isEmpty() && text(1).isEmpty() && text(2).isEmpty())
        return;
    CompanyGridCode = text(0).toInt();
    if (CompanyGridCode != 0) {
        CompanyGridName = text(1);
        CompanyGridPath = text(2);
        Grid->viewport()->update();
    }
}

void TQK0010::btnAddClick()
{
    const int mode = dm_.state.EditMode;
    if (dm_.state.CurrentNendo == 0)
        return;
    if (mode == 1)
        registerCompany();
    else if (mode == 4)
        selectCompany();
}

void TQK0010::registerCompany()
{
    data::AppState& st = dm_.state;
    const int year = st.CurrentNendo;
    if (!dm_.OpenOrCreateDatabase(dm_.ACN2, dm_.yearDatabasePath(year), dm_.templatePath(), true))
        return;
    st.CurrentKco = MaxCompanyCode + 1;
    showCompanyData(1, st.CurrentKco);
}

void TQK0010::selectCompany()
{
    data::AppState& st = dm_.state;
    if (CompanyGridCode == 0) {
        inform(QStringLiteral("企業コードが選択されていません。"));
        return;
    }
    const int year = st.CurrentNendo;
    if (!dm_.OpenOrCreateDatabase(dm_.ACN2, dm_.yearDatabasePath(year), QString(), false))
        return;
    st.CurrentKco = CompanyGridCode;
    st.CurrentCompanyName = CompanyGridName;

    data::TKigyo1_ k1;
    data::Select(dm_.ACN1, dm_.Query1, false, QStringLiteral("SELECT * FROM MKIGYOU1"),
                 QStringLiteral(" WHERE NENDO   = ") + QString::number(year) + QStringLiteral("       AND KCO = ")
                     + QString::number(st.CurrentKco),
                 k1);
    st.EraDisplay = int(VarToIntSafe(k1.REKI));
    st.AgeByToday = int(VarToIntSafe(k1.FNK));
    st.AgeReferenceDate = int(VarToIntSafe(k1.KDATE));

    st.CurrentCompany.KCO = QString::number(st.CurrentKco);
    st.CurrentCompany.NENDO = QString::number(year);
    if (!LoadCurrentCompany(st.CurrentCompany)) {
        inform(QStringLiteral("企業マスターが存在しません。"));
        return;
    }
    st.CurrentCompany.SYOTEIHH = VarToFloatSafe(k1.SYOTEIHH);
    st.CurrentCompany.SYOTEIDD = VarToFloatSafe(k1.SYOTEIDD);
    st.CurrentCompany.SYOTEIMM = VarToFloatSafe(k1.SYOTEIMM);
    st.CurrentCompany.SAITEI = int(VarToIntSafe(k1.SAITEI));

    LoadCompanyMarks(st.CompanyMarks, 8);
    if (main_)
        main_->setWindowTitle(QStringLiteral("【　") + YearLabel(st.EraDisplay, year) + QStringLiteral(" 年度  :  ")
                              + st.CurrentCompanyName + QStringLiteral("　】 ") + platform::appTitle());
    LoadEvaluationSymbols();

    // Opening a company is the only way CompanyOpen becomes 1; closing the dialog then enables the menus.
    st.CompanyOpen = 1;
    accept();
}

void TQK0010::btnMntClick()
{
    data::AppState& st = dm_.state;
    if (st.EditMode != 2 || st.CurrentNendo == 0 || CompanyGridCode == 0)
        return;
    if (!dm_.OpenOrCreateDatabase(dm_.ACN2, dm_.yearDatabasePath(st.CurrentNendo), QString(), false))
        return;
    st.EditMode = 2;
    st.CurrentKco = CompanyGridCode;
    showCompanyData(2, CompanyGridCode);
}

void TQK0010::btnDltClick()
{
    data::AppState& st = dm_.state;
    if (st.EditMode != 3 || st.CurrentNendo == 0)
        return;
    if (!dm_.OpenOrCreateDatabase(dm_.ACN2, dm_.yearDatabasePath(st.CurrentNendo), QString(), false))
        return;
    st.EditMode = 3;
    showCompanyData(3, CompanyGridCode);
}

void TQK0010::showCompanyData(int mode, int code)
{
    if (!companyData_)
        return;
    companyData_->setAction(mode);
    companyData_->txtNendo->setText(QString::number(dm_.state.CurrentNendo));
    companyData_->txtCorpID->setText(QString::number(code));
    companyData_->show();
    companyData_->raise();
    companyData_->activateWindow();
    companyData_->Prepare();
}

void TQK0010::btnCloseClick()
{
    data::AppState& st = dm_.state;
    if (st.CurrentKco == 0) {
        st.EditMode = 0;
        st.CurrentKco = 0;
        st.CompanyOpen = 0;
    }
    reject();
}

void TQK0010::done(int result)
{
    if (companyData_ && companyData_->isVisible())
        companyData_->hide();
    QDialog::done(result);
    if (main_)
        main_->UpdateMenuState(dm_.state.CompanyOpen == 0);
}

} // namespace app
