#include "app/EnterFocus.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

namespace app {

namespace {

const char* const kFilterName = "enterMovesFocus";

// The control Enter moves away from, or nullptr when Enter belongs to the widget itself. The line
// edit inside a combo or spin box counts as that box.
QWidget* entryControl(QWidget* w, const QWidget* form)
{
    for (QWidget* p = w->parentWidget(); p && p != form; p = p->parentWidget())
        if (qobject_cast<QAbstractItemView*>(p))
            return nullptr;   // a grid's cell editor: Enter commits the cell
    if (auto* box = qobject_cast<QComboBox*>(w->parentWidget()); box && qobject_cast<QLineEdit*>(w))
        return box;
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w->parentWidget()); spin && qobject_cast<QLineEdit*>(w))
        return spin;
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w)
        || qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
        return w;
    return nullptr;
}

// Watches the key presses of the whole application (a control created after installation is covered
// too) and acts only on those that go to a control of its form's window.
class EnterMovesFocus final : public QObject {
public:
    explicit EnterMovesFocus(QWidget* form)
        : QObject(form)
        , form_(form)
    {
        setObjectName(QLatin1String(kFilterName));
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || !form_)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        auto* w = static_cast<QWidget*>(watched);
        if (!form_->isAncestorOf(w))
            return false;
        QWidget* control = entryControl(w, form_);
        if (!control)
            return false;
        // What Tab would do: the widget hands the focus to the next control of its window's chain.
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(control, &tab);
        return true;
    }

private:
    QPointer<QWidget> form_;
};

} // namespace

QObject* installEnterMovesFocus(QWidget* form)
{
    if (!form || !qApp)
        return nullptr;
    if (QObject* existing = form->findChild<QObject*>(QLatin1String(kFilterName), Qt::FindDirectChildrenOnly))
        return existing;
    return new EnterMovesFocus(form);
}

} // namespace app
