#pragma once
// The control database attached to a fiscal year's connection for the length of one transaction,
// so that rows of both files are committed together (the rollback journal makes the commit atomic
// across them). Its tables are then reached by their plain names, as none of them exists in a
// fiscal-year database.

#include "data/Engine.h"

namespace master {

class AttachedControl {
public:
    AttachedControl(data::Connection& c, const QString& path) : c_(c)
    {
        QString p = path;
        p.replace(QLatin1Char('\''), QStringLiteral("''"));
        attached_ = c_.executeRaw(QStringLiteral("ATTACH DATABASE '") + p + QStringLiteral("' AS SEIGYO"));
    }
    ~AttachedControl()
    {
        if (attached_)
            c_.executeRaw(QStringLiteral("DETACH DATABASE SEIGYO"));
    }
    AttachedControl(const AttachedControl&) = delete;
    AttachedControl& operator=(const AttachedControl&) = delete;
    bool attached() const { return attached_; }

private:
    data::Connection& c_;
    bool attached_ = false;
};

} // namespace master
