#pragma once
// The work form screen (就労形態＆賃金形態の登録): up to four work forms of the open company and
// fiscal year, each with its wage form name and the captions of its three base-pay items and five
// allowances. What it stores is in WorkForms.h.

#include <QDialog>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace data {
class TFDM;
}

namespace master {

class FieldExit;
struct WorkFormInput;

class TfrmSalaryName : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSalaryName(data::TFDM& dm, QWidget* parent = nullptr);

    // Fills the list of work forms and clears the boxes (the opening of the screen).
    void Prepare();
    bool changed() const { return changed_; }
    // Shows work form id as choosing it in the ID box does (the ID box then shows its entry).
    void chooseId(int id);

    QComboBox* cmbSalaryID = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtTeigi = nullptr;
    std::array<QLineEdit*, 3> txtKihon{};
    std::array<QLineEdit*, 5> txtTeate{};
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDlt = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnClose = nullptr;

public Q_SLOTS:
    void btnAddClick();
    void btnDltClick();
    void btnCancelClick();
    void btnCloseClick();

protected:
    bool focusNextPrevChild(bool next) override;
    void reject() override;

private:
    void clearBoxes();
    void fillList();
    int boxId() const;
    bool checkLeaving(QWidget* field);
    // The ten text boxes, name first.
    std::array<QLineEdit*, 10> texts() const;
    WorkFormInput input() const;

    data::TFDM& dm_;
    FieldExit* exits_ = nullptr;
    bool changed_ = false;
    bool filling_ = false;
    bool closing_ = false;
};

} // namespace master
