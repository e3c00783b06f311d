#pragma once
// The model data screen (モデルデータ　登録): the description of one model code (MDEL) with the
// list of all codes to step through. What it reads and stores is in ModelWages.h. Made for each
// use, prepared with Prepare() and shown modally.

#include "data/Records.h"
#include "yardstick/EntryScreen.h"

#include <vector>

class QPlainTextEdit;

namespace yardstick {

struct ModelDataTexts;

class TQK0080 : public ListEntryDialog {
    Q_OBJECT
public:
    explicit TQK0080(data::TFDM& dm, QWidget* parent = nullptr);

    // The opening: the list, then the open company's model code.
    void Prepare();

    QComboBox* cmbModelID = nullptr;
    QLineEdit* txtSalaryName = nullptr;
    QLineEdit* txtSyussyo = nullptr;
    QLineEdit* txtChiiki = nullptr;
    QLineEdit* txtJigyosyosuu = nullptr;
    QLineEdit* txtCyousabi = nullptr;
    QLineEdit* txtGyousyu = nullptr;
    QLineEdit* txtKibo = nullptr;
    QPlainTextEdit* txtBikou = nullptr;

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
    void showCode(int code);
    ModelDataTexts texts() const;
    QWidget* fieldOf(int field) const;

    std::vector<data::TMODEL_> rows_;
};

} // namespace yardstick
