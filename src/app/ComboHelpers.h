#pragma once
// The widget side of the shared screen routines: code-list combo boxes, numeric entry fields,
// check-box groups, wage-form captions and employee photos. The decisions themselves are in
// SharedRoutines.h; these wrappers read the controls, show the message and write the result back.
// Messages go through the dialogs service with the application title as caption.

#include "app/SharedRoutines.h"

#include <QList>
#include <QString>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace app {

// Clears the list, adds "0 : なし" first when withNone, then one item per row of the statement (its
// column COMBNAME), run on Query21 of the open fiscal year. The statement is built by the program
// from numbers it holds.
void FillComboFromSql(const QString& sql, QComboBox* box, bool withNone);
// The evaluations "HCO : HKIGOU" of wage table wageTable (the employee's SKCO), by code, then
// "0 : なし" at the end.
void FillEvaluationCombo(QComboBox* box, int wageTable);
// "1 : " + grade name 1 ... "9 : " + grade name 9 of the open company, then "0 : 指定なし".
void FillGradeCombo(QComboBox* box);
// "0 : 実線" ... "5 : なし".
void FillLineStyleCombo(QComboBox* box);
// The item text of line style n of a line-style box (above 5 counts as 5).
QString LineStyleText(QComboBox* box, int n);

// Selects the first item whose code part equals code (an editable box shows it as its text);
// the index, or -1 with no item selected.
int SelectComboCode(QComboBox* box, int code);
// The code of the selected item; 0 without selection or when the item has no " : ".
int ComboCode(QComboBox* box);
// The name of the selected item (the whole item without " : "); empty without selection.
QString ComboName(QComboBox* box);
// The text a box shows for a stored code: empty for an empty code and, when zeroMeansNone, for
// "0"; the matching item, which is selected; else code + " : 未登録".
QString CodeComboText(QComboBox* box, const QString& codeText, bool zeroMeansNone);
// Checks the typed entry of a code-list box when it is left (see checkCodeText): on acceptance
// code holds the typed code and the box shows its item (or code + " : 未登録"); on rejection the
// message is shown and false returned.
bool CheckCodeCombo(QComboBox* box, bool required, int& code, bool mustExist, bool zeroForbidden);
// Code and name of a combo box's or an edit box's text.
CodeText SplitCodeText(QComboBox* box);
CodeText SplitCodeText(QLineEdit* edit);

// Integer field: "数値を入力してください。" when not a whole number, "入力範囲外です。" when longer
// than maxLength or (min or max nonzero) outside [min, max]; with a format ("#,##0") the field then
// shows the value formatted. False after the message.
bool CheckIntEdit(QLineEdit* edit, int maxLength, const QString& format, qint64 min, qint64 max);
// The same for a decimal number, without the range check.
bool CheckFloatEdit(QLineEdit* edit, int maxLength, const QString& format);

// " IN(1,3)" for the 1-based positions of the checked boxes; " IN(99999)" when none is checked.
QString CheckedInList(const QList<QCheckBox*>& boxes);
// Box j checked exactly when character j of flags is "1".
void SetChecksFromFlags(const QList<QCheckBox*>& boxes, const QString& flags);
// One character per box: "1" checked, "0" not.
QString FlagsFromChecks(const QList<QCheckBox*>& boxes);
void SetAllChecked(const QList<QCheckBox*>& boxes, bool checked);
// The 0-based position of the first checked button; 0 when none is checked.
int FirstCheckedIndex(const QList<QRadioButton*>& buttons);

// Captions of the three base-pay and five allowance labels for a work form (see WageFormLabels).
void ShowWageFormLabels(int workForm, const std::array<QLabel*, 8>& labels);

// Shows the photo name (under the program's Picture folder) in image. An empty name, a name that
// leads outside that folder, a missing file or an unreadable image clears the picture and the name
// and gives false.
bool LoadPictureFile(QLabel* image, QString& name);

} // namespace app
