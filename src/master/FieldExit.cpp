#include "master/FieldExit.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QTimer>
#include <QWidget>

namespace master {

namespace {

const char* const kWatched = "fieldExitWatched";

} // namespace

FieldExit::FieldExit(QWidget* form, Check check) : QObject(form), form_(form), check_(std::move(check)) {}

void FieldExit::watch(QWidget* field)
{
    field->setProperty(kWatched, true);
    field->installEventFilter(this);
}

QWidget* FieldExit::watchedField(QWidget* w) const
{
    // The line edit inside an editable combo box stands for the box.
    for (QWidget* p = w; p && p != form_; p = p->parentWidget())
        if (p->property(kWatched).toBool())
            return p;
    return nullptr;
}

bool FieldExit::checkFocused()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || busy_)
        return true;
    QWidget* field = watchedField(focus);
    if (!field || !field->isEnabled())
        return true;
    return run(field);
}

bool FieldExit::run(QWidget* field)
{
    busy_ = true;
    const bool accepted = check_(field);
    busy_ = false;
    if (!accepted)
        field->setFocus(Qt::OtherFocusReason);
    return accepted;
}

bool FieldExit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusOut || busy_ || returning_)
        return QObject::eventFilter(watched, event);
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // A message box or a drop-down list taking the focus for a moment is not leaving the field.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return QObject::eventFilter(watched, event);
    auto* field = static_cast<QWidget*>(watched);
    if (!form_->isVisible() || !field->isEnabled())
        return QObject::eventFilter(watched, event);
    busy_ = true;
    const bool accepted = check_(field);
    busy_ = false;
    if (!accepted) {
        // The focus is still moving when the field hears of it; it is taken back once that is over,
        // and the field it was going to is not checked on the way.
        returning_ = field;
        QTimer::singleShot(0, field, [this, field] {
            field->setFocus(Qt::OtherFocusReason);
            returning_ = nullptr;
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace master
