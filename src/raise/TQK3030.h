#pragma once
// The annual update screen: the user types a fiscal year Y, picks a company registered for it and
// rolls the company over into Y + 1 (AnnualUpdate.h does the work). The year and company need not be
// the open ones; the screen opens on the open company of the open year.

#include <QDialog>

class QComboBox;
class QPushButton;

namespace data {
class TFDM;
}

namespace salary {

class TQK3030 : public QDialog {
    Q_OBJECT
public:
    explicit TQK3030(data::TFDM& dm, QWidget* parent = nullptr);

    // Puts the open fiscal year into the year box and its companies into the company box, the open
    // company chosen. Runs each time the screen is shown.
    void Prepare();

    QComboBox* cmbNendo = nullptr;
    QComboBox* cmbCorpName = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnClose = nullptr;

public Q_SLOTS:
    void btnAddClick();
    void btnCloseClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The year typed, or 0 after its message ("数値を入力してください。" for no number and 0,
    // "入力範囲外です。" when Y + 1 would not be a four-digit year).
    int checkedYear();
    // Leaving the year box: the company list of the year, empty when the year is refused.
    bool cmbNendoExit();
    void fillCompanies(int year);

    data::TFDM& dm_;
    int listedYear_ = 0;   // the year whose companies the company box lists (0: none)
};

} // namespace salary
