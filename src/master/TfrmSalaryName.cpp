#include "master/TfrmSalaryName.h"

#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "data/DataModule.h"
#include "master/FieldExit.h"
#include "master/TextRules.h"
#include "master/WorkForms.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace master {

namespace {

void warn(const QString& text) { platform::dialogs().warning(text, platform::appTitle()); }

const QString& idMessage()
{
    static const QString t = QStringLiteral("IDは1～4で入力して下さい。");
    return t;
}

} // namespace

TfrmSalaryName::TfrmSalaryName(data::TFDM& dm, QWidget* parent) : QDialog(parent), dm_(dm)
{
    setObjectName(QStringLiteral("TfrmSalaryName"));
    setWindowTitle(QStringLiteral("就労形態＆賃金形態の登録"));
    exits_ = new FieldExit(this, [this](QWidget* field) { return checkLeaving(field); });

    cmbSalaryID = new QComboBox(this);
    cmbSalaryID->setObjectName(QStringLiteral("cmbSalaryID"));
    cmbSalaryID->setEditable(true);
    cmbSalaryID->setInsertPolicy(QComboBox::NoInsert);
    // An ID is typed as a number; completing "2" to an entry would change what was typed.
    cmbSalaryID->setCompleter(nullptr);
    cmbSalaryID->setFixedWidth(220);
    auto edit = [this](const QString& name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setMaxLength(kWorkFormTextLength);
        e->setFixedWidth(220);
        return e;
    };
    txtName = edit(QStringLiteral("txtName"));
    txtTeigi = edit(QStringLiteral("txtTeigi"));
    const QString roman[5] = {QStringLiteral("Ⅰ"), QStringLiteral("Ⅱ"), QStringLiteral("Ⅲ"), QStringLiteral("Ⅳ"),
                              QStringLiteral("Ⅴ")};
    for (int i = 0; i < 3; ++i)
        txtKihon[i] = edit(QStringLiteral("txtKihon") + QString::number(i + 1));
    for (int i = 0; i < 5; ++i)
        txtTeate[i] = edit(QStringLiteral("txtTeate") + QString::number(i + 1));

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(14);
    form->setVerticalSpacing(7);
    int row = 0;
    auto add = [&](const QString& caption, QWidget* field) {
        form->addWidget(new QLabel(caption, this), row, 0);
        form->addWidget(field, row, 1, Qt::AlignLeft);
        ++row;
    };
    add(QStringLiteral("就労形態ID"), cmbSalaryID);
    add(QStringLiteral("就労形態名称"), txtName);
    add(QStringLiteral("賃金形態名称"), txtTeigi);
    form->setRowMinimumHeight(row++, 6);
    for (int i = 0; i < 3; ++i)
        add(QStringLiteral("基本給項目") + roman[i], txtKihon[i]);
    form->setRowMinimumHeight(row++, 6);
    for (int i = 0; i < 5; ++i)
        add(QStringLiteral("手当項目") + roman[i], txtTeate[i]);
    form->setColumnMinimumWidth(0, 96);
    form->setColumnStretch(2, 1);

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumSize(84, 30);
        return b;
    };
    btnAdd = button("btnAdd", QStringLiteral("登　録"));
    btnDlt = button("btnDlt", QStringLiteral("削除"));
    btnCancel = button("btnCancel", QStringLiteral("ｷｬﾝｾﾙ"));
    btnClose = button("btnClose", QStringLiteral("閉じる"));
    connect(btnAdd, &QPushButton::clicked, this, &TfrmSalaryName::btnAddClick);
    connect(btnDlt, &QPushButton::clicked, this, &TfrmSalaryName::btnDltClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmSalaryName::btnCancelClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmSalaryName::btnCloseClick);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnAdd, btnDlt, btnCancel, btnClose})
        buttons->addWidget(b);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(24, 20, 24, 16);
    outer->addLayout(form);
    outer->addStretch(1);
    outer->addLayout(buttons);

    QWidget* order[] = {cmbSalaryID, txtName, txtTeigi, txtKihon[0], txtKihon[1], txtKihon[2],
                        txtTeate[0], txtTeate[1], txtTeate[2], txtTeate[3], txtTeate[4]};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    exits_->watch(cmbSalaryID);
    for (QLineEdit* e : texts()) {
        exits_->watch(e);
        connect(e, &QLineEdit::textChanged, this, [this] {
            if (!filling_)
                changed_ = true;
        });
    }
    app::installEnterMovesFocus(this);
    setFixedSize(440, 470);
}

std::array<QLineEdit*, 10> TfrmSalaryName::texts() const
{
    return {txtName, txtTeigi, txtKihon[0], txtKihon[1], txtKihon[2],
            txtTeate[0], txtTeate[1], txtTeate[2], txtTeate[3], txtTeate[4]};
}

void TfrmSalaryName::Prepare()
{
    fillList();
    clearBoxes();
    cmbSalaryID->setFocus();
}

void TfrmSalaryName::fillList()
{
    filling_ = true;
    app::FillComboFromSql(workFormListStatement(dm_.state), cmbSalaryID, false);
    cmbSalaryID->setCurrentIndex(-1);
    cmbSalaryID->setEditText(QString());
    filling_ = false;
}

void TfrmSalaryName::clearBoxes()
{
    filling_ = true;
    cmbSalaryID->setCurrentIndex(-1);
    cmbSalaryID->setEditText(QString());
    for (QLineEdit* e : texts())
        e->clear();
    filling_ = false;
    changed_ = false;
    btnDlt->setEnabled(false);
}

int TfrmSalaryName::boxId() const
{
    // An entry shown in the box counts as chosen, however it got there.
    int selected = app::ComboCode(cmbSalaryID);
    if (selected == 0) {
        const int i = cmbSalaryID->findText(cmbSalaryID->currentText());
        if (i >= 0)
            selected = int(app::parseWholeNumber(app::itemCode(cmbSalaryID->itemText(i))).value_or(0));
    }
    return workFormId(cmbSalaryID->currentText(), selected);
}

void TfrmSalaryName::chooseId(int id)
{
    filling_ = true;
    for (QLineEdit* e : texts())
        e->clear();
    btnDlt->setEnabled(false);
    const QString prefix = QString::number(id) + QStringLiteral(" : ");
    int entry = -1;
    for (int i = 0; i < cmbSalaryID->count() && entry < 0; ++i)
        if (cmbSalaryID->itemText(i).startsWith(prefix))
            entry = i;
    cmbSalaryID->setCurrentIndex(entry);
    cmbSalaryID->setEditText(entry >= 0 ? cmbSalaryID->itemText(entry) : QString::number(id));
    if (const auto row = loadWorkForm(dm_, id)) {
        const QString* values[10] = {&row->SALARYNAME, &row->TEIGI,  &row->KIHON1, &row->KIHON2, &row->KIHON3,
                                     &row->TEATE1,     &row->TEATE2, &row->TEATE3, &row->TEATE4, &row->TEATE5};
        const auto boxes = texts();
        for (size_t i = 0; i < boxes.size(); ++i)
            boxes[i]->setText(*values[i]);
        btnDlt->setEnabled(true);
    }
    filling_ = false;
    changed_ = false;
}

bool TfrmSalaryName::checkLeaving(QWidget* field)
{
    if (field == cmbSalaryID) {
        if (cmbSalaryID->currentText().isEmpty())
            return true;
        const int id = boxId();
        if (id < 1 || id > 4) {
            warn(idMessage());
            return false;
        }
        chooseId(id);
        return true;
    }
    auto* e = static_cast<QLineEdit*>(field);
    if (const auto refusal = freeTextRefusal(e->text(), kWorkFormTextLength)) {
        warn(*refusal);
        return false;
    }
    return true;
}

WorkFormInput TfrmSalaryName::input() const
{
    WorkFormInput in;
    in.id = boxId();
    in.name = txtName->text();
    in.definition = txtTeigi->text();
    for (size_t i = 0; i < 3; ++i)
        in.kihon[i] = txtKihon[i]->text();
    for (size_t i = 0; i < 5; ++i)
        in.teate[i] = txtTeate[i]->text();
    return in;
}

void TfrmSalaryName::btnAddClick()
{
    // The ID box is not checked as leaving it would: that would load the stored row over the input.
    if (!cmbSalaryID->hasFocus() && !exits_->checkFocused())
        return;
    const WorkFormInput in = input();
    if (const auto refusal = checkWorkForm(in)) {
        warn(refusal->message);
        QWidget* field = refusal->field == 0 ? static_cast<QWidget*>(cmbSalaryID) : texts()[size_t(refusal->field - 1)];
        field->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!saveWorkForm(dm_, in))
        return;   // shown; the old row is still there and the input stays on the screen
    clearBoxes();
    fillList();
    cmbSalaryID->setFocus(Qt::OtherFocusReason);
}

void TfrmSalaryName::btnDltClick()
{
    if (!platform::dialogs().question(QStringLiteral("表示ﾃﾞｰﾀを削除してもいいですか？"), QStringLiteral("確認")))
        return;
    deleteWorkForm(dm_, app::ComboCode(cmbSalaryID));
    clearBoxes();
    fillList();
    cmbSalaryID->setFocus(Qt::OtherFocusReason);
}

void TfrmSalaryName::btnCancelClick()
{
    clearBoxes();
    cmbSalaryID->setFocus(Qt::OtherFocusReason);
}

void TfrmSalaryName::btnCloseClick()
{
    if (changed_
        && platform::dialogs().question(
            QStringLiteral("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r【いいえ】:画面を閉じます。"),
            QStringLiteral("確認")))
        return;
    closing_ = true;
    QDialog::reject();
    closing_ = false;
}

void TfrmSalaryName::reject()
{
    if (closing_)
        QDialog::reject();
    else
        btnCloseClick();
}

bool TfrmSalaryName::focusNextPrevChild(bool next)
{
    // The fields go round from the last allowance back to the name.
    if (next && txtTeate[4]->hasFocus()) {
        txtName->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QDialog::focusNextPrevChild(next);
}

} // namespace master
