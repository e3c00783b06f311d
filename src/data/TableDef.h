#pragma once
// A table described once: its name, its columns in physical order with their type and whether they
// are part of the key, and where each column lives in the row record. The generic operations of
// DbAccess.h and the schema are derived from these descriptions; no table has hand-written SQL for
// its inserts, updates or deletes.

#include <QString>
#include <variant>
#include <vector>

namespace data {

// Status fields that begin every row and set record: the outcome of the last operation on it.
struct dbstatus_rec {
    bool ok = false;
    QString message;   // the error text after a failure
    int rows = 0;      // rows read, or rows changed (-1 after a failed write)
};

// A set record: the status of the read and the rows read, in the order returned.
template <class R>
struct RecSet : dbstatus_rec {
    std::vector<R> items;
};

// Column types as the tables define them: text, num (a number held as text), int, real.
enum class ColType { Text, Num, Int, Real };

enum class ReadRule {
    Plain,
    ZeroIfEmpty,   // an empty or null value reads as "0"
    RoundInt,      // read through the integer conversion (halves to even), held as floating point
};

template <class R>
using FieldPtr = std::variant<QString R::*, qint64 R::*, double R::*>;

template <class R>
struct ColumnDef {
    const char* name;          // UTF-8 column name
    ColType type;
    bool key = false;          // part of the default WHERE condition
    FieldPtr<R> field;
    int group = 0;             // 0: a table column; n > 0: a view column read only with group n
    ReadRule rule = ReadRule::Plain;
};

template <class R>
struct TableDef {
    QString name;
    std::vector<ColumnDef<R>> columns;
    QString primaryKey;        // column list of the declared primary key, empty for none
    bool updateKeys = true;    // whether an update sets the key columns too
    std::vector<QString> names;

    TableDef(QString tableName, std::vector<ColumnDef<R>> cols, QString pk = {}, bool updKeys = true)
        : name(std::move(tableName)), columns(std::move(cols)), primaryKey(std::move(pk)), updateKeys(updKeys)
    {
        names.reserve(columns.size());
        for (const auto& c : columns)
            names.push_back(QString::fromUtf8(c.name));
    }
    // The same columns under another table name (the default marks and pens of the control database).
    TableDef renamed(QString other) const
    {
        TableDef t = *this;
        t.name = std::move(other);
        return t;
    }
};

// Schema text of one table: CREATE TABLE with the columns of group 0.
template <class R>
QString createTableSql(const TableDef<R>& t)
{
    QString sql = QStringLiteral("CREATE TABLE \"") + t.name + QStringLiteral("\" (");
    bool first = true;
    for (size_t i = 0; i < t.columns.size(); ++i) {
        if (t.columns[i].group != 0)
            continue;
        if (!first)
            sql += QStringLiteral(", ");
        first = false;
        sql += QLatin1Char('"') + t.names[i] + QLatin1Char('"');
        switch (t.columns[i].type) {
        case ColType::Text: sql += QStringLiteral(" TEXT"); break;
        case ColType::Num: sql += QStringLiteral(" NUMERIC"); break;
        case ColType::Int: sql += QStringLiteral(" INTEGER"); break;
        case ColType::Real: sql += QStringLiteral(" REAL"); break;
        }
    }
    if (!t.primaryKey.isEmpty())
        sql += QStringLiteral(", PRIMARY KEY (") + t.primaryKey + QLatin1Char(')');
    sql += QLatin1Char(')');
    return sql;
}

} // namespace data
