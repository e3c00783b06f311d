#include "app/Compaction.h"

#include "data/Common.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace app {

namespace {

enum class FileOutcome { Compacted, Skipped, EngineFailed, ReplaceFailed };

const QString& staleBackupQuestion()
{
    static const QString text = QStringLiteral(
        "すでに.bakファイルが存在します。\r\n前回圧縮処理をして異常終了してませんか？\r\n"
        "異常終了して原因が不明のままであれば処理を中止して下さい。\r\n"
        "原因が不明なまま処理を続行すると大切なデータが消失することもあります。\r\n処理を続行しますか？");
    return text;
}

// Copies source over target through a temporary file beside target that is renamed at the end.
bool replaceFrom(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray buffer;
    while (!(buffer = in.read(1 << 20)).isEmpty()) {
        if (out.write(buffer) != buffer.size()) {
            out.cancelWriting();
            return false;
        }
    }
    if (in.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

FileOutcome compactFile(const QString& file, data::DbError* error)
{
    const QString backup = backupPathFor(file);
    if (QFileInfo::exists(backup)
        && !platform::dialogs().question(staleBackupQuestion(), platform::appTitle()))
        return FileOutcome::Skipped;

    platform::BusyCursor busy;
    QFile::remove(backup);
    if (!data::compactDatabase(file, backup, error))
        return FileOutcome::EngineFailed;
    // The copy was checked by the engine; the replaced file is checked once more before the
    // backup goes, so a bad copy never costs the only good one.
    if (!replaceFrom(backup, file) || !data::checkIntegrity(file, nullptr))
        return FileOutcome::ReplaceFailed;
    QFile::remove(backup);
    return FileOutcome::Compacted;
}

bool walk(const QString& folder, CompactionResult& result)
{
    // Name order, case ignored, as the original file system listed them; links are not followed,
    // so a link can neither loop the walk nor reach outside the data folder.
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::Dirs | QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks,
        QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& e : entries) {
        if (e.isDir()) {
            if (!walk(e.filePath(), result))
                return false;
            continue;
        }
        if (e.suffix().toLower() != QStringLiteral("mdb"))
            continue;
        data::DbError error;
        switch (compactFile(e.filePath(), &error)) {
        case FileOutcome::Compacted:
            result.compacted << e.filePath();
            break;
        case FileOutcome::Skipped:
            result.skipped << e.filePath();
            break;
        case FileOutcome::EngineFailed:
            result.outcome = CompactionOutcome::EngineFailed;
            result.failedFile = e.filePath();
            result.error = error;
            data::ShowDbError(error.state + QLatin1Char(' ') + error.description);
            return false;
        case FileOutcome::ReplaceFailed:
            result.outcome = CompactionOutcome::ReplaceFailed;
            result.failedFile = e.filePath();
            return false;
        }
    }
    return true;
}

} // namespace

QString backupPathFor(const QString& file)
{
    const QFileInfo info(file);
    const QString suffix = info.suffix();
    QString base = file;
    if (!suffix.isEmpty())
        base.chop(suffix.size() + 1);
    return base + QStringLiteral(".bak");
}

CompactionResult compactAllDatabases(const QString& dataDir)
{
    CompactionResult result;
    QString folder = dataDir;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    walk(folder, result);
    return result;
}

} // namespace app
