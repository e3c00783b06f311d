#pragma once
// On every entry screen the Enter key moves the focus to the next control and is swallowed. A
// screen gets this with one call in its constructor:
//
//     installEnterMovesFocus(this);
//
// Enter (and the keypad's Enter) then moves on from line edits, combo boxes, spin and date boxes,
// check boxes and radio buttons of the form, in the form's tab order, so that the field left is
// checked as it is when the user presses Tab. A focused push button still clicks on Enter; grids,
// their cell editors and multi-line texts keep Enter for themselves; Enter with Ctrl, Alt or Shift
// is left alone. An open drop-down list still takes Enter as its choice.

class QObject;
class QWidget;

namespace app {

// Installs the mechanism for form and every control inside it (also ones created later). Calling it
// again for the same form changes nothing. The returned object is a child of form and ends with it;
// deleting it earlier switches the mechanism off.
QObject* installEnterMovesFocus(QWidget* form);

} // namespace app
