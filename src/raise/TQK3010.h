#pragma once
// Raise management (昇給管理): employee by employee of the open company and year, this year's
// evaluation and the steps it adds, a promotion, the new pay step, the raise of each base-pay item and
// the allowances after the raise. A base-pay item linked to the wage table takes its amount after the
// raise from the wage table (new grade, new step). The computations are in RaiseCalc.h.
//
// The screen is made for each use; its preparation runs when it is shown.

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace data {
class TFDM;
}

namespace salary {

class RaiseListModel;
struct RaiseDecision;
struct WageLookupResult;

class TQK3010 : public QDialog {
    Q_OBJECT
public:
    explicit TQK3010(data::TFDM& dm, QWidget* parent = nullptr);

    // The evaluation conversion screen that 標語 opens (modal); installed by whoever wires screens.
    void setEvaluationOpener(std::function<void()> open) { openEvaluations_ = std::move(open); }

    // The preparation when the screen is shown: captions, grade lists, the list of employees with the
    // current grade filter, the first employee loaded.
    void Prepare();

    bool dataChanged() const;
    // The row of the list that is current (0-based); -1 without one.
    int currentRow() const;

    QComboBox* cmbWorkerCode = nullptr;
    QLineEdit* txtWorkerCode = nullptr;   // employee number (SCOT)
    QLineEdit* txtWorkerName = nullptr;
    QLineEdit* txtCureentNo = nullptr;    // position in the list
    QTabWidget* PageControl = nullptr;
    QWidget* TabSheet1 = nullptr;         // 段階号俸表
    QWidget* TabSheet2 = nullptr;         // 昇給管理
    QWidget* TabSheet3 = nullptr;         // マトリクス (not shown)

    QComboBox* cmbHyouka = nullptr;
    std::array<QLineEdit*, 3> txtHyouka{};
    QComboBox* cmbSikaku = nullptr;
    QLineEdit* txtTairyuu = nullptr;
    QCheckBox* chkUP = nullptr;
    QComboBox* cmbNewToukyu = nullptr;
    QLineEdit* txtGouhou = nullptr;
    QLineEdit* txtUPGousu = nullptr;
    QLineEdit* txtCalcGousu = nullptr;
    QLineEdit* txtNewGouhou = nullptr;

    std::array<QLabel*, 8> labKihonTeate{};   // captions of base-pay items 1..3 and allowances 1..5
    std::array<QLineEdit*, 3> txtBKihon{}, txtUKihon{}, txtAKihon{};
    std::array<QLineEdit*, 5> txtBTeate{}, txtUTeate{}, txtATeate{};
    QLineEdit *txtBKihonSum = nullptr, *txtUKihonSum = nullptr, *txtAKihonSum = nullptr;
    QLineEdit *txtBSumTeate = nullptr, *txtUSumTeate = nullptr, *txtASumTeate = nullptr;
    QLineEdit *txtBTotal = nullptr, *txtUTotal = nullptr, *txtATotal = nullptr;

    QRadioButton* optTokyuAll = nullptr;
    std::array<QRadioButton*, 9> optTokyu{};
    QTableView* Grid = nullptr;

    QPushButton *btnAdd = nullptr, *btnCancel = nullptr, *btnHyogo = nullptr, *btnClose = nullptr;
    QPushButton *btnFirst = nullptr, *btnBack = nullptr, *btnNext = nullptr, *btnLast = nullptr;

public Q_SLOTS:
    void btnAddClick();
    void btnCancelClick();
    void btnHyogoClick();
    void btnCloseClick();
    void btnFirstClick();
    void btnBackClick();
    void btnNextClick();
    void btnLastClick();
    void chkUPClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    void ClearScreen();
    void FillWorkerCodes();
    void LoadList();
    void LoadEmployee(qint64 sco);
    void moveToRow(int row, bool load);
    void setHighlight(bool on);
    void RecalcTotals();
    // The wage-table step; with write the linked item's amount after the raise is set.
    WageLookupResult WageTableStep(bool write);
    void applyPromotionState(bool promoted);
    void focusForTab();
    // The prompt for unsaved changes with its third line; true when the user stays.
    bool stayForChanges(const QString& destination);
    void navigate(int target, bool focusAfter);
    void gradeFilterClicked(int grade);
    // Checks a field when it is left; false (after its message) keeps the focus there.
    bool checkLeaving(QWidget* field);
    RaiseDecision decision() const;
    qint64 amountOf(const QLineEdit* box) const;
    void setAmount(QLineEdit* box, qint64 value);
    void setLinkedStyle(int item, bool linked);

    data::TFDM& dm_;
    RaiseListModel* model_ = nullptr;
    std::function<void()> openEvaluations_;
    int gradeFilter_ = 0;
    bool filling_ = false;         // the screen is filling its boxes: no change counts as the user's
    bool highlight_ = false;
    qint64 shownCode_ = 0;         // employee code of the boxes (0: none)
    qint64 wageTable_ = 0;         // SKCO of the loaded employee
    qint64 bandId_ = 0, roleEvaluation_ = 0, newBandId_ = 0, newRoleEvaluation_ = 0;
    qint64 firstCode_ = 0, lastCode_ = 0;
};

} // namespace salary
