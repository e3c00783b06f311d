#include "data/DbAccess.h"

#include "data/DataModule.h"

namespace data::detail {

bool bindTextColumn(Query& q, int pos, ColType type, const QString& value, const QString& column, QString* error)
{
    if (type == ColType::Text) {
        q.bindText(pos, value);
        return true;
    }
    if (type != ColType::Real) {
        bool ok = false;
        const qint64 n = value.trimmed().toLongLong(&ok);
        if (ok) {
            q.bindInt(pos, n);
            return true;
        }
    }
    if (auto d = parseRealText(value)) {
        q.bindReal(pos, *d);
        return true;
    }
    *error = QStringLiteral("列 ") + column + QStringLiteral(" に数値でない値 '") + value + QStringLiteral("' が指定されました。");
    return false;
}

QString displayValue(ColType type, const QString& v)
{
    if (type == ColType::Text) {
        QString q = v;
        q.replace(QLatin1Char('\''), QStringLiteral("''"));
        return QLatin1Char('\'') + q + QLatin1Char('\'');
    }
    return v;
}

QString displayValue(qint64 v) { return QString::number(v); }
QString displayValue(double v) { return realText(v); }

void failOperation(Connection& c, bool write, const QString& statement, const QString& conversionError,
                   dbstatus_rec& status)
{
    QString text = conversionError.isEmpty() ? DbErrorText(c)
                                              : QStringLiteral("SQLITE_MISMATCH ") + conversionError;
    if (write && !statement.isEmpty())
        text += QLatin1Char(' ') + statement;
    ShowDbError(text);
    status.ok = false;
    status.message = text;
    if (write)
        status.rows = -1;
}

void succeedOperation(dbstatus_rec& status, int rows)
{
    status.ok = true;
    status.message.clear();
    status.rows = rows;
}

int currentAgeReference()
{
    if (!TFDM::hasCurrent())
        return 0;
    const AppState& s = TFDM::current().state;
    if (s.AgeByToday != 0) {
        const QDate t = s.fixedToday.isValid() ? s.fixedToday : QDate::currentDate();
        return t.year() * 10000 + t.month() * 100 + t.day();
    }
    return s.AgeReferenceDate;
}

} // namespace data::detail

namespace data {

bool FetchOrCreate(Connection& c, Query& q, bool trans, TChart_& row)
{
    // The key values are numbers the program holds; they are bound, not pasted.
    const QString where = QStringLiteral(" WHERE NENDO = ?   AND KCO   = ?   AND CHCO  = ?   AND KNO   = ?");
    TChart_ found = row;
    {
        c.clearErrors();
        q.setSql(QStringLiteral("SELECT * FROM MCHART") + where);
        QString err;
        const auto& t = TChart_::table();
        auto bindNum = [&](int pos, const QString& v, const char* name) {
            return detail::bindTextColumn(q, pos, ColType::Num, v, QString::fromUtf8(name), &err);
        };
        bool good = bindNum(1, row.NENDO, "NENDO") && bindNum(2, row.KCO, "KCO") && bindNum(3, row.CHCO, "CHCO");
        if (good)
            q.bindInt(4, row.KNO);
        std::vector<int> pos;
        bool have = false;
        if (good)
            good = q.open();
        if (good && !q.eof()) {
            good = detail::resolveColumns(q, t, 0, pos, &err) && detail::readRow(q, t, pos, found, &err);
            have = good;
        }
        q.close();
        if (!good) {
            detail::failOperation(c, false, QString(), err, row);
            return false;
        }
        if (have) {
            static_cast<TChart_&>(row) = found;
            detail::succeedOperation(row, 1);
            return true;
        }
    }
    row.FCHK = QStringLiteral("000000000");
    row.TOUKYU = QStringLiteral("000000000");
    row.TITLE.clear();
    row.KAISETSU.clear();
    row.FX = QStringLiteral("0");
    row.FY = QStringLiteral("0");
    row.MARKR = row.X1 = row.X2 = 0;
    row.Y1 = row.Y2 = 0;
    row.FKINJI = row.CGRAPH = 0;
    row.SJYUN1 = row.SJYUN2 = row.SJYUN3 = row.SJYUN4 = 0;
    row.TOUKYU1 = row.MIBUN = row.SKCO = 0;
    return Insert(c, q, trans, row);
}

namespace {

enum class SyainOp { Insert, Update, Delete };

bool runSyain(Connection& c, Query& q, SyainOp op, const QString& where, TSyain_& row)
{
    Transaction tx(c);
    if (!tx.started()) {
        detail::failOperation(c, true, QString(), QString(), row);
        return false;
    }
    int first = 0;
    for (const TableDef<TSyain_>* t : {&TSyain_::msyain1(), &TSyain_::msyain2()}) {
        bool good = false;
        switch (op) {
        case SyainOp::Insert: good = Insert(c, q, false, row, *t); break;
        case SyainOp::Update: good = Update(c, q, false, where, row, *t); break;
        case SyainOp::Delete: good = Delete(c, q, false, where, row, *t); break;
        }
        if (!good)
            return false;   // the failing step showed its error; the transaction rolls back
        if (t == &TSyain_::msyain1())
            first = row.rows;
    }
    if (!tx.commit()) {
        detail::failOperation(c, true, QString(), QString(), row);
        return false;
    }
    // An employee whose second part is missing still counts as found through the first.
    row.rows = std::max(first, row.rows);
    return true;
}

} // namespace

bool InsertSyain(Connection& c, Query& q, TSyain_& row) { return runSyain(c, q, SyainOp::Insert, QString(), row); }
bool UpdateSyain(Connection& c, Query& q, const QString& where, TSyain_& row)
{
    return runSyain(c, q, SyainOp::Update, where, row);
}
bool DeleteSyain(Connection& c, Query& q, const QString& where, TSyain_& row)
{
    return runSyain(c, q, SyainOp::Delete, where, row);
}

} // namespace data
