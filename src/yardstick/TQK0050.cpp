#include "yardstick/TQK0050.h"

#include "app/ComboHelpers.h"
#include "data/DataModule.h"
#include "master/FieldExit.h"
#include "yardstick/EntryFields.h"
#include "yardstick/EntryScreen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace yardstick {

TQK0050::TQK0050(data::TFDM& dm, QWidget* parent)
    : EntryDialog(dm, parent, QStringLiteral("TQK0050"), QStringLiteral("標準生計費　登録"))
{
    buildControls();
}

void TQK0050::buildControls()
{
    cmbSeikeiID = addCodeBox(QStringLiteral("生計費コード"), QStringLiteral("cmbSeikeiID"), 330);

    auto* grid = new QGroupBox(QStringLiteral("標準生計費"), this);
    grid->setGeometry(20, 60, 737, 236);
    const int xs[6] = {24, 134, 244, 384, 504, 624};
    const int ws[6] = {90, 90, 120, 100, 100, 100};
    const char* heads[6] = {"所帯人員", "所帯年齢", "生計費(千円)", "愉楽率", "最低率", "単身率"};
    for (int c = 0; c < 6; ++c) {
        QLabel* h = caption(grid, QString::fromUtf8(heads[c]), QRect(xs[c], 22, ws[c], 20));
        h->setAlignment(Qt::AlignCenter);
    }
    std::array<QLineEdit*, kHouseholdRows>* columns[6] = {&txtSyotaisu, &txtNenrei, &txtSeikeihi,
                                                          &txtYuraku,   &txtMin,    &txtTanshin};
    const char* names[6] = {"txtSyotaisu", "txtNenrei", "txtSeikeihi", "txtYuraku", "txtMin", "txtTanshin"};
    for (int r = 0; r < kHouseholdRows; ++r)
        for (int c = 0; c < 6; ++c)
            (*columns[c])[size_t(r)] = numberEdit(grid, QString::fromLatin1(names[c]) + QString::number(r + 1),
                                                  QRect(xs[c], 46 + 30 * r, ws[c], 26));

    auto* rate = new QGroupBox(QStringLiteral("掛率"), this);
    rate->setGeometry(20, 306, 160, 64);
    txtKakeRitsu = numberEdit(rate, QStringLiteral("txtKakeRitsu"), QRect(16, 26, 120, 26));

    auto* notes = new QGroupBox(QStringLiteral("解　　説"), this);
    notes->setGeometry(196, 306, 561, 168);
    const char* noteCaptions[4] = {"出　　所", "対象地域", "調査時点", "入力数値"};
    QLineEdit** noteEdits[4] = {&txtSyussyo, &txtTiiki, &txtCyosaJiki, &txtNyuryokuchi};
    const char* noteNames[4] = {"txtSyussyo", "txtTiiki", "txtCyosaJiki", "txtNyuryokuchi"};
    for (int i = 0; i < 4; ++i) {
        caption(notes, QString::fromUtf8(noteCaptions[i]), QRect(16, 28 + 34 * i, 76, 24));
        *noteEdits[i] = textEdit(notes, QString::fromLatin1(noteNames[i]), QRect(100, 26 + 34 * i, 440, 26),
                                 kShortTextLength);
    }

    btnCansel = addCommandButtons("btnCansel");
    connect(btnCansel, &QPushButton::clicked, this, &TQK0050::btnCanselClick);

    // Tab order: the code, the households row by row, the multiplier, the description.
    std::vector<QWidget*> order{cmbSeikeiID};
    for (int r = 0; r < kHouseholdRows; ++r)
        for (int c = 0; c < 6; ++c)
            order.push_back((*columns[c])[size_t(r)]);
    order.push_back(txtKakeRitsu);
    for (QLineEdit** e : noteEdits)
        order.push_back(*e);
    chainFields(order);
}

void TQK0050::Prepare()
{
    clearBoxes();
    fillList();
    load(dm_.state.CurrentCompany.SKCO);
    filling_ = true;
    cmbSeikeiID->setEditText(app::CodeComboText(cmbSeikeiID, QString::number(code_), false));
    filling_ = false;
    dm_.state.EditMode = 0;
    dm_.state.DataChanged = 0;
    cmbSeikeiID->setFocus(Qt::OtherFocusReason);
}

void TQK0050::fillList()
{
    QStringList entries;
    costOfLivingList(dm_, entries);
    filling_ = true;
    cmbSeikeiID->clear();
    cmbSeikeiID->addItems(entries);
    cmbSeikeiID->setCurrentIndex(-1);
    cmbSeikeiID->setEditText(QString());
    filling_ = false;
}

void TQK0050::clearBoxes()
{
    // Nothing is chosen afterwards: a save now asks for a code instead of emptying the last table.
    code_ = 0;
    filling_ = true;
    cmbSeikeiID->setCurrentIndex(-1);
    cmbSeikeiID->setEditText(QString());
    filling_ = false;
    showTable(clearedCostOfLiving());
    dm_.state.EditMode = 0;
}

void TQK0050::showTable(const CostOfLivingTable& t)
{
    filling_ = true;
    for (int r = 0; r < kHouseholdRows; ++r) {
        const Household& h = t.rows[size_t(r)];
        txtSyotaisu[size_t(r)]->setText(numberFieldText(householdSizeField(), double(h.size)));
        txtNenrei[size_t(r)]->setText(numberFieldText(householdAgeField(), double(h.age)));
        txtSeikeihi[size_t(r)]->setText(numberFieldText(livingCostField(), double(h.cost)));
        txtYuraku[size_t(r)]->setText(numberFieldText(livingRateField(), h.comfort));
        txtMin[size_t(r)]->setText(numberFieldText(livingRateField(), h.minimum));
        txtTanshin[size_t(r)]->setText(numberFieldText(livingRateField(), h.single));
    }
    txtKakeRitsu->setText(numberFieldText(multiplierField(), t.multiplier));
    txtSyussyo->setText(t.source);
    txtTiiki->setText(t.area);
    txtCyosaJiki->setText(t.surveyTime);
    txtNyuryokuchi->setText(t.note);
    filling_ = false;
}

void TQK0050::load(int code)
{
    code_ = code;
    if (const auto t = loadCostOfLiving(dm_, code)) {
        showTable(*t);
        dm_.state.EditMode = 2;
    } else {
        dm_.state.EditMode = 1;
    }
    dm_.state.DataChanged = 0;
}

bool TQK0050::checkLeaving(QWidget* field)
{
    if (field == cmbSeikeiID) {
        if (cmbSeikeiID->currentText().isEmpty())
            return true;
        int code = 0;
        filling_ = true;
        const bool accepted = app::CheckCodeCombo(cmbSeikeiID, false, code, false, true);
        filling_ = false;
        if (!accepted)
            return false;
        const QString shown = cmbSeikeiID->currentText();
        if (code == code_ && dm_.state.DataChanged) {
            // The same table with changes on the screen: keep them, only the state follows the code.
            dm_.state.EditMode = cmbSeikeiID->currentIndex() >= 0 ? 2 : 1;
            return true;
        }
        clearBoxes();
        filling_ = true;
        cmbSeikeiID->setCurrentIndex(cmbSeikeiID->findText(shown));
        cmbSeikeiID->setEditText(shown);
        filling_ = false;
        load(code);
        return true;
    }
    for (int r = 0; r < kHouseholdRows; ++r) {
        const size_t i = size_t(r);
        if (field == txtSyotaisu[i])
            return checkNumberEdit(txtSyotaisu[i], householdSizeField());
        if (field == txtNenrei[i])
            return checkNumberEdit(txtNenrei[i], householdAgeField());
        if (field == txtSeikeihi[i])
            return checkNumberEdit(txtSeikeihi[i], livingCostField());
        if (field == txtYuraku[i] || field == txtMin[i] || field == txtTanshin[i])
            return checkNumberEdit(static_cast<QLineEdit*>(field), livingRateField());
    }
    if (field == txtKakeRitsu)
        return checkNumberEdit(txtKakeRitsu, multiplierField());
    if (auto* e = qobject_cast<QLineEdit*>(field))
        if (const auto refusal = textFieldRefusal(e->text(), kShortTextLength)) {
            warn(*refusal);
            return false;
        }
    return true;
}

CostOfLivingTexts TQK0050::texts() const
{
    CostOfLivingTexts t;
    t.code = code_;
    for (size_t r = 0; r < size_t(kHouseholdRows); ++r)
        t.rows[r] = {txtSyotaisu[r]->text(), txtNenrei[r]->text(), txtSeikeihi[r]->text(),
                     txtYuraku[r]->text(),   txtMin[r]->text(),    txtTanshin[r]->text()};
    t.multiplier = txtKakeRitsu->text();
    t.source = txtSyussyo->text();
    t.area = txtTiiki->text();
    t.surveyTime = txtCyosaJiki->text();
    t.note = txtNyuryokuchi->text();
    return t;
}

QWidget* TQK0050::fieldOf(const LivingRefusal& refusal) const
{
    const size_t r = size_t(std::clamp(refusal.row, 0, kHouseholdRows - 1));
    switch (refusal.field) {
    case LivingField::Code: return cmbSeikeiID;
    case LivingField::Size: return txtSyotaisu[r];
    case LivingField::Age: return txtNenrei[r];
    case LivingField::Cost: return txtSeikeihi[r];
    case LivingField::Comfort: return txtYuraku[r];
    case LivingField::Minimum: return txtMin[r];
    case LivingField::Single: return txtTanshin[r];
    case LivingField::Multiplier: return txtKakeRitsu;
    case LivingField::Source: return txtSyussyo;
    case LivingField::Area: return txtTiiki;
    case LivingField::SurveyTime: return txtCyosaJiki;
    case LivingField::Note: return txtNyuryokuchi;
    }
    return cmbSeikeiID;
}

void TQK0050::btnAddClick()
{
    if (!exits_->checkFocused())
        return;
    const CostOfLivingInput in = readCostOfLiving(texts());
    if (!in.table) {
        warn(in.refusal.message);
        fieldOf(in.refusal)->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!saveCostOfLiving(dm_, *in.table))
        return;   // shown; the old rows are still there and the input stays on the screen
    clearBoxes();
    fillList();
    cmbSeikeiID->setFocus(Qt::OtherFocusReason);
    dm_.state.EditMode = 0;
    dm_.state.DataChanged = 0;
}

void TQK0050::btnDltClick()
{
    if (cmbSeikeiID->currentText().isEmpty()) {
        warn(QStringLiteral("生計費コードが入力されていません。"));
        cmbSeikeiID->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (dm_.state.EditMode == 0) {
        cmbSeikeiID->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!askDelete()) {
        txtSyotaisu[0]->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!deleteCostOfLiving(dm_, code_))
        return;
    clearBoxes();
    fillList();
    cmbSeikeiID->setFocus(Qt::OtherFocusReason);
    dm_.state.EditMode = 0;
    dm_.state.DataChanged = 0;
}

void TQK0050::btnCanselClick()
{
    clearBoxes();
    cmbSeikeiID->setFocus(Qt::OtherFocusReason);
    dm_.state.EditMode = 0;
    dm_.state.DataChanged = 0;
}

bool TQK0050::focusNextPrevChild(bool next)
{
    // From the last description field the focus goes round to the first household.
    if (next && txtNyuryokuchi->hasFocus()) {
        txtSyotaisu[0]->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QDialog::focusNextPrevChild(next);
}

QWidget* TQK0050::stayField() const
{
    return txtSyotaisu[0];
}

} // namespace yardstick
