#include "raise/TQK3030.h"

#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "raise/AnnualUpdate.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace salary {

namespace {

void inform(const QString& text) { platform::dialogs().information(text, platform::appTitle()); }

} // namespace

TQK3030::TQK3030(data::TFDM& dm, QWidget* parent) : QDialog(parent), dm_(dm)
{
    setObjectName(QStringLiteral("TQK3030"));
    setWindowTitle(QStringLiteral("年次更新"));
    setModal(true);

    cmbNendo = new QComboBox(this);
    cmbNendo->setObjectName(QStringLiteral("cmbNendo"));
    cmbNendo->setEditable(true);
    cmbNendo->setInsertPolicy(QComboBox::NoInsert);
    cmbNendo->lineEdit()->setMaxLength(6);
    cmbNendo->setFixedWidth(90);
    cmbCorpName = new QComboBox(this);
    cmbCorpName->setObjectName(QStringLiteral("cmbCorpName"));
    cmbCorpName->setEditable(true);
    cmbCorpName->setInsertPolicy(QComboBox::NoInsert);
    cmbCorpName->setMinimumWidth(300);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("年　　度"), this), 0, 0);
    fields->addWidget(cmbNendo, 0, 1, Qt::AlignLeft);
    fields->addWidget(new QLabel(QStringLiteral("企業名"), this), 1, 0);
    fields->addWidget(cmbCorpName, 1, 1);
    fields->setColumnStretch(1, 1);
    fields->setHorizontalSpacing(12);
    fields->setVerticalSpacing(10);

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        b->setMinimumSize(88, 30);
        b->setFocusPolicy(Qt::ClickFocus);
        return b;
    };
    btnAdd = button("btnAdd", QStringLiteral("更　新"));
    btnClose = button("btnClose", QStringLiteral("閉じる"));
    connect(btnAdd, &QPushButton::clicked, this, &TQK3030::btnAddClick);
    connect(btnClose, &QPushButton::clicked, this, &TQK3030::btnCloseClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnClose);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 16, 18, 14);
    outer->setSpacing(14);
    outer->addLayout(fields);
    outer->addStretch(1);
    outer->addLayout(buttons);
    setTabOrder(cmbNendo, cmbCorpName);

    cmbNendo->installEventFilter(this);
    app::installEnterMovesFocus(this);
    setFixedSize(430, 170);
}

void TQK3030::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Prepare();
}

void TQK3030::Prepare()
{
    const data::AppState& st = dm_.state;
    cmbNendo->setEditText(QString::number(st.CurrentNendo));
    fillCompanies(st.CurrentNendo);
    if (st.CompanyOpen != 0 && app::SelectComboCode(cmbCorpName, st.CurrentKco) >= 0)
        return;
    cmbCorpName->setCurrentIndex(-1);
    cmbCorpName->setEditText(QString());
}

void TQK3030::fillCompanies(int year)
{
    cmbCorpName->clear();
    listedYear_ = year;
    data::TKigyo1_rec rows;
    if (!data::Selects(dm_.ACN1, dm_.Query1, false, QStringLiteral("SELECT * FROM MKIGYOU1"),
                       QStringLiteral(" WHERE NENDO = ") + QString::number(year) + QStringLiteral(" ORDER BY KCO"), rows))
        return;
    for (const data::TKigyo1_& r : rows.items)
        cmbCorpName->addItem(r.KCO + QStringLiteral(" : ") + r.KNA);
    cmbCorpName->setCurrentIndex(-1);
    cmbCorpName->setEditText(QString());
}

int TQK3030::checkedYear()
{
    const auto year = app::parseWholeNumber(cmbNendo->currentText());
    if (!year || *year == 0) {
        inform(QStringLiteral("数値を入力してください。"));
        return 0;
    }
    if (!isRolloverYear(*year)) {
        inform(rolloverMessage(RolloverOutcome::InvalidYear));
        return 0;
    }
    return int(*year);
}

bool TQK3030::cmbNendoExit()
{
    cmbCorpName->clear();
    listedYear_ = 0;
    const int year = checkedYear();
    if (year == 0)
        return false;
    fillCompanies(year);
    return true;
}

void TQK3030::btnAddClick()
{
    const int year = checkedYear();
    if (year == 0) {
        cmbNendo->setFocus();
        return;
    }
    // The company must be one of the year typed, also when the year box was not left since.
    if (year != listedYear_) {
        const QString typed = cmbCorpName->currentText();
        fillCompanies(year);
        cmbCorpName->setEditText(typed);
    }
    int kco = 0;
    if (!app::CheckCodeCombo(cmbCorpName, true, kco, true, true)) {
        cmbCorpName->setFocus();
        return;
    }
    platform::BusyCursor busy;
    const RolloverResult result = AnnualUpdate(dm_, year, kco);
    busy.end();
    const QString text = rolloverMessage(result.outcome);
    if (!text.isEmpty())
        inform(text);
}

void TQK3030::btnCloseClick() { reject(); }

bool TQK3030::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmbNendo && event->type() == QEvent::FocusOut && isVisible()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or the drop-down list taking the focus for a moment is no leaving.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !cmbNendoExit())
            QTimer::singleShot(0, cmbNendo, [box = cmbNendo] { box->setFocus(); });
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace salary
