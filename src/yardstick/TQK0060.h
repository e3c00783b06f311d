#pragma once
// The model wage screen (モデル賃金　登録): the points of the open company's model code, one per
// wage code, in boxes and in a grid of all of them. What it reads and stores is in ModelWages.h.
// Opened only for a company with a model code; made for each use, prepared with Prepare() and
// shown modally.

#include "data/Records.h"
#include "yardstick/EntryScreen.h"

#include <QDialog>
#include <array>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace data {
class TFDM;
}

namespace master {
class FieldExit;
}

namespace yardstick {

struct ModelWageTexts;

class TQK0060 : public EntryDialog {
    Q_OBJECT
public:
    explicit TQK0060(data::TFDM& dm, QWidget* parent = nullptr);

    // The opening: the list and the grid of the company's model code, showing its first row.
    void Prepare();
    // Chooses a wage code as leaving the code box with it typed does; false when it was refused.
    bool chooseCode(const QString& typed);
    int currentCode() const { return code_; }
    int position() const { return pos_; }
    // A click on grid row (0-based).
    void gridClick(int row);

    QComboBox* cmbSalaryID = nullptr;
    QLineEdit* txtNenrei = nullptr;
    QLineEdit* txtKinzoku = nullptr;
    QLineEdit* txtKeiken = nullptr;
    QComboBox* cmbSensyu = nullptr;
    QLineEdit* txtKihon = nullptr;
    QLineEdit* txtSyotei = nullptr;
    QLineEdit* txtBonus = nullptr;
    QLineEdit* txtNensyu = nullptr;
    QTableWidget* Grid = nullptr;
    QLineEdit* txtCureentNo = nullptr;
    QLineEdit* txtLastNo = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDlt = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnFirst = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnLast = nullptr;

public Q_SLOTS:
    void btnAddClick();
    void btnDltClick();
    void btnCancelClick();
    void move(yardstick::Move to);

protected:
    QWidget* stayField() const override;

private:
    void buildControls();
    void clearBoxes();
    void fillList();
    void fillGrid();
    void locate(int code);
    void showRow(int pos);
    void showPosition();
    bool checkLeaving(QWidget* field);
    ModelWageTexts texts() const;
    QWidget* fieldOf(int field) const;
    void changed();
    std::array<QLineEdit*, 7> numberBoxes() const;

    master::FieldExit* exits_ = nullptr;
    std::vector<data::TMDCHNGIN_> rows_;
    int pos_ = 0;
    int code_ = 0;
    bool filling_ = false;
};

} // namespace yardstick
