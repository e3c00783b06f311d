#include "app/TQK0020.h"

#include "app/CenterEdit.h"
#include "app/ComboHelpers.h"
#include "app/CompanyStore.h"
#include "app/EnterFocus.h"
#include "app/RightEdit.h"
#include "app/SharedRoutines.h"
#include "app/TQK0000.h"
#include "app/TQK0010.h"
#include "data/Common.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QValidator>
#include <QVBoxLayout>

namespace app {

namespace {

void inform(const QString& text) { platform::dialogs().information(text, platform::appTitle()); }

const QString& numberMessage()
{
    static const QString t = QStringLiteral("数値を入力して下さい。");
    return t;
}

// Limits what the user types into a code box without cutting an item longer than the limit that the
// program puts there.
class TypedLengthValidator : public QValidator {
public:
    TypedLengthValidator(int max, QObject* parent) : QValidator(parent), max_(max) {}
    State validate(QString& input, int&) const override { return input.size() <= max_ ? Acceptable : Invalid; }

private:
    int max_;
};

QComboBox* codeBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setValidator(new TypedLengthValidator(6, box));
    box->setMinimumWidth(260);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

} // namespace

TQK0020::TQK0020(data::TFDM& dm, TQK0010* companyDialog, TQK0000* mainWindow)
    : QDialog(companyDialog), dm_(dm), dialog_(companyDialog), main_(mainWindow)
{
    setObjectName(QStringLiteral("TQK0020"));
    setWindowTitle(QStringLiteral("企業データ"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);

    auto label = [this](const QString& text) { return new QLabel(text, this); };
    auto edit = [this](QLineEdit* e, const char* name, int maxLength) {
        e->setParent(this);
        e->setObjectName(QString::fromUtf8(name));
        e->setMaxLength(maxLength);
        return e;
    };

    txtNendo = edit(new TCenterEdit, "txtNendo", 4);
    txtNendo->setReadOnly(true);
    txtNendo->setFixedWidth(60);
    txtCorpID = edit(new TRightEdit, "txtCorpID", 6);
    txtCorpID->setReadOnly(true);
    txtCorpID->setFixedWidth(80);
    txtCorpName = edit(new QLineEdit, "txtCorpName", 60);

    auto* head = new QGridLayout;
    head->addWidget(label(QStringLiteral("年　度")), 0, 0);
    auto* ids = new QHBoxLayout;
    ids->addWidget(txtNendo);
    ids->addSpacing(24);
    ids->addWidget(label(QStringLiteral("企業ID")));
    ids->addWidget(txtCorpID);
    ids->addStretch(1);
    head->addLayout(ids, 0, 1);
    head->addWidget(label(QStringLiteral("企業名称")), 1, 0);
    head->addWidget(txtCorpName, 1, 1);

    auto* grades = new QGroupBox(QStringLiteral("等級名称の登録"), this);
    auto* gradeGrid = new QGridLayout(grades);
    static const char* const gradeNames[9] = {"txtTokyu1", "txtTokyu2", "txtTokyu3", "txtTokyu4", "txtTokyu5",
                                              "txtTokyu6", "txtTokyu7", "txtTokyu8", "txtTokyu9"};
    static const QString digits = QStringLiteral("１２３４５６７８９");
    for (int i = 0; i < 9; ++i) {
        txtTokyu[i] = edit(new QLineEdit, gradeNames[i], 30);
        const int row = i % 5, col = (i / 5) * 2;
        gradeGrid->addWidget(new QLabel(QStringLiteral("等級") + digits.at(i), grades), row, col);
        gradeGrid->addWidget(txtTokyu[i], row, col + 1);
    }
    gradeGrid->setColumnStretch(1, 1);
    gradeGrid->setColumnStretch(3, 1);
    gradeGrid->setHorizontalSpacing(8);

    auto* codes = new QGroupBox(QStringLiteral("モデル賃金／生計費"), this);
    auto* codeGrid = new QGridLayout(codes);
    cmbModelCode = codeBox(this, "cmbModelCode");
    cmbLivingCode = codeBox(this, "cmbLivingCode");
    codeGrid->addWidget(new QLabel(QStringLiteral("モデルコード"), codes), 0, 0);
    codeGrid->addWidget(cmbModelCode, 0, 1);
    codeGrid->addWidget(new QLabel(QStringLiteral("生計費コード"), codes), 1, 0);
    codeGrid->addWidget(cmbLivingCode, 1, 1);
    codeGrid->setColumnStretch(2, 1);

    auto* hours = new QGroupBox(QStringLiteral("時間給計算用"), this);
    auto* hourGrid = new QGridLayout(hours);
    txtSyoteiHH = edit(new TRightEdit, "txtSyoteiHH", 7);
    txtSyoteiDD = edit(new QLineEdit, "txtSyoteiDD", 5);
    txtSyoteiMM = edit(new QLineEdit, "txtSyoteiMM", 7);
    txtSaichin = edit(new QLineEdit, "txtSaichin", 6);
    for (QLineEdit* e : {txtSyoteiHH, txtSyoteiDD, txtSyoteiMM, txtSaichin})
        e->setFixedWidth(90);
    hourGrid->addWidget(new QLabel(QStringLiteral("所定労働時間"), hours), 0, 0);
    hourGrid->addWidget(txtSyoteiHH, 0, 1);
    hourGrid->addWidget(new QLabel(QStringLiteral("毎月労働日数"), hours), 0, 3);
    hourGrid->addWidget(txtSyoteiDD, 0, 4);
    hourGrid->addWidget(new QLabel(QStringLiteral("毎月労働時間"), hours), 1, 0);
    hourGrid->addWidget(txtSyoteiMM, 1, 1);
    hourGrid->addWidget(new QLabel(QStringLiteral("地域最低賃金"), hours), 1, 3);
    hourGrid->addWidget(txtSaichin, 1, 4);
    hourGrid->setColumnMinimumWidth(2, 30);
    hourGrid->setColumnStretch(5, 1);

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        b->setMinimumSize(88, 30);
        // Buttons are reached by mouse; Tab and Enter walk only the entry fields.
        b->setFocusPolicy(Qt::ClickFocus);
        return b;
    };
    btnAdd = button("btnAdd", QStringLiteral("登　録"));
    btnMnt = button("btnMnt", QStringLiteral("修　正"));
    btnDlt = button("btnDlt", QStringLiteral("削　除"));
    btnCansel = button("btnCansel", QStringLiteral("ｷｬﾝｾﾙ"));
    btnClose = button("btnClose", QStringLiteral("閉じる"));
    connect(btnAdd, &QPushButton::clicked, this, &TQK0020::btnAddClick);
    connect(btnMnt, &QPushButton::clicked, this, &TQK0020::btnMntClick);
    connect(btnDlt, &QPushButton::clicked, this, &TQK0020::btnDltClick);
    connect(btnCansel, &QPushButton::clicked, this, &TQK0020::btnCanselClick);
    connect(btnClose, &QPushButton::clicked, this, &TQK0020::btnCloseClick);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnAdd, btnMnt, btnDlt, btnCansel, btnClose})
        buttons->addWidget(b);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 14, 16, 14);
    outer->setSpacing(10);
    outer->addLayout(head);
    outer->addWidget(grades);
    outer->addWidget(codes);
    outer->addWidget(hours);
    outer->addStretch(1);
    outer->addLayout(buttons);

    // The read-only fields are not stops of the tab order.
    txtNendo->setFocusPolicy(Qt::ClickFocus);
    txtCorpID->setFocusPolicy(Qt::ClickFocus);
    QWidget* order[] = {txtCorpName, txtTokyu[0], txtTokyu[1], txtTokyu[2], txtTokyu[3], txtTokyu[4],
                        txtTokyu[5], txtTokyu[6], txtTokyu[7], txtTokyu[8], cmbModelCode, cmbLivingCode,
                        txtSyoteiHH, txtSyoteiDD, txtSyoteiMM, txtSaichin};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    auto markDirty = [this] { dirty_ = true; };
    connect(txtCorpName, &QLineEdit::textChanged, this, markDirty);
    for (QLineEdit* e : txtTokyu)
        connect(e, &QLineEdit::textChanged, this, markDirty);
    connect(cmbModelCode, &QComboBox::editTextChanged, this, markDirty);
    connect(cmbLivingCode, &QComboBox::editTextChanged, this, markDirty);
    for (QWidget* w : std::initializer_list<QWidget*>{txtSyoteiHH, txtSyoteiDD, txtSyoteiMM, txtSaichin, cmbModelCode,
                                                      cmbLivingCode})
        w->installEventFilter(this);

    installEnterMovesFocus(this);
    setFixedSize(563, 566);
}

void TQK0020::setAction(int mode)
{
    struct Caption {
        QPushButton* button;
        int mode;
        QString text;
    };
    for (const Caption& c : {Caption{btnAdd, 1, QStringLiteral("登録")}, Caption{btnMnt, 2, QStringLiteral("修正")},
                             Caption{btnDlt, 3, QStringLiteral("削除")}}) {
        c.button->setText(c.mode == mode ? c.text : QString());
        c.button->setEnabled(c.mode == mode);
    }
}

int TQK0020::chosenCode() const
{
    if (dm_.state.EditMode == 1 || !dialog_)
        return dm_.state.CurrentKco;
    return dialog_->CompanyGridCode;
}

void TQK0020::Prepare()
{
    ClearAndFill();
    if (dm_.state.EditMode != 1)
        LoadCompany();
    txtCorpName->setFocus();
    dirty_ = false;
}

void TQK0020::ClearAndFill()
{
    data::AppState& st = dm_.state;
    txtCorpName->clear();
    const auto defaults = defaultGradeNames();
    for (int i = 0; i < 9; ++i)
        txtTokyu[i]->setText(defaults[i]);
    for (QLineEdit* e : {txtSyoteiHH, txtSyoteiDD, txtSyoteiMM, txtSaichin})
        e->setText(QStringLiteral("0"));

    cmbModelCode->clear();
    data::TMODEL_rec models;
    data::Selects(dm_.ACN1, dm_.Query1, false, QStringLiteral("select * from MDEL ORDER BY MDCO"), QStringLiteral(" "),
                  models);
    for (const data::TMODEL_& m : models.items)
        cmbModelCode->addItem(m.MDCO + QStringLiteral(" : ") + m.MDNA);

    cmbLivingCode->clear();
    data::TSEIKEI_rec living;
    data::Selects(dm_.ACN2, dm_.Query21, false, QStringLiteral("select * from MSEIKEI ORDER BY SKCO,SNIN,SNENREI"),
                  QStringLiteral(" "), living);
    QString lastCode;
    for (const data::TSEIKEI_& s : living.items) {
        if (s.SKCO == lastCode)
            continue;
        lastCode = s.SKCO;
        cmbLivingCode->addItem(s.SKCO + QStringLiteral(" : ") + s.DEDOKORO);
    }
    for (QComboBox* box : {cmbModelCode, cmbLivingCode}) {
        box->setCurrentIndex(-1);
        box->setEditText(noneItem());
    }

    // In delete mode too the hour and wage fields are those of the company chosen in the dialog.
    kigyo1_ = data::TKigyo1_();
    data::Select(dm_.ACN1, dm_.Query1, false, QStringLiteral("SELECT * FROM MKIGYOU1 "),
                 QStringLiteral(" WHERE NENDO = ") + QString::number(st.CurrentNendo) + QStringLiteral(" AND   KCO   = ")
                     + QString::number(chosenCode()),
                 kigyo1_);
    st.EraDisplay = int(VarToIntSafe(kigyo1_.REKI));
}

void TQK0020::LoadCompany()
{
    data::TKigyo2_ k2;
    data::Select(dm_.ACN2, dm_.Query21, false, QStringLiteral("SELECT * FROM MKIGYOU2"),
                 QStringLiteral(" WHERE NENDO = ") + QString::number(dm_.state.CurrentNendo)
                     + QStringLiteral(" AND   KCO   = ") + QString::number(chosenCode()) + QStringLiteral(" ORDER BY KCO"),
                 k2);
    txtCorpName->setText(k2.KNA);
    auto showCode = [](QComboBox* box, const QString& code) {
        const QString text = CodeComboText(box, code, true);
        box->setEditText(text.isEmpty() ? noneItem() : text);
    };
    showCode(cmbModelCode, k2.MDCO);
    const QString* grades[9] = {&k2.TK01, &k2.TK02, &k2.TK03, &k2.TK04, &k2.TK05, &k2.TK06, &k2.TK07, &k2.TK08, &k2.TK09};
    for (int i = 0; i < 9; ++i)
        txtTokyu[i]->setText(*grades[i]);
    showCode(cmbLivingCode, k2.SKCO);
    txtSyoteiHH->setText(kigyo1_.SYOTEIHH);
    txtSyoteiDD->setText(kigyo1_.SYOTEIDD);
    txtSyoteiMM->setText(kigyo1_.SYOTEIMM);
    txtSaichin->setText(kigyo1_.SAITEI);
}

CompanyInput TQK0020::input() const
{
    CompanyInput in;
    in.name = txtCorpName->text();
    for (int i = 0; i < 9; ++i)
        in.gradeNames[i] = txtTokyu[i]->text();
    in.modelCode = leadingCode(cmbModelCode->currentText());
    in.livingCode = leadingCode(cmbLivingCode->currentText());
    in.syoteiHH = txtSyoteiHH->text();
    in.syoteiDD = txtSyoteiDD->text();
    in.syoteiMM = txtSyoteiMM->text();
    in.saitei = txtSaichin->text();
    return in;
}

void TQK0020::btnAddClick()
{
    if (dm_.state.EditMode != 1)
        return;
    if (txtCorpName->text().isEmpty()) {
        inform(QStringLiteral("企業名称は必ず入力してください。"));
        return;
    }
    registerCompany(dm_, txtNendo->text().toInt(), txtCorpID->text().toInt(), input());
    dirty_ = false;
    accept();
    if (dialog_)
        dialog_->Prepare();
}

void TQK0020::btnMntClick()
{
    if (dm_.state.EditMode != 2)
        return;
    if (trimBlanks(cmbModelCode->currentText()).isEmpty()) {
        inform(QStringLiteral("モデルコードを入力して下さい。"));
        return;
    }
    if (trimBlanks(cmbLivingCode->currentText()).isEmpty()) {
        inform(QStringLiteral("生計費コードを入力して下さい。"));
        return;
    }
    changeCompany(dm_, txtNendo->text().toInt(), txtCorpID->text().toInt(), input());
    // The screen stays open on the stored values.
    ClearAndFill();
    LoadCompany();
    txtCorpName->setFocus();
    dirty_ = false;
}

void TQK0020::btnDltClick()
{
    data::AppState& st = dm_.state;
    if (st.EditMode != 3)
        return;
    if (!platform::dialogs().question(QStringLiteral("ﾃﾞｰﾀを削除しますか？\r【はい】:削除します。\r【いいえ】:戻ります。"),
                                      QStringLiteral("削除")))
        return;
    const int year = st.CurrentNendo;
    const int code = chosenCode();
    // All or nothing: after a failure (already shown) the company is still complete and the screen
    // stays open on it.
    if (!deleteCompany(dm_, year, code))
        return;
    inform(QStringLiteral("企業マスター 【　") + QString::number(year) + QStringLiteral("　年度　") + QString::number(code)
           + QStringLiteral("　:　") + txtCorpName->text() + QStringLiteral("　】 を削除しました。"));
    dirty_ = false;
    accept();
    if (dialog_)
        dialog_->Prepare();
}

void TQK0020::btnCanselClick()
{
    ClearAndFill();
    if (dm_.state.EditMode != 1)
        LoadCompany();
    txtCorpName->setFocus();
    dirty_ = false;
}

void TQK0020::btnCloseClick()
{
    if (dirty_
        && platform::dialogs().question(
            QStringLiteral("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r【いいえ】:画面を閉じます。"),
            QStringLiteral("確認"))) {
        txtCorpName->setFocus();
        return;
    }
    if (dialog_)
        dialog_->FillGrid();
    dirty_ = false;
    reject();
}

void TQK0020::done(int result)
{
    QDialog::done(result);
    if (main_)
        main_->UpdateMenuState(dm_.state.CompanyOpen == 0);
}

bool TQK0020::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && isVisible()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Only a move to another control of this screen counts as leaving the field; a message box or
        // an open drop-down list taking the focus for a moment does not.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            auto* field = static_cast<QWidget*>(watched);
            if (!checkLeaving(field))
                returnFocus(field);
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TQK0020::checkLeaving(QWidget* field)
{
    if (field == cmbModelCode || field == cmbLivingCode) {
        auto* box = static_cast<QComboBox*>(field);
        // An empty model code is refused, any other is taken as it is; an empty living code is left
        // alone, any other is checked against the list (an unknown code shows as "未登録").
        const bool check = field == cmbModelCode ? box->currentText().isEmpty() : !box->currentText().isEmpty();
        int code = 0;
        return !check || CheckCodeCombo(box, true, code, false, false);
    }
    dirty_ = true;
    const auto value = data::parseRealText(static_cast<QLineEdit*>(field)->text());
    if (!value || *value == -1) {
        inform(numberMessage());
        return false;
    }
    return true;
}

void TQK0020::returnFocus(QWidget* field)
{
    // The focus is still moving when the field hears of it; it is taken back once that is over.
    QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
}

} // namespace app
