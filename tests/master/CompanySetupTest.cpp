#include "MasterFixture.h"
#include "app/MenuState.h"
#include "app/TQK0000.h"
#include "app/TQK0010.h"
#include "app/TQK0020.h"
#include "master/TQK0070.h"
#include "master/TfrmSalaryName.h"
#include "raise/TQK3020.h"

#include <QAction>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

using app::MenuItem;

namespace {

// A company registered and opened through the company dialog becomes complete once its basic
// settings, one work form and one evaluation have been saved from their screens; the main window
// then enables everything that works on employees.
TEST(MasterCompanySetup, SavingTheThreeSettingsScreensCompletesANewCompany)
{
    ensureApplication();
    TestHome home;
    installControlRows(home);
    data::TFDM& dm = home.dm();
    app::TQK0000 main(dm);

    ASSERT_TRUE(main.beginCompanyAction(1));
    main.companyDialog()->show();
    main.companyDialog()->btnAdd->click();
    ASSERT_TRUE(main.companyData()->isVisible());
    main.companyData()->txtCorpName->setText(QStringLiteral("新設株式会社"));
    main.companyData()->btnAdd->click();
    ASSERT_EQ(scalar(dm.ACN1, QStringLiteral("select count(*) from MKIGYOU1 where NENDO = 2020")), 1);

    ASSERT_TRUE(main.beginCompanyAction(4));
    main.companyDialog()->show();
    main.companyDialog()->btnAdd->click();
    ASSERT_EQ(dm.state.CompanyOpen, 1);
    const int kco = dm.state.CurrentKco;
    EXPECT_FALSE(app::companySetupComplete(dm));
    EXPECT_FALSE(main.action(MenuItem::Worker)->isEnabled());

    main.setScreenOpener(MenuItem::Base, [&] {
        master::TQK0070 screen(dm, &main);
        screen.Prepare();
        screen.show();
        screen.btnAdd->click();
        screen.btnClose->click();
    });
    main.setScreenOpener(MenuItem::SalaryName, [&] {
        master::TfrmSalaryName screen(dm, &main);
        screen.Prepare();
        screen.show();
        screen.chooseId(1);
        screen.txtName->setText(QStringLiteral("正社員"));
        screen.btnAdd->click();
        screen.btnClose->click();
    });
    main.setScreenOpener(MenuItem::Hyouka, [&] {
        salary::TQK3020 screen(dm, &main);
        screen.Prepare();
        screen.show();
        screen.Grid->setRows({{QStringLiteral("1"), QStringLiteral("S"), QStringLiteral("3")}});
        screen.btnAdd->click();
        screen.btnClose->click();
    });

    main.mnBaseClick();
    EXPECT_EQ(textAt(dm.ACN1, QStringLiteral("select FNK from MKIGYOU1 where KCO = ") + QString::number(kco)),
              QStringLiteral("1"))
        << "saved as shown: a new company counts ages to today";
    EXPECT_FALSE(main.action(MenuItem::Worker)->isEnabled());
    main.mnSararyNameClick();
    EXPECT_FALSE(main.action(MenuItem::Worker)->isEnabled());
    main.mnHyoukaClick();

    EXPECT_TRUE(app::companySetupComplete(dm));
    for (MenuItem item : {MenuItem::Worker, MenuItem::SalaryPlot, MenuItem::Fit, MenuItem::SalaryInput,
                          MenuItem::NendoUpdate, MenuItem::List5000, MenuItem::SalaryUpReport})
        EXPECT_TRUE(main.action(item)->isEnabled()) << int(item);
    EXPECT_TRUE(main.toolButton(MenuItem::Worker)->isEnabled());
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << s(home.dialogs.texts().join(u'|'));
    home.expectNoUnexpected();
}

} // namespace
