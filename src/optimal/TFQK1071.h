#pragma once
// The result table of the optimal wage analysis just run: every employee with the actual amount,
// the attributes, the optimal wage, the residual and its ratio, then totals, averages, the
// coefficients and the statistics, with the accuracy judgement in the status bar. CSV writes the
// table to CSV/最適賃金の分析結果.CSV; 最適化 writes the optimal wages into the employee master and
// リセット undoes that. Made for each analysis, shown modally.

#include "optimal/OptimalResult.h"

#include <QDialog>

class QPushButton;
class QStatusBar;
class QTableView;

namespace data {
class TFDM;
}

namespace optimal {

class TFQK1071 : public QDialog {
    Q_OBJECT
public:
    TFQK1071(data::TFDM& dm, const OptimalAnalysis& analysis, const analysis::RegressionWorkArea& work,
             QWidget* parent = nullptr);

    const ResultTable& table() const { return table_; }

    // The table below its heading row; the heading row is the grid's header.
    QTableView* Grid = nullptr;
    QPushButton* btnCSV = nullptr;
    QPushButton* btnReset = nullptr;
    QPushButton* btnUPDATE = nullptr;
    QPushButton* btnCloce = nullptr;
    QStatusBar* StatusBar1 = nullptr;

public Q_SLOTS:
    void btnCSVClick();
    void btnResetClick();
    void btnUPDATEClick();
    void btnCloceClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    // The four fixed columns stay in place over the grid when it scrolls sideways.
    void placeFixedColumns();

    data::TFDM& dm_;
    const OptimalAnalysis& analysis_;
    QString programDir_;
    ResultTable table_;
    QTableView* fixed_ = nullptr;
};

}  // namespace optimal
