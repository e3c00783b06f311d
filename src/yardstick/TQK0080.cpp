#include "yardstick/TQK0080.h"

#include "app/ComboHelpers.h"
#include "data/DataModule.h"
#include "master/FieldExit.h"
#include "yardstick/EntryFields.h"
#include "yardstick/ModelWages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace yardstick {

TQK0080::TQK0080(data::TFDM& dm, QWidget* parent)
    : ListEntryDialog(dm, parent, QStringLiteral("TQK0080"), QStringLiteral("モデルデータ　登録"), false)
{
    buildControls();
}

void TQK0080::buildControls()
{
    cmbModelID = addCodeBox(QStringLiteral("モデルコード"), QStringLiteral("cmbModelID"), 360);

    auto* box = new QGroupBox(QStringLiteral("モデルデータ"), this);
    box->setGeometry(20, 60, 737, 430);
    struct Field {
        const char* caption;
        const char* name;
        QLineEdit** edit;
        int width;
    };
    const Field fields[] = {
        {"賃金名称", "txtSalaryName", &txtSalaryName, 420}, {"出　　所", "txtSyussyo", &txtSyussyo, 420},
        {"対象地域", "txtChiiki", &txtChiiki, 420},          {"事業所数", "txtJigyosyosuu", &txtJigyosyosuu, 100},
        {"調査時点", "txtCyousabi", &txtCyousabi, 420},      {"業　　種", "txtGyousyu", &txtGyousyu, 420},
        {"規　　模", "txtKibo", &txtKibo, 420},
    };
    int y = 28;
    for (const Field& f : fields) {
        caption(box, QString::fromUtf8(f.caption), QRect(20, y + 2, 80, 22));
        const QString name = QString::fromLatin1(f.name);
        *f.edit = f.edit == &txtJigyosyosuu ? numberEdit(box, name, QRect(110, y, f.width, 26))
                                            : textEdit(box, name, QRect(110, y, f.width, 26), kShortTextLength);
        y += 36;
    }
    caption(box, QStringLiteral("備　　考"), QRect(20, y + 2, 80, 22));
    txtBikou = new QPlainTextEdit(box);
    txtBikou->setObjectName(QStringLiteral("txtBikou"));
    txtBikou->setGeometry(110, y, 600, 130);
    txtBikou->setTabChangesFocus(true);

    addListCommandButtons();

    chainFields({cmbModelID, txtSalaryName, txtSyussyo, txtChiiki, txtJigyosyosuu, txtCyousabi, txtGyousyu, txtKibo,
                 txtBikou});
    connect(txtBikou, &QPlainTextEdit::textChanged, this, &TQK0080::changed);
}

void TQK0080::Prepare()
{
    clearBoxes();
    fillList();
    showCode(dm_.state.CurrentCompany.MDCO);
    dm_.state.DataChanged = 0;
    cmbModelID->setFocus(Qt::OtherFocusReason);
}

void TQK0080::clearBoxes()
{
    filling_ = true;
    code_ = 0;
    cmbModelID->setCurrentIndex(-1);
    cmbModelID->setEditText(QString());
    for (QLineEdit* e : {txtSalaryName, txtSyussyo, txtChiiki, txtCyousabi, txtGyousyu, txtKibo})
        e->clear();
    txtJigyosyosuu->setText(QStringLiteral("0"));
    txtBikou->clear();
    filling_ = false;
    pos_ = 0;
    dm_.state.EditMode = 0;
    showPosition();
}

void TQK0080::fillList()
{
    modelDataRows(dm_, rows_);
    filling_ = true;
    const QString text = cmbModelID->currentText();
    cmbModelID->clear();
    for (const data::TMODEL_& r : rows_)
        cmbModelID->addItem(modelDataEntry(r));
    cmbModelID->setCurrentIndex(-1);
    cmbModelID->setEditText(text);
    filling_ = false;
    pos_ = 0;
    showPosition();
}

void TQK0080::showRow(int pos)
{
    pos_ = pos;
    const data::TMODEL_& r = rows_[size_t(pos - 1)];
    filling_ = true;
    code_ = int(app::VarToIntSafe(r.MDCO));
    cmbModelID->setCurrentIndex(pos - 1);
    cmbModelID->setEditText(QString::number(code_));
    txtSalaryName->setText(r.MDNA);
    txtSyussyo->setText(r.DEDOKORO);
    txtChiiki->setText(r.TCHIIKI);
    txtJigyosyosuu->setText(QString::number(app::VarToIntSafe(r.JSU)));
    txtCyousabi->setText(r.CJITEN);
    txtGyousyu->setText(r.GYOUSYU);
    txtKibo->setText(r.KIBO);
    txtBikou->setPlainText(r.BIKOU);
    filling_ = false;
    dm_.state.EditMode = 2;
    showPosition();
}

void TQK0080::showCode(int code)
{
    for (size_t i = 0; i < rows_.size(); ++i)
        if (app::VarToIntSafe(rows_[i].MDCO) == code) {
            showRow(int(i) + 1);
            return;
        }
    clearBoxes();
    code_ = code;
    filling_ = true;
    cmbModelID->setEditText(QString::number(code));
    filling_ = false;
    dm_.state.EditMode = 1;
}

bool TQK0080::checkLeaving(QWidget* field)
{
    if (field == cmbModelID)
        return leaveCodeBox(cmbModelID, code_, [this](int code) { showCode(code); });
    if (field == txtJigyosyosuu)
        return checkNumberEdit(txtJigyosyosuu, establishmentsField());
    if (field == txtBikou) {
        if (const auto refusal = textFieldRefusal(txtBikou->toPlainText(), kRemarksLength)) {
            warn(*refusal);
            return false;
        }
        return true;
    }
    if (auto* e = qobject_cast<QLineEdit*>(field))
        if (const auto refusal = textFieldRefusal(e->text(), kShortTextLength)) {
            warn(*refusal);
            return false;
        }
    return true;
}

ModelDataTexts TQK0080::texts() const
{
    ModelDataTexts t;
    t.code = code_;
    t.name = txtSalaryName->text();
    t.source = txtSyussyo->text();
    t.area = txtChiiki->text();
    t.establishments = txtJigyosyosuu->text();
    t.surveyTime = txtCyousabi->text();
    t.industry = txtGyousyu->text();
    t.size = txtKibo->text();
    t.remarks = txtBikou->toPlainText();
    return t;
}

QWidget* TQK0080::fieldOf(int field) const
{
    QWidget* fields[] = {cmbModelID,  txtSalaryName, txtSyussyo, txtChiiki, txtJigyosyosuu,
                         txtCyousabi, txtGyousyu,    txtKibo,    txtBikou};
    return field >= 0 && field < int(std::size(fields)) ? fields[field] : cmbModelID;
}

void TQK0080::btnAddClick()
{
    if (cmbModelID->currentText().isEmpty()) {
        warn(QStringLiteral("モデルコードが入力されていません。"));
        cmbModelID->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!exits_->checkFocused())
        return;
    const ModelDataInput in = readModelData(texts());
    if (!in.row) {
        warn(in.refusal.message);
        fieldOf(int(in.refusal.field))->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!saveModelData(dm_, *in.row))
        return;   // shown; the input stays on the screen
    clearBoxes();
    fillList();
    cmbModelID->setFocus(Qt::OtherFocusReason);
    dm_.state.DataChanged = 0;
}

void TQK0080::btnDltClick()
{
    if (cmbModelID->currentText().isEmpty()) {
        warn(QStringLiteral("モデルコードが入力されていません。"));
        cmbModelID->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (dm_.state.EditMode == 0) {
        cmbModelID->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!askDelete()) {
        txtSalaryName->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!deleteModelData(dm_, code_))
        return;
    clearBoxes();
    fillList();
    cmbModelID->setFocus(Qt::OtherFocusReason);
    dm_.state.DataChanged = 0;
}

void TQK0080::btnCancelClick()
{
    clearBoxes();
    cmbModelID->setFocus(Qt::OtherFocusReason);
    dm_.state.DataChanged = 0;
}

QWidget* TQK0080::stayField() const
{
    return txtSalaryName;
}

} // namespace yardstick
