#pragma once
// The basic settings screen (基本設定): how ages are counted, the calendar, the era table, the nine
// plot marks with their curves and the four chart pens of the open company and fiscal year.
//
// The form is made once and prepared again each time it is opened (Prepare(), then exec()); the
// tab last shown stays. What it computes and stores is in BasicSettings.h.

#include "master/BasicSettings.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace data {
class TFDM;
}

namespace master {

class FieldExit;

class TQK0070 : public QDialog {
    Q_OBJECT
public:
    explicit TQK0070(data::TFDM& dm, QWidget* parent = nullptr);

    // Reads the settings of the open company into the controls and clears the changed flag.
    void Prepare();
    // The working copy the controls stand for (colours included).
    const BasicSettings& settings() const { return settings_; }

    QTabWidget* PageControl = nullptr;
    QRadioButton* optKeisan1 = nullptr;
    QRadioButton* optKeisan2 = nullptr;
    QLineEdit* txtKijunbi = nullptr;
    QRadioButton* optSeireki = nullptr;
    QRadioButton* optWareki = nullptr;
    std::array<QRadioButton*, 3> optChg{};        // optchg1, optChg2, optChg3
    std::array<QLineEdit*, 3> txtNengou{};
    std::array<QLineEdit*, 3> txtChgyy{};
    std::array<QLineEdit*, 3> txtChgmm{};
    std::array<QLineEdit*, 3> txtChgdd{};

    std::array<QLineEdit*, 9> txtMark{};
    std::array<QLineEdit*, 9> txtHanrei{};
    std::array<QPushButton*, 9> btnColor{};
    std::array<QComboBox*, 9> cmbMSize{};
    std::array<QComboBox*, 9> cmbSensyu{};
    std::array<QPushButton*, 9> btnSenColor{};
    std::array<QComboBox*, 9> cmbSenHaba{};
    std::array<QLabel*, 9> imgMihon{};

    std::array<QPushButton*, 4> btnGRColor{};
    std::array<QComboBox*, 4> cmbGRSensyu{};
    std::array<QComboBox*, 4> cmbGRSenHaba{};
    std::array<QLabel*, 4> imgGRMihon{};

    QPushButton* btnAdd = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnClose = nullptr;

public Q_SLOTS:
    void btnAddClick();
    void btnCancelClick();
    void btnCloseClick();
    void btnColorClick(int mark);       // 0-based
    void btnSenColorClick(int mark);
    void btnGRColorClick(int pen);

protected:
    void reject() override;

private:
    QWidget* buildDateTab();
    QWidget* buildMarkTab();
    QWidget* buildGraphTab();
    void showSettings();
    void paintMark(int i);
    void paintPen(int i);
    // The check of a field when it is left; false after its message.
    bool checkLeaving(QWidget* field);
    // Every field as a save needs it, copied into the working copy; false after the first refusal,
    // with the focus in that field.
    bool collect();
    void changed();
    // True when the screen may close (no changes, or the user chose to leave them).
    bool mayClose();

    data::TFDM& dm_;
    BasicSettings settings_;
    FieldExit* exits_ = nullptr;
    bool filling_ = false;
    bool closing_ = false;
};

} // namespace master
