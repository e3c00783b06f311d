#pragma once
// The comparison screens: the company's pay against the standard cost of living (TQK1030, chart
// 1030) and against the model wages (TQK1040, chart 1040). Both choose the employees and the axis
// items as the wage plot does, write the plot rows and the chart settings and hand over to the
// plot window, which draws the yardstick curves itself. Created once, shown modally after Prepare().

#include "yardstick/Comparison.h"

#include <QDialog>
#include <QList>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace data {
class TFDM;
}

namespace analysis {
class TQK1100;
}

namespace curves {
class SelectionControls;
}

namespace yardstick {

class ComparisonScreen : public QDialog {
    Q_OBJECT
public:
    ComparisonKind kind() const { return kind_; }

    // Run by every opener before showing the screen: captions of the work forms, the wage table
    // list, the chart numbers, the radios that cannot be chosen, the saved settings.
    void Prepare();
    // The settings as the controls show them (x and y items from the radios checked now).
    ComparisonSettings settings() const;

    // Option groups, each in the order of its stored index.
    QList<QRadioButton*> optX;
    QList<QRadioButton*> optY;
    QList<QRadioButton*> optMark;     // sequence number, evaluation symbol, zone, none
    // Work form, sex, plot marks, grades and the hidden wage table list.
    std::unique_ptr<curves::SelectionControls> selection;
    QLineEdit* txtTitle = nullptr;
    QPlainTextEdit* txtBikou = nullptr;
    QPushButton* btnAnalize = nullptr;
    QPushButton* btnClose = nullptr;

public Q_SLOTS:
    void btnAnalizeClick();
    void btnCloseClick();

protected:
    ComparisonScreen(ComparisonKind kind, data::TFDM& dm, analysis::TQK1100* plotWindow, QWidget* parent);
    ~ComparisonScreen() override;

private:
    void buildControls();
    void LoadSettings();
    void setChanged();

    ComparisonKind kind_;
    data::TFDM& dm_;
    analysis::TQK1100* plot_;
    ComparisonSettings loaded_;   // the fit settings it writes back
    bool loading_{false};
};

// 生計費との比較
class TQK1030 : public ComparisonScreen {
    Q_OBJECT
public:
    TQK1030(data::TFDM& dm, analysis::TQK1100* plotWindow, QWidget* parent = nullptr);
};

// モデル賃金との比較
class TQK1040 : public ComparisonScreen {
    Q_OBJECT
public:
    TQK1040(data::TFDM& dm, analysis::TQK1100* plotWindow, QWidget* parent = nullptr);
};

} // namespace yardstick
