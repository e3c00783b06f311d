#pragma once
// The pictures of the main window's tool buttons, drawn by the program itself in one style: a dark
// outline, one accent colour per button group, on a transparent ground. Qt derives the greyed
// picture of a disabled button from them.

#include <QIcon>

namespace app {

enum class Glyph {
    New, Open, Close, Change, Delete,                    // project
    Basic, WorkForm, Evaluation, Employee,               // initial settings
    Plot, Regression, LivingCost, ModelWage, CurveDesign, Optimal,   // plot analysis
    Raise, YearUpdate,                                   // raise management
    Help, Exit,
    ListBefore, ListAfter, PersonalReport, WageReport,   // reports
    Compact,                                             // administration
};

QIcon glyphIcon(Glyph g);

} // namespace app
