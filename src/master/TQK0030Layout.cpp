// The controls of the employee register and where they stand. The behaviour is in TQK0030.cpp.

#include "master/TQK0030.h"

#include "app/RightEdit.h"
#include "master/EmployeeListModel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace master {

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

QLineEdit* textBox(QWidget* parent, const char* name, int maxLength, int width)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(u8(name));
    e->setMaxLength(maxLength);
    e->setFixedWidth(width);
    return e;
}

// Number boxes take a little more than their digits, so that a value with commas still fits and a
// too-long number is refused with a message rather than cut off.
QLineEdit* numberBox(QWidget* parent, const QString& name, int maxLength, int width)
{
    auto* e = new TRightEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    e->setFixedWidth(width);
    return e;
}

QLineEdit* totalBox(QWidget* parent, const char* name, int width = 72)
{
    auto* e = new TRightEdit(parent);
    e->setObjectName(u8(name));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setFixedWidth(width);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, QColor(0xF0, 0xF0, 0xF0));
    e->setPalette(p);
    return e;
}

QComboBox* codeBox(QWidget* parent, const char* name, int width)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(u8(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setFixedWidth(width);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

QLabel* caption(QWidget* parent, const char* text)
{
    auto* l = new QLabel(u8(text), parent);
    return l;
}

// Era list, year, month and day of a date, with their unit labels.
QHBoxLayout* dateRow(QWidget* parent, QComboBox*& era, QLineEdit*& year, QLineEdit*& month, QLineEdit*& day,
                     const char* eraName, const char* yearName, const char* monthName, const char* dayName)
{
    era = codeBox(parent, eraName, 48);
    year = numberBox(parent, u8(yearName), 4, 28);
    month = numberBox(parent, u8(monthName), 2, 26);
    day = numberBox(parent, u8(dayName), 2, 26);
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(era);
    row->addWidget(year);
    row->addWidget(caption(parent, "年"));
    row->addWidget(month);
    row->addWidget(caption(parent, "月"));
    row->addWidget(day);
    row->addWidget(caption(parent, "日"));
    row->addSpacing(8);
    row->addStretch(1);
    return row;
}

QPushButton* actionButton(QWidget* parent, const char* name, const QString& text, int width)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(u8(name));
    b->setAutoDefault(false);
    // Buttons are reached by mouse: a click leaves no field half-checked.
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(width, 28);
    return b;
}

} // namespace

QWidget* TQK0030::buildBasicTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabBasic"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(5);
    grid->setVerticalSpacing(4);

    txtWorkerNo = textBox(page, "txtWorkerNo", 10, 100);
    txtWorkName = textBox(page, "txtWorkName", 20, 160);
    OptSex1 = new QRadioButton(QStringLiteral("男"), page);
    OptSex1->setObjectName(QStringLiteral("OptSex1"));
    OptSex2 = new QRadioButton(QStringLiteral("女"), page);
    OptSex2->setObjectName(QStringLiteral("OptSex2"));
    auto* sexGroup = new QButtonGroup(this);
    sexGroup->addButton(OptSex1);
    sexGroup->addButton(OptSex2);
    auto* sexRow = new QHBoxLayout;
    sexRow->addWidget(OptSex1);
    sexRow->addSpacing(16);
    sexRow->addWidget(OptSex2);
    sexRow->addStretch(1);
    auto* birthRow = dateRow(page, cmbSeiNengou, txtSeiyy, txtSeimm, txtSeidd, "cmbSeiNengou", "txtSeiyy", "txtSeimm",
                             "txtSeidd");
    auto* hireRow = dateRow(page, cmbNyuNengou, txtNyuyy, txtNyumm, txtNyudd, "cmbNyuNengou", "txtNyuyy", "txtNyumm",
                            "txtNyudd");
    auto* appointRow = dateRow(page, cmbTouNengou, txtTouyy, txtToumm, txtToudd, "cmbTouNengou", "txtTouyy",
                               "txtToumm", "txtToudd");
    txtYakusyoku = textBox(page, "txtYakusyoku", 20, 160);
    cmbMibun = new QComboBox(page);
    cmbMibun->setObjectName(QStringLiteral("cmbMibun"));
    cmbMibun->setFixedWidth(160);

    txtGakureki = textBox(page, "txtGakureki", 30, 120);
    txtSenkou = textBox(page, "txtSenkou", 30, 120);
    txtKSikaku = textBox(page, "txtKSikaku", 30, 120);
    txtHaizoku = textBox(page, "txtHaizoku", 30, 120);
    cmbSikaku = codeBox(page, "cmbSikaku", 120);
    txtGouhou = numberBox(page, QStringLiteral("txtGouhou"), 3, 48);
    txtTasseiRitsu = numberBox(page, QStringLiteral("txtTasseiRitsu"), 4, 48);
    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(txtTasseiRitsu);
    rateRow->addWidget(caption(page, "％"));
    rateRow->addStretch(1);
    txtKeikenNen = numberBox(page, QStringLiteral("txtKeikenNen"), 2, 48);

    cmbHyouka1 = codeBox(page, "cmbHyouka1", 104);
    txtHyouka2 = textBox(page, "txtHyouka2", 10, 104);
    txtHyouka3 = textBox(page, "txtHyouka3", 10, 104);
    txtHyouka4 = textBox(page, "txtHyouka4", 10, 104);
    txtSyokumuTensu = numberBox(page, QStringLiteral("txtSyokumuTensu"), 4, 48);
    cmbMark = codeBox(page, "cmbMark", 120);

    Image1 = new QLabel(page);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(80, 100);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFrameShape(QFrame::Panel);
    Image1->setFrameShadow(QFrame::Sunken);
    btnPicter = actionButton(page, "btnPicter", QStringLiteral("読　込"), 80);

    struct Cell {
        const char* label;
        QWidget* widget;
        QLayout* layout;
    };
    const std::vector<Cell> left = {
        {"社員番号", txtWorkerNo, nullptr},   {"氏　　名", txtWorkName, nullptr}, {"性　　別", nullptr, sexRow},
        {"生年月日", nullptr, birthRow},      {"入社年月日", nullptr, hireRow},  {"登用年月日", nullptr, appointRow},
        {"役　　職", txtYakusyoku, nullptr},  {"就労形態", cmbMibun, nullptr},
    };
    const std::vector<Cell> middle = {
        {"学　　歴", txtGakureki, nullptr}, {"専　　攻", txtSenkou, nullptr},      {"公的資格", txtKSikaku, nullptr},
        {"職務配置", txtHaizoku, nullptr},  {"資格等級", cmbSikaku, nullptr},      {"能力点数", txtGouhou, nullptr},
        {"職務達成率", nullptr, rateRow},   {"経験年数", txtKeikenNen, nullptr},
    };
    const std::vector<Cell> right = {
        {"評価　本年", cmbHyouka1, nullptr}, {"評価　１年前", txtHyouka2, nullptr},   {"評価　２年前", txtHyouka3, nullptr},
        {"評価　３年前", txtHyouka4, nullptr}, {"職務点数", txtSyokumuTensu, nullptr}, {"マーク", cmbMark, nullptr},
    };
    auto place = [&](const std::vector<Cell>& cells, int column) {
        for (int r = 0; r < int(cells.size()); ++r) {
            grid->addWidget(caption(page, cells[size_t(r)].label), r, column);
            if (cells[size_t(r)].widget)
                grid->addWidget(cells[size_t(r)].widget, r, column + 1, Qt::AlignLeft);
            else
                grid->addLayout(cells[size_t(r)].layout, r, column + 1);
        }
    };
    place(left, 0);
    place(middle, 2);
    place(right, 4);
    auto* photo = new QVBoxLayout;
    photo->setSpacing(4);
    photo->addWidget(caption(page, "写　　真"), 0, Qt::AlignHCenter);
    photo->addWidget(Image1, 0, Qt::AlignHCenter);
    photo->addWidget(btnPicter, 0, Qt::AlignHCenter);
    photo->addStretch(1);
    grid->addLayout(photo, 0, 6, 8, 1);
    grid->setColumnMinimumWidth(2, 0);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(8, 1);
    return page;
}

QWidget* TQK0030::buildPayTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabPay"));
    auto money = [page](const QString& name) { return numberBox(page, name, 11, 72); };
    // Compact groups: three of them side by side within the tab.
    auto compact = [](QGridLayout* g) {
        g->setContentsMargins(6, 4, 6, 4);
        g->setHorizontalSpacing(4);
        g->setVerticalSpacing(4);
    };
    auto header = [page](QGridLayout* g) {
        for (int c = 1; c <= 2; ++c) {
            auto* h = new QLabel(c == 1 ? QStringLiteral("昇給前") : QStringLiteral("昇給後"), page);
            h->setAlignment(Qt::AlignCenter);
            g->addWidget(h, 0, c);
        }
    };

    auto* baseGroup = new QGroupBox(QStringLiteral("基本給"), page);
    auto* base = new QGridLayout(baseGroup);
    compact(base);
    header(base);
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        labKihon[i] = new QLabel(baseGroup);
        labKihon[i]->setObjectName(QStringLiteral("labKihon") + n);
        txtKihon[i] = money(QStringLiteral("txtKihon") + n);
        txtAFKihon[i] = money(QStringLiteral("txtAFKihon") + n);
        base->addWidget(labKihon[i], i + 1, 0);
        base->addWidget(txtKihon[i], i + 1, 1);
        base->addWidget(txtAFKihon[i], i + 1, 2);
    }
    txtKihonSum = totalBox(page, "txtKihonSum");
    txtAFKihonSum = totalBox(page, "txtAFKihonSum");
    txtUpKihon = totalBox(page, "txtUpKihon");
    base->addWidget(caption(baseGroup, "Sum基本給"), 4, 0);
    base->addWidget(txtKihonSum, 4, 1);
    base->addWidget(txtAFKihonSum, 4, 2);
    base->addWidget(caption(baseGroup, "Up基本給"), 5, 0);
    base->addWidget(txtUpKihon, 5, 2);
    base->setRowStretch(6, 1);

    auto* allowanceGroup = new QGroupBox(QStringLiteral("手当"), page);
    auto* allowance = new QGridLayout(allowanceGroup);
    compact(allowance);
    header(allowance);
    for (int i = 0; i < 5; ++i) {
        const QString n = QString::number(i + 1);
        labTeate[i] = new QLabel(allowanceGroup);
        labTeate[i]->setObjectName(QStringLiteral("labTeate") + n);
        txtTeate[i] = money(QStringLiteral("txtTeate") + n);
        txtAFTeate[i] = money(QStringLiteral("txtAFTeate") + n);
        allowance->addWidget(labTeate[i], i + 1, 0);
        allowance->addWidget(txtTeate[i], i + 1, 1);
        allowance->addWidget(txtAFTeate[i], i + 1, 2);
    }
    txtTeateSum = totalBox(page, "txtTeateSum");
    txtAFTeateSum = totalBox(page, "txtAFTeateSum");
    txtTeateUP = totalBox(page, "txtTeateUP");
    allowance->addWidget(caption(allowanceGroup, "Sum手当"), 6, 0);
    allowance->addWidget(txtTeateSum, 6, 1);
    allowance->addWidget(txtAFTeateSum, 6, 2);
    allowance->addWidget(caption(allowanceGroup, "Up手当"), 7, 0);
    allowance->addWidget(txtTeateUP, 7, 2);

    auto* otherGroup = new QGroupBox(QStringLiteral("賞与・年収"), page);
    auto* other = new QGridLayout(otherGroup);
    compact(other);
    header(other);
    txtBonus1 = money(QStringLiteral("txtBonus1"));
    txtBonus2 = money(QStringLiteral("txtBonus2"));
    txtNensyu = totalBox(page, "txtNensyu", 84);
    txtAFNensyu = totalBox(page, "txtAFNensyu", 84);
    txtSyotei = totalBox(page, "txtSyotei", 84);
    txtAFSyotei = totalBox(page, "txtAFSyotei", 84);
    txtTaisyokuKin = numberBox(page, QStringLiteral("txtTaisyokuKin"), 9, 72);
    txtJikankyu = totalBox(page, "txtJikankyu");
    other->addWidget(caption(otherGroup, "賞与　上期"), 1, 0);
    other->addWidget(txtBonus1, 1, 1);
    other->addWidget(caption(otherGroup, "賞与　下期"), 2, 0);
    other->addWidget(txtBonus2, 2, 1);
    other->addWidget(caption(otherGroup, "年　収"), 3, 0);
    other->addWidget(txtNensyu, 3, 1);
    other->addWidget(txtAFNensyu, 3, 2);
    other->addWidget(caption(otherGroup, "所定給"), 4, 0);
    other->addWidget(txtSyotei, 4, 1);
    other->addWidget(txtAFSyotei, 4, 2);
    other->addWidget(caption(otherGroup, "退職金支給率"), 5, 0);
    other->addWidget(txtTaisyokuKin, 5, 1);
    other->addWidget(caption(otherGroup, "時間給"), 6, 0);
    other->addWidget(txtJikankyu, 6, 1);
    other->setRowStretch(7, 1);

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(6);
    layout->addWidget(baseGroup, 0, Qt::AlignTop);
    layout->addWidget(allowanceGroup, 0, Qt::AlignTop);
    layout->addWidget(otherGroup, 0, Qt::AlignTop);
    layout->addStretch(1);
    return page;
}

QWidget* TQK0030::buildPay2Tab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabPay2"));

    auto* fitGroup = new QGroupBox(QStringLiteral("最適賃金"), page);
    auto* fit = new QGridLayout(fitGroup);
    labFitNo = new QLabel(fitGroup);
    labFitNo->setObjectName(QStringLiteral("labFitNo"));
    txtFitKin = totalBox(page, "txtFitKin", 100);
    txtZansa = totalBox(page, "txtZansa", 100);
    txtWariai = totalBox(page, "txtWariai", 100);
    fit->addWidget(labFitNo, 0, 0, 1, 2);
    fit->addWidget(caption(fitGroup, "最適賃金"), 1, 0);
    fit->addWidget(txtFitKin, 1, 1);
    fit->addWidget(caption(fitGroup, "残差"), 2, 0);
    fit->addWidget(txtZansa, 2, 1);
    fit->addWidget(caption(fitGroup, "割合"), 3, 0);
    fit->addWidget(txtWariai, 3, 1);
    fit->setRowMinimumHeight(0, 22);

    auto* historyGroup = new QGroupBox(QStringLiteral("昇給"), page);
    auto* history = new QGridLayout(historyGroup);
    const char* titles[3] = {"１年前", "２年前", "３年前"};
    for (int i = 0; i < 3; ++i) {
        txtUPKin[i] = numberBox(page, QStringLiteral("txtUPKin") + QString::number(i + 1), 10, 100);
        history->addWidget(caption(historyGroup, titles[i]), i, 0);
        history->addWidget(txtUPKin[i], i, 1);
    }

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(16, 10, 16, 10);
    layout->setSpacing(24);
    layout->addWidget(fitGroup, 0, Qt::AlignTop);
    layout->addWidget(historyGroup, 0, Qt::AlignTop);
    layout->addStretch(1);
    return page;
}

QWidget* TQK0030::buildList()
{
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto* gradeGroup = new QGroupBox(QStringLiteral("等級"), area);
    gradeGroup->setObjectName(QStringLiteral("GroupTokyu"));
    auto* grades = new QHBoxLayout(gradeGroup);
    grades->setContentsMargins(8, 2, 8, 2);
    auto* choice = new QButtonGroup(this);
    const char* names[10] = {"OptTokyuAll", "OptTokyu1", "OptTokyu2", "OptTokyu3", "OptTokyu4",
                             "OptTokyu5",   "optTokyu67", "optTokyu7", "optTokyu8", "optTokyu9"};
    static const QString digits = QStringLiteral("１２３４５６７８９");
    for (int g = 0; g <= 9; ++g) {
        OptTokyu[g] = new QRadioButton(g == 0 ? QStringLiteral("全て") : digits.mid(g - 1, 1) + QStringLiteral("等級"),
                                       gradeGroup);
        OptTokyu[g]->setObjectName(u8(names[g]));
        OptTokyu[g]->setProperty("Tag", g);
        choice->addButton(OptTokyu[g], g);
        grades->addWidget(OptTokyu[g]);
    }
    grades->addStretch(1);
    OptTokyu[0]->setChecked(true);
    connect(choice, &QButtonGroup::idClicked, this, [this](int grade) { gradeFilterClick(grade); });

    Grid = new QTableView(area);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setModel(list_);
    Grid->setSelectionMode(QAbstractItemView::NoSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setWordWrap(false);
    Grid->setCornerButtonEnabled(false);
    Grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid->verticalHeader()->setDefaultSectionSize(20);
    Grid->verticalHeader()->setFixedWidth(EmployeeListModel::rowNumberWidth);
    Grid->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    Grid->horizontalHeader()->setFixedHeight(20);
    Grid->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < list_->columnCount(); ++c)
        Grid->setColumnWidth(c, EmployeeListModel::columnWidth(c));

    layout->addWidget(gradeGroup);
    layout->addWidget(Grid, 1);
    return area;
}

} // namespace master
