#pragma once
// The set-ups of the yardstick tests: a fiscal year 2020 with company 1 open in the application
// state (its settings are only what a test puts there), or the installed program folder with the
// sample companies and model wage sets, company 1 of 2020 opened as the company dialog would.

#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "data/InstallData.h"
#include "support/TestHome.h"

#include <gtest/gtest.h>

namespace yardfixture {

inline void openCompany(data::TFDM& dm, int skco, int mdco)
{
    data::AppState& st = dm.state;
    st.CompanyOpen = 1;
    st.CurrentKco = 1;
    st.CurrentNendo = 2020;
    st.AgeByToday = 1;
    st.CurrentCompany.KCO = QStringLiteral("1");
    st.CurrentCompany.NENDO = QStringLiteral("2020");
    st.CurrentCompany.SKCO = skco;
    st.CurrentCompany.MDCO = mdco;
}

// An empty year 2020 and the control database; company 1 open with these codes.
inline void emptyYear(TestHome& home, int skco = 0, int mdco = 0)
{
    ASSERT_TRUE(home.openYear(2020));
    openCompany(home.dm(), skco, mdco);
}

// The installation data with the sample companies (in a home made without control database); company 1 of 2020 open with everything loaded.
inline void sampleCompany(TestHome& home)
{
    ASSERT_TRUE(home.openInstalledSample());
}

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

inline std::string s(const QString& q) { return q.toStdString(); }

} // namespace yardfixture
