#include "support/TestHome.h"

#include "app/SharedRoutines.h"
#include "data/InstallData.h"
#include "data/Schema.h"

#include <QDir>
#include <gtest/gtest.h>

TestHome::TestHome(bool withControl)
{
    fdm = std::make_unique<data::TFDM>(tmp.path());
    fdm->state.fixedToday = QDate(2020, 6, 15);
    fdm->state.refreshToday();
    QDir().mkpath(fdm->state.DataDir);
    if (withControl) {
        QString err;
        EXPECT_TRUE(data::createDatabaseFile(fdm->controlDatabasePath(), data::DatabaseKind::Control, &err)) << err.toStdString();
        EXPECT_TRUE(data::createDatabaseFile(fdm->templatePath(), data::DatabaseKind::FiscalYear, &err)) << err.toStdString();
        fdm->OpenDatabase(fdm->ACN1, fdm->controlDatabasePath());
    }
}

TestHome::~TestHome()
{
    fdm.reset();
}

bool TestHome::openYear(int year)
{
    return fdm->OpenOrCreateDatabase(fdm->ACN2, fdm->yearDatabasePath(year), fdm->templatePath(), true);
}

void TestHome::expectNoUnexpected()
{
    for (const auto& m : dialogs.unexpected())
        ADD_FAILURE() << "unexpected dialog: " << m.text.toStdString();
}

::testing::AssertionResult TestHome::openInstalledSample()
{
    QString error;
    if (!data::prepareProgramFolder(path(), &error))
        return ::testing::AssertionFailure() << "program folder: " << error.toStdString();
    data::TFDM& dm = *fdm;
    dm.OpenDatabase(dm.ACN1, dm.controlDatabasePath());
    if (!openYear(2020))
        return ::testing::AssertionFailure() << "year 2020 does not open";
    data::AppState& st = dm.state;
    st.CompanyOpen = 1;
    st.CurrentKco = 1;
    st.CurrentNendo = 2020;
    st.AgeByToday = 1;
    st.CurrentCompany.KCO = QStringLiteral("1");
    st.CurrentCompany.NENDO = QStringLiteral("2020");
    if (!app::LoadCurrentCompany(st.CurrentCompany))
        return ::testing::AssertionFailure() << "company 1 of 2020 is not there";
    if (!app::LoadCompanyMarks(st.CompanyMarks, 8))
        return ::testing::AssertionFailure() << "the marks of company 1 do not load";
    return ::testing::AssertionSuccess();
}
