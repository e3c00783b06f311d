#pragma once
// The company data screen: registers a company for a fiscal year (mode 1), changes its master data
// (mode 2) or deletes it with all its data of that year (mode 3). The company dialog opens the year's
// database, fills the read-only year and code fields, enables one action button and shows this
// screen, without blocking, on top of itself.

#include "data/Records.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace data {
class TFDM;
}

namespace app {

class TQK0000;
class TQK0010;
struct CompanyInput;

class TQK0020 : public QDialog {
    Q_OBJECT
public:
    TQK0020(data::TFDM& dm, TQK0010* companyDialog, TQK0000* mainWindow);

    // Captions and enabled state of the three action buttons for a mode: only that mode's button
    // keeps a caption and is enabled.
    void setAction(int mode);
    // The preparation after showing: clear and fill, load the company unless registering, focus the
    // name, clear the dirty flag.
    void Prepare();
    bool dirty() const { return dirty_; }

    QLineEdit* txtNendo = nullptr;
    QLineEdit* txtCorpID = nullptr;
    QLineEdit* txtCorpName = nullptr;
    std::array<QLineEdit*, 9> txtTokyu{};
    QComboBox* cmbModelCode = nullptr;
    QComboBox* cmbLivingCode = nullptr;
    QLineEdit* txtSyoteiHH = nullptr;
    QLineEdit* txtSyoteiDD = nullptr;
    QLineEdit* txtSyoteiMM = nullptr;
    QLineEdit* txtSaichin = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnMnt = nullptr;
    QPushButton* btnDlt = nullptr;
    QPushButton* btnCansel = nullptr;
    QPushButton* btnClose = nullptr;

public Q_SLOTS:
    void btnAddClick();
    void btnMntClick();
    void btnDltClick();
    void btnCanselClick();
    void btnCloseClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void ClearAndFill();
    void LoadCompany();
    CompanyInput input() const;
    // The code of the company the screen works on: the new code when registering, else the row
    // chosen in the company dialog.
    int chosenCode() const;
    // Checks a field when the focus leaves it; false after the message.
    bool checkLeaving(QWidget* field);
    void returnFocus(QWidget* field);

    data::TFDM& dm_;
    TQK0010* dialog_;
    TQK0000* main_;
    bool dirty_ = false;
    // The MKIGYOU1 row read by the last clear and fill; LoadCompany shows its hour and wage fields.
    data::TKigyo1_ kigyo1_;
};

} // namespace app
