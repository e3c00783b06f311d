#include "platform/ProgramFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

QString withSlash(const QString& dir)
{
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

} // namespace

QString ProgramFolders::defaultHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/karuneo");
}

ProgramFolders ProgramFolders::forHome(const QString& home)
{
    const QString base = home.isEmpty() ? defaultHome() : home;
    ProgramFolders f;
    f.programDir = withSlash(QDir::cleanPath(QFileInfo(base).absoluteFilePath()));
    f.dataDir = f.programDir + QStringLiteral("DATA/");
    f.csvDir = f.programDir + QStringLiteral("CSV/");
    f.reportDir = f.programDir + QStringLiteral("Report/");
    f.pictureDir = f.programDir + QStringLiteral("Picture/");
    return f;
}

bool ProgramFolders::ensureFolders(QString* error) const
{
    for (const QString& dir : {programDir, dataDir, csvDir, reportDir, pictureDir}) {
        // mkpath is also false when a plain file stands where the folder should be.
        if (!QDir().mkpath(dir)) {
            if (error)
                *error = QStringLiteral("フォルダ「%1」を作成できません。").arg(QDir::toNativeSeparators(dir));
            return false;
        }
    }
    if (error)
        error->clear();
    return true;
}

std::optional<QString> canonicalInside(const QString& folder, const QString& relativeName)
{
    QString name = relativeName;
    name.replace(u'\\', u'/');
    if (name.trimmed().isEmpty())
        return std::nullopt;

    const QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty())
        return std::nullopt;   // the folder itself does not exist

    // An absolute name stays absolute here; it is accepted only if it too resolves inside.
    const QFileInfo target(QDir(root).filePath(name));
    const QString resolved = target.canonicalFilePath();   // empty when missing or a dangling link
    if (resolved.isEmpty() || !QFileInfo(resolved).isFile())
        return std::nullopt;
    if (!resolved.startsWith(withSlash(root)))
        return std::nullopt;
    return resolved;
}

} // namespace platform
