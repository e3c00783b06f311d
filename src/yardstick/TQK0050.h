#pragma once
// The standard cost of living screen (標準生計費　登録): the table of one cost-of-living code with up
// to six households, its multiplier and its description. What it reads and stores is in
// CostOfLiving.h. Made for each use, prepared with Prepare() and shown modally.

#include "yardstick/CostOfLiving.h"

#include "yardstick/EntryScreen.h"

#include <array>

namespace yardstick {

class TQK0050 : public EntryDialog {
    Q_OBJECT
public:
    explicit TQK0050(data::TFDM& dm, QWidget* parent = nullptr);

    // The opening: the code list, then the table of the open company's cost-of-living code.
    void Prepare();

    QComboBox* cmbSeikeiID = nullptr;
    std::array<QLineEdit*, kHouseholdRows> txtSyotaisu{};   // txtSyotaisu1 .. 6
    std::array<QLineEdit*, kHouseholdRows> txtNenrei{};
    std::array<QLineEdit*, kHouseholdRows> txtSeikeihi{};
    std::array<QLineEdit*, kHouseholdRows> txtYuraku{};
    std::array<QLineEdit*, kHouseholdRows> txtMin{};
    std::array<QLineEdit*, kHouseholdRows> txtTanshin{};
    QLineEdit* txtKakeRitsu = nullptr;
    QLineEdit* txtSyussyo = nullptr;
    QLineEdit* txtTiiki = nullptr;
    QLineEdit* txtCyosaJiki = nullptr;
    QLineEdit* txtNyuryokuchi = nullptr;
    QPushButton* btnCansel = nullptr;

public Q_SLOTS:
    void btnAddClick() override;
    void btnDltClick() override;
    void btnCanselClick();

protected:
    bool focusNextPrevChild(bool next) override;
    bool checkLeaving(QWidget* field) override;
    QWidget* stayField() const override;

private:
    void buildControls();
    void clearBoxes();
    void fillList();
    void showTable(const CostOfLivingTable& t);
    void load(int code);
    CostOfLivingTexts texts() const;
    QWidget* fieldOf(const LivingRefusal& refusal) const;
};

} // namespace yardstick
