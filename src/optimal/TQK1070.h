#pragma once
// The optimal wage screen: the target item, the attributes and the employees of the open company
// for the regression of the target on the attributes. 計算 runs it and shows the result table;
// 分析 runs it and hands the optimal against the actual wages to the plot window (chart 1070).
// Created once, shown modally after Prepare().

#include "optimal/OptimalWage.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TRightEdit;

namespace data {
class TFDM;
}

namespace analysis {
class TQK1100;
}

namespace curves {
class SelectionControls;
}

namespace optimal {

class TQK1070 : public QDialog {
    Q_OBJECT
public:
    TQK1070(data::TFDM& dm, analysis::TQK1100* plotWindow, QWidget* parent = nullptr);
    ~TQK1070() override;

    // Run by every opener before showing the screen: captions of the work forms, the wage table
    // list, the chart numbers, the saved settings.
    void Prepare();
    // The options as the controls show them.
    OptimalOptions options() const;
    // The analysis last run (for the result table).
    const OptimalAnalysis& lastAnalysis() const { return analysis_; }

    // How 計算 shows the result table after a successful run (the default opens TFQK1071 modally).
    std::function<void(const OptimalAnalysis&)> showResult;

    QList<QCheckBox*> optX;          // optXNenrei ... optXJinji
    QList<QRadioButton*> optY;       // optYKoumoku1 ... optYNensyu
    QList<QRadioButton*> optMark;    // optMarkSeq, optMarkInput, optMarkZone (hidden), optMarkNodsp
    // Plot marks, grades, work form, sex and the hidden wage table list, as every analysis has them.
    std::unique_ptr<curves::SelectionControls> selection;
    QLineEdit* txtTitle = nullptr;
    QPlainTextEdit* txtBikou = nullptr;
    QCheckBox* optGraph = nullptr;
    TRightEdit* txtLevel1 = nullptr;
    TRightEdit* txtLevel2 = nullptr;
    QPushButton* btnKeisan = nullptr;
    QPushButton* btnAnalize = nullptr;
    QPushButton* btnClose = nullptr;

public Q_SLOTS:
    void btnKeisanClick();
    void btnAnalizeClick();
    void btnCloseClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void LoadSettings();
    void setChanged();
    // The analysis with its messages; true when it succeeded.
    bool runAnalysis();
    // The check of a percentage field when it is left: false after "数値を入力してください。".
    bool checkLevel(TRightEdit* field);

    data::TFDM& dm_;
    analysis::TQK1100* plot_;
    OptimalAnalysis analysis_;
    bool loading_{false};
    bool checking_{false};
};

}  // namespace optimal
