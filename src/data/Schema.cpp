#include "data/Schema.h"

#include "data/Common.h"
#include "data/Engine.h"
#include "data/Records.h"

#include <QFile>
#include <QFileInfo>

// Resources of a static library must be registered by name before first use.
static void registerSchemaResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)done;
}

namespace data {

namespace {

template <class R>
void add(QStringList& out, const TableDef<R>& t)
{
    out << createTableSql(t);
}

QStringList tableStatements(DatabaseKind kind)
{
    QStringList s;
    if (kind == DatabaseKind::Control) {
        add(s, TSeigyo_::table());
        add(s, TKigyo1_::table());
        add(s, TMark_::defaultsTable());
        add(s, TGraph_::defaultsTable());
        add(s, TMODEL_::table());
        add(s, TMDCHNGIN_::table());
        return s;
    }
    add(s, TKigyo2_::table());
    add(s, TSyain_::msyain1());
    add(s, TSyain_::msyain2());
    add(s, TMark_::table());
    add(s, TGraph_::table());
    add(s, TChart_::table());
    add(s, TDChart_::table());
    add(s, TCHNGIN_::table());
    add(s, TCHNGIN2_::table());
    add(s, TMCHNGIN_::table());
    add(s, T2JI_::table());
    add(s, T3JI_::table());
    add(s, TSCALE_::table());
    add(s, TSPDRAW_::table());
    add(s, TMHYOUKA_::table());
    add(s, TYHYOUKA_::table());
    add(s, TSALARY_::table());
    add(s, TSEIKEI_::table());
    add(s, TBAND_::table());
    add(s, TMATID_::table());
    add(s, TMATCELL_::table());
    return s;
}

QStringList viewStatements()
{
    registerSchemaResources();
    QFile f(QStringLiteral(":/sql/views.sql"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList out;
    QString current;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.trimmed() == QStringLiteral(";")) {
            if (!current.trimmed().isEmpty())
                out << current.trimmed();
            current.clear();
        } else if (!line.startsWith(QStringLiteral("--"))) {
            current += line + QLatin1Char('\n');
        }
    }
    return out;
}

} // namespace

QStringList tableNames(DatabaseKind kind)
{
    QStringList names;
    for (const QString& s : tableStatements(kind)) {
        const int a = s.indexOf(QLatin1Char('"'));
        names << s.mid(a + 1, s.indexOf(QLatin1Char('"'), a + 1) - a - 1);
    }
    return names;
}

QStringList schemaStatements(DatabaseKind kind)
{
    QStringList s = tableStatements(kind);
    if (kind == DatabaseKind::FiscalYear)
        s << viewStatements();
    return s;
}

bool createSchema(Connection& c, DatabaseKind kind)
{
    Transaction tx(c);
    if (!tx.started())
        return false;
    for (const QString& sql : schemaStatements(kind))
        if (!c.executeRaw(sql))
            return false;
    return tx.commit();
}

bool createDatabaseFile(const QString& path, DatabaseKind kind, QString* error)
{
    if (QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("ファイルが既に存在します。 ") + path;
        return false;
    }
    const QString tmp = path + QStringLiteral(".tmp");
    QFile::remove(tmp);
    bool good = false;
    {
        Connection c;
        c.setDatabase(tmp);
        good = c.open(true) && createSchema(c, kind);
        if (!good && error)
            *error = DbErrorText(c);
        c.close();
    }
    if (good && !QFile::rename(tmp, path)) {
        good = false;
        if (error)
            *error = QStringLiteral("ファイルを作成できません。 ") + path;
    }
    if (!good)
        QFile::remove(tmp);
    return good;
}

} // namespace data
