#pragma once
// A main window on a temporary program folder, with the steps a user takes in the company dialog.

#include "AppFixture.h"
#include "app/TQK0000.h"
#include "app/TQK0010.h"
#include "app/TQK0020.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

class Shell : public ::testing::Test {
protected:
    void SetUp() override { ensureApplication(); }
    void TearDown() override { home.expectNoUnexpected(); }

    data::TFDM& dm() { return home.dm(); }
    data::AppState& state() { return home.dm().state; }
    app::TQK0000& main()
    {
        if (!window)
            window = std::make_unique<app::TQK0000>(home.dm());
        return *window;
    }
    app::TQK0010& dialog() { return *main().companyDialog(); }
    app::TQK0020& screen() { return *main().companyData(); }

    // The company dialog in a mode, shown without blocking the test.
    void beginAction(int mode)
    {
        ASSERT_TRUE(main().beginCompanyAction(mode));
        dialog().show();
        QApplication::processEvents();
    }
    // Clicks the name cell of a grid row (0 = first company).
    void clickRow(int row)
    {
        QTableWidget* g = dialog().Grid;
        ASSERT_NE(g->item(row, 1), nullptr);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(g->item(row, 1)).center());
    }
    // Chooses a year from the list with the keyboard, as a user would (steps > 0: later years).
    void chooseYear(int year)
    {
        QComboBox* box = dialog().cmbNendo;
        const int target = box->findText(QString::number(year));
        ASSERT_GE(target, 0);
        const int from = box->currentIndex();
        for (int i = from; i != target; i += (target > from ? 1 : -1))
            QTest::keyClick(box, target > from ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(box->currentText(), QString::number(year));
    }
    // Opens a company through the dialog: select mode, its row, 選択.
    void openCompany(int row = 0)
    {
        beginAction(4);
        clickRow(row);
        dialog().btnAdd->click();
    }
    QStringList gridCodes()
    {
        QStringList codes;
        for (int r = 0; r < dialog().Grid->rowCount(); ++r)
            codes << (dialog().Grid->item(r, 0) ? dialog().Grid->item(r, 0)->text() : QString());
        return codes;
    }

    TestHome home;
    std::unique_ptr<app::TQK0000> window;   // ends before home
};
