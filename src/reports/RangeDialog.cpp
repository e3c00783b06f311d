#include "reports/RangeDialog.h"

#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "platform/Dialogs.h"
#include "reports/PrintMain.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace reports {

RangeDialog::RangeDialog(data::TFDM& dm, TfrmPrintPreview* preview, QWidget* parent)
    : QDialog(parent), dm_(dm), preview_(preview)
{
    setModal(true);
    auto list = [this](const char* name) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromUtf8(name));
        box->setEditable(false);   // only the items can be chosen
        box->setMinimumWidth(150);
        box->setMaxVisibleItems(12);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        return box;
    };
    cmbMarkSTart = list("cmbMarkSTart");
    cmbMarkEnd = list("cmbMarkEnd");
    cmbTokyuSTart = list("cmbTokyuSTart");
    cmbTokyuEnd = list("cmbTokyuEnd");
    cmbSalaryStart = list("cmbSalaryStart");
    cmbSalaryEnd = list("cmbSalaryEnd");

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);
    const struct {
        const char* caption;
        QComboBox* start;
        QComboBox* end;
    } rows[] = {
        {"マーク", cmbMarkSTart, cmbMarkEnd},
        {"等　級", cmbTokyuSTart, cmbTokyuEnd},
        {"就労形態", cmbSalaryStart, cmbSalaryEnd},
    };
    int r = 0;
    for (const auto& row : rows) {
        auto* label = new QLabel(QString::fromUtf8(row.caption), this);
        label->setBuddy(row.start);
        grid->addWidget(label, r, 0);
        grid->addWidget(row.start, r, 1);
        grid->addWidget(new QLabel(QStringLiteral("～"), this), r, 2, Qt::AlignCenter);
        grid->addWidget(row.end, r, 3);
        ++r;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    btnPrint = makeButton("btnPrint", QStringLiteral("印　刷"));
    btnClose = makeButton("btnClose", QStringLiteral("閉じる"));
    connect(btnClose, &QPushButton::clicked, this, &RangeDialog::btnCloseClick);
    buttons_ = new QHBoxLayout;
    buttons_->addStretch(1);
    buttons_->addWidget(btnPrint);
    buttons_->addWidget(btnClose);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 18, 18, 14);
    outer->setSpacing(14);
    outer->addLayout(grid);
    outer->addStretch(1);
    outer->addLayout(buttons_);

    setTabOrder(cmbMarkSTart, cmbMarkEnd);
    setTabOrder(cmbMarkEnd, cmbTokyuSTart);
    setTabOrder(cmbTokyuSTart, cmbTokyuEnd);
    setTabOrder(cmbTokyuEnd, cmbSalaryStart);
    setTabOrder(cmbSalaryStart, cmbSalaryEnd);
    app::installEnterMovesFocus(this);
    setFixedSize(443, 235);
}

QPushButton* RangeDialog::makeButton(const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    b->setMinimumSize(88, 30);
    return b;
}

void RangeDialog::FillLists()
{
    const data::AppState& st = dm_.state;
    QStringList marks;
    for (int n = 1; n <= 9; ++n)
        if (st.CompanyMarks[size_t(n - 1)].no != 0)
            marks << app::MarkItemText(n);
    marks << app::notSpecifiedItem();
    for (QComboBox* box : {cmbMarkSTart, cmbMarkEnd}) {
        box->clear();
        box->addItems(marks);
    }
    app::FillGradeCombo(cmbTokyuSTart);
    app::FillGradeCombo(cmbTokyuEnd);
    const QString sql = QStringLiteral("select SALARYID || ' : ' || SALARYNAME as COMBNAME from SALARYNAME where  KCO  = ")
                        + st.CurrentCompany.KCO + QStringLiteral(" and Nendo  = ") + st.CurrentCompany.NENDO
                        + QStringLiteral(" order by SALARYID");
    for (QComboBox* box : {cmbSalaryStart, cmbSalaryEnd}) {
        app::FillComboFromSql(sql, box, false);
        box->addItem(app::notSpecifiedItem());
    }
    for (QComboBox* box : {cmbMarkSTart, cmbMarkEnd, cmbTokyuSTart, cmbTokyuEnd, cmbSalaryStart, cmbSalaryEnd})
        box->setCurrentIndex(-1);
}

SelectionRange RangeDialog::selection() const
{
    SelectionRange r;
    const auto start = [](QComboBox* box, int& code, QString& text) {
        code = app::ComboCode(box);
        text = app::ComboName(box);
        normalizeStart(code, text);
    };
    const auto end = [](QComboBox* box, int& code, QString& text) {
        code = app::ComboCode(box);
        text = app::ComboName(box);
        normalizeEnd(code, text);
    };
    start(cmbMarkSTart, r.markStart, r.markStartText);
    end(cmbMarkEnd, r.markEnd, r.markEndText);
    start(cmbTokyuSTart, r.gradeStart, r.gradeStartText);
    end(cmbTokyuEnd, r.gradeEnd, r.gradeEndText);
    start(cmbSalaryStart, r.formStart, r.formStartText);
    end(cmbSalaryEnd, r.formEnd, r.formEndText);
    return r;
}

std::optional<SelectionRange> RangeDialog::checkedSelection() const
{
    const SelectionRange r = selection();
    const QString message = checkSelectionRange(r);
    if (message.isEmpty())
        return r;
    platform::dialogs().information(message, platform::appTitle());
    QComboBox* box = message.startsWith(QStringLiteral("マーク")) ? cmbMarkSTart
                     : message.startsWith(QStringLiteral("等級")) ? cmbTokyuSTart
                                                                   : cmbSalaryStart;
    box->setFocus();
    return std::nullopt;
}

void RangeDialog::loadSharedTables()
{
    app::LoadBandTable();
    app::LoadMatrixTable();
    app::LoadEvaluationSymbols();
}

void RangeDialog::showPreview()
{
    if (preview_ && !dm_.state.PreviewFile.isEmpty())
        preview_->exec();
}

void RangeDialog::btnCloseClick() { reject(); }

} // namespace reports
