#pragma once
// The check of an entry field when the user leaves it (Tab, Enter, a click on another field), as
// the master screens do it: a field whose check fails keeps the focus.
//
// The screen watches its fields and gives one check function; the check shows its own message and
// returns false to keep the focus where it is. A message box or a drop-down list taking the focus
// for a moment is not leaving, and while the focus is being taken back no other field's check runs
// (the field the user was going to would otherwise be "left" too).
//
// The screens' buttons take no focus, so clicking one leaves no field; an action that stores data
// calls checkFocused() first, which checks the field the user is in as leaving it would.

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace master {

class FieldExit : public QObject {
public:
    using Check = std::function<bool(QWidget* field)>;

    FieldExit(QWidget* form, Check check);

    // Watches field (a line edit or a combo box of the form).
    void watch(QWidget* field);
    // Runs the check of the watched field that has the focus, if any; false when it refused (the
    // focus then stays in it).
    bool checkFocused();
    // Whether a check is running or the focus is being taken back: the screen then ignores what
    // its fields report.
    bool busy() const { return busy_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* watchedField(QWidget* w) const;
    bool run(QWidget* field);

    QWidget* form_;
    Check check_;
    bool busy_ = false;
    QPointer<QWidget> returning_;
};

} // namespace master
