#pragma once
// The model data screen (モデルデータ　登録): the description of one model code (MDEL) with the
// list of all codes to step through. What it reads and stores is in ModelWages.h. Made for each
// use, prepared with Prepare() and shown modally.

#include "data/Records.h"
#include "yardstick/EntryScreen.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace data {
class TFDM;
}

namespace master {
class FieldExit;
}

namespace yardstick {

struct ModelDataTexts;

class TQK0080 : public EntryDialog {
    Q_OBJECT
public:
    explicit TQK0080(data::TFDM& dm, QWidget* parent = nullptr);

    // The opening: the list, then the open company's model code.
    void Prepare();
    // Chooses a code as leaving the code box with it typed does; false when it was refused.
    bool chooseCode(const QString& typed);
    int currentCode() const { return code_; }
    int position() const { return pos_; }

    QComboBox* cmbModelID = nullptr;
    QLineEdit* txtSalaryName = nullptr;
    QLineEdit* txtSyussyo = nullptr;
    QLineEdit* txtChiiki = nullptr;
    QLineEdit* txtJigyosyosuu = nullptr;
    QLineEdit* txtCyousabi = nullptr;
    QLineEdit* txtGyousyu = nullptr;
    QLineEdit* txtKibo = nullptr;
    QPlainTextEdit* txtBikou = nullptr;
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
    void showCode(int code);
    void showRow(int pos);
    void showPosition();
    bool checkLeaving(QWidget* field);
    ModelDataTexts texts() const;
    QWidget* fieldOf(int field) const;
    void changed();

    master::FieldExit* exits_ = nullptr;
    std::vector<data::TMODEL_> rows_;
    int pos_ = 0;
    int code_ = 0;
    bool filling_ = false;
};

} // namespace yardstick
