#include "platform/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform {

BusyCursor::BusyCursor()
{
    // Only a GUI application has a cursor; a plain QCoreApplication (or none) has nothing to set.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        active_ = true;
    }
}

BusyCursor::~BusyCursor() { end(); }

void BusyCursor::end()
{
    if (!active_)
        return;
    active_ = false;
    // The application may have gone already (a scope outliving it at shut-down).
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::restoreOverrideCursor();
}

} // namespace platform
