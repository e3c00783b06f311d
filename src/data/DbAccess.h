#pragma once
// The table access layer: Insert, Update, Delete, Select, Selects, Save and Fetch-or-create for every
// table, as one generic engine driven by the table descriptions of Records.h.
//
// Contract of every operation: true on success. On a database error the error text (state +
// description, plus the statement for inserts and updates) is shown once in the database error box,
// the record gets ok = false and the text in message, writes get rows = -1, and the result is false;
// nothing propagates. With the transaction flag the operation runs in its own transaction (a savepoint
// when the caller already holds one) and is rolled back on failure.
//
// Values of inserts and updates are bound, never pasted into the SQL text. A num or int column held as
// text must hold a number: an empty or non-numeric text fails like an engine error and stores nothing.
// WHERE texts come from the caller, built only from numbers the program holds; an empty WHERE text
// means "the key columns of the row" (bound as well).

#include "data/Common.h"
#include "data/Engine.h"
#include "data/Records.h"

#include <QString>
#include <optional>
#include <type_traits>

namespace data {

namespace detail {

struct StatementText {
    QString sql;        // what runs, with ? for values
    QString display;    // the same with the values written out, for error messages
};

// Binds one value; false with *error set when a numeric column holds no number.
bool bindTextColumn(Query& q, int pos, ColType type, const QString& value, const QString& column, QString* error);
QString displayValue(ColType type, const QString& v);
QString displayValue(qint64 v);
QString displayValue(double v);

// The error path shared by every operation: compose, roll back, show, and fill the status fields.
void failOperation(Connection& c, bool write, const QString& statement, const QString& conversionError,
                   dbstatus_rec& status);
void succeedOperation(dbstatus_rec& status, int rows);

// The reference date of ages: today or the open company's reference date.
int currentAgeReference();

template <class R>
bool bindColumn(Query& q, int pos, const ColumnDef<R>& c, const QString& name, const R& row, QString* display,
                QString* error)
{
    if (auto m = std::get_if<QString R::*>(&c.field)) {
        const QString& v = row.*(*m);
        if (display)
            *display += displayValue(c.type, v);
        return bindTextColumn(q, pos, c.type, v, name, error);
    }
    if (auto m = std::get_if<qint64 R::*>(&c.field)) {
        q.bindInt(pos, row.*(*m));
        if (display)
            *display += displayValue(row.*(*m));
        return true;
    }
    const double v = row.*(std::get<double R::*>(c.field));
    q.bindReal(pos, v);
    if (display)
        *display += displayValue(v);
    return true;
}

// " where K1 = ?  and  K2 = ?" for the key columns; binds them starting at firstPos.
template <class R>
QString keyWhere(const TableDef<R>& t)
{
    QString w;
    for (size_t i = 0; i < t.columns.size(); ++i) {
        if (!t.columns[i].key || t.columns[i].group != 0)
            continue;
        w += (w.isEmpty() ? QStringLiteral(" where ") : QStringLiteral("  and  ")) + t.names[i] + QStringLiteral(" = ?");
    }
    return w;
}

template <class R>
bool bindKeys(Query& q, int firstPos, const TableDef<R>& t, const R& row, QString* display, QString* error)
{
    int pos = firstPos;
    for (size_t i = 0; i < t.columns.size(); ++i) {
        if (!t.columns[i].key || t.columns[i].group != 0)
            continue;
        QString shown;
        if (!bindColumn(q, pos++, t.columns[i], t.names[i], row, &shown, error))
            return false;
        if (display)
            display->replace(display->indexOf(QLatin1Char('?')), 1, shown);
    }
    return true;
}

// Reads the current row of q into r through the resolved column positions.
template <class R>
bool readRow(const Query& q, const TableDef<R>& t, const std::vector<int>& pos, R& r, QString* error)
{
    for (size_t i = 0; i < t.columns.size(); ++i) {
        const int p = pos[i];
        if (p < 0)
            continue;
        const ColumnDef<R>& c = t.columns[i];
        const int st = q.storageType(p);
        if (auto m = std::get_if<QString R::*>(&c.field)) {
            QString v;
            if (st == 1 /*INTEGER*/)
                v = QString::number(q.intValue(p));
            else if (st == 2 /*FLOAT*/)
                v = c.rule == ReadRule::RoundInt ? QString::number(qint64(roundHalfEven(q.realValue(p))))
                                                 : realText(q.realValue(p));
            else if (st != 5 /*NULL*/)
                v = q.textValue(p);
            if (c.rule == ReadRule::ZeroIfEmpty && v.isEmpty())
                v = QStringLiteral("0");
            r.*(*m) = std::move(v);
        } else if (auto m = std::get_if<qint64 R::*>(&c.field)) {
            if (st == 1)
                r.*(*m) = q.intValue(p);
            else if (st == 5)
                r.*(*m) = 0;
            else {
                auto v = VariantToInt(q.value(p));
                if (!v) {
                    *error = QStringLiteral("列 ") + t.names[i] + QStringLiteral(" の値 '") + q.textValue(p)
                        + QStringLiteral("' を整数に変換できません。");
                    return false;
                }
                r.*(*m) = *v;
            }
        } else {
            double d = 0;
            if (st == 1 || st == 2)
                d = q.realValue(p);
            else if (st != 5) {
                auto v = VariantToFloat(q.value(p));
                if (!v) {
                    *error = QStringLiteral("列 ") + t.names[i] + QStringLiteral(" の値 '") + q.textValue(p)
                        + QStringLiteral("' を数値に変換できません。");
                    return false;
                }
                d = *v;
            }
            r.*(std::get<double R::*>(c.field)) = c.rule == ReadRule::RoundInt ? roundHalfEven(d) : d;
        }
    }
    return true;
}

template <class R>
unsigned groupsOf(const QString& select)
{
    if constexpr (requires { R::viewGroups(select); })
        return R::viewGroups(select);
    else
        return 0;
}

// Resolves, once per statement, where each column of the record stands in the result.
template <class R>
bool resolveColumns(const Query& q, const TableDef<R>& t, unsigned groups, std::vector<int>& pos, QString* error)
{
    pos.assign(t.columns.size(), -1);
    for (size_t i = 0; i < t.columns.size(); ++i) {
        const int g = t.columns[i].group;
        if (g != 0 && !(groups & (1u << g)))
            continue;
        pos[i] = q.columnIndex(t.names[i]);
        if (pos[i] < 0) {
            *error = QStringLiteral("列 ") + t.names[i] + QStringLiteral(" が見つかりません。");
            return false;
        }
    }
    return true;
}

template <class R>
void afterRead(R& r, unsigned groups, int reference)
{
    if constexpr (requires { R::afterRead(r, groups, reference); })
        R::afterRead(r, groups, reference);
}

} // namespace detail

// Insert(row): "Insert into T Values(...)" in column order.
template <class R>
bool Insert(Connection& c, Query& q, bool trans, R& row, const TableDef<R>& t = R::table())
{
    row.rows = 0;
    c.clearErrors();
    QString sql = QStringLiteral("Insert into ") + t.name + QStringLiteral(" Values(");
    QString display = sql;
    int n = 0;
    for (const auto& col : t.columns)
        if (col.group == 0)
            sql += (n++ ? QStringLiteral(",?") : QStringLiteral("?"));
    sql += QLatin1Char(')');
    std::optional<Transaction> tx;
    if (trans && !tx.emplace(c).started()) {
        detail::failOperation(c, true, display, QString(), row);
        return false;
    }
    q.setSql(sql);
    QString convError;
    int pos = 1;
    for (size_t i = 0; i < t.columns.size(); ++i) {
        if (t.columns[i].group != 0)
            continue;
        if (pos > 1)
            display += QLatin1Char(',');
        if (!detail::bindColumn(q, pos++, t.columns[i], t.names[i], row, &display, &convError))
            break;
    }
    display += QLatin1Char(')');
    qint64 changed = -1;
    if (convError.isEmpty())
        changed = q.exec();
    if (changed < 0 || (tx && !tx->commit())) {
        q.close();
        tx.reset();
        detail::failOperation(c, true, display, convError, row);
        return false;
    }
    detail::succeedOperation(row, int(changed));
    return true;
}

// Update(where, row): every column (keys included unless the table says otherwise) then the WHERE text.
template <class R>
bool Update(Connection& c, Query& q, bool trans, const QString& where, R& row, const TableDef<R>& t = R::table())
{
    row.rows = 0;
    c.clearErrors();
    QString sql = QStringLiteral("update ") + t.name + QStringLiteral(" set ");
    QString display = sql;
    std::vector<size_t> cols;
    for (size_t i = 0; i < t.columns.size(); ++i) {
        if (t.columns[i].group != 0 || (!t.updateKeys && t.columns[i].key))
            continue;
        if (!cols.empty())
            sql += QLatin1Char(',');
        sql += t.names[i] + QStringLiteral(" = ?");
        cols.push_back(i);
    }
    const QString w = where.isEmpty() ? detail::keyWhere(t) : where;
    sql += w;
    std::optional<Transaction> tx;
    if (trans && !tx.emplace(c).started()) {
        detail::failOperation(c, true, display, QString(), row);
        return false;
    }
    q.setSql(sql);
    QString convError;
    int pos = 1;
    for (size_t i : cols) {
        if (pos > 1)
            display += QLatin1Char(',');
        display += t.names[i] + QStringLiteral(" = ");
        if (!detail::bindColumn(q, pos++, t.columns[i], t.names[i], row, &display, &convError))
            break;
    }
    QString wDisplay = w;
    if (convError.isEmpty() && where.isEmpty())
        detail::bindKeys(q, pos, t, row, &wDisplay, &convError);
    display += wDisplay;
    qint64 changed = -1;
    if (convError.isEmpty())
        changed = q.exec();
    if (changed < 0 || (tx && !tx->commit())) {
        q.close();
        tx.reset();
        detail::failOperation(c, true, display, convError, row);
        return false;
    }
    detail::succeedOperation(row, int(changed));
    return true;
}

// Delete(where, row): "DELETE from T " + WHERE text.
template <class R>
bool Delete(Connection& c, Query& q, bool trans, const QString& where, R& row, const TableDef<R>& t = R::table())
{
    row.rows = 0;
    c.clearErrors();
    const QString w = where.isEmpty() ? detail::keyWhere(t) : where;
    const QString sql = QStringLiteral("DELETE from ") + t.name + QLatin1Char(' ') + w;
    QString display = sql;
    std::optional<Transaction> tx;
    if (trans && !tx.emplace(c).started()) {
        detail::failOperation(c, true, display, QString(), row);
        return false;
    }
    q.setSql(sql);
    QString convError;
    if (where.isEmpty())
        detail::bindKeys(q, 1, t, row, &display, &convError);
    qint64 changed = -1;
    if (convError.isEmpty())
        changed = q.exec();
    if (changed < 0 || (tx && !tx->commit())) {
        q.close();
        // Deletes show only the engine's text, as reads do.
        detail::failOperation(c, false, QString(), convError, row);
        row.rows = -1;
        return false;
    }
    detail::succeedOperation(row, int(changed));
    return true;
}

namespace detail {

// Runs a read and hands each row to sink(row) until it returns false. The common part of Select and Selects.
template <class R, class Sink>
bool runRead(Connection& c, Query& q, bool trans, const QString& select, const QString& where, const R* keysFrom,
             dbstatus_rec& status, Sink sink)
{
    const TableDef<R>& t = R::table();
    c.clearErrors();
    const unsigned groups = groupsOf<R>(select);
    const int reference = currentAgeReference();
    std::optional<Transaction> tx;
    if (trans && !tx.emplace(c).started()) {
        failOperation(c, false, QString(), QString(), status);
        return false;
    }
    QString w = where;
    if (w.isEmpty() && keysFrom) {
        const TableDef<R>& writeTable = [&]() -> const TableDef<R>& {
            if constexpr (requires { R::msyain1(); })
                return R::msyain1();
            else
                return t;
        }();
        w = keyWhere(writeTable);
        q.setSql(select + w);
        QString err;
        if (!bindKeys(q, 1, writeTable, *keysFrom, nullptr, &err)) {
            failOperation(c, false, QString(), err, status);
            return false;
        }
    } else {
        q.setSql(select + w);
    }
    QString error;
    std::vector<int> pos;
    bool good = q.open();
    if (good && !q.eof())
        good = resolveColumns(q, t, groups, pos, &error);
    while (good && !q.eof()) {
        R r;
        if (!readRow(q, t, pos, r, &error)) {
            good = false;
            break;
        }
        afterRead(r, groups, reference);
        if (!sink(std::move(r)))
            break;
        good = q.next();
    }
    q.close();
    if (!good || (tx && !tx->commit())) {
        tx.reset();
        failOperation(c, false, QString(), error, status);
        return false;
    }
    return true;
}

} // namespace detail

// Select(select, where, row): the first row of SELECT + WHERE into row; ok = false, rows = 0 (and a true
// result) when nothing was found. An empty WHERE text selects by the key columns of the row.
template <class R>
bool Select(Connection& c, Query& q, bool trans, const QString& select, const QString& where, R& row)
{
    row.ok = false;
    row.rows = 0;
    const R keys = row;
    bool found = false;
    const bool good = detail::runRead<R>(c, q, trans, select, where, where.isEmpty() ? &keys : nullptr, row,
                                         [&](R&& r) {
                                             static_cast<R&>(row) = std::move(r);
                                             found = true;
                                             return false;
                                         });
    if (!good)
        return false;
    row.ok = found;
    row.message.clear();
    row.rows = found ? 1 : 0;
    return true;
}

// Selects(select, where, set): every row of SELECT + WHERE, in order. An empty WHERE runs SELECT alone.
template <class R>
bool Selects(Connection& c, Query& q, bool trans, const QString& select, const QString& where, RecSet<R>& set)
{
    set.ok = false;
    set.rows = 0;
    set.items.clear();
    const bool good = detail::runRead<R>(c, q, trans, select, where, nullptr, set, [&](R&& r) {
        set.items.push_back(std::move(r));
        return true;
    });
    if (!good)
        return false;
    set.ok = true;
    set.message.clear();
    set.rows = int(set.items.size());
    return true;
}

// SelectEach(select, where, sink): every row of SELECT + WHERE handed to sink(R&&) as it is read,
// without keeping them; sink returns false to stop early. For reads too large to hold at once.
template <class R, class Sink>
bool SelectEach(Connection& c, Query& q, bool trans, const QString& select, const QString& where, dbstatus_rec& status,
                Sink sink)
{
    status.ok = false;
    status.rows = 0;
    int count = 0;
    const bool good = detail::runRead<R>(c, q, trans, select, where, nullptr, status, [&](R&& r) {
        ++count;
        return sink(std::move(r));
    });
    if (!good)
        return false;
    status.ok = true;
    status.message.clear();
    status.rows = count;
    return true;
}

// Save(where, row): Update, and Insert when the update changed no row.
template <class R>
bool Save(Connection& c, Query& q, bool trans, const QString& where, R& row, const TableDef<R>& t = R::table())
{
    std::optional<Transaction> tx;
    if (trans && !tx.emplace(c).started()) {
        detail::failOperation(c, true, QString(), QString(), row);
        return false;
    }
    if (!Update(c, q, false, where, row, t))
        return false;
    if (row.rows < 1 && !Insert(c, q, false, row, t))
        return false;
    if (tx && !tx->commit()) {
        detail::failOperation(c, true, QString(), QString(), row);
        return false;
    }
    return true;
}

// MCHART: the row of (NENDO, KCO, CHCO, KNO) of the given row, created with defaults when missing.
bool FetchOrCreate(Connection& c, Query& q, bool trans, TChart_& row);

// Employees: MSYAIN1 and MSYAIN2 written together in one transaction, both or neither.
bool InsertSyain(Connection& c, Query& q, TSyain_& row);
bool UpdateSyain(Connection& c, Query& q, const QString& where, TSyain_& row);
bool DeleteSyain(Connection& c, Query& q, const QString& where, TSyain_& row);

} // namespace data
