#pragma once
// The data module: the three connections of the process with their queries, the application state,
// and the operations that open databases and run single statements with the program's messages.
//
// ACN1 is the control database (SEIGYO.MDB), ACN2 the database of the open fiscal year, ACN3 the
// database of the following year (annual update only). One data module is current at a time; the
// program makes one at start, each test makes its own on a temporary program folder.

#include "data/AppState.h"
#include "data/Engine.h"

#include <QString>

namespace data {

class TFDM {
public:
    explicit TFDM(const QString& programDir);
    ~TFDM();
    TFDM(const TFDM&) = delete;
    TFDM& operator=(const TFDM&) = delete;

    static TFDM& current();
    static bool hasCurrent();

    AppState state;

    Connection ACN1;
    Connection ACN2;
    Connection ACN3;
    Query Query1{ACN1};
    Query Query21{ACN2};
    Query Query22{ACN2};
    Query Query31{ACN3};

    // Paths of the databases.
    QString controlDatabasePath() const { return state.DataDir + QStringLiteral("SEIGYO.MDB"); }
    QString templatePath() const { return state.DataDir + QStringLiteral("DATA.MDB"); }
    QString yearDatabasePath(int year) const
    {
        return state.DataDir + QString::number(year) + QStringLiteral("/DATA.MDB");
    }

    // Closes the connection if open and opens path; a failure shows
    // "データベースのオープンでエラーが発生しました。　" + path and leaves it closed.
    void OpenDatabase(Connection& c, const QString& path);
    // Opens path, creating its folder (one level) and copying the template into it when allowed;
    // never overwrites a file. False after the message of the failing step.
    bool OpenOrCreateDatabase(Connection& c, const QString& path, const QString& templatePath, bool mayCreate);
    // Runs one statement: kind 'S' opens it (the caller walks the rows), 'E' executes it, any other
    // kind only sets the text. A failure shows the overflow or the general SQL message; nothing more.
    void RunSql(Query& q, const QString& sql, QChar kind);

private:
    TFDM* previous_ = nullptr;
};

} // namespace data
