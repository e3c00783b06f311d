#pragma once
// The company dialog: lists the companies of a fiscal year and opens one (mode 4), or starts
// registering (1), changing (2) or deleting (3) one in the company data screen, which it shows on top
// of itself. The main window sets the mode, the caption and the enabled button before showing it.

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace data {
class TFDM;
}

namespace app {

class TQK0000;
class TQK0020;

class TQK0010 : public QDialog {
    Q_OBJECT
public:
    TQK0010(data::TFDM& dm, TQK0000* mainWindow);
    ~TQK0010() override;
    void setCompanyData(TQK0020* screen) { companyData_ = screen; }

    // The preparation before each showing: size, grid headings, grid, information text.
    void Prepare();
    // Reads the companies of CurrentNendo into the grid and the highest code of all years.
    void FillGrid();
    // Puts the fiscal years into the year box and shows current (without reacting to it).
    void setYears(const QStringList& years, const QString& current);

    QComboBox* cmbNendo = nullptr;
    QTableWidget* Grid = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnMnt = nullptr;
    QPushButton* btnDlt = nullptr;
    QPushButton* btnClose = nullptr;
    QLabel* Lbl_Info = nullptr;

    int CompanyGridCode = 0;      // code of the chosen row, 0 = none
    QString CompanyGridName;      // name of the chosen row
    QString CompanyGridPath;      // path text of the chosen row
    int MaxCompanyCode = 0;       // highest company code of all fiscal years

public Q_SLOTS:
    void btnAddClick();
    void btnMntClick();
    void btnDltClick();
    void btnCloseClick();
    // Grid row (0-based, the first company is 0) and column (0 code, 1 name, 2 path).
    void GridClick(int row, int column);

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmbNendoTyped();
    void cmbNendoChosen(int index);
    void registerCompany();
    void selectCompany();
    // Shows the company data screen for the mode with its one enabled button.
    void showCompanyData(int mode, int code);

    data::TFDM& dm_;
    TQK0000* main_;
    TQK0020* companyData_ = nullptr;
    // Set while the year box's edit line handles leaving or Enter: the box then picks the item that
    // matches the typed text, which is no choice from the list.
    bool typedTextEvent_ = false;
};

} // namespace app
