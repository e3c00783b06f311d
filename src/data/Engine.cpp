#include "data/Engine.h"

#include <QFile>
#include <algorithm>
#include <sqlite3.h>

namespace data {

QString resultCodeName(int code)
{
    switch (code & 0xff) {
    case SQLITE_OK: return QStringLiteral("SQLITE_OK");
    case SQLITE_ERROR: return QStringLiteral("SQLITE_ERROR");
    case SQLITE_INTERNAL: return QStringLiteral("SQLITE_INTERNAL");
    case SQLITE_PERM: return QStringLiteral("SQLITE_PERM");
    case SQLITE_ABORT: return QStringLiteral("SQLITE_ABORT");
    case SQLITE_BUSY: return QStringLiteral("SQLITE_BUSY");
    case SQLITE_LOCKED: return QStringLiteral("SQLITE_LOCKED");
    case SQLITE_NOMEM: return QStringLiteral("SQLITE_NOMEM");
    case SQLITE_READONLY: return QStringLiteral("SQLITE_READONLY");
    case SQLITE_INTERRUPT: return QStringLiteral("SQLITE_INTERRUPT");
    case SQLITE_IOERR: return QStringLiteral("SQLITE_IOERR");
    case SQLITE_CORRUPT: return QStringLiteral("SQLITE_CORRUPT");
    case SQLITE_NOTFOUND: return QStringLiteral("SQLITE_NOTFOUND");
    case SQLITE_FULL: return QStringLiteral("SQLITE_FULL");
    case SQLITE_CANTOPEN: return QStringLiteral("SQLITE_CANTOPEN");
    case SQLITE_PROTOCOL: return QStringLiteral("SQLITE_PROTOCOL");
    case SQLITE_SCHEMA: return QStringLiteral("SQLITE_SCHEMA");
    case SQLITE_TOOBIG: return QStringLiteral("SQLITE_TOOBIG");
    case SQLITE_CONSTRAINT: return QStringLiteral("SQLITE_CONSTRAINT");
    case SQLITE_MISMATCH: return QStringLiteral("SQLITE_MISMATCH");
    case SQLITE_MISUSE: return QStringLiteral("SQLITE_MISUSE");
    case SQLITE_RANGE: return QStringLiteral("SQLITE_RANGE");
    case SQLITE_NOTADB: return QStringLiteral("SQLITE_NOTADB");
    default: return QStringLiteral("SQLITE_%1").arg(code);
    }
}

// ---------------------------------------------------------------- Connection

Connection::~Connection() { close(); }

void Connection::addError(const QString& state, const QString& description)
{
    errors_.insert(errors_.begin(), DbError{state, description});
}

void Connection::addEngineError(int code)
{
    QString msg = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(code));
    addError(resultCodeName(code), msg);
}

bool Connection::open(bool create)
{
    if (db_)
        return true;
    errors_.clear();
    depth_ = 0;
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path_);
    int rc = sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0), nullptr);
    if (rc != SQLITE_OK) {
        addError(resultCodeName(rc), db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc)));
        sqlite3_close(db);
        return false;
    }
    db_ = db;
    sqlite3_extended_result_codes(db_, 0);
    sqlite3_busy_timeout(db_, 5000);
    // Opening is lazy in the engine: touch the schema so that a file that is no database, or a
    // damaged one, fails here and not at the first statement.
    if (!executeRaw(QStringLiteral("PRAGMA journal_mode=DELETE; SELECT count(*) FROM sqlite_master;"))) {
        auto errs = errors_;
        close();
        errors_ = errs;
        return false;
    }
    return true;
}

void Connection::close()
{
    if (!db_)
        return;
    finalizeQueries();
    if (depth_ > 0)
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    depth_ = 0;
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

bool Connection::executeRaw(const QString& sql)
{
    if (!db_) {
        addError(resultCodeName(SQLITE_MISUSE), QStringLiteral("データベースが開かれていません。"));
        return false;
    }
    char* err = nullptr;
    int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        addError(resultCodeName(rc), err ? QString::fromUtf8(err) : QString::fromUtf8(sqlite3_errstr(rc)));
        sqlite3_free(err);
        return false;
    }
    return true;
}

qint64 Connection::changes() const { return db_ ? sqlite3_changes64(db_) : 0; }

bool Connection::beginTrans()
{
    if (!db_ && !open())
        return false;
    const QString sql = depth_ == 0 ? QStringLiteral("BEGIN IMMEDIATE")
                                    : QStringLiteral("SAVEPOINT k%1").arg(depth_);
    if (!executeRaw(sql))
        return false;
    ++depth_;
    return true;
}

bool Connection::commitTrans()
{
    if (!db_ || depth_ == 0) {
        addError(resultCodeName(SQLITE_MISUSE), QStringLiteral("トランザクションが開始されていません。"));
        return false;
    }
    if (depth_ == 1) {
        if (!executeRaw(QStringLiteral("COMMIT"))) {
            // A failed commit (disk full, say) leaves nothing half-written: roll everything back.
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            depth_ = 0;
            return false;
        }
        depth_ = 0;
        return true;
    }
    --depth_;
    return executeRaw(QStringLiteral("RELEASE k%1").arg(depth_));
}

void Connection::rollbackTrans()
{
    if (!db_ || depth_ == 0)
        return;
    // Statements still running would keep the engine from rolling back.
    for (Query* q : queries_)
        q->close();
    if (depth_ == 1) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        depth_ = 0;
        return;
    }
    --depth_;
    const QByteArray sp = QStringLiteral("ROLLBACK TO k%1; RELEASE k%1").arg(depth_).toUtf8();
    sqlite3_exec(db_, sp.constData(), nullptr, nullptr, nullptr);
}

void Connection::registerQuery(Query* q) { queries_.push_back(q); }

void Connection::unregisterQuery(Query* q)
{
    queries_.erase(std::remove(queries_.begin(), queries_.end(), q), queries_.end());
}

void Connection::finalizeQueries()
{
    for (Query* q : queries_)
        q->finalize();
}

// ---------------------------------------------------------------- Query

Query::Query(Connection& c) : conn_(&c) { conn_->registerQuery(this); }

Query::~Query()
{
    finalize();
    conn_->unregisterQuery(this);
}

void Query::finalize()
{
    if (stmt_)
        sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    active_ = false;
    eof_ = true;
}

void Query::setSql(const QString& sql)
{
    close();
    if (sql == sql_ && stmt_)
        return;
    finalize();
    sql_ = sql;
}

bool Query::prepare()
{
    if (stmt_)
        return true;
    if (!conn_->isOpen()) {
        conn_->addError(resultCodeName(SQLITE_MISUSE), QStringLiteral("データベースが開かれていません。"));
        return false;
    }
    const QByteArray text = sql_.toUtf8();
    const char* tail = nullptr;
    int rc = sqlite3_prepare_v2(conn_->db_, text.constData(), int(text.size()), &stmt_, &tail);
    if (rc != SQLITE_OK) {
        conn_->addEngineError(rc);
        stmt_ = nullptr;
        return false;
    }
    if (!stmt_) {
        conn_->addError(resultCodeName(SQLITE_MISUSE), QStringLiteral("SQL文が空です。"));
        return false;
    }
    return true;
}

void Query::bindNull(int i) { if (prepare()) sqlite3_bind_null(stmt_, i); }
void Query::bindInt(int i, qint64 v) { if (prepare()) sqlite3_bind_int64(stmt_, i, v); }
void Query::bindReal(int i, double v) { if (prepare()) sqlite3_bind_double(stmt_, i, v); }
void Query::bindText(int i, const QString& v)
{
    if (!prepare())
        return;
    const QByteArray u = v.toUtf8();
    sqlite3_bind_text(stmt_, i, u.constData(), int(u.size()), SQLITE_TRANSIENT);
}

bool Query::open()
{
    close();
    if (!prepare())
        return false;
    active_ = true;
    eof_ = false;
    if (!next()) {
        close();
        return false;
    }
    return true;
}

bool Query::next()
{
    if (!stmt_ || !active_ || eof_)
        return true;
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE) {
        eof_ = true;
        return true;
    }
    conn_->addEngineError(rc);
    eof_ = true;
    return false;
}

qint64 Query::exec()
{
    close();
    if (!prepare())
        return -1;
    int rc = sqlite3_step(stmt_);
    while (rc == SQLITE_ROW)
        rc = sqlite3_step(stmt_);
    qint64 n = -1;
    if (rc == SQLITE_DONE)
        n = sqlite3_changes64(conn_->db_);
    else
        conn_->addEngineError(rc);
    sqlite3_reset(stmt_);
    return n;
}

void Query::close()
{
    // Bindings stay: they are set before open() or exec(), which reset the statement first.
    if (stmt_)
        sqlite3_reset(stmt_);
    active_ = false;
    eof_ = true;
}

int Query::columnCount() const { return stmt_ ? sqlite3_column_count(stmt_) : 0; }

QString Query::columnName(int i) const
{
    return stmt_ ? QString::fromUtf8(sqlite3_column_name(stmt_, i)) : QString();
}

int Query::columnIndex(const QString& name) const
{
    const int n = columnCount();
    for (int i = 0; i < n; ++i)
        if (columnName(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int Query::storageType(int i) const { return sqlite3_column_type(stmt_, i); }
bool Query::isNull(int i) const { return sqlite3_column_type(stmt_, i) == SQLITE_NULL; }
qint64 Query::intValue(int i) const { return sqlite3_column_int64(stmt_, i); }
double Query::realValue(int i) const { return sqlite3_column_double(stmt_, i); }

QString Query::textValue(int i) const
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
    if (!p)
        return QString();
    return QString::fromUtf8(p, sqlite3_column_bytes(stmt_, i));
}

QVariant Query::value(int i) const
{
    if (!stmt_ || !active_ || eof_ || i < 0 || i >= columnCount())
        return QVariant();
    switch (sqlite3_column_type(stmt_, i)) {
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(stmt_, i)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt_, i));
    case SQLITE_TEXT: return QVariant(textValue(i));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt_, i)),
                                   sqlite3_column_bytes(stmt_, i)));
    default: return QVariant();
    }
}

QVariant Query::value(const QString& name) const { return value(columnIndex(name)); }

// ---------------------------------------------------------------- attached databases

AttachedDatabase::AttachedDatabase(Connection& c, const QString& path, const QString& alias)
    : c_(c), alias_(alias)
{
    QString p = path;
    p.replace(QLatin1Char('\''), QStringLiteral("''"));
    attached_ = c_.executeRaw(QStringLiteral("ATTACH DATABASE '") + p + QStringLiteral("' AS ") + alias_);
    if (attached_ && !c_.executeRaw(QStringLiteral("PRAGMA ") + alias_ + QStringLiteral(".journal_mode=DELETE"))) {
        c_.executeRaw(QStringLiteral("DETACH DATABASE ") + alias_);
        attached_ = false;
    }
}

AttachedDatabase::~AttachedDatabase()
{
    if (attached_ && c_.isOpen())
        c_.executeRaw(QStringLiteral("DETACH DATABASE ") + alias_);
}

// ---------------------------------------------------------------- maintenance

bool checkIntegrity(const QString& path, DbError* error)
{
    Connection c;
    c.setDatabase(path);
    auto fail = [&](const QString& state, const QString& text) {
        if (error)
            *error = DbError{state, text};
        return false;
    };
    if (!c.open())
        return fail(c.errors().front().state, c.errors().front().description);
    Query q(c);
    q.setSql(QStringLiteral("PRAGMA integrity_check"));
    if (!q.open())
        return fail(c.errors().front().state, c.errors().front().description);
    const QString result = q.eof() ? QString() : q.textValue(0);
    q.close();
    if (result != QStringLiteral("ok"))
        return fail(resultCodeName(SQLITE_CORRUPT), result);
    return true;
}

bool compactDatabase(const QString& source, const QString& destination, DbError* error)
{
    if (QFile::exists(destination)) {
        if (error)
            *error = DbError{resultCodeName(SQLITE_CANTOPEN), QStringLiteral("出力先のファイルが既に存在します。 ") + destination};
        return false;
    }
    Connection c;
    c.setDatabase(source);
    if (!c.open()) {
        if (error)
            *error = c.errors().front();
        return false;
    }
    QString dest = destination;
    dest.replace(QLatin1Char('\''), QStringLiteral("''"));
    if (!c.executeRaw(QStringLiteral("VACUUM INTO '") + dest + QStringLiteral("'"))) {
        if (error)
            *error = c.errors().front();
        c.close();
        QFile::remove(destination);
        return false;
    }
    c.close();
    if (!checkIntegrity(destination, error)) {
        QFile::remove(destination);
        return false;
    }
    return true;
}

} // namespace data
