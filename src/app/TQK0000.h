#pragma once
// The main window: menus and tool buttons for every function, their enabled state, the company
// actions that open the company dialog, database compaction, help and closing. It owns the screens
// that live for the whole run (the company dialog and the company data screen).
//
// Functions whose screens belong to other parts of the program are reached through connection points:
// setScreenOpener(item, open) installs the function that shows the screen of a menu item. The menu
// handler does what the main window itself is responsible for (the company check, the preparations
// named at each handler) and then calls it.

#include "app/MenuState.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QFrame;
class QMenu;
class QToolButton;

namespace data {
class TFDM;
}

namespace app {

class TQK0010;
class TQK0020;

class TQK0000 : public QMainWindow {
    Q_OBJECT
public:
    explicit TQK0000(data::TFDM& dm, QWidget* parent = nullptr);
    ~TQK0000() override;

    data::TFDM& dm() const { return dm_; }
    TQK0010* companyDialog() const { return companyDialog_; }
    TQK0020* companyData() const { return companyData_; }

    // Enables the menu items and tool buttons for no company, an open company whose set-up is
    // incomplete, or one that is complete (read from the databases).
    void UpdateMenuState(bool noCompany);
    // Refreshes today's date and fills the company dialog's fiscal-year box (2004 .. this year + 1),
    // preset to this year.
    void PrepareCompanyDialog();
    // Everything the company actions do before the dialog is shown: the mode, the dialog's caption
    // and buttons, PrepareCompanyDialog and the dialog's own preparation. mode is 1 register, 2 change,
    // 3 delete, 4 select. False (after its message) when a selected company blocks the action.
    bool beginCompanyAction(int mode);

    QAction* action(MenuItem item) const { return actions_[std::size_t(item)]; }
    // The tool button of a menu item; nullptr for items without one.
    QToolButton* toolButton(MenuItem item) const { return buttons_[std::size_t(item)]; }
    // The hidden menus and the hidden report item, kept for their place in the menu bar.
    QMenu* bandMenu() const { return bandMenu_; }
    QMenu* wageDesignMenu() const { return wageDesignMenu_; }
    QAction* matrixReportAction() const { return matrixReport_; }

    // Connects the screen shown by a menu item; it runs modally and returns when the screen is closed.
    void setScreenOpener(MenuItem item, std::function<void()> open);

    // The help file: ProgramDir + "Zododi_Ziraz.html".
    QString helpFilePath() const;

public Q_SLOTS:
    void mnNewClick();
    void mnOPenClick();
    void mnCloseClick();
    void mnMntClick();
    void mnDltClick();
    void mnBaseClick();
    void mnSararyNameClick();
    void mnHyoukaClick();
    void mnDBCondClick();
    void mnEndClick();
    void mnWorkerClick();
    void mnLivingClick();
    void mnModelDataClick();
    void mnModelSalaryClick();
    void mnSalaryPlotClick();
    void mnSalaryUpCurveClick();
    void mnLivingCompClick();
    void mnModelSalaryCompClick();
    void mnSalaryUpSettingClick();
    void mnFitClick();
    void mnSalaryInputClick();
    void mnNendoUpdateClick();
    void mnList5000Click();
    void mnList5010Click();
    void mnSalaryReportClick();
    void mnSalaryUpReportClick();
    void BeforeUseClick();
    void mnHELPHClick();
    void mnVersionClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildPanels();
    void FormCreate();
    // Shows "企業の選択がされていません。企業を選択してください。" when no company is open.
    bool requireCompany();
    // Runs the connected screen of item, if any.
    void openScreen(MenuItem item);
    // The company dialog, modally.
    void showCompanyDialog(int mode);

    data::TFDM& dm_;
    TQK0010* companyDialog_ = nullptr;
    TQK0020* companyData_ = nullptr;
    std::array<QAction*, menuItemCount> actions_{};
    std::array<QToolButton*, menuItemCount> buttons_{};
    std::array<std::function<void()>, menuItemCount> openers_{};
    QMenu* bandMenu_ = nullptr;
    QMenu* wageDesignMenu_ = nullptr;
    QAction* matrixReport_ = nullptr;
};

} // namespace app
