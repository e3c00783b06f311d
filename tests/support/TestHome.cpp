#include "support/TestHome.h"

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
