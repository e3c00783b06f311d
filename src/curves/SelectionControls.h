#pragma once
// The employee selection of the raise curve screens: plot marks, grades with their names, work
// form, sex and the hidden wage table list, with the buttons that check all or none, as one set of
// controls that a screen places in its own frames and reads back as analysis::WagePlotOptions.

#include "analysis/WagePlot.h"

#include <QList>
#include <QRect>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace analysis {
class TQK1100;
}

namespace data {
class TFDM;
}

namespace curves {

// Creates a control with an object name, a text and its place.
template <class W>
W* placed(QWidget* parent, const QString& name, const QString& text, QRect geometry)
{
    auto* w = new W(text, parent);
    w->setObjectName(name);
    w->setGeometry(geometry);
    return w;
}

// Checks button index of a group; an index outside the group, or a disabled button, checks the
// first enabled one instead.
void checkStored(const QList<QRadioButton*>& group, int index);
// The index of the checked button; otherwise when none is checked.
int checkedIndex(const QList<QRadioButton*>& group, int otherwise);

class SelectionControls {
public:
    // The frames the controls go into, in the parent's coordinates.
    struct Frames {
        QRect workForm;
        QRect sex;
        QRect plotMarks;
        QRect grades;
    };
    // changed is called on every change the user makes (not while loading).
    SelectionControls(QWidget* parent, const Frames& frames, std::function<void()> changed);

    // The preparation part: work form captions, the wage table list with "0 : なし" selected; the
    // screen's chart becomes the current chart number and the plot window shows none.
    void prepare(data::TFDM& dm, analysis::TQK1100* plot = nullptr, int chartNo = 0);
    // Shows the stored selection: work form, wage table, marks, grades, sex, the mark captions in
    // their colours and the grade names of the wage table.
    void show(data::TFDM& dm, const analysis::WagePlotOptions& options);
    // Work form, sex, wage table, marks and grades as the controls show them.
    void read(analysis::WagePlotOptions& options) const;

    QList<QCheckBox*> optPlot;        // optPlot1 ... optPlot9
    QList<QCheckBox*> optTokyu;       // optTokyu1 ... optTokyu9
    QList<QLineEdit*> txtTokyu;       // grade names, read-only
    QList<QRadioButton*> optSalary;   // optSalary1 ... optSalary4, optSalaryAll
    QList<QRadioButton*> optSex;      // optSex1, optSex2, optSex3
    QComboBox* cmbChingin = nullptr;  // hidden, disabled
    QPushButton* btnPlotAll = nullptr;
    QPushButton* btnPlotNothing = nullptr;
    QPushButton* btnTokyuAll = nullptr;
    QPushButton* btnTokyuNothing = nullptr;

private:
    void showGradeNames(data::TFDM& dm);

    std::function<void()> changed_;
    data::TFDM* dm_ = nullptr;
    bool loading_{false};
};

}  // namespace curves
