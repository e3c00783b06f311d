#pragma once
// Fixtures of the raise tests: a small company of fiscal year 2019 with rows in every table it owns
// and employees made for the raise rules, fingerprints of database files, and SQL checks that compare
// a table of two years.

#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "data/Schema.h"
#include "support/TestHome.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <map>

// Messages in failure output as text, not as bytes.
inline void PrintTo(const QString& q, std::ostream* os) { *os << '"' << q.toStdString() << '"'; }

namespace fixture {

inline std::string s(const QString& q) { return q.toStdString(); }

inline void ensureApplication()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_raise";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// A connection of its own on one database file, others attached by name, for looking at the files
// independently of the program's connections.
class Probe {
public:
    explicit Probe(const QString& path)
    {
        c.setDatabase(path);
        EXPECT_TRUE(c.open()) << s(path);
    }
    void attach(const QString& path, const QString& name)
    {
        EXPECT_TRUE(c.executeRaw(QStringLiteral("ATTACH DATABASE '") + path + QStringLiteral("' AS ") + name)) << s(path);
    }
    // The first column of the first row; -1 when the statement fails or finds nothing.
    qint64 scalar(const QString& sql)
    {
        data::Query q(c);
        q.setSql(sql);
        if (!q.open() || q.eof()) {
            ADD_FAILURE() << "no result: " << s(sql);
            return -1;
        }
        const qint64 v = q.intValue(0);
        q.close();
        return v;
    }
    QString text(const QString& sql)
    {
        data::Query q(c);
        q.setSql(sql);
        if (!q.open() || q.eof())
            return QStringLiteral("<none>");
        const QString v = q.isNull(0) ? QStringLiteral("<null>") : q.textValue(0);
        q.close();
        return v;
    }
    // Column names of a table of a schema ("main" or an attached name), in order.
    QStringList columns(const QString& schema, const QString& table)
    {
        QStringList names;
        data::Query q(c);
        q.setSql(QStringLiteral("PRAGMA ") + schema + QStringLiteral(".table_info(") + table + QLatin1Char(')'));
        if (q.open())
            for (; !q.eof(); q.next())
                names << q.textValue(1);
        q.close();
        return names;
    }

    data::Connection c;
};

// The table of a fiscal year's database under another schema name.
inline QString quotedList(const QStringList& names)
{
    QStringList q;
    for (const QString& n : names)
        q << QLatin1Char('"') + n + QLatin1Char('"');
    return q.join(QLatin1Char(','));
}

// Rows of table in schema a under condition ca that have no equal row in schema b under cb (and the
// other way round), comparing every column except those left out. 0 means equal as sets.
inline qint64 differingRows(Probe& p, const QString& table, const QString& a, const QString& ca, const QString& b,
                            const QString& cb, const QStringList& leftOut)
{
    QStringList cols = p.columns(a, table);
    for (const QString& l : leftOut)
        cols.removeAll(l);
    const QString list = quotedList(cols);
    auto side = [&](const QString& schema, const QString& cond) -> QString {
        return QStringLiteral("SELECT ") + list + QStringLiteral(" FROM ") + schema + QLatin1Char('.') + table
            + QStringLiteral(" WHERE ") + cond;
    };
    return p.scalar(QStringLiteral("SELECT count(*) FROM (") + side(a, ca) + QStringLiteral(" EXCEPT ") + side(b, cb)
                    + QStringLiteral(")"))
        + p.scalar(QStringLiteral("SELECT count(*) FROM (") + side(b, cb) + QStringLiteral(" EXCEPT ") + side(a, ca)
                   + QStringLiteral(")"));
}

// SHA-256 of a file's bytes, or "missing".
inline std::string fingerprint(const QString& path)
{
    QFile f(path);
    if (!f.exists())
        return "missing";
    if (!f.open(QIODevice::ReadOnly))
        return "unreadable";
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex().toStdString();
}

// File name (from DATA/ on) and fingerprint of each file.
inline std::map<std::string, std::string> fingerprints(const QStringList& paths)
{
    std::map<std::string, std::string> m;
    for (const QString& p : paths)
        m[s(p.mid(p.indexOf(QStringLiteral("DATA/"))))] = fingerprint(p);
    return m;
}

// The tables a company owns in a fiscal year's database that the annual update copies.
inline QStringList copiedTables()
{
    return {QStringLiteral("MKIGYOU2"), QStringLiteral("MGRAPH"),    QStringLiteral("MHYOUKA"),
            QStringLiteral("MMARK"),    QStringLiteral("MCHART"),    QStringLiteral("DSPDRAW"),
            QStringLiteral("MCHINGIN"), QStringLiteral("DSCALE"),    QStringLiteral("DKSEN2"),
            QStringLiteral("DKSEN3"),   QStringLiteral("YHYOUKA"),   QStringLiteral("BANDM"),
            QStringLiteral("MATRIXID"), QStringLiteral("MATRIXCELL"), QStringLiteral("SALARYNAME"),
            QStringLiteral("DCHINGIN2")};
}

// Fills one table with invented rows for (kco, year): a value per column from the row number, so
// that rows differ in every column. Tables keyed by company and year alone get one row.
inline void inventRows(data::Connection& c, const QString& table, int kco, int year, int firstRow, int count)
{
    struct Col {
        QString name, type;
        int pk;
    };
    std::vector<Col> cols;
    {
        data::Query q(c);
        q.setSql(QStringLiteral("PRAGMA table_info(") + table + QLatin1Char(')'));
        ASSERT_TRUE(q.open());
        for (; !q.eof(); q.next())
            cols.push_back({q.textValue(1), q.textValue(2), int(q.intValue(5))});
        q.close();
    }
    int keys = 0;
    for (const Col& col : cols)
        keys += col.pk > 0 ? 1 : 0;
    if (keys == 2)
        count = 1;
    QStringList marks;
    for (size_t i = 0; i < cols.size(); ++i)
        marks << QStringLiteral("?");
    data::Query q(c);
    for (int r = firstRow; r < firstRow + count; ++r) {
        q.setSql(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" VALUES(") + marks.join(QLatin1Char(',')) + QLatin1Char(')'));
        for (size_t i = 0; i < cols.size(); ++i) {
            const int pos = int(i) + 1;
            const Col& col = cols[i];
            if (col.name == QStringLiteral("KCO"))
                q.bindInt(pos, kco);
            else if (col.name == QStringLiteral("NENDO"))
                q.bindInt(pos, year);
            else if (col.type == QStringLiteral("TEXT"))
                q.bindText(pos, QStringLiteral("値%1の%2").arg(r).arg(i));
            else if (col.type == QStringLiteral("REAL"))
                q.bindReal(pos, 1000.0 * r + double(i));   // whole: some are held as whole numbers
            else
                q.bindInt(pos, 1000 * r + qint64(i));
        }
        ASSERT_GE(q.exec(), 0) << s(table) << " " << s(c.errors().empty() ? QString() : c.errors().front().description);
    }
}

inline data::TKigyo1_ registry(int kco, int year, const QString& name)
{
    data::TKigyo1_ r;
    r.KCO = QString::number(kco);
    r.NENDO = QString::number(year);
    r.KNA = name;
    r.PATH = QString();
    r.SDATE = QStringLiteral("20190401");
    r.FNK = QStringLiteral("0");
    r.KDATE = QStringLiteral("20090401");
    r.REKI = QStringLiteral("1");
    r.SYOTEIHH = QStringLiteral("8");
    r.SYOTEIDD = QStringLiteral("20");
    r.SYOTEIMM = QStringLiteral("160");
    r.SAITEI = QStringLiteral("1013");
    return r;
}

// An employee of company kco in year with plausible values; the cases change what they are about.
inline data::TSyain_ employee(int kco, int year, int sco)
{
    data::TSyain_ e;
    e.KCO = QString::number(kco);
    e.SCO = QString::number(sco);
    e.NENDO = QString::number(year);
    e.SCOT = QStringLiteral("E%1").arg(sco, 4, 10, QLatin1Char('0'));
    e.SNA = QStringLiteral("社員　%1").arg(sco);
    e.SEIHI = 19800401;
    e.NYUHI = 20030401;
    e.SKCO = 1;
    e.TCO = 2;
    e.TRITSU = 95.5;
    e.SYOUYO = 600000;
    e.MCO = 1;
    e.SEIBETSU = 1;
    e.TOUKYU = 2;
    e.GOUHOU = 10;
    e.SM1 = 1;
    e.SPATH = QStringLiteral("p%1.jpg").arg(sco);
    e.KKYU1 = 200000;
    e.TEATE1 = 10000;
    e.NKKYU1 = 200000;
    e.NTEATE1 = 10000;
    e.SYOUYO2 = 700000;
    e.SYOTEI = 210000;
    e.NEWDAY1 = QStringLiteral("2019-04-01 09:00:00");
    return e;
}

// The small company of these tests: companies 1 and 2 registered for 2019 (and company 1 for 2018)
// in the control database; in the database of 2019 rows of every table for each (company 1 twice
// where the key allows), cost-of-living rows of both companies, evaluations "S" (code 1) and "A"
// (code 2) of wage table 1, and the employees given. ACN2 stays on 2019.
inline void buildCompany(TestHome& home, const std::vector<data::TSyain_>& employees)
{
    data::TFDM& dm = home.dm();
    dm.state.AgeByToday = 1;
    for (data::TKigyo1_ r : {registry(1, 2019, QStringLiteral("甲製作所")), registry(2, 2019, QStringLiteral("乙商店")),
                             registry(1, 2018, QStringLiteral("甲製作所"))})
        ASSERT_TRUE(data::Insert(dm.ACN1, dm.Query1, true, r));
    ASSERT_TRUE(home.openYear(2019));
    data::Transaction tx(dm.ACN2);
    QStringList tables = copiedTables();
    tables << QStringLiteral("MSEIKEI") << QStringLiteral("DCHINGIN");
    for (const QString& t : tables) {
        inventRows(dm.ACN2, t, 1, 2019, 1, 2);
        inventRows(dm.ACN2, t, 2, 2019, 3, 1);
        inventRows(dm.ACN2, t, 1, 2018, 4, 1);
    }
    for (auto [code, symbol] : {std::pair{1, "S"}, std::pair{2, "A"}}) {
        data::TMHYOUKA_ h;
        h.KCO = QStringLiteral("1");
        h.NENDO = QStringLiteral("2019");
        h.SKCO = QStringLiteral("1");
        h.HCO = QString::number(code);
        h.HKIGOU = QString::fromUtf8(symbol);
        h.SGOUSU = QString::number(7 - code);
        ASSERT_TRUE(data::Insert(dm.ACN2, dm.Query22, false, h));
    }
    for (data::TSyain_ e : employees)
        ASSERT_TRUE(data::InsertSyain(dm.ACN2, dm.Query22, e));
    ASSERT_TRUE(tx.commit());
}

} // namespace fixture
