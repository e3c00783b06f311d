#pragma once
// The wage plot screen: which employees of the open company to plot (work form, grades, plot marks,
// sex) and which attribute goes on each axis. 分析 writes the plot rows and the chart settings and
// hands over to the plot window (chart 1010). Created once, shown modally after Prepare().

#include "analysis/WagePlot.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace data {
class TFDM;
}

namespace analysis {

class TQK1100;

class TQK1010 : public QDialog {
    Q_OBJECT
public:
    TQK1010(data::TFDM& dm, TQK1100* plotWindow, QWidget* parent = nullptr);

    // Run by every opener before showing the screen: captions of the work forms, the wage table
    // list, the chart numbers, the saved settings.
    void Prepare();
    // The options as the controls show them, with the remembered x and y items.
    WagePlotOptions options() const;
    // The x and y items of the last analysis (or those loaded, before one).
    int rememberedX() const { return rememberedX_; }
    int rememberedY() const { return rememberedY_; }

    // Option groups, each in the order that gives the stored index.
    QList<QRadioButton*> optX;        // optXNenrei ... optXSyokumuHyouka
    QList<QRadioButton*> optY;        // optYKoumoku1 ... optYNensyu
    QList<QRadioButton*> optMark;     // optMarkSeq, optMarkInp, optMarkZone (hidden), optMarkNodsp
    QList<QCheckBox*> optPlot;        // optPlot1 ... optPlot9
    QList<QCheckBox*> optTokyu;       // optTokyu1 ... optTokyu9
    QList<QLineEdit*> txtTokyu;       // grade names, read-only
    QList<QRadioButton*> optSalary;   // optSalary1 ... optSalary4, optSalaryAll
    QList<QRadioButton*> optSex;      // optsex1, optSex2, optSex3
    QComboBox* cmbChingin = nullptr;  // never visible; decides the grade condition and names
    QLineEdit* txtTitle = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* btnPlotAll = nullptr;
    QPushButton* btnPlotNothing = nullptr;
    QPushButton* btnTokyuAll = nullptr;
    QPushButton* btnTokyuNothing = nullptr;
    QPushButton* btnAnalize = nullptr;
    QPushButton* btnClose = nullptr;

public Q_SLOTS:
    void btnAnalizeClick();
    void btnCloseClick();
    void cmbChinginChange();

private:
    void buildControls();
    void LoadSettings();
    void showGradeNames();
    void setChanged();

    data::TFDM& dm_;
    TQK1100* plot_;
    int rememberedX_{0};
    int rememberedY_{0};
    bool loading_{false};
};

}  // namespace analysis
