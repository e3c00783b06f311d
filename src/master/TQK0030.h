#pragma once
// The employee register (社員データ): the employees of the open company and fiscal year with their
// personal data, grade, evaluations, pay before and after the raise, bonuses and photo, and below
// them the list with its grade filter and the buttons that move through it.
//
// The screen only moves texts between its controls and an EmployeeForm and asks, tells and moves the
// focus; the checks, the record, the totals and the writes are in EmployeeEntry.h, the list models in
// EmployeeListModel.h. Create it for one use: constructor, Prepare(), exec().

#include "data/Records.h"
#include "master/EmployeeEntry.h"

#include <QDialog>
#include <array>
#include <vector>

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

namespace master {

class EmployeeCodeModel;
class EmployeeListModel;
class FieldExit;

class TQK0030 : public QDialog {
    Q_OBJECT
public:
    explicit TQK0030(data::TFDM& dm, QWidget* parent = nullptr);
    ~TQK0030() override;

    // The opening: the lists of the year, the cleared screen, the list with its first employee shown.
    void Prepare();

    // The screen's state, as the list and the buttons use it.
    int listPosition() const { return listPosition_; }   // 1-based; 0 = none shown
    int gradeFilter() const { return gradeFilter_; }
    const QString& pictureName() const { return pictureName_; }
    const data::TSyain_& shownRecord() const { return record_; }
    EmployeeListModel* listModel() const { return list_; }
    // The controls' texts as the checks and the record take them.
    EmployeeForm readForm() const;
    // The control of a field.
    QWidget* fieldWidget(EmployeeField f) const;

    // Top of the window.
    QComboBox* cmbWorker = nullptr;
    QLineEdit* txtWorker = nullptr;
    QLineEdit* txtCureentNo = nullptr;
    QLineEdit* txtLastNo = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnMnt = nullptr;
    QPushButton* btnDlt = nullptr;
    QPushButton* btnCansel = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnFirst = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnLast = nullptr;
    QTabWidget* PageControl = nullptr;

    // 基本情報
    QLineEdit* txtWorkerNo = nullptr;
    QLineEdit* txtWorkName = nullptr;
    QRadioButton* OptSex1 = nullptr;
    QRadioButton* OptSex2 = nullptr;
    QComboBox* cmbSeiNengou = nullptr;
    QLineEdit* txtSeiyy = nullptr;
    QLineEdit* txtSeimm = nullptr;
    QLineEdit* txtSeidd = nullptr;
    QComboBox* cmbNyuNengou = nullptr;
    QLineEdit* txtNyuyy = nullptr;
    QLineEdit* txtNyumm = nullptr;
    QLineEdit* txtNyudd = nullptr;
    QLineEdit* txtYakusyoku = nullptr;
    QComboBox* cmbMibun = nullptr;
    QLineEdit* txtGakureki = nullptr;
    QLineEdit* txtSenkou = nullptr;
    QLineEdit* txtKSikaku = nullptr;
    QLineEdit* txtHaizoku = nullptr;
    QComboBox* cmbTouNengou = nullptr;
    QLineEdit* txtTouyy = nullptr;
    QLineEdit* txtToumm = nullptr;
    QLineEdit* txtToudd = nullptr;
    QComboBox* cmbSikaku = nullptr;
    QLineEdit* txtGouhou = nullptr;
    QLineEdit* txtTasseiRitsu = nullptr;
    QComboBox* cmbHyouka1 = nullptr;
    QLineEdit* txtHyouka2 = nullptr;
    QLineEdit* txtHyouka3 = nullptr;
    QLineEdit* txtHyouka4 = nullptr;
    QLineEdit* txtKeikenNen = nullptr;
    QLineEdit* txtSyokumuTensu = nullptr;
    QComboBox* cmbMark = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* btnPicter = nullptr;

    // 賃金情報
    std::array<QLabel*, 3> labKihon{};
    std::array<QLabel*, 5> labTeate{};
    std::array<QLineEdit*, 3> txtKihon{};
    std::array<QLineEdit*, 3> txtAFKihon{};
    std::array<QLineEdit*, 5> txtTeate{};
    std::array<QLineEdit*, 5> txtAFTeate{};
    QLineEdit* txtKihonSum = nullptr;
    QLineEdit* txtAFKihonSum = nullptr;
    QLineEdit* txtUpKihon = nullptr;
    QLineEdit* txtTeateSum = nullptr;
    QLineEdit* txtAFTeateSum = nullptr;
    QLineEdit* txtTeateUP = nullptr;
    QLineEdit* txtBonus1 = nullptr;
    QLineEdit* txtBonus2 = nullptr;
    QLineEdit* txtNensyu = nullptr;
    QLineEdit* txtAFNensyu = nullptr;
    QLineEdit* txtSyotei = nullptr;
    QLineEdit* txtAFSyotei = nullptr;
    QLineEdit* txtTaisyokuKin = nullptr;
    QLineEdit* txtJikankyu = nullptr;

    // 賃金情報２
    QLabel* labFitNo = nullptr;
    QLineEdit* txtFitKin = nullptr;
    QLineEdit* txtZansa = nullptr;
    QLineEdit* txtWariai = nullptr;
    std::array<QLineEdit*, 3> txtUPKin{};

    // The list.
    std::array<QRadioButton*, 10> OptTokyu{};   // 全て, １等級 .. ９等級; the index is the grade
    QTableView* Grid = nullptr;
    QLabel* Label52 = nullptr;

    // Hidden lists: wage tables, bands and role evaluations of the year.
    QComboBox* cmbChingin = nullptr;
    QComboBox* cmbBand = nullptr;
    QComboBox* cmbYHyouka = nullptr;

public Q_SLOTS:
    void btnAddClick();
    void btnMntClick();
    void btnDltClick();
    void btnCanselClick();
    void btnCloseClick();
    void btnFirstClick();
    void btnBackClick();
    void btnNextClick();
    void btnLastClick();
    void btnPicterClick();
    void gradeFilterClick(int grade);
    // A click on a list row (0-based): shows that employee without asking.
    void gridClick(int row);

protected:
    void reject() override;

private:
    QWidget* buildBasicTab();
    QWidget* buildPayTab();
    QWidget* buildPay2Tab();
    QWidget* buildList();
    void wireFields();

    void writeForm(const EmployeeForm& form);
    void clearScreen();
    void loadList();
    void showEmployee();
    void recomputeTotals();
    void applyColouring();
    void showPhoto();
    void fillEvaluationList(int wageTable);
    void moveCursor(int row);
    void setButtons(bool add, bool change, bool remove);
    EmployeeContext context() const;
    // Checks and fills a record for register and change; false after the message, with the focus on
    // the field.
    bool checkAndFill(data::TSyain_& record);
    void refuse(const EmployeeRefusal& refusal);
    bool checkLeaving(QWidget* field);
    bool leaveEmployeeCode();
    void changed();
    // The prompt before leaving a changed record; true when the move may go on.
    bool mayLeave(const QString& destination);
    void moveTo(int position);
    void closeScreen();

    data::TFDM& dm_;
    EmployeeListModel* list_ = nullptr;
    EmployeeCodeModel* codes_ = nullptr;
    FieldExit* exits_ = nullptr;
    std::vector<std::pair<EmployeeField, QWidget*>> fields_;
    std::array<QLabel*, 8> payLabels_{};
    data::TSyain_ record_;          // the employee last shown (a cleared screen: an empty record)
    QString pictureName_;
    int listPosition_ = 0;
    int gradeFilter_ = 0;
    bool filling_ = false;
    bool moving_ = false;
    bool codeTyped_ = false;   // the code box was typed in since the program last set it
    bool closing_ = false;
};

} // namespace master
