#pragma once
// The employee panels opened from a point of the plot window: small windows that stay on top,
// carry the employee code as their tag and close on a click anywhere on them.
//
//  TQK1101  the information panels 1.プロフィール, 2.人事考課, 3.キャリア, 4.賃金情報
//  TFS1106  6.最適賃金: actual against optimal wage, with the evaluation and KKYU3 to update
//  TQK1107  7.イメージ: the employee's photo

#include "panels/EmployeePanels.h"

#include <QSet>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace data {
class TFDM;
}

namespace panels {

// What every panel shares: its kind, its tag and the close on a click.
class EmployeePanel : public QWidget {
    Q_OBJECT
public:
    EmployeePanel(int panelKind, int employeeCode, QWidget* parent);
    int panelKind() const { return kind_; }
    // The employee code; 0 once the panel is closing.
    int tag() const { return tag_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Children that close the panel when clicked (labels, pictures; not the entry fields).
    void closeOnClick(QWidget* w);

private:
    int kind_;
    int tag_;
    QSet<QObject*> closers_;
};

class TQK1101 : public EmployeePanel {
    Q_OBJECT
public:
    TQK1101(int panelKind, int employeeCode, QWidget* parent = nullptr);
    void fill(const InfoPanelTexts& texts);

    QLabel* Label1 = nullptr;
    QWidget* Panel1 = nullptr;
    std::array<QLabel*, 5> labTitle{};
    std::array<QLabel*, 5> Caption{};
};

class TFS1106 : public EmployeePanel {
    Q_OBJECT
public:
    TFS1106(data::TFDM& dm, int employeeCode, QWidget* parent = nullptr);
    // Shows the employee's figures; the evaluation list is that of the employee's wage table.
    void fill(const data::TSyain_& row);

    QLabel* labName = nullptr;
    QLabel* labItem = nullptr;
    QLineEdit* txtKin = nullptr;
    QLineEdit* txtFitkin = nullptr;
    QLineEdit* txtZansa = nullptr;
    QLineEdit* txtwariai = nullptr;
    QComboBox* cmbHyouka = nullptr;
    QLineEdit* txtKin3 = nullptr;
    QPushButton* btnOK = nullptr;

public Q_SLOTS:
    // 更新: checks the evaluation and the amount, then stores both for the employee.
    void btnOKClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool checkHyouka();
    bool checkKin3();
    data::TFDM& dm_;
    bool checking_{false};
};

class TQK1107 : public EmployeePanel {
    Q_OBJECT
public:
    TQK1107(int employeeCode, QWidget* parent = nullptr);
    void fill(const data::TSyain_& row);

    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;
};

}  // namespace panels
