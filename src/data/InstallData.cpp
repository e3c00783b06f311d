#include "data/InstallData.h"

#include "data/DbAccess.h"
#include "data/Schema.h"
#include "platform/ProgramFolders.h"

#include <QDir>
#include <QFileInfo>

namespace data {

namespace {

bool fillControl(const QString& path, QString* error)
{
    Connection c;
    c.setDatabase(path);
    if (!c.open()) {
        *error = DbErrorText(c);
        return false;
    }
    Query q(c);
    Transaction tx(c);
    TSeigyo_ s;
    s.CO = QStringLiteral("0");
    s.NA = QStringLiteral("カルネオ");
    s.FSEIHIN = QStringLiteral("0");
    s.REKI1 = QStringLiteral("昭和");
    s.SNEN1 = QStringLiteral("1926");
    s.STSUKI1 = QStringLiteral("12");
    s.SHI1 = QStringLiteral("25");
    s.REKI2 = QStringLiteral("平成");
    s.SNEN2 = QStringLiteral("1989");
    s.STSUKI2 = QStringLiteral("1");
    s.SHI2 = QStringLiteral("8");
    s.REKI3 = QStringLiteral("令和");
    s.SNEN3 = QStringLiteral("2019");
    s.STSUKI3 = QStringLiteral("5");
    s.SHI3 = QStringLiteral("1");
    s.FREKI = QStringLiteral("2");
    if (!Insert(c, q, false, s) || !tx.commit()) {
        *error = s.message.isEmpty() ? DbErrorText(c) : s.message;
        return false;
    }
    return true;
}

} // namespace

bool prepareProgramFolder(const QString& programDir, QString* error)
{
    QString err;
    const auto folders = platform::ProgramFolders::forHome(programDir);
    if (!folders.ensureFolders(&err)) {
        if (error)
            *error = err;
        return false;
    }
    const QString control = folders.dataDir + QStringLiteral("SEIGYO.MDB");
    if (!QFileInfo::exists(control)) {
        const QString tmp = folders.dataDir + QStringLiteral("SEIGYO.new");
        QFile::remove(tmp);
        if (!createDatabaseFile(tmp, DatabaseKind::Control, &err) || !fillControl(tmp, &err)
            || !QFile::rename(tmp, control)) {
            QFile::remove(tmp);
            if (error)
                *error = err;
            return false;
        }
    }
    const QString templ = folders.dataDir + QStringLiteral("DATA.MDB");
    if (!QFileInfo::exists(templ) && !createDatabaseFile(templ, DatabaseKind::FiscalYear, &err)) {
        if (error)
            *error = err;
        return false;
    }
    return true;
}

} // namespace data
