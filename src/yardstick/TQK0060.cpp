#include "yardstick/TQK0060.h"

#include "app/ComboHelpers.h"
#include "data/DataModule.h"
#include "master/FieldExit.h"
#include "yardstick/EntryFields.h"
#include "yardstick/ModelWages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace yardstick {

namespace {

QString amountText(const QString& stored)
{
    return numberFieldText(modelAmountField(), double(app::VarToIntSafe(stored)));
}

} // namespace

TQK0060::TQK0060(data::TFDM& dm, QWidget* parent)
    : ListEntryDialog(dm, parent, QStringLiteral("TQK0060"), QStringLiteral("モデル賃金　登録"), true)
{
    buildControls();
}

std::array<QLineEdit*, 7> TQK0060::numberBoxes() const
{
    return {txtNenrei, txtKinzoku, txtKeiken, txtKihon, txtSyotei, txtBonus, txtNensyu};
}

void TQK0060::buildControls()
{
    cmbSalaryID = addCodeBox(QStringLiteral("賃金コード"), QStringLiteral("cmbSalaryID"), 160);

    auto* box = new QGroupBox(QStringLiteral("モデル賃金"), this);
    box->setGeometry(20, 56, 737, 156);
    const struct {
        const char* caption;
        const char* name;
        QLineEdit** edit;
        int x, y;
    } fields[] = {
        {"年　　齢", "txtNenrei", &txtNenrei, 16, 24},   {"勤続年数", "txtKinzoku", &txtKinzoku, 16, 56},
        {"経験年数", "txtKeiken", &txtKeiken, 16, 88},   {"基 本 給", "txtKihon", &txtKihon, 380, 24},
        {"所 定 給", "txtSyotei", &txtSyotei, 380, 56}, {"賞　　与", "txtBonus", &txtBonus, 380, 88},
        {"年　　収", "txtNensyu", &txtNensyu, 380, 120},
    };
    for (const auto& f : fields) {
        caption(box, QString::fromUtf8(f.caption), QRect(f.x, f.y + 2, 76, 22));
        const bool amount = f.x > 300;
        *f.edit = numberEdit(box, QString::fromLatin1(f.name), QRect(f.x + 84, f.y, amount ? 120 : 60, 26));
        if (amount)
            caption(box, QStringLiteral("(千円)"), QRect(f.x + 210, f.y + 2, 60, 22));
    }
    caption(box, QStringLiteral("線　　種"), QRect(16, 122, 76, 22));
    cmbSensyu = codeBox(box, QStringLiteral("cmbSensyu"), QRect(100, 120, 160, 26));
    app::FillLineStyleCombo(cmbSensyu);

    Grid = new QTableWidget(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setGeometry(20, 222, 737, 270);
    Grid->setColumnCount(10);
    Grid->setHorizontalHeaderLabels({QString(), QStringLiteral("賃金ｺｰﾄﾞ"), QStringLiteral("年齢"), QStringLiteral("勤続年数"),
                                     QStringLiteral("経験年数"), QStringLiteral("基本給"), QStringLiteral("所定給"),
                                     QStringLiteral("賞　与"), QStringLiteral("年　収"), QStringLiteral("線　種")});
    const int widths[10] = {30, 60, 60, 60, 60, 70, 70, 70, 70, 55};
    for (int c = 0; c < 10; ++c)
        Grid->setColumnWidth(c, widths[c] + 10);
    Grid->verticalHeader()->hide();
    Grid->verticalHeader()->setDefaultSectionSize(22);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setFocusPolicy(Qt::NoFocus);
    connect(Grid, &QTableWidget::cellClicked, this, [this](int row, int) { gridClick(row); });

    addListCommandButtons();

    chainFields({cmbSalaryID, txtNenrei, txtKinzoku, txtKeiken, cmbSensyu, txtKihon, txtSyotei, txtBonus, txtNensyu});
    connect(cmbSensyu, &QComboBox::activated, this, &TQK0060::changed);
    connect(cmbSensyu->lineEdit(), &QLineEdit::textEdited, this, &TQK0060::changed);
}

void TQK0060::Prepare()
{
    clearBoxes();
    fillList();
    fillGrid();
    if (!rows_.empty())
        locate(int(app::VarToIntSafe(rows_.front().MCCO)));
    dm_.state.DataChanged = 0;
    cmbSalaryID->setFocus(Qt::OtherFocusReason);
}

void TQK0060::clearBoxes()
{
    filling_ = true;
    code_ = 0;
    cmbSalaryID->setCurrentIndex(-1);
    cmbSalaryID->setEditText(QString());
    for (QLineEdit* e : numberBoxes())
        e->setText(QStringLiteral("0"));
    cmbSensyu->setCurrentIndex(0);
    filling_ = false;
    pos_ = 0;
    showPosition();
}

void TQK0060::fillList()
{
    modelWageRows(dm_, dm_.state.CurrentCompany.MDCO, rows_);
    filling_ = true;
    cmbSalaryID->clear();
    for (const data::TMDCHNGIN_& r : rows_)
        cmbSalaryID->addItem(modelWageEntry(r));
    cmbSalaryID->setCurrentIndex(-1);
    cmbSalaryID->setEditText(code_ != 0 ? QString::number(code_) : QString());
    filling_ = false;
    showPosition();
}

void TQK0060::fillGrid()
{
    // An empty set still shows one blank row.
    Grid->clearContents();
    Grid->setRowCount(std::max<int>(1, int(rows_.size())));
    auto cell = [this](int row, int column, const QString& text, Qt::Alignment align) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(align | Qt::AlignVCenter);
        Grid->setItem(row, column, item);
    };
    for (size_t i = 0; i < rows_.size(); ++i) {
        const data::TMDCHNGIN_& r = rows_[i];
        const int row = int(i);
        cell(row, 0, QString::number(row + 1), Qt::AlignRight);
        const QString values[9] = {r.MCCO, r.NENREI, r.KNENSU, r.KKNENSU, r.KKIN, r.SKIN, r.SYOUYO, r.NENSYU, r.SENSYU};
        for (int c = 0; c < 9; ++c)
            cell(row, c + 1, values[c], Qt::AlignRight);   // as stored
    }
}

void TQK0060::showRow(int pos)
{
    pos_ = pos;
    filling_ = true;
    if (pos <= 0 || pos > int(rows_.size())) {
        pos_ = 0;
        for (QLineEdit* e : numberBoxes())
            e->setText(QStringLiteral("0"));
        cmbSensyu->setCurrentIndex(0);
    } else {
        const data::TMDCHNGIN_& r = rows_[size_t(pos - 1)];
        txtNenrei->setText(QString::number(app::VarToIntSafe(r.NENREI)));
        txtKinzoku->setText(QString::number(app::VarToIntSafe(r.KNENSU)));
        txtKeiken->setText(QString::number(app::VarToIntSafe(r.KKNENSU)));
        const int style = int(std::clamp<qint64>(app::VarToIntSafe(r.SENSYU), 0, 5));
        cmbSensyu->setCurrentIndex(style);
        cmbSensyu->setEditText(app::LineStyleText(cmbSensyu, style));
        txtKihon->setText(amountText(r.KKIN));
        txtSyotei->setText(amountText(r.SKIN));
        txtBonus->setText(amountText(r.SYOUYO));
        txtNensyu->setText(amountText(r.NENSYU));
        code_ = int(app::VarToIntSafe(r.MCCO));
        cmbSalaryID->setCurrentIndex(pos - 1);
        cmbSalaryID->setEditText(QString::number(code_));
        Grid->setCurrentCell(pos - 1, 1);
        Grid->selectRow(pos - 1);
    }
    filling_ = false;
    showPosition();
}

void TQK0060::locate(int code)
{
    code_ = code;
    for (size_t i = 0; i < rows_.size(); ++i)
        if (app::VarToIntSafe(rows_[i].MCCO) == code) {
            showRow(int(i) + 1);
            return;
        }
    showRow(0);
    filling_ = true;
    cmbSalaryID->setCurrentIndex(-1);
    cmbSalaryID->setEditText(QString::number(code));
    filling_ = false;
}

bool TQK0060::checkLeaving(QWidget* field)
{
    if (field == cmbSalaryID)
        return leaveCodeBox(cmbSalaryID, code_, [this](int code) { locate(code); });
    if (field == cmbSensyu) {
        QString message;
        const auto style = lineTypeOf(cmbSensyu->currentText(), &message);
        if (!style) {
            warn(message);
            return false;
        }
        filling_ = true;
        cmbSensyu->setCurrentIndex(*style);
        cmbSensyu->setEditText(app::LineStyleText(cmbSensyu, *style));
        filling_ = false;
        return true;
    }
    if (field == txtNenrei || field == txtKinzoku || field == txtKeiken)
        return checkNumberEdit(static_cast<QLineEdit*>(field), modelYearsField());
    if (field == txtKihon || field == txtSyotei || field == txtBonus || field == txtNensyu)
        return checkNumberEdit(static_cast<QLineEdit*>(field), modelAmountField());
    return true;
}

ModelWageTexts TQK0060::texts() const
{
    ModelWageTexts t;
    t.modelCode = dm_.state.CurrentCompany.MDCO;
    t.wageCode = code_;
    t.age = txtNenrei->text();
    t.service = txtKinzoku->text();
    t.experience = txtKeiken->text();
    t.basePay = txtKihon->text();
    t.scheduledPay = txtSyotei->text();
    t.bonus = txtBonus->text();
    t.annualIncome = txtNensyu->text();
    t.lineType = cmbSensyu->currentText();
    return t;
}

QWidget* TQK0060::fieldOf(int field) const
{
    QWidget* fields[] = {cmbSalaryID, txtNenrei, txtKinzoku, txtKeiken, txtKihon,
                         txtSyotei,   txtBonus,  txtNensyu,  cmbSensyu};
    return field >= 0 && field < int(std::size(fields)) ? fields[field] : cmbSalaryID;
}

void TQK0060::btnAddClick()
{
    if (!exits_->checkFocused())
        return;
    if (!dm_.state.DataChanged) {
        warn(QStringLiteral("ﾃﾞｰﾀの変更がありません。"));
        txtNenrei->setFocus(Qt::OtherFocusReason);
        return;
    }
    const ModelWageInput in = readModelWage(texts());
    if (!in.row) {
        warn(in.refusal.message);
        fieldOf(int(in.refusal.field))->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!saveModelWage(dm_, *in.row))
        return;   // shown; the input stays on the screen
    const int code = code_;
    clearBoxes();
    fillList();
    fillGrid();
    locate(code);
    cmbSalaryID->setFocus(Qt::OtherFocusReason);
    dm_.state.DataChanged = 0;
}

void TQK0060::btnDltClick()
{
    if (cmbSalaryID->currentText().isEmpty() || code_ == 0) {
        warn(QStringLiteral("モデル賃金コードが入力されていません。"));
        cmbSalaryID->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!askDelete()) {
        txtNenrei->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!deleteModelWage(dm_, dm_.state.CurrentCompany.MDCO, code_))
        return;
    clearBoxes();
    fillList();
    fillGrid();
    if (!rows_.empty())
        showRow(1);
    cmbSalaryID->setFocus(Qt::OtherFocusReason);
    dm_.state.DataChanged = 0;
}

void TQK0060::btnCancelClick()
{
    clearBoxes();
    cmbSalaryID->setFocus(Qt::OtherFocusReason);
    Grid->setCurrentCell(0, 1);
    dm_.state.DataChanged = 0;
}

void TQK0060::gridClick(int row)
{
    if (row < 0 || row >= int(rows_.size()))
        return;
    bool empty = true;
    for (int c = 0; c < 3; ++c)
        if (const QTableWidgetItem* item = Grid->item(row, c); item && !item->text().isEmpty())
            empty = false;
    if (empty)
        return;
    showRow(row + 1);
    dm_.state.DataChanged = 0;
}

QWidget* TQK0060::stayField() const
{
    return txtNenrei;
}

} // namespace yardstick
