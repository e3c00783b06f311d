#include "curves/SelectionControls.h"

#include "analysis/TQK1010.h"
#include "app/ComboHelpers.h"
#include "data/DataModule.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace curves {

void checkStored(const QList<QRadioButton*>& group, int index)
{
    if (index >= 0 && index < group.size() && group[index]->isEnabled() && !group[index]->isHidden()) {
        group[index]->setChecked(true);
        return;
    }
    for (QRadioButton* b : group)
        if (b->isEnabled() && !b->isHidden()) {
            b->setChecked(true);
            return;
        }
}

int checkedIndex(const QList<QRadioButton*>& group, int otherwise)
{
    for (int i = 0; i < group.size(); ++i)
        if (group[i]->isChecked())
            return i;
    return otherwise;
}

SelectionControls::SelectionControls(QWidget* parent, const Frames& f, std::function<void()> changed)
    : changed_(std::move(changed))
{
    auto changedByUser = [this] {
        if (!loading_ && changed_)
            changed_();
    };

    auto* gw = placed<QGroupBox>(parent, QStringLiteral("grpSalary"), QStringLiteral("就労形態"), f.workForm);
    for (int i = 0; i < 5; ++i)
        optSalary << placed<QRadioButton>(gw, i < 4 ? QStringLiteral("optSalary%1").arg(i + 1) : QStringLiteral("optSalaryAll"),
                                          i < 4 ? QString() : QStringLiteral("すべて"),
                                          QRect(12, 22 + 24 * i, f.workForm.width() - 18, 20));
    auto* gs = placed<QGroupBox>(parent, QStringLiteral("grpSex"), QStringLiteral("性別"), f.sex);
    const char* sexes[] = {"男性", "女性", "すべて"};
    for (int i = 0; i < 3; ++i)
        optSex << placed<QRadioButton>(gs, QStringLiteral("optSex%1").arg(i + 1), QString::fromUtf8(sexes[i]),
                                       QRect(12, 20 + 21 * i, f.sex.width() - 18, 20));

    auto* gp = placed<QGroupBox>(parent, QStringLiteral("grpPlot"), QStringLiteral("プロットマーク"), f.plotMarks);
    const int buttonsLeft = f.plotMarks.width() - 80;
    const int rowHeight = std::min(19, (f.plotMarks.height() - 24) / 9);
    for (int i = 0; i < 9; ++i)
        optPlot << placed<QCheckBox>(gp, QStringLiteral("optPlot%1").arg(i + 1), QString(),
                                     QRect(12, 20 + rowHeight * i, buttonsLeft - 16, rowHeight - 1));
    btnPlotAll = placed<QPushButton>(gp, QStringLiteral("btnPlotAll"), QStringLiteral("ﾌﾟﾛｯﾄ全"), QRect(buttonsLeft, 22, 72, 26));
    btnPlotNothing =
        placed<QPushButton>(gp, QStringLiteral("btnPlotNothing"), QStringLiteral("ﾌﾟﾛｯﾄ無"), QRect(buttonsLeft, 52, 72, 26));

    auto* gt = placed<QGroupBox>(parent, QStringLiteral("grpTokyu"), QStringLiteral("等級選択"), f.grades);
    const int gradeButtons = f.grades.width() - 80;
    const int gradeRow = std::min(19, (f.grades.height() - 24) / 9);
    for (int i = 0; i < 9; ++i) {
        optTokyu << placed<QCheckBox>(gt, QStringLiteral("optTokyu%1").arg(i + 1), QString::number(i + 1),
                                      QRect(12, 20 + gradeRow * i, 36, gradeRow - 1));
        auto* name = placed<QLineEdit>(gt, QStringLiteral("txtTokyu%1").arg(i + 1), QString(),
                                       QRect(50, 20 + gradeRow * i, gradeButtons - 58, gradeRow - 1));
        name->setReadOnly(true);
        name->setFocusPolicy(Qt::NoFocus);
        txtTokyu << name;
    }
    btnTokyuAll = placed<QPushButton>(gt, QStringLiteral("btnTokyuAll"), QStringLiteral("等級全"), QRect(gradeButtons, 22, 72, 26));
    btnTokyuNothing =
        placed<QPushButton>(gt, QStringLiteral("btnTokyuNothing"), QStringLiteral("等級無"), QRect(gradeButtons, 52, 72, 26));

    cmbChingin = new QComboBox(parent);
    cmbChingin->setObjectName(QStringLiteral("cmbChingin"));
    cmbChingin->hide();
    cmbChingin->setEnabled(false);

    for (QPushButton* b : {btnPlotAll, btnPlotNothing, btnTokyuAll, btnTokyuNothing})
        b->setFocusPolicy(Qt::NoFocus);
    QObject::connect(btnPlotAll, &QPushButton::clicked, parent, [this, changedByUser] {
        app::SetAllChecked(optPlot, true);
        changedByUser();
    });
    QObject::connect(btnPlotNothing, &QPushButton::clicked, parent, [this, changedByUser] {
        app::SetAllChecked(optPlot, false);
        changedByUser();
    });
    QObject::connect(btnTokyuAll, &QPushButton::clicked, parent, [this, changedByUser] {
        app::SetAllChecked(optTokyu, true);
        changedByUser();
    });
    QObject::connect(btnTokyuNothing, &QPushButton::clicked, parent, [this, changedByUser] {
        app::SetAllChecked(optTokyu, false);
        changedByUser();
    });
    for (QRadioButton* r : optSalary + optSex)
        QObject::connect(r, &QRadioButton::toggled, parent, changedByUser);
    for (QCheckBox* c : optPlot + optTokyu)
        QObject::connect(c, &QCheckBox::toggled, parent, changedByUser);
    QObject::connect(cmbChingin, &QComboBox::currentIndexChanged, parent, [this] {
        if (dm_) {
            app::LoadStepNames(app::ComboCode(cmbChingin));
            showGradeNames(*dm_);
        }
    });
}

void SelectionControls::prepare(data::TFDM& dm, analysis::TQK1100* plot, int chartNo)
{
    analysis::makeCurrentChart(plot, chartNo);
    loading_ = true;
    dm_ = &dm;
    analysis::showWorkFormsAndWageTables(dm, optSalary, cmbChingin);
    loading_ = false;
}

void SelectionControls::show(data::TFDM& dm, const analysis::WagePlotOptions& o)
{
    loading_ = true;
    dm_ = &dm;
    dm.state.StepNames = dm.state.CurrentCompany.TK;
    showGradeNames(dm);
    checkStored(optSalary, o.workForm);
    app::SelectComboCode(cmbChingin, o.wageTable);
    app::SetChecksFromFlags(optPlot, app::flagsFromStates(o.plotMarks));
    app::SetChecksFromFlags(optTokyu, app::flagsFromStates(o.grades));
    checkStored(optSex, o.sex);
    analysis::showMarkCaptions(dm, optPlot);
    app::LoadStepNames(app::ComboCode(cmbChingin));
    showGradeNames(dm);
    loading_ = false;
}

void SelectionControls::read(analysis::WagePlotOptions& o) const
{
    o.workForm = checkedIndex(optSalary, 4);
    o.sex = checkedIndex(optSex, 2);
    o.wageTable = app::ComboCode(cmbChingin);
    o.plotMarks = app::statesFromFlags(app::FlagsFromChecks(optPlot), 9);
    o.grades = app::statesFromFlags(app::FlagsFromChecks(optTokyu), 9);
}

void SelectionControls::showGradeNames(data::TFDM& dm)
{
    for (int i = 0; i < 9; ++i)
        txtTokyu[i]->setText(dm.state.StepNames[size_t(i)]);
}

} // namespace curves
