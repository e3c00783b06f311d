#pragma once
// The tables and views of both kinds of database, derived from the table descriptions of Records.h
// (the views and extra indexes come from resources/sql/views.sql).

#include <QString>
#include <QStringList>

namespace data {

class Connection;

enum class DatabaseKind { Control, FiscalYear };

// Table names of each kind of database, in creation order.
QStringList tableNames(DatabaseKind kind);
// The CREATE statements of every table, view and index of a kind of database.
QStringList schemaStatements(DatabaseKind kind);
// Creates the schema on an open, empty database; false with the error on the connection.
bool createSchema(Connection& c, DatabaseKind kind);
// Makes a new, empty database file of the kind at path, under a temporary name renamed at the end,
// so that the path holds a whole database or nothing. Refuses to overwrite; error text on failure.
bool createDatabaseFile(const QString& path, DatabaseKind kind, QString* error);

} // namespace data
