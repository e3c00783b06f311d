#include "master/TQK0030.h"

#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "app/RightEdit.h"
#include "data/DataModule.h"
#include "master/EmployeeListModel.h"
#include "master/FieldExit.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace master {

namespace {

using F = EmployeeField;

void warn(const QString& text) { platform::dialogs().warning(text, platform::appTitle()); }
void inform(const QString& text) { platform::dialogs().information(text, platform::appTitle()); }

QString num(qint64 n) { return QString::number(n); }

// The colours of the base-pay boxes: before the raise white, after it sky blue ($F0CAA6), the
// after-raise box that the wage table fills yellow.
const QColor kBefore(Qt::white);
const QColor kAfter(0xA6, 0xCA, 0xF0);
const QColor kLinked(Qt::yellow);

void paint(QLineEdit* e, const QColor& c)
{
    QPalette p = e->palette();
    p.setColor(QPalette::Base, c);
    e->setPalette(p);
}

QPushButton* topButton(QWidget* parent, const char* name, const QString& text, int width)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(width, 28);
    return b;
}

QLineEdit* countBox(QWidget* parent, const char* name)
{
    auto* e = new TRightEdit(parent);
    e->setObjectName(QString::fromUtf8(name));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setFixedWidth(56);
    return e;
}

} // namespace

TQK0030::TQK0030(data::TFDM& dm, QWidget* parent) : QDialog(parent), dm_(dm)
{
    setObjectName(QStringLiteral("TQK0030"));
    setWindowTitle(QStringLiteral("社員データ"));
    list_ = new EmployeeListModel(this);
    codes_ = new EmployeeCodeModel(list_, this);
    exits_ = new FieldExit(this, [this](QWidget* field) { return checkLeaving(field); });

    btnAdd = topButton(this, "btnAdd", QStringLiteral("登　録"), 76);
    btnMnt = topButton(this, "btnMnt", QStringLiteral("修　正"), 76);
    btnDlt = topButton(this, "btnDlt", QStringLiteral("削　除"), 76);
    btnCansel = topButton(this, "btnCansel", QStringLiteral("ｷｬﾝｾﾙ"), 76);
    btnClose = topButton(this, "btnClose", QStringLiteral("閉じる"), 76);
    btnFirst = topButton(this, "btnFirst", QStringLiteral("|<"), 36);
    btnBack = topButton(this, "btnBack", QStringLiteral("<"), 36);
    btnNext = topButton(this, "btnNext", QStringLiteral(">"), 36);
    btnLast = topButton(this, "btnLast", QStringLiteral(">|"), 36);
    btnFirst->setToolTip(QStringLiteral("最初のデータ"));
    btnBack->setToolTip(QStringLiteral("前のデータ"));
    btnNext->setToolTip(QStringLiteral("次のデータ"));
    btnLast->setToolTip(QStringLiteral("最後のデータ"));

    cmbWorker = new QComboBox(this);
    cmbWorker->setObjectName(QStringLiteral("cmbWorker"));
    cmbWorker->setEditable(true);
    cmbWorker->setInsertPolicy(QComboBox::NoInsert);
    cmbWorker->setCompleter(nullptr);
    // Sized once, not measured over every employee.
    cmbWorker->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbWorker->setFixedWidth(130);
    cmbWorker->setMaxVisibleItems(20);
    if (auto* view = qobject_cast<QListView*>(cmbWorker->view()))
        view->setUniformItemSizes(true);
    cmbWorker->setModel(codes_);
    // The code box is reached by mouse; Tab walks the fields of the record.
    cmbWorker->setFocusPolicy(Qt::ClickFocus);
    txtWorker = new QLineEdit(this);
    txtWorker->setObjectName(QStringLiteral("txtWorker"));
    txtWorker->setReadOnly(true);
    txtWorker->setFocusPolicy(Qt::NoFocus);
    txtWorker->setFixedWidth(180);
    txtCureentNo = countBox(this, "txtCureentNo");
    txtLastNo = countBox(this, "txtLastNo");
    Label52 = new QLabel(QStringLiteral("/"), this);
    Label52->setObjectName(QStringLiteral("Label52"));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (QPushButton* b : {btnAdd, btnMnt, btnDlt, btnCansel})
        buttons->addWidget(b);
    buttons->addSpacing(20);
    for (QPushButton* b : {btnFirst, btnBack, btnNext, btnLast})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);

    auto* codeRow = new QHBoxLayout;
    codeRow->setSpacing(6);
    codeRow->addWidget(new QLabel(QStringLiteral("社員コード"), this));
    codeRow->addWidget(cmbWorker);
    codeRow->addWidget(txtWorker);
    codeRow->addStretch(1);
    codeRow->addWidget(txtCureentNo);
    codeRow->addWidget(Label52);
    codeRow->addWidget(txtLastNo);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->addTab(buildBasicTab(), QStringLiteral("基本情報"));
    PageControl->addTab(buildPayTab(), QStringLiteral("賃金情報"));
    PageControl->addTab(buildPay2Tab(), QStringLiteral("賃金情報２"));
    PageControl->setFixedHeight(262);
    // The tab "マトリクス" and the wage-table and matrix links are not part of this edition; the lists
    // behind them stay, hidden, for the values the record carries.
    cmbChingin = new QComboBox(this);
    cmbChingin->setObjectName(QStringLiteral("cmbChingin"));
    cmbBand = new QComboBox(this);
    cmbBand->setObjectName(QStringLiteral("cmbBand"));
    cmbYHyouka = new QComboBox(this);
    cmbYHyouka->setObjectName(QStringLiteral("cmbYHyouka"));
    for (QComboBox* hidden : {cmbChingin, cmbBand, cmbYHyouka})
        hidden->hide();

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 6, 8, 6);
    outer->setSpacing(4);
    outer->addLayout(buttons);
    outer->addLayout(codeRow);
    outer->addWidget(PageControl);
    outer->addWidget(buildList(), 1);

    payLabels_ = {labKihon[0], labKihon[1], labKihon[2], labTeate[0], labTeate[1], labTeate[2], labTeate[3], labTeate[4]};
    wireFields();
    app::installEnterMovesFocus(this);
    setFixedSize(777, 566);
}

TQK0030::~TQK0030() = default;

void TQK0030::wireFields()
{
    fields_ = {
        {F::Code, cmbWorker},
        {F::Number, txtWorkerNo},
        {F::Name, txtWorkName},
        {F::BirthEra, cmbSeiNengou}, {F::BirthYear, txtSeiyy}, {F::BirthMonth, txtSeimm}, {F::BirthDay, txtSeidd},
        {F::HireEra, cmbNyuNengou}, {F::HireYear, txtNyuyy}, {F::HireMonth, txtNyumm}, {F::HireDay, txtNyudd},
        {F::Position, txtYakusyoku},
        {F::WorkForm, cmbMibun},
        {F::Education, txtGakureki}, {F::Major, txtSenkou}, {F::Qualifications, txtKSikaku}, {F::Assignment, txtHaizoku},
        {F::AppointmentEra, cmbTouNengou}, {F::AppointmentYear, txtTouyy}, {F::AppointmentMonth, txtToumm},
        {F::AppointmentDay, txtToudd},
        {F::Grade, cmbSikaku},
        {F::AbilityPoints, txtGouhou},
        {F::AchievementRate, txtTasseiRitsu},
        {F::Evaluation, cmbHyouka1},
        {F::PastEvaluation1, txtHyouka2}, {F::PastEvaluation2, txtHyouka3}, {F::PastEvaluation3, txtHyouka4},
        {F::ExperienceYears, txtKeikenNen},
        {F::JobPoints, txtSyokumuTensu},
        {F::Mark, cmbMark},
    };
    for (int i = 0; i < 3; ++i)
        fields_.push_back({nthField(F::Base1, i), txtKihon[i]});
    for (int i = 0; i < 3; ++i)
        fields_.push_back({nthField(F::BaseAfter1, i), txtAFKihon[i]});
    for (int i = 0; i < 5; ++i)
        fields_.push_back({nthField(F::Allowance1, i), txtTeate[i]});
    for (int i = 0; i < 5; ++i)
        fields_.push_back({nthField(F::AllowanceAfter1, i), txtAFTeate[i]});
    fields_.push_back({F::Bonus1, txtBonus1});
    fields_.push_back({F::Bonus2, txtBonus2});
    fields_.push_back({F::RetirementRate, txtTaisyokuKin});
    for (int i = 0; i < 3; ++i)
        fields_.push_back({nthField(F::RaiseHistory1, i), txtUPKin[i]});

    // Tab walks the fields in screen order, tab by tab; the sex buttons follow the name.
    std::vector<QWidget*> order;
    for (const auto& [field, widget] : fields_) {
        if (field == F::Code)
            continue;
        order.push_back(widget);
        if (field == F::Name) {
            order.push_back(OptSex1);
            order.push_back(OptSex2);
        }
    }
    for (size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    for (const auto& [field, widget] : fields_) {
        if (field == F::WorkForm)
            continue;
        exits_->watch(widget);
        if (auto* e = qobject_cast<QLineEdit*>(widget))
            connect(e, &QLineEdit::textEdited, this, [this] { changed(); });
        else if (auto* box = qobject_cast<QComboBox*>(widget); box && box != cmbWorker)
            connect(box, &QComboBox::editTextChanged, this, [this] { changed(); });
    }
    connect(cmbMibun, &QComboBox::activated, this, [this] {
        app::ShowWageFormLabels(app::ComboCode(cmbMibun), payLabels_);
        changed();
    });
    for (QRadioButton* r : {OptSex1, OptSex2})
        connect(r, &QRadioButton::clicked, this, [this] { changed(); });
    connect(cmbWorker, &QComboBox::editTextChanged, this, [this] {
        if (!filling_)
            codeTyped_ = true;
    });

    connect(btnAdd, &QPushButton::clicked, this, &TQK0030::btnAddClick);
    connect(btnMnt, &QPushButton::clicked, this, &TQK0030::btnMntClick);
    connect(btnDlt, &QPushButton::clicked, this, &TQK0030::btnDltClick);
    connect(btnCansel, &QPushButton::clicked, this, &TQK0030::btnCanselClick);
    connect(btnClose, &QPushButton::clicked, this, &TQK0030::btnCloseClick);
    connect(btnFirst, &QPushButton::clicked, this, &TQK0030::btnFirstClick);
    connect(btnBack, &QPushButton::clicked, this, &TQK0030::btnBackClick);
    connect(btnNext, &QPushButton::clicked, this, &TQK0030::btnNextClick);
    connect(btnLast, &QPushButton::clicked, this, &TQK0030::btnLastClick);
    connect(btnPicter, &QPushButton::clicked, this, &TQK0030::btnPicterClick);

    connect(Grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (!moving_ && current.isValid())
            gridClick(current.row());
    });
    connect(Grid, &QTableView::clicked, this, [this](const QModelIndex& index) { gridClick(index.row()); });
}

QWidget* TQK0030::fieldWidget(EmployeeField f) const
{
    for (const auto& [field, widget] : fields_)
        if (field == f)
            return widget;
    return nullptr;
}

// ---------------------------------------------------------------- opening

void TQK0030::Prepare()
{
    data::AppState& st = dm_.state;
    const QString company = num(st.CurrentKco);
    const QString year = num(st.CurrentNendo);
    filling_ = true;
    cmbWorker->setEditText(QString());

    app::LoadBandTable();
    app::FillComboFromSql(QStringLiteral("select BANDID || ' : ' || BANDNAME as COMBNAME from BANDM where KCO = ") + company
                              + QStringLiteral(" and Nendo = ") + year + QStringLiteral(" order by BANDID"),
                          cmbBand, false);
    app::FillComboFromSql(QStringLiteral("select HCO || ' : ' || HKIGOU as COMBNAME from YHYOUKA where KCO = ") + company
                              + QStringLiteral(" and Nendo = ") + year + QStringLiteral(" order by HCO"),
                          cmbYHyouka, false);
    app::LoadMatrixTable();
    app::FillComboFromSql(QStringLiteral("select SalaryID || ' : ' || SalaryName as COMBNAME from SalaryName where KCO = ")
                              + company + QStringLiteral(" and Nendo = ") + year + QStringLiteral(" order by SalaryID"),
                          cmbMibun, false);
    app::FillComboFromSql(QStringLiteral("select CGCO || ' : ' || TITLE as COMBNAME from MCHINGIN where KCO = ") + company
                              + QStringLiteral(" and Nendo = ") + year + QStringLiteral(" order by CGCO"),
                          cmbChingin, true);
    app::LoadWageForms();
    app::LoadCompanyMarks(st.CompanyMarks, 8);

    app::FillGradeCombo(cmbSikaku);
    cmbMark->clear();
    for (int n = 1; n <= 9; ++n)
        cmbMark->addItem(app::MarkItemText(n));
    QStringList eras;
    for (const data::EraEntry& e : st.EraTable)
        if (!e.name.isEmpty())
            eras << e.name;
    if (eras.isEmpty())
        eras << QStringLiteral("未設定");
    for (QComboBox* box : {cmbSeiNengou, cmbNyuNengou, cmbTouNengou}) {
        box->clear();
        box->addItems(eras);
        box->setVisible(st.EraDisplay != 0);
    }
    app::FillEvaluationCombo(cmbHyouka1, 0);
    filling_ = false;
    PageControl->setCurrentIndex(0);

    clearScreen();
    listPosition_ = 0;
    loadList();
    if (list_->count() > 0) {
        moveCursor(0);
        gridClick(0);
    }
    st.DataChanged = 0;
    setButtons(true, true, true);
}

// ---------------------------------------------------------------- form exchange

EmployeeForm TQK0030::readForm() const
{
    EmployeeForm f;
    f.code = cmbWorker->currentText();
    f.number = txtWorkerNo->text();
    f.name = txtWorkName->text();
    f.female = OptSex2->isChecked();
    f.birth = {cmbSeiNengou->currentText(), txtSeiyy->text(), txtSeimm->text(), txtSeidd->text()};
    f.hire = {cmbNyuNengou->currentText(), txtNyuyy->text(), txtNyumm->text(), txtNyudd->text()};
    f.appointment = {cmbTouNengou->currentText(), txtTouyy->text(), txtToumm->text(), txtToudd->text()};
    f.position = txtYakusyoku->text();
    f.workForm = app::ComboCode(cmbMibun);
    f.education = txtGakureki->text();
    f.major = txtSenkou->text();
    f.qualifications = txtKSikaku->text();
    f.assignment = txtHaizoku->text();
    f.grade = cmbSikaku->currentText();
    f.abilityPoints = txtGouhou->text();
    f.achievementRate = txtTasseiRitsu->text();
    f.evaluation = cmbHyouka1->currentText();
    f.pastEvaluations = {txtHyouka2->text(), txtHyouka3->text(), txtHyouka4->text()};
    f.experienceYears = txtKeikenNen->text();
    f.jobPoints = txtSyokumuTensu->text();
    f.mark = cmbMark->currentText();
    f.picture = pictureName_;
    for (size_t i = 0; i < 3; ++i) {
        f.base[i] = txtKihon[i]->text();
        f.baseAfter[i] = txtAFKihon[i]->text();
        f.raiseHistory[i] = txtUPKin[i]->text();
    }
    for (size_t i = 0; i < 5; ++i) {
        f.allowances[i] = txtTeate[i]->text();
        f.allowancesAfter[i] = txtAFTeate[i]->text();
    }
    f.bonus1 = txtBonus1->text();
    f.bonus2 = txtBonus2->text();
    f.retirementRate = txtTaisyokuKin->text();
    return f;
}

void TQK0030::writeForm(const EmployeeForm& f)
{
    const bool wasFilling = filling_;
    filling_ = true;
    txtWorkerNo->setText(f.number);
    txtWorkName->setText(f.name);
    (f.female ? OptSex2 : OptSex1)->setChecked(true);
    auto date = [](const DateText& d, QComboBox* era, QLineEdit* y, QLineEdit* m, QLineEdit* dd) {
        era->setCurrentIndex(era->findText(d.era));
        era->setEditText(d.era);
        y->setText(d.year);
        m->setText(d.month);
        dd->setText(d.day);
    };
    date(f.birth, cmbSeiNengou, txtSeiyy, txtSeimm, txtSeidd);
    date(f.hire, cmbNyuNengou, txtNyuyy, txtNyumm, txtNyudd);
    date(f.appointment, cmbTouNengou, txtTouyy, txtToumm, txtToudd);
    txtYakusyoku->setText(f.position);
    if (f.workForm == 0 || app::SelectComboCode(cmbMibun, f.workForm) < 0)
        cmbMibun->setCurrentIndex(-1);
    app::ShowWageFormLabels(f.workForm, payLabels_);
    txtGakureki->setText(f.education);
    txtSenkou->setText(f.major);
    txtKSikaku->setText(f.qualifications);
    txtHaizoku->setText(f.assignment);
    cmbSikaku->setCurrentIndex(cmbSikaku->findText(f.grade));
    cmbSikaku->setEditText(f.grade);
    txtGouhou->setText(f.abilityPoints);
    txtTasseiRitsu->setText(f.achievementRate);
    cmbHyouka1->setCurrentIndex(cmbHyouka1->findText(f.evaluation));
    cmbHyouka1->setEditText(f.evaluation);
    txtHyouka2->setText(f.pastEvaluations[0]);
    txtHyouka3->setText(f.pastEvaluations[1]);
    txtHyouka4->setText(f.pastEvaluations[2]);
    txtKeikenNen->setText(f.experienceYears);
    txtSyokumuTensu->setText(f.jobPoints);
    cmbMark->setCurrentIndex(cmbMark->findText(f.mark));
    cmbMark->setEditText(f.mark);
    for (size_t i = 0; i < 3; ++i) {
        txtKihon[i]->setText(f.base[i]);
        txtAFKihon[i]->setText(f.baseAfter[i]);
        txtUPKin[i]->setText(f.raiseHistory[i]);
    }
    for (size_t i = 0; i < 5; ++i) {
        txtTeate[i]->setText(f.allowances[i]);
        txtAFTeate[i]->setText(f.allowancesAfter[i]);
    }
    txtBonus1->setText(f.bonus1);
    txtBonus2->setText(f.bonus2);
    txtTaisyokuKin->setText(f.retirementRate);
    // Long entries are read from their beginning.
    for (QComboBox* box : {cmbSeiNengou, cmbNyuNengou, cmbTouNengou, cmbSikaku, cmbHyouka1, cmbMark})
        box->lineEdit()->setCursorPosition(0);
    filling_ = wasFilling;
}

EmployeeContext TQK0030::context() const
{
    EmployeeContext c;
    for (int i = 0; i < cmbSikaku->count(); ++i)
        c.grades << cmbSikaku->itemText(i);
    for (int i = 0; i < cmbMark->count(); ++i)
        c.marks << cmbMark->itemText(i);
    // The hidden lists hold the values of the employee last shown where they exist in the year.
    c.wageTable = app::ComboCode(cmbChingin);
    c.band = app::ComboCode(cmbBand);
    c.roleEvaluation = app::ComboCode(cmbYHyouka);
    c.wageTableLink = dm_.state.WageTableLink;
    return c;
}

// ---------------------------------------------------------------- showing

void TQK0030::clearScreen()
{
    data::AppState& st = dm_.state;
    filling_ = true;
    cmbWorker->setCurrentIndex(-1);
    cmbWorker->setEditText(QString());
    txtWorker->clear();
    app::FillEvaluationCombo(cmbHyouka1, 0);
    writeForm(clearedForm());
    cmbMibun->setCurrentIndex(-1);
    for (QComboBox* hidden : {cmbChingin, cmbBand, cmbYHyouka})
        hidden->setCurrentIndex(-1);
    pictureName_.clear();
    Image1->clear();
    st.WageTableLink = 0;
    st.MatrixLink = 0;
    labFitNo->clear();
    for (QLineEdit* e : {txtFitKin, txtZansa, txtWariai, txtJikankyu, txtCureentNo, txtLastNo})
        e->clear();
    record_ = data::TSyain_();
    filling_ = false;
    applyColouring();
    recomputeTotals();
}

void TQK0030::loadList()
{
    std::vector<data::TSyain_> rows;
    {
        platform::BusyCursor busy;
        loadEmployeeList(dm_, gradeFilter_, rows);
    }
    const QString code = cmbWorker->currentText();
    filling_ = true;
    moving_ = true;
    list_->setEmployees(std::move(rows));
    moving_ = false;
    cmbWorker->setCurrentIndex(-1);
    cmbWorker->setEditText(code);
    filling_ = false;
    const int count = list_->count();
    if (count == 0) {
        txtCureentNo->clear();
        txtLastNo->clear();
        listPosition_ = 0;
        return;
    }
    txtLastNo->setText(num(count));
    listPosition_ = std::min(listPosition_, count);
    if (listPosition_ > 0)
        moveCursor(listPosition_ - 1);
    list_->setHighlight(true, listPosition_ - 1);
}

void TQK0030::moveCursor(int row)
{
    moving_ = true;
    Grid->setCurrentIndex(list_->index(row, 0));
    Grid->scrollTo(list_->index(row, 0));
    moving_ = false;
    list_->setHighlight(list_->highlight(), row);
}

void TQK0030::showEmployee()
{
    if (list_->count() == 0 || listPosition_ <= 0 || listPosition_ > list_->count())
        return;
    data::AppState& st = dm_.state;
    record_ = list_->employees()[size_t(listPosition_ - 1)];
    btnAdd->setEnabled(false);

    filling_ = true;
    st.WageTableLink = wageTableLinkOf(record_);
    st.MatrixLink = 0;
    fillEvaluationList(int(record_.SKCO));
    writeForm(formOf(record_));
    app::SelectComboCode(cmbChingin, int(record_.SKCO));
    app::SelectComboCode(cmbBand, int(record_.BANDID));
    app::SelectComboCode(cmbYHyouka, int(record_.YHYOUKA));
    pictureName_ = record_.SPATH;
    showPhoto();
    const OptimalWageTexts fit = optimalWageTexts(record_);
    labFitNo->setText(fit.caption);
    txtFitKin->setText(fit.fitted);
    txtZansa->setText(fit.residual);
    txtWariai->setText(fit.ratio);
    txtJikankyu->setText(hourlyWageText(record_, st.CurrentCompany.SYOTEIMM));
    cmbWorker->setCurrentIndex(-1);
    cmbWorker->setEditText(record_.SCO);
    txtWorker->setText(record_.SNA);
    txtCureentNo->setText(num(listPosition_));
    txtLastNo->setText(num(list_->count()));
    filling_ = false;

    applyColouring();
    list_->setHighlight(true, listPosition_ - 1);
    moveCursor(listPosition_ - 1);
    recomputeTotals();
}

void TQK0030::fillEvaluationList(int wageTable)
{
    const bool wasFilling = filling_;
    filling_ = true;
    app::FillEvaluationCombo(cmbHyouka1, wageTable);
    filling_ = wasFilling;
}

void TQK0030::showPhoto()
{
    if (!app::LoadPictureFile(Image1, pictureName_))
        return;
    // Shown whole and centred in the box.
    const QPixmap photo = Image1->pixmap();
    if (photo.width() > Image1->width() - 4 || photo.height() > Image1->height() - 4)
        Image1->setPixmap(photo.scaled(Image1->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TQK0030::recomputeTotals()
{
    const PayTotals t = payTotals(amountsOf(readForm()));
    txtKihonSum->setText(moneyText(t.baseBefore));
    txtAFKihonSum->setText(moneyText(t.baseAfter));
    txtUpKihon->setText(moneyText(t.baseRaise));
    txtTeateSum->setText(moneyText(t.allowancesBefore));
    txtAFTeateSum->setText(moneyText(t.allowancesAfter));
    txtTeateUP->setText(moneyText(t.allowanceRaise));
    txtSyotei->setText(moneyText(t.scheduledBefore));
    txtAFSyotei->setText(moneyText(t.scheduledAfter));
    txtNensyu->setText(moneyText(t.annualBefore));
    txtAFNensyu->setText(moneyText(t.annualAfter));
}

void TQK0030::applyColouring()
{
    const int link = dm_.state.WageTableLink;
    for (int i = 0; i < 3; ++i) {
        paint(txtKihon[i], kBefore);
        const bool linked = link == i + 1;
        paint(txtAFKihon[i], linked ? kLinked : kAfter);
        txtAFKihon[i]->setReadOnly(linked);
        // The wage table fills the linked box: Tab passes it by.
        txtAFKihon[i]->setFocusPolicy(linked ? Qt::ClickFocus : Qt::StrongFocus);
    }
}

void TQK0030::setButtons(bool add, bool change, bool remove)
{
    btnAdd->setEnabled(add);
    btnMnt->setEnabled(change);
    btnDlt->setEnabled(remove);
}

void TQK0030::changed()
{
    if (!filling_ && !exits_->busy())
        dm_.state.DataChanged = 1;
}

// ---------------------------------------------------------------- fields

bool TQK0030::checkLeaving(QWidget* field)
{
    if (field == cmbWorker)
        return leaveEmployeeCode();
    if (field == cmbSikaku) {
        int code = 0;
        if (!app::CheckCodeCombo(cmbSikaku, false, code, true, false))
            return false;
        applyColouring();
        recomputeTotals();
        return true;
    }
    if (field == cmbMark) {
        int code = 0;
        return app::CheckCodeCombo(cmbMark, false, code, true, false);
    }
    if (field == cmbHyouka1) {
        // Told, but not held: the typed number is what a save stores.
        int code = 0;
        app::CheckCodeCombo(cmbHyouka1, false, code, true, false);
        return true;
    }
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (!edit)
        return true;
    EmployeeField which = F::Code;
    for (const auto& [f, w] : fields_)
        if (w == field)
            which = f;
    const app::FieldCheck c = checkEmployeeField(which, edit->text());
    if (!c.accepted) {
        warn(c.message);
        return false;
    }
    if (!c.text.isEmpty() && c.text != edit->text()) {
        const bool wasFilling = filling_;
        filling_ = true;
        edit->setText(c.text);
        filling_ = wasFilling;
    }
    if (which == F::AbilityPoints)
        applyColouring();
    recomputeTotals();
    return true;
}

bool TQK0030::leaveEmployeeCode()
{
    const QString typed = cmbWorker->currentText();
    // Leaving the box without having typed in it keeps what the screen shows.
    if (typed.isEmpty() || !codeTyped_)
        return true;
    if (const auto n = app::parseWholeNumber(app::typedCode(typed)); n && *n < 0) {
        warn(QStringLiteral("数値を入力して下さい。"));
        return false;
    }
    int code = 0;
    if (!app::CheckCodeCombo(cmbWorker, false, code, false, true))
        return false;
    const app::CodeText split = app::SplitCodeText(cmbWorker);
    const int index = list_->indexOfCode(split.code);
    if (index < 0) {
        clearScreen();
        filling_ = true;
        cmbWorker->setCurrentIndex(-1);
        cmbWorker->setEditText(split.code);
        filling_ = false;
        list_->setHighlight(false, -1);
        listPosition_ = 0;
        btnAdd->setEnabled(true);
    } else {
        listPosition_ = index + 1;
        showEmployee();
    }
    codeTyped_ = false;
    recomputeTotals();
    dm_.state.DataChanged = 0;
    return true;
}

// ---------------------------------------------------------------- register, change, delete, cancel

void TQK0030::refuse(const EmployeeRefusal& refusal)
{
    warn(refusal.message);
    QWidget* w = fieldWidget(refusal.field);
    if (!w)
        return;
    if (refusal.field != F::Code)
        PageControl->setCurrentIndex(onBasicTab(refusal.field) ? 0 : refusal.field >= F::RaiseHistory1 ? 2 : 1);
    w->setFocus(Qt::OtherFocusReason);
}

bool TQK0030::checkAndFill(data::TSyain_& record)
{
    if (const auto refusal = fillEmployee(readForm(), context(), record)) {
        refuse(*refusal);
        return false;
    }
    return true;
}

void TQK0030::btnAddClick()
{
    if (!exits_->checkFocused())
        return;
    data::TSyain_ record;
    if (!checkAndFill(record))
        return;
    prepareNewEmployee(record, QDateTime::currentDateTime());
    RegisterOutcome outcome;
    {
        platform::BusyCursor busy;
        outcome = registerEmployee(dm_, record);
    }
    if (outcome == RegisterOutcome::Exists) {
        inform(QStringLiteral("データは既に存在します。更新する場合は、修正ボタン　を押下して下さい。"));
        PageControl->setCurrentIndex(0);
        txtWorkerNo->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (outcome == RegisterOutcome::Failed)
        return;   // shown; nothing was written and the input stays on the screen
    // The new employee is shown from the list, where it now stands.
    clearScreen();
    listPosition_ = 0;
    loadList();
    const int index = list_->indexOfCode(record.SCO);
    if (index >= 0) {
        listPosition_ = index + 1;
        showEmployee();
    }
    setButtons(false, true, true);
    cmbWorker->setFocus(Qt::OtherFocusReason);
    dm_.state.DataChanged = 0;
}

void TQK0030::btnMntClick()
{
    if (!exits_->checkFocused())
        return;
    // Fields the screen does not show keep what the employee last shown had.
    data::TSyain_ record = record_;
    if (!checkAndFill(record))
        return;
    {
        platform::BusyCursor busy;
        if (!changeEmployee(dm_, record))
            return;   // shown; both rows are as they were and the input stays on the screen
    }
    const int row = Grid->currentIndex().row();
    loadList();
    if (row >= 0 && row < list_->count()) {
        listPosition_ = row + 1;
        showEmployee();
    }
    setButtons(false, true, true);
    dm_.state.DataChanged = 0;
}

void TQK0030::btnDltClick()
{
    const QString text = cmbWorker->currentText();
    if (text.isEmpty()) {
        warn(QStringLiteral("社員コードが入力されていません。"));
        cmbWorker->setFocus(Qt::OtherFocusReason);
        return;
    }
    const auto code = app::parseWholeNumber(app::typedCode(text));
    if (!code || *code <= 0) {
        warn(code && *code == 0 ? QStringLiteral("０は入力できません。") : QStringLiteral("数値を入力して下さい。"));
        cmbWorker->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!platform::dialogs().question(QStringLiteral("ﾃﾞｰﾀを削除しますか？\r【はい】:削除します。\r【いいえ】:戻ります。"),
                                      QStringLiteral("削除確認")))
        return;
    {
        platform::BusyCursor busy;
        deleteEmployee(dm_, *code);
    }
    clearScreen();
    listPosition_ = 0;
    loadList();
    list_->setHighlight(false, -1);
    setButtons(false, true, true);
    dm_.state.DataChanged = 0;
}

void TQK0030::btnCanselClick()
{
    setButtons(true, true, true);
    clearScreen();
    cmbWorker->setFocus(Qt::OtherFocusReason);
    list_->setHighlight(false, -1);
    if (list_->count() > 0)
        moveCursor(0);
    listPosition_ = 0;
    dm_.state.DataChanged = 0;
}

// ---------------------------------------------------------------- moving through the list

bool TQK0030::mayLeave(const QString& destination)
{
    if (dm_.state.DataChanged == 0)
        return true;
    if (platform::dialogs().question(
            QStringLiteral("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r") + destination, QStringLiteral("確認"))) {
        PageControl->setCurrentIndex(0);
        return false;
    }
    return true;
}

void TQK0030::moveTo(int position)
{
    listPosition_ = position;
    list_->setHighlight(true, position - 1);
    showEmployee();
    dm_.state.DataChanged = 0;
}

void TQK0030::btnFirstClick()
{
    if (list_->count() == 0 || !mayLeave(QStringLiteral("【いいえ】:最初のデータ　へ。")))
        return;
    moveTo(1);
}

void TQK0030::btnBackClick()
{
    if (list_->count() == 0 || listPosition_ <= 1 || !mayLeave(QStringLiteral("【いいえ】:前のデータ　へ。")))
        return;
    moveTo(listPosition_ - 1);
}

void TQK0030::btnNextClick()
{
    if (list_->count() == 0 || listPosition_ >= list_->count() || !mayLeave(QStringLiteral("【いいえ】:次のデータ　へ。")))
        return;
    moveTo(listPosition_ + 1);
}

void TQK0030::btnLastClick()
{
    if (list_->count() == 0 || listPosition_ >= list_->count() || !mayLeave(QStringLiteral("【いいえ】:最後のデータ　へ。")))
        return;
    moveTo(list_->count());
}

void TQK0030::gridClick(int row)
{
    if (row < 0 || row >= list_->count())
        return;
    const data::TSyain_& e = list_->employees()[size_t(row)];
    if (e.SCO.isEmpty() && e.SCOT.isEmpty() && e.SNA.isEmpty())
        return;
    listPosition_ = row + 1;
    list_->setHighlight(true, row);
    showEmployee();
    dm_.state.DataChanged = 0;
}

void TQK0030::gradeFilterClick(int grade)
{
    if (dm_.state.DataChanged != 0) {
        inform(QStringLiteral("ﾃﾞｰﾀが変更されています。変更する場合は、登録・修正 ボタン　を、変更しない場合は、キャンセル "
                              "ボタン　を押して下さい。"));
        PageControl->setCurrentIndex(0);
        // The list still shows the grade it had.
        OptTokyu[size_t(gradeFilter_)]->setChecked(true);
        OptTokyu[size_t(grade)]->setFocus(Qt::OtherFocusReason);
        return;
    }
    gradeFilter_ = grade;
    OptTokyu[size_t(grade)]->setChecked(true);
    listPosition_ = 1;
    loadList();
    gridClick(0);
    if (list_->count() == 0)
        clearScreen();
    dm_.state.DataChanged = 0;
}

// ---------------------------------------------------------------- photo

void TQK0030::btnPicterClick()
{
    const QString folder = dm_.state.ProgramDir + QStringLiteral("Picture");
    pictureName_.clear();
    const QString chosen = platform::dialogs().openFileName(
        QStringLiteral("画像ファイルの選択"), folder, QStringLiteral("JPEGファイル(*.jpg);;BMPファイル(*.bmp)"));
    if (!chosen.isEmpty()) {
        const auto name = pictureNameFromPath(folder, chosen);
        if (!name) {
            // The photo on the screen stays, but no name goes with it any more.
            warn(QStringLiteral("フォルダが変更されました。表示されたフォルダ内で選択して下さい。"));
            return;
        }
        pictureName_ = *name;
    }
    if (pictureName_.isEmpty())
        Image1->clear();
    else
        showPhoto();
    dm_.state.DataChanged = 1;
}

// ---------------------------------------------------------------- closing

void TQK0030::closeScreen()
{
    closing_ = true;
    QDialog::reject();
    closing_ = false;
}

void TQK0030::btnCloseClick()
{
    if (!mayLeave(QStringLiteral("【いいえ】:画面を閉じます。")))
        return;
    closeScreen();
}

void TQK0030::reject()
{
    if (closing_)
        QDialog::reject();
    else
        btnCloseClick();
}

} // namespace master
