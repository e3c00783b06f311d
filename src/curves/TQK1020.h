#pragma once
// The raise curve analysis screen: like the wage plot it chooses employees and the attribute of
// each axis, and in addition the degree of the fitted raise curve, one curve per mark group or one
// overall, and up to four companion curves at a level in percent. 分　析 writes the plot rows and
// the settings and hands over to the plot window (chart 1020). Created once, shown modally after
// Prepare(); closing it saves the settings.

#include "curves/RaiseCurve.h"
#include "curves/SelectionControls.h"

#include <QDialog>
#include <QList>

#include <memory>
#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace analysis {
class TQK1100;
}

namespace master {
class FieldExit;
}

namespace curves {

class TQK1020 : public QDialog {
    Q_OBJECT
public:
    TQK1020(data::TFDM& dm, analysis::TQK1100* plotWindow, QWidget* parent = nullptr);
    ~TQK1020() override;

    // Run by every opener before showing the screen.
    void Prepare();
    // The options as the controls show them.
    RaiseCurveOptions options() const;

    QList<QRadioButton*> optX;      // optXNenrei ... optXSyokumu
    QList<QRadioButton*> optY;      // optY1 ... optY6
    QList<QRadioButton*> optMark;   // optMarkSeq, optMarkInput, optMarkZone (hidden), optMarkNodsp
    QList<QRadioButton*> optDegree; // opt2Jisiki, opt3Jisiki
    QRadioButton* optGraph = nullptr;
    QRadioButton* optGraphAll = nullptr;
    QList<QLineEdit*> txtLevel;     // txtLevel1 ... txtLevel4
    std::unique_ptr<SelectionControls> selection;
    QLineEdit* txtTitle = nullptr;
    QPlainTextEdit* txtBikou = nullptr;
    QPushButton* btnAnalize = nullptr;
    QPushButton* btnClose = nullptr;

public Q_SLOTS:
    void btnAnalizeClick();
    void btnCloseClick();

private:
    void buildControls();
    void LoadSettings();
    void setChanged();
    bool checkField(QWidget* field);
    // Saves the settings with the items checked now; for the optimal wage only when the last
    // analysis found employees (their item is the y item).
    void saveSettings();

    data::TFDM& dm_;
    analysis::TQK1100* plot_;
    master::FieldExit* fieldExit_ = nullptr;
    std::optional<qint64> firstFitNo_;   // of the employee list of the last analysis
    bool loading_{false};
};

}  // namespace curves
