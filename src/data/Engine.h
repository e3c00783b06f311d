#pragma once
// The database engine: the only code that touches sqlite3 handles. One Connection per database
// file (several files can be ATTACHed to one connection so that they commit together); a Query is
// one statement on a connection, read forward-only. Everything runs on the user-interface thread.
//
// Failures never throw: they return false (or -1) and leave an entry in the connection's error
// list, whose first entry gives the state (the engine's result-code name, e.g. "SQLITE_CONSTRAINT")
// and the engine's description.

#include <QString>
#include <QVariant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace data {

class Query;

struct DbError {
    QString state;        // result-code name, e.g. "SQLITE_CONSTRAINT"
    QString description;  // the engine's message
};

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // The file this connection opens (the connection text of the original program).
    void setDatabase(const QString& path) { path_ = path; }
    const QString& database() const { return path_; }

    // Opens an existing database file read-write; a missing, damaged or non-database file fails.
    // With create, a missing file is made (an empty database).
    bool open(bool create = false);
    void close();
    bool isOpen() const { return db_ != nullptr; }

    // Transactions nest: the outermost level is BEGIN/COMMIT, inner levels are savepoints, so an
    // inner rollback undoes only its own work and the outer level still decides.
    bool beginTrans();
    bool commitTrans();
    void rollbackTrans();
    int transactionDepth() const { return depth_; }

    // Runs statements that return no rows (PRAGMA, ATTACH, DDL); false with an error entry on failure.
    bool executeRaw(const QString& sql);
    // Rows changed by the last write statement on this connection.
    qint64 changes() const;

    const std::vector<DbError>& errors() const { return errors_; }
    void clearErrors() { errors_.clear(); }
    void addError(const QString& state, const QString& description);
    void addEngineError(int code);   // from the handle's current message

    sqlite3* handle() const { return db_; }

private:
    friend class Query;
    void registerQuery(Query* q);
    void unregisterQuery(Query* q);
    void finalizeQueries();

    QString path_;
    sqlite3* db_ = nullptr;
    int depth_ = 0;
    std::vector<DbError> errors_;
    std::vector<Query*> queries_;
};

// A statement on a connection. setSql() keeps the prepared statement when the text is unchanged,
// so a loop of inserts prepares once. Values are bound by position (1-based), never pasted in.
class Query {
public:
    explicit Query(Connection& c);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Connection& connection() const { return *conn_; }

    void setSql(const QString& sql);
    const QString& sql() const { return sql_; }

    void bindNull(int i);
    void bindInt(int i, qint64 v);
    void bindReal(int i, double v);
    void bindText(int i, const QString& v);

    // Runs a row-returning statement and stands on the first row (eof() when there is none).
    bool open();
    bool eof() const { return eof_; }
    // Moves to the next row; false on an engine error (eof() then stays false).
    bool next();
    // Runs a statement that returns no rows; the affected-row count, or -1 on failure.
    qint64 exec();
    // Ends the statement (the prepared form is kept for the next run of the same text).
    void close();
    bool isActive() const { return active_; }

    int columnCount() const;
    QString columnName(int i) const;
    // Position of a column by name, ignoring case; -1 when the result has no such column.
    int columnIndex(const QString& name) const;

    // Values of the current row. value() is null-aware (a null column gives a null QVariant).
    QVariant value(int i) const;
    QVariant value(const QString& name) const;
    bool isNull(int i) const;
    int storageType(int i) const;   // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB, SQLITE_NULL
    qint64 intValue(int i) const;
    double realValue(int i) const;
    QString textValue(int i) const;

private:
    friend class Connection;
    bool prepare();
    void finalize();

    Connection* conn_;
    QString sql_;
    sqlite3_stmt* stmt_ = nullptr;
    bool active_ = false;
    bool eof_ = true;
};

// RAII transaction: rolls back unless committed. Nested uses become savepoints.
class Transaction {
public:
    explicit Transaction(Connection& c) : c_(c) { active_ = c_.beginTrans(); }
    ~Transaction() { if (active_) c_.rollbackTrans(); }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    bool started() const { return active_; }
    bool commit() { if (!active_) return false; active_ = false; return c_.commitTrans(); }
    void rollback() { if (active_) { active_ = false; c_.rollbackTrans(); } }
private:
    Connection& c_;
    bool active_ = false;
};

// Another database file attached to a connection under an alias for the length of a scope, in
// rollback-journal mode: a transaction that writes to several attached files then commits on all of
// them or on none. Detached again when the scope ends.
class AttachedDatabase {
public:
    AttachedDatabase(Connection& c, const QString& path, const QString& alias);
    ~AttachedDatabase();
    AttachedDatabase(const AttachedDatabase&) = delete;
    AttachedDatabase& operator=(const AttachedDatabase&) = delete;
    bool attached() const { return attached_; }

private:
    Connection& c_;
    QString alias_;
    bool attached_ = false;
};

// The name of an engine result code ("SQLITE_BUSY", ...).
QString resultCodeName(int code);

// Rebuilds a closed database file into a new file (which must not exist) and checks the copy's
// integrity. False with the engine's message in *error on failure; the destination is then removed.
bool compactDatabase(const QString& source, const QString& destination, DbError* error);

// True when the file is an SQLite database that passes the engine's integrity check.
bool checkIntegrity(const QString& path, DbError* error);

} // namespace data
