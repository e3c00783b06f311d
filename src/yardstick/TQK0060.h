#pragma once
// The model wage screen (モデル賃金　登録): the points of the open company's model code, one per
// wage code, in boxes and in a grid of all of them. What it reads and stores is in ModelWages.h.
// Opened only for a company with a model code; made for each use, prepared with Prepare() and
// shown modally.

#include "data/Records.h"
#include "yardstick/EntryScreen.h"

#include <array>
#include <vector>

class QTableWidget;

namespace yardstick {

struct ModelWageTexts;

class TQK0060 : public ListEntryDialog {
    Q_OBJECT
public:
    explicit TQK0060(data::TFDM& dm, QWidget* parent = nullptr);

    // The opening: the list and the grid of the company's model code, showing its first row.
    void Prepare();
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

public Q_SLOTS:
    void btnAddClick() override;
    void btnDltClick() override;
    void btnCancelClick() override;

protected:
    bool checkLeaving(QWidget* field) override;
    QWidget* stayField() const override;
    int rowCount() const override { return int(rows_.size()); }
    void showRow(int pos) override;

private:
    void buildControls();
    void clearBoxes();
    void fillList();
    void fillGrid();
    void locate(int code);
    ModelWageTexts texts() const;
    QWidget* fieldOf(int field) const;
    std::array<QLineEdit*, 7> numberBoxes() const;

    std::vector<data::TMDCHNGIN_> rows_;
};

} // namespace yardstick
