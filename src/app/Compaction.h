#pragma once
// Database compaction: every ".mdb" file under the data folder is rebuilt into its ".bak" file, the
// copy's integrity is checked, and the copy then replaces the original. The replacement is written
// under a temporary name beside the original and renamed over it, so the original path always holds
// a whole database; the ".bak" file is removed only after that. A ".bak" file found before starting
// means an earlier run did not finish: the user is asked whether to go on with that database.
//
// The caller closes every connection first and opens them again afterwards.

#include "data/Engine.h"

#include <QString>
#include <QStringList>

namespace app {

enum class CompactionOutcome {
    Completed,      // every file was compacted or skipped at the user's request
    EngineFailed,   // the engine could not rebuild a file; the walk stopped there, the original is untouched
    ReplaceFailed,  // the final replacement failed; the ".bak" file is left beside the original
};

struct CompactionResult {
    CompactionOutcome outcome = CompactionOutcome::Completed;
    QStringList compacted;   // files rebuilt, in the order handled
    QStringList skipped;     // files skipped because a ".bak" was left over and the user said No
    QString failedFile;      // the file the walk stopped at
    data::DbError error;     // the engine's error for EngineFailed
};

// The ".bak" name of a database file: its name with the last extension replaced by ".bak".
QString backupPathFor(const QString& file);

// Compacts every file with the extension ".mdb" (in any case) in dataDir and all its sub-folders.
// Folders are walked depth first, entries in name order. Asks about left-over ".bak" files through
// the dialogs service; an engine failure shows the engine's text in the database error box. The
// message of a failed replacement and what follows it are left to the caller.
CompactionResult compactAllDatabases(const QString& dataDir);

} // namespace app
