#include "raise/TQK3010.h"

#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "app/RightEdit.h"
#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "raise/RaiseCalc.h"
#include "raise/RaiseListModel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace salary {

namespace {

const QColor kSkyBlue(0xA6, 0xCA, 0xF0);   // $F0CAA6
const QString kMoney = QStringLiteral("#,##0");
constexpr int kMoneyDigits = 9;            // whole yen up to 999,999,999 a month

void inform(const QString& text) { platform::dialogs().information(text, platform::appTitle()); }

QString money(qint64 v) { return app::formatNumber(kMoney, double(v)); }

void paint(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
}

void paintWindow(QWidget* w) { w->setPalette(QPalette()); }

qint64 comboCode(const QComboBox* box)
{
    return app::parseWholeNumber(app::typedCode(box->currentText().trimmed())).value_or(0);
}

} // namespace

TQK3010::TQK3010(data::TFDM& dm, QWidget* parent) : QDialog(parent), dm_(dm)
{
    setObjectName(QStringLiteral("TQK3010"));
    setWindowTitle(QStringLiteral("昇給管理"));
    setModal(true);
    buildForm();
    // Caches this screen reads; the band and matrix tables serve the raise inside a band.
    app::LoadBandTable();
    app::LoadMatrixTable();
    app::LoadWageForms();
    PageControl->setTabVisible(PageControl->indexOf(TabSheet3), false);
    app::installEnterMovesFocus(this);
}

void TQK3010::buildForm()
{
    auto edit = [this](const char* name, bool right = true, bool readOnly = false) {
        QLineEdit* e = right ? new TRightEdit(this) : new QLineEdit(this);
        e->setObjectName(QString::fromUtf8(name));
        e->setReadOnly(readOnly);
        if (readOnly)
            e->setFocusPolicy(Qt::ClickFocus);
        return e;
    };
    auto combo = [this](const char* name) {
        auto* b = new QComboBox(this);
        b->setObjectName(QString::fromUtf8(name));
        b->setEditable(true);
        b->setInsertPolicy(QComboBox::NoInsert);
        return b;
    };
    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::ClickFocus);
        return b;
    };

    // Employee and navigation.
    cmbWorkerCode = combo("cmbWorkerCode");
    cmbWorkerCode->setMinimumWidth(180);
    txtWorkerCode = edit("txtWorkerCode", false, true);
    txtWorkerName = edit("txtWorkerName", false, true);
    txtCureentNo = edit("txtCureentNo", true, true);
    txtCureentNo->setFixedWidth(60);
    txtWorkerCode->setMinimumWidth(90);
    txtWorkerName->setMinimumWidth(140);
    btnFirst = button("btnFirst", QStringLiteral("|◀"));
    btnBack = button("btnBack", QStringLiteral("◀"));
    btnNext = button("btnNext", QStringLiteral("▶"));
    btnLast = button("btnLast", QStringLiteral("▶|"));
    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("社員コード"), this));
    head->addWidget(cmbWorkerCode);
    head->addWidget(new QLabel(QStringLiteral("社員番号"), this));
    head->addWidget(txtWorkerCode);
    head->addWidget(new QLabel(QStringLiteral("氏　名"), this));
    head->addWidget(txtWorkerName, 1);
    for (QPushButton* b : {btnFirst, btnBack})
        head->addWidget(b);
    head->addWidget(txtCureentNo);
    for (QPushButton* b : {btnNext, btnLast})
        head->addWidget(b);

    // Tab 段階号俸表: evaluation, grade and steps.
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    TabSheet3 = new QWidget;
    PageControl->addTab(TabSheet1, QStringLiteral("段階号俸表"));
    PageControl->addTab(TabSheet2, QStringLiteral("昇給管理"));
    PageControl->addTab(TabSheet3, QStringLiteral("マトリクス"));

    cmbHyouka = combo("cmbHyouka");
    static const char* const hyoukaNames[3] = {"txtHyouka1", "txtHyouka2", "txtHyouka3"};
    for (int i = 0; i < 3; ++i)
        txtHyouka[i] = edit(hyoukaNames[i], false, true);
    cmbSikaku = combo("cmbSikaku");
    txtTairyuu = edit("txtTairyuu", true, true);
    chkUP = new QCheckBox(QStringLiteral("昇格する"), this);
    chkUP->setObjectName(QStringLiteral("chkUP"));
    cmbNewToukyu = combo("cmbNewToukyu");
    txtGouhou = edit("txtGouhou");
    txtGouhou->setMaxLength(3);
    txtUPGousu = edit("txtUPGousu", true, true);
    txtCalcGousu = edit("txtCalcGousu", true, true);
    txtNewGouhou = edit("txtNewGouhou");
    txtNewGouhou->setMaxLength(3);
    auto* g1 = new QGridLayout(TabSheet1);
    int r = 0;
    g1->addWidget(new QLabel(QStringLiteral("総合評価")), r, 0);
    g1->addWidget(cmbHyouka, r++, 1, 1, 2);
    static const char* const ago[3] = {"評価　１年前", "評価　２年前", "評価　３年前"};
    for (int i = 0; i < 3; ++i) {
        g1->addWidget(new QLabel(QString::fromUtf8(ago[i])), r, 0);
        g1->addWidget(txtHyouka[i], r++, 1);
    }
    g1->addWidget(new QLabel(QStringLiteral("資格等級")), r, 0);
    g1->addWidget(cmbSikaku, r, 1, 1, 2);
    g1->addWidget(new QLabel(QStringLiteral("滞留年数")), r, 3);
    g1->addWidget(txtTairyuu, r++, 4);
    g1->addWidget(chkUP, r, 1);
    g1->addWidget(new QLabel(QStringLiteral("Ｎｅｗ等級")), r, 3);
    g1->addWidget(cmbNewToukyu, r++, 4, 1, 2);
    g1->addWidget(new QLabel(QStringLiteral("能力点数")), r, 0);
    g1->addWidget(txtGouhou, r, 1);
    g1->addWidget(new QLabel(QStringLiteral("加算点")), r, 2);
    g1->addWidget(txtUPGousu, r, 3);
    g1->addWidget(new QLabel(QStringLiteral("Calc点数")), r, 4);
    g1->addWidget(txtCalcGousu, r, 5);
    g1->addWidget(new QLabel(QStringLiteral("New点数")), r, 6);
    g1->addWidget(txtNewGouhou, r++, 7);
    g1->setRowStretch(r, 1);

    // Tab 昇給管理: the pay table before, Up, after.
    auto* g2 = new QGridLayout(TabSheet2);
    g2->addWidget(new QLabel(QStringLiteral("昇給前")), 0, 1, Qt::AlignCenter);
    g2->addWidget(new QLabel(QStringLiteral("Up")), 0, 2, Qt::AlignCenter);
    g2->addWidget(new QLabel(QStringLiteral("昇給後")), 0, 3, Qt::AlignCenter);
    static const char* const bk[3] = {"txtBKihon1", "txtBKihon2", "txtBKihon3"};
    static const char* const uk[3] = {"txtUKihon1", "txtUKihon2", "txtUKihon3"};
    static const char* const ak[3] = {"txtAKihon1", "txtAKihon2", "txtAKihon3"};
    static const char* const bt[5] = {"txtBTeate1", "txtBTeate2", "txtBTeate3", "txtBTeate4", "txtBTeate5"};
    static const char* const ut[5] = {"txtUTeate1", "txtUTeate2", "txtUTeate3", "txtUTeate4", "txtUTeate5"};
    static const char* const at[5] = {"txtATeate1", "txtATeate2", "txtATeate3", "txtATeate4", "txtATeate5"};
    r = 1;
    for (int i = 0; i < 3; ++i) {
        labKihonTeate[i] = new QLabel(QStringLiteral("基本給%1").arg(QChar(u'１' + i)));
        txtBKihon[i] = edit(bk[i]);
        txtUKihon[i] = edit(uk[i]);
        txtAKihon[i] = edit(ak[i], true, true);
        g2->addWidget(labKihonTeate[i], r, 0);
        g2->addWidget(txtBKihon[i], r, 1);
        g2->addWidget(txtUKihon[i], r, 2);
        g2->addWidget(txtAKihon[i], r++, 3);
    }
    txtBKihonSum = edit("txtBKihonSum", true, true);
    txtUKihonSum = edit("txtUKihonSum", true, true);
    txtAKihonSum = edit("txtAKihonSum", true, true);
    g2->addWidget(new QLabel(QStringLiteral("Sum基本給")), r, 0);
    g2->addWidget(txtBKihonSum, r, 1);
    g2->addWidget(txtUKihonSum, r, 2);
    g2->addWidget(txtAKihonSum, r++, 3);
    for (int i = 0; i < 5; ++i) {
        labKihonTeate[3 + i] = new QLabel(QStringLiteral("手当項目名%1").arg(QChar(u'１' + i)));
        txtBTeate[i] = edit(bt[i]);
        txtUTeate[i] = edit(ut[i], true, true);
        txtATeate[i] = edit(at[i]);
        g2->addWidget(labKihonTeate[3 + i], r, 0);
        g2->addWidget(txtBTeate[i], r, 1);
        g2->addWidget(txtUTeate[i], r, 2);
        g2->addWidget(txtATeate[i], r++, 3);
    }
    txtBSumTeate = edit("txtBSumTeate", true, true);
    txtUSumTeate = edit("txtUSumTeate", true, true);
    txtASumTeate = edit("txtASumTeate", true, true);
    g2->addWidget(new QLabel(QStringLiteral("Sum手　当")), r, 0);
    g2->addWidget(txtBSumTeate, r, 1);
    g2->addWidget(txtUSumTeate, r, 2);
    g2->addWidget(txtASumTeate, r++, 3);
    txtBTotal = edit("txtBTotal", true, true);
    txtUTotal = edit("txtUTotal", true, true);
    txtATotal = edit("txtATotal", true, true);
    g2->addWidget(new QLabel(QStringLiteral("Total所定給")), r, 0);
    g2->addWidget(txtBTotal, r, 1);
    g2->addWidget(txtUTotal, r, 2);
    g2->addWidget(txtATotal, r++, 3);
    g2->setRowStretch(r, 1);
    for (auto* e : {&txtBKihon, &txtUKihon})
        for (QLineEdit* x : *e)
            x->setMaxLength(kMoneyDigits + 3);
    for (auto* e : {&txtBTeate, &txtATeate})
        for (QLineEdit* x : *e)
            x->setMaxLength(kMoneyDigits + 3);

    // Grade filter and the list.
    auto* filter = new QGroupBox(QStringLiteral("等級"), this);
    auto* fl = new QHBoxLayout(filter);
    auto* group = new QButtonGroup(this);
    optTokyuAll = new QRadioButton(QStringLiteral("全て"), filter);
    optTokyuAll->setObjectName(QStringLiteral("optTokyuAll"));
    optTokyuAll->setChecked(true);
    group->addButton(optTokyuAll, 0);
    fl->addWidget(optTokyuAll);
    for (int i = 0; i < 9; ++i) {
        optTokyu[i] = new QRadioButton(QString::number(i + 1), filter);
        optTokyu[i]->setObjectName(QStringLiteral("optTokyu%1").arg(i + 1));
        group->addButton(optTokyu[i], i + 1);
        fl->addWidget(optTokyu[i]);
    }
    for (QAbstractButton* b : group->buttons())
        b->setFocusPolicy(Qt::ClickFocus);
    connect(group, &QButtonGroup::idClicked, this, &TQK3010::gradeFilterClicked);

    model_ = new RaiseListModel(this);
    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setModel(model_);
    Grid->verticalHeader()->hide();
    Grid->verticalHeader()->setDefaultSectionSize(20);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setFocusPolicy(Qt::ClickFocus);
    QPalette gp = Grid->palette();
    gp.setColor(QPalette::Highlight, Qt::blue);
    gp.setColor(QPalette::HighlightedText, Qt::white);
    gp.setColor(QPalette::Inactive, QPalette::Highlight, Qt::blue);
    gp.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::white);
    Grid->setPalette(gp);
    for (int c = 0; c < RaiseListModel::kColumns; ++c)
        Grid->setColumnWidth(c, RaiseListModel::columnWidth(c));
    connect(Grid, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (!index.isValid() || index.column() < 1)
            return;
        const RaiseListRow& row = model_->rows()[size_t(index.row())];
        if (row.sco == 0 && row.scot.isEmpty() && row.name.isEmpty())
            return;
        moveToRow(index.row(), true);
        setHighlight(true);
    });

    btnAdd = button("btnAdd", QStringLiteral("登　録"));
    btnCancel = button("btnCancel", QStringLiteral("ｷｬﾝｾﾙ"));
    btnHyogo = button("btnHyogo", QStringLiteral("標　語"));
    btnClose = button("btnClose", QStringLiteral("閉じる"));
    connect(btnAdd, &QPushButton::clicked, this, &TQK3010::btnAddClick);
    connect(btnCancel, &QPushButton::clicked, this, &TQK3010::btnCancelClick);
    connect(btnHyogo, &QPushButton::clicked, this, &TQK3010::btnHyogoClick);
    connect(btnClose, &QPushButton::clicked, this, &TQK3010::btnCloseClick);
    connect(btnFirst, &QPushButton::clicked, this, &TQK3010::btnFirstClick);
    connect(btnBack, &QPushButton::clicked, this, &TQK3010::btnBackClick);
    connect(btnNext, &QPushButton::clicked, this, &TQK3010::btnNextClick);
    connect(btnLast, &QPushButton::clicked, this, &TQK3010::btnLastClick);
    connect(chkUP, &QCheckBox::clicked, this, &TQK3010::chkUPClick);
    connect(PageControl, &QTabWidget::tabBarClicked, this, [this](int) { QTimer::singleShot(0, this, [this] { focusForTab(); }); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {btnAdd, btnCancel, btnHyogo, btnClose}) {
        b->setMinimumSize(80, 28);
        buttons->addWidget(b);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(PageControl, 3);
    auto* side = new QVBoxLayout;
    side->addWidget(filter);
    side->addStretch(1);
    top->addLayout(side, 2);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->addLayout(head);
    outer->addLayout(top, 3);
    outer->addWidget(Grid, 2);
    outer->addLayout(buttons);

    // Fields checked when left, and the changes that count as the user's.
    QList<QWidget*> checked = {cmbWorkerCode, cmbHyouka, cmbSikaku, cmbNewToukyu, txtGouhou, txtNewGouhou};
    for (auto* set : {&txtBKihon, &txtUKihon})
        for (QLineEdit* e : *set)
            checked << e;
    for (auto* set : {&txtBTeate, &txtATeate})
        for (QLineEdit* e : *set)
            checked << e;
    for (QWidget* w : checked)
        w->installEventFilter(this);
    auto changed = [this] {
        if (!filling_)
            dm_.state.DataChanged = 1;
    };
    for (QComboBox* b : {cmbHyouka, cmbSikaku, cmbNewToukyu})
        connect(b, &QComboBox::editTextChanged, this, changed);
    for (QLineEdit* e : {txtGouhou, txtNewGouhou})
        connect(e, &QLineEdit::textEdited, this, changed);
    for (auto* set : {&txtBKihon, &txtUKihon})
        for (QLineEdit* e : *set)
            connect(e, &QLineEdit::textEdited, this, changed);
    for (auto* set : {&txtBTeate, &txtATeate})
        for (QLineEdit* e : *set)
            connect(e, &QLineEdit::textEdited, this, changed);
    connect(chkUP, &QCheckBox::clicked, this, changed);

    QWidget* order[] = {cmbWorkerCode, cmbHyouka, cmbSikaku, chkUP, cmbNewToukyu, txtGouhou, txtNewGouhou,
                        txtBKihon[0], txtUKihon[0], txtBKihon[1], txtUKihon[1], txtBKihon[2], txtUKihon[2],
                        txtBTeate[0], txtATeate[0], txtBTeate[1], txtATeate[1], txtBTeate[2], txtATeate[2],
                        txtBTeate[3], txtATeate[3], txtBTeate[4], txtATeate[4]};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void TQK3010::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Prepare();
}

bool TQK3010::dataChanged() const { return dm_.state.DataChanged != 0; }

int TQK3010::currentRow() const { return Grid->currentIndex().isValid() ? Grid->currentIndex().row() : -1; }

void TQK3010::Prepare()
{
    // The design size, or more where the Japanese font needs room for every label.
    setFixedSize(sizeHint().expandedTo(QSize(790, 580)));
    app::ShowWageFormLabels(0, labKihonTeate);
    filling_ = true;
    app::FillGradeCombo(cmbSikaku);
    app::FillGradeCombo(cmbNewToukyu);
    filling_ = false;
    ClearScreen();
    FillWorkerCodes();
    filling_ = true;
    app::FillEvaluationCombo(cmbHyouka, 0);
    cmbHyouka->setCurrentIndex(-1);
    cmbHyouka->setEditText(QString());
    filling_ = false;
    PageControl->setCurrentWidget(TabSheet1);
    LoadList();
    moveToRow(0, true);
    dm_.state.DataChanged = 0;
}

void TQK3010::ClearScreen()
{
    filling_ = true;
    for (int i = 0; i < 3; ++i) {
        txtBKihon[i]->setReadOnly(false);
        txtUKihon[i]->setReadOnly(false);
        paintWindow(txtBKihon[i]);
        paintWindow(txtUKihon[i]);
        txtBKihon[i]->setText(QStringLiteral("0"));
        txtUKihon[i]->setText(QStringLiteral("0"));
    }
    for (QComboBox* b : {cmbWorkerCode, cmbSikaku, cmbNewToukyu, cmbHyouka}) {
        b->setCurrentIndex(-1);
        b->setEditText(QString());
    }
    txtWorkerCode->clear();
    txtWorkerName->clear();
    for (QLineEdit* e : txtHyouka)
        e->clear();
    for (QLineEdit* e : {txtTairyuu, txtGouhou, txtUPGousu, txtCalcGousu, txtNewGouhou})
        e->setText(QStringLiteral("0"));
    for (int i = 0; i < 5; ++i) {
        txtBTeate[i]->setText(QStringLiteral("0"));
        txtATeate[i]->setText(QStringLiteral("0"));
    }
    shownCode_ = 0;
    dm_.state.WageTableLink = 0;
    filling_ = false;
    RecalcTotals();
}

void TQK3010::FillWorkerCodes()
{
    filling_ = true;
    app::FillComboFromSql(QStringLiteral("select SCO || ' : ' || SNA as COMBNAME from MSYAIN1 where KCO = ")
                              + QString::number(dm_.state.CurrentKco) + QStringLiteral(" and NENDO = ")
                              + QString::number(dm_.state.CurrentNendo) + QStringLiteral(" order by KCO,SCO"),
                          cmbWorkerCode, false);
    cmbWorkerCode->setCurrentIndex(-1);
    cmbWorkerCode->setEditText(QString());
    filling_ = false;
}

void TQK3010::LoadList()
{
    std::vector<RaiseListRow> rows;
    loadRaiseList(dm_, gradeFilter_, rows);
    firstCode_ = rows.empty() ? 0 : rows.front().sco;
    lastCode_ = rows.empty() ? 0 : rows.back().sco;
    model_->setRows(std::move(rows));
}

void TQK3010::setHighlight(bool on)
{
    highlight_ = on;
    if (!on)
        Grid->clearSelection();
    else if (Grid->currentIndex().isValid())
        Grid->selectionModel()->select(Grid->currentIndex(),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TQK3010::moveToRow(int row, bool load)
{
    if (row < 0 || row >= model_->rowCount()) {
        if (load && model_->rowCount() == 0)
            LoadEmployee(0);
        return;
    }
    const bool changed = currentRow() != row;
    Grid->setCurrentIndex(model_->index(row, 1));
    if (!highlight_)
        Grid->clearSelection();
    Grid->scrollTo(model_->index(row, 1));
    txtCureentNo->setText(QString::number(row + 1));
    if (load || changed)
        LoadEmployee(model_->rows()[size_t(row)].sco);
}

void TQK3010::LoadEmployee(qint64 sco)
{
    platform::BusyCursor busy;
    data::TSyain_ e;
    data::Select(dm_.ACN2, dm_.Query21, false, QStringLiteral("SELECT * FROM VSYAIN"),
                 QStringLiteral(" WHERE NENDO = ") + QString::number(dm_.state.CurrentNendo) + QStringLiteral("     AND KCO = ")
                     + QString::number(dm_.state.CurrentKco) + QStringLiteral("     AND SCO = ") + QString::number(sco),
                 e);
    if (!e.ok) {
        dm_.state.EditMode = 1;
        RecalcTotals();
        return;
    }
    dm_.state.EditMode = 2;
    filling_ = true;
    shownCode_ = sco;
    wageTable_ = e.SKCO;
    bandId_ = e.BANDID;
    roleEvaluation_ = e.YHYOUKA;
    newBandId_ = e.NEWBANDID;
    newRoleEvaluation_ = e.NEWYHYOUKA;
    app::SelectComboCode(cmbWorkerCode, int(sco));
    cmbWorkerCode->setEditText(e.SCO + QStringLiteral(" : ") + e.SNA);
    txtWorkerCode->setText(e.SCOT);
    txtWorkerName->setText(e.SNA);
    app::FillEvaluationCombo(cmbHyouka, int(e.SKCO));
    const QString evaluation = app::CodeComboText(cmbHyouka, QString::number(e.HCO), false);
    cmbHyouka->setEditText(evaluation);
    txtHyouka[0]->setText(e.HNA1);
    txtHyouka[1]->setText(e.HNA2);
    txtHyouka[2]->setText(e.HNA3);
    // The grade box shows TCO, the grade that a save writes.
    cmbSikaku->setEditText(app::CodeComboText(cmbSikaku, QString::number(e.TCO), false));
    txtTairyuu->setText(QString::number(e.THI ? app::AgeFromDate(int(e.THI)) : 0));
    cmbNewToukyu->setEditText(app::CodeComboText(cmbNewToukyu, QString::number(e.NTOUKYU ? e.NTOUKYU : e.TCO), false));
    txtGouhou->setText(QString::number(e.GOUHOU));
    txtUPGousu->setText(QString::number(e.SGOUHOU ? e.SGOUHOU : e.SGOUSU));
    txtNewGouhou->setText(QString::number(e.NGOUHOU));

    const int link = int(e.JISEKI);
    dm_.state.WageTableLink = link;
    const qint64 before[3] = {e.KKYU1, e.KKYU2, e.KKYU3};
    const qint64 after[3] = {e.NKKYU1, e.NKKYU2, e.NKKYU3};
    for (int i = 0; i < 3; ++i) {
        const bool linked = link == i + 1;
        setLinkedStyle(i, linked);
        const qint64 a = linked ? e.NKIN : after[i];
        setAmount(txtBKihon[i], before[i]);
        setAmount(txtUKihon[i], a - before[i]);
    }
    const qint64 allowance[5] = {e.TEATE1, e.TEATE2, e.TEATE3, e.TEATE4, e.TEATE5};
    const qint64 allowanceAfter[5] = {e.NTEATE1, e.NTEATE2, e.NTEATE3, e.NTEATE4, e.NTEATE5};
    for (int i = 0; i < 5; ++i) {
        setAmount(txtBTeate[i], allowance[i]);
        setAmount(txtATeate[i], allowanceAfter[i]);
    }
    app::ShowWageFormLabels(int(e.SM1), labKihonTeate);
    chkUP->setChecked(e.FSKCHK == 1);
    applyPromotionState(e.FSKCHK == 1);
    filling_ = false;
    RecalcTotals();
}

void TQK3010::setLinkedStyle(int item, bool linked)
{
    for (QLineEdit* e : {txtBKihon[item], txtUKihon[item]}) {
        e->setReadOnly(linked);
        if (linked)
            paint(e, kSkyBlue);
        else
            paintWindow(e);
    }
}

void TQK3010::applyPromotionState(bool promoted)
{
    cmbNewToukyu->setEnabled(promoted);
    if (promoted)
        paintWindow(cmbNewToukyu);
    else
        paint(cmbNewToukyu, kSkyBlue);
    txtUPGousu->setEnabled(!promoted);
    txtCalcGousu->setEnabled(!promoted);
}

qint64 TQK3010::amountOf(const QLineEdit* box) const
{
    QString t = box->text();
    t.remove(QLatin1Char(','));
    return app::parseWholeNumber(t).value_or(0);
}

void TQK3010::setAmount(QLineEdit* box, qint64 value) { box->setText(money(value)); }

void TQK3010::RecalcTotals()
{
    RaiseInput in;
    in.step = amountOf(txtGouhou);
    in.addedSteps = amountOf(txtUPGousu);
    for (int i = 0; i < 3; ++i) {
        in.baseBefore[size_t(i)] = amountOf(txtBKihon[i]);
        in.baseUp[size_t(i)] = amountOf(txtUKihon[i]);
    }
    for (int i = 0; i < 5; ++i) {
        in.allowanceBefore[size_t(i)] = amountOf(txtBTeate[i]);
        in.allowanceAfter[size_t(i)] = amountOf(txtATeate[i]);
    }
    const RaiseTotals t = raiseTotals(in);
    const bool wasFilling = filling_;
    filling_ = true;
    txtCalcGousu->setText(QString::number(t.calcSteps));
    for (int i = 0; i < 3; ++i)
        setAmount(txtAKihon[i], t.baseAfter[size_t(i)]);
    for (int i = 0; i < 5; ++i)
        setAmount(txtUTeate[i], t.allowanceUp[size_t(i)]);
    setAmount(txtBKihonSum, t.baseBeforeSum);
    setAmount(txtUKihonSum, t.baseUpSum);
    setAmount(txtAKihonSum, t.baseAfterSum);
    setAmount(txtBSumTeate, t.allowanceBeforeSum);
    setAmount(txtUSumTeate, t.allowanceUpSum);
    setAmount(txtASumTeate, t.allowanceAfterSum);
    setAmount(txtBTotal, t.scheduledBefore);
    setAmount(txtUTotal, t.scheduledUp);
    setAmount(txtATotal, t.scheduledAfter);
    filling_ = wasFilling;
}

WageLookupResult TQK3010::WageTableStep(bool write)
{
    const int link = dm_.state.WageTableLink;
    if (!chkUP->isEnabled() || link < 1 || link > 3)
        return {};
    const WageLookupResult r = lookUpWage(link, int(wageTable_), cmbNewToukyu->currentText(), txtNewGouhou->text());
    if (r.outcome == WageLookup::Skipped)
        return r;
    const int item = link - 1;
    if (write) {
        // The linked item's raise is what takes it from its amount before to the table's amount.
        const bool wasFilling = filling_;
        filling_ = true;
        setAmount(txtUKihon[item], r.amount - amountOf(txtBKihon[item]));
        filling_ = wasFilling;
    }
    RecalcTotals();
    return r;
}

void TQK3010::chkUPClick()
{
    const bool promoted = chkUP->isChecked();
    applyPromotionState(promoted);
    if (!promoted) {
        filling_ = true;
        cmbNewToukyu->setEditText(cmbSikaku->currentText());
        filling_ = false;
    }
    WageTableStep(true);
}

RaiseDecision TQK3010::decision() const
{
    RaiseDecision d;
    d.grade = comboCode(cmbSikaku);
    d.step = amountOf(txtGouhou);
    d.evaluation = comboCode(cmbHyouka);
    d.newGrade = comboCode(cmbNewToukyu);
    d.addedSteps = amountOf(txtUPGousu);
    d.newStep = amountOf(txtNewGouhou);
    d.promoted = chkUP->isChecked();
    for (int i = 0; i < 3; ++i) {
        d.amounts.baseBefore[size_t(i)] = amountOf(txtBKihon[i]);
        d.amounts.baseUp[size_t(i)] = amountOf(txtUKihon[i]);
    }
    for (int i = 0; i < 5; ++i) {
        d.amounts.allowanceBefore[size_t(i)] = amountOf(txtBTeate[i]);
        d.amounts.allowanceAfter[size_t(i)] = amountOf(txtATeate[i]);
    }
    d.amounts.step = d.step;
    d.amounts.addedSteps = d.addedSteps;
    d.bandId = bandId_;
    d.roleEvaluation = roleEvaluation_;
    d.newBandId = newBandId_;
    d.newRoleEvaluation = newRoleEvaluation_;
    return d;
}

void TQK3010::btnAddClick()
{
    if (cmbWorkerCode->currentText().trimmed().isEmpty() || shownCode_ == 0) {
        inform(QStringLiteral("社員コードが入力されていません。"));
        PageControl->setCurrentWidget(TabSheet2);
        cmbWorkerCode->setFocus();
        return;
    }
    SaveOutcome outcome;
    {
        platform::BusyCursor busy;
        outcome = saveRaise(dm_, shownCode_, decision());
    }
    if (outcome == SaveOutcome::Missing)
        inform(QStringLiteral("社員マスターにこの社員のデータが存在しません。"));
    if (outcome != SaveOutcome::Saved)
        return;
    setHighlight(false);
    const int row = currentRow();
    LoadEmployee(shownCode_);
    // The list shows the saved grades and steps.
    data::TSyain_ e;
    if (row >= 0
        && data::Select(dm_.ACN2, dm_.Query21, false, QStringLiteral("SELECT * FROM VSYAIN"),
                        QStringLiteral(" WHERE NENDO = ") + QString::number(dm_.state.CurrentNendo) + QStringLiteral(" AND KCO = ")
                            + QString::number(dm_.state.CurrentKco) + QStringLiteral(" AND SCO = ") + QString::number(shownCode_),
                        e)
        && e.ok)
        model_->updateRow(row, raiseListRow(e));
    dm_.state.DataChanged = 0;
}

void TQK3010::btnCancelClick()
{
    ClearScreen();
    PageControl->setCurrentWidget(TabSheet1);
    cmbWorkerCode->setFocus();
    setHighlight(false);
    moveToRow(0, false);
    dm_.state.DataChanged = 0;
}

void TQK3010::btnHyogoClick()
{
    if (openEvaluations_)
        openEvaluations_();
    filling_ = true;
    app::FillEvaluationCombo(cmbHyouka, 0);
    filling_ = false;
    focusForTab();
}

void TQK3010::focusForTab()
{
    if (PageControl->currentWidget() == TabSheet2)
        txtUKihon[0]->setFocus();
    else
        txtGouhou->setFocus();
}

bool TQK3010::stayForChanges(const QString& destination)
{
    if (!dataChanged())
        return false;
    if (!platform::dialogs().question(QStringLiteral("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r【いいえ】:") + destination,
                                      QStringLiteral("確認")))
        return false;
    PageControl->setCurrentWidget(TabSheet1);
    txtGouhou->setFocus();
    return true;
}

void TQK3010::navigate(int target, bool focusAfter)
{
    dm_.state.DataChanged = 0;
    moveToRow(target, true);
    if (focusAfter)
        focusForTab();
}

void TQK3010::btnFirstClick()
{
    if (stayForChanges(QStringLiteral("最初のデータ　へ。")))
        return;
    navigate(0, true);
}

void TQK3010::btnLastClick()
{
    if (stayForChanges(QStringLiteral("最後のデータ　へ。")))
        return;
    navigate(model_->rowCount() - 1, false);
}

void TQK3010::btnBackClick()
{
    if (stayForChanges(QStringLiteral("前のデータ　へ。")))
        return;
    if (cmbWorkerCode->currentText().trimmed().isEmpty()) {
        navigate(0, true);
        return;
    }
    if (shownCode_ == firstCode_)
        return;
    navigate(std::max(0, currentRow() - 1), true);
}

void TQK3010::btnNextClick()
{
    if (stayForChanges(QStringLiteral("次のデータ　へ。")))
        return;
    if (cmbWorkerCode->currentText().trimmed().isEmpty()) {
        navigate(model_->rowCount() - 1, true);
        return;
    }
    if (shownCode_ == lastCode_)
        return;
    navigate(std::min(model_->rowCount() - 1, currentRow() + 1), true);
}

void TQK3010::gradeFilterClicked(int grade)
{
    if (stayForChanges(QStringLiteral("元のデータ　へ。"))) {
        // The filter stays what it was.
        (gradeFilter_ == 0 ? optTokyuAll : optTokyu[size_t(gradeFilter_ - 1)])->setChecked(true);
        return;
    }
    ClearScreen();
    txtCureentNo->clear();
    cmbWorkerCode->setFocus();
    dm_.state.DataChanged = 0;
    gradeFilter_ = grade;
    LoadList();
    moveToRow(0, true);
}

void TQK3010::btnCloseClick()
{
    if (stayForChanges(QStringLiteral("画面を閉じます。")))
        return;
    dm_.state.DataChanged = 0;
    reject();
}

bool TQK3010::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && isVisible()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or an open drop-down list taking the focus for a moment is no leaving.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            auto* field = static_cast<QWidget*>(watched);
            if (!checkLeaving(field))
                QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TQK3010::checkLeaving(QWidget* field)
{
    auto refuseOnFirstTab = [this] {
        PageControl->setCurrentWidget(TabSheet1);
        return false;
    };
    if (field == cmbWorkerCode) {
        if (cmbWorkerCode->currentText().trimmed().isEmpty())
            return true;
        if (cmbWorkerCode->count() == 0) {
            inform(QStringLiteral("社員マスターにデータが存在しません。"));
            return refuseOnFirstTab();
        }
        int code = 0;
        if (!app::CheckCodeCombo(cmbWorkerCode, true, code, true, true))
            return refuseOnFirstTab();
        if (code == shownCode_)
            return true;
        setHighlight(true);
        const int row = model_->rowOf(code);
        if (row >= 0)
            moveToRow(row, row != currentRow() || shownCode_ != code);
        else
            LoadEmployee(code);
        if (dm_.state.EditMode == 1) {
            inform(QStringLiteral("社員マスターにデータが存在しません。"));
            return refuseOnFirstTab();
        }
        return true;
    }
    if (field == cmbHyouka) {
        if (cmbHyouka->currentText().trimmed().isEmpty())
            return true;
        int code = 0;
        if (!app::CheckCodeCombo(cmbHyouka, true, code, true, false))
            return false;
        filling_ = true;
        txtUPGousu->setText(QString::number(app::EvaluationStepCount(int(wageTable_), code)));
        filling_ = false;
        RecalcTotals();
        return true;
    }
    if (field == cmbSikaku || field == cmbNewToukyu) {
        auto* box = static_cast<QComboBox*>(field);
        if (box->currentText().trimmed().isEmpty())
            return true;
        int code = 0;
        if (!app::CheckCodeCombo(box, true, code, true, true))
            return false;
        WageTableStep(field == cmbNewToukyu);
        return true;
    }
    if (field == txtGouhou) {
        if (!app::CheckIntEdit(txtGouhou, 3, QString(), 0, 300))
            return false;
        WageTableStep(false);
        return true;
    }
    if (field == txtNewGouhou) {
        if (!app::CheckIntEdit(txtNewGouhou, 3, QString(), 0, 0))
            return false;
        const WageLookupResult r = WageTableStep(true);
        if (dm_.state.WageTableLink != 0 && r.outcome == WageLookup::NotFound)
            inform(QStringLiteral("新基本給を決定出来ません。New等級,New号俸を確認して下さい。"));
        return true;
    }
    // Money boxes.
    auto* box = static_cast<QLineEdit*>(field);
    if (box->isReadOnly())
        return true;
    if (!app::CheckIntEdit(box, kMoneyDigits, kMoney, 0, 0))
        return false;
    RecalcTotals();
    return true;
}

} // namespace salary
