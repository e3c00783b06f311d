#pragma once
// Helpers of the application-shell tests: the one application object widget tests need, companies
// made through the program's own registration, and counting rows.

#include "app/CompanyStore.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "support/TestHome.h"

#include "support/Application.h"

#include <QApplication>
#include <gtest/gtest.h>


inline std::string s(const QString& q) { return q.toStdString(); }

// The first column of the first row of sql, as integer (-1 when the statement fails).
inline qint64 scalar(data::Connection& c, const QString& sql)
{
    data::Query q(c);
    q.setSql(sql);
    if (!q.open() || q.eof())
        return -1;
    const qint64 v = q.intValue(0);
    q.close();
    return v;
}

// Registers company kco in year as the company data screen would, leaving ACN2 on that year.
inline void addCompany(TestHome& home, int year, int kco, const QString& name, int modelCode = 0)
{
    ASSERT_TRUE(home.openYear(year));
    app::CompanyInput in;
    in.name = name;
    in.gradeNames = app::defaultGradeNames();
    in.modelCode = modelCode;
    ASSERT_TRUE(app::registerCompany(home.dm(), year, kco, in));
}

// The steps that complete a company's set-up, one at a time: basic settings saved (FNK no longer 9),
// a work form, an evaluation. ACN2 must be on the company's year.
enum class SetupStep { BasicSettings, WorkForm, Evaluation };

inline void completeStep(TestHome& home, int year, int kco, SetupStep step)
{
    data::TFDM& dm = home.dm();
    const QString k = QString::number(kco), y = QString::number(year);
    switch (step) {
    case SetupStep::BasicSettings:
        ASSERT_TRUE(dm.ACN1.executeRaw(QStringLiteral("UPDATE MKIGYOU1 SET FNK = 0 WHERE KCO = ") + k
                                       + QStringLiteral(" AND NENDO = ") + y));
        break;
    case SetupStep::WorkForm: {
        data::TSALARY_ r;
        r.KCO = k;
        r.NENDO = y;
        r.SALARYID = QStringLiteral("1");
        r.SALARYNAME = QStringLiteral("正社員");
        ASSERT_TRUE(data::Insert(dm.ACN2, dm.Query22, true, r));
        break;
    }
    case SetupStep::Evaluation: {
        data::TMHYOUKA_ r;
        r.KCO = k;
        r.NENDO = y;
        r.SKCO = QStringLiteral("1");
        r.HCO = QStringLiteral("1");
        r.HKIGOU = QStringLiteral("S");
        r.SGOUSU = QStringLiteral("4");
        ASSERT_TRUE(data::Insert(dm.ACN2, dm.Query22, true, r));
        break;
    }
    }
}

inline void completeSetup(TestHome& home, int year, int kco)
{
    for (SetupStep step : {SetupStep::BasicSettings, SetupStep::WorkForm, SetupStep::Evaluation})
        completeStep(home, year, kco, step);
}
