#pragma once
// The wage plot screen: which employees of the open company to plot (work form, grades, plot marks,
// sex) and which attribute goes on each axis. 分析 writes the plot rows and the chart settings and
// hands over to the plot window (chart 1010). Created once, shown modally after Prepare().

#include "analysis/WagePlot.h"

#include <QDialog>
#include <QList>
#include <QRect>

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

// ------------------------------------------------- what the chart settings screens share

// A titled frame at its place.
QGroupBox* settingsFrame(QWidget* parent, const QString& title, QRect geometry);
// A push button with an object name, a text and its place.
QPushButton* namedButton(QWidget* parent, const char* name, const QString& text, QRect geometry);

// The foot of a 540 wide settings screen: the タイトル line txtTitle (at most 40 characters), the
// 解説 box named explanationName, and 分　析 (btnAnalize) and 閉じる (btnClose) under them.
struct SettingsFoot {
    QLineEdit* title;
    QPlainTextEdit* explanation;
    QPushButton* analyse;
    QPushButton* close;
};
SettingsFoot addSettingsFoot(QWidget* parent, const QString& explanationName);

// The screen's chart becomes the plot window's current chart number; the window shows none yet.
void makeCurrentChart(TQK1100* plot, int chartNo);
// What closing a settings screen does to the plot window: its points removed, closed, no chart number.
void closePlotWindow(TQK1100* plot);
// The work form captions of the company on workForms[0..3] and its wage tables in wageTables, the
// first one ("0 : なし") selected.
void showWorkFormsAndWageTables(data::TFDM& dm, const QList<QRadioButton*>& workForms, QComboBox* wageTables);
// The company's plot marks as the captions of the nine mark boxes, each in its mark's colour; the
// box of a mark not in use has no caption.
void showMarkCaptions(const data::TFDM& dm, const QList<QCheckBox*>& boxes);

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
