#include "app/GuideInstall.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

static void registerGuideResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(guide);
        return true;
    }();
    (void)done;
}

namespace app {

namespace {

const QString resourceRoot = QStringLiteral(":/guide/");

// Where a shipped file goes: index.html is the help file itself, the rest goes below guide/.
QString targetFor(const QString& programDir, const QString& relative)
{
    if (relative == QStringLiteral("index.html"))
        return guideIndexPath(programDir);
    return programDir + QStringLiteral("guide/") + relative;
}

// When a shipped file was made. rcc does not always keep the time of a file; then the program's
// own build time stands in, which is never earlier than the pages compiled into it.
QDateTime shippedTime(const QString& source)
{
    const QDateTime t = QFileInfo(source).lastModified();
    if (t.isValid() && t.toSecsSinceEpoch() > 0)
        return t;
    return QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
}

} // namespace

QString guideIndexPath(const QString& programDir) { return programDir + QStringLiteral("Zododi_Ziraz.html"); }

QStringList shippedGuideFiles()
{
    registerGuideResources();
    QStringList files;
    QDirIterator it(resourceRoot, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(resourceRoot.size());
    files.sort();
    return files;
}

bool installGuide(const QString& programDir, QString* error)
{
    for (const QString& relative : shippedGuideFiles()) {
        const QString source = resourceRoot + relative;
        const QString target = targetFor(programDir, relative);
        const QFileInfo existing(target);
        if (existing.exists()) {
            // A copy at least as new as the shipped file stays.
            const QDateTime shipped = shippedTime(source);
            if (!shipped.isValid() || existing.lastModified() >= shipped)
                continue;
            QFile::setPermissions(target, existing.permissions() | QFileDevice::WriteOwner);
            QFile::remove(target);
        }
        QDir().mkpath(QFileInfo(target).absolutePath());
        // A copied resource is read-only and carries no time of its own: make it writable and give
        // it the shipped time, so the next comparison sees the same file as equally new.
        bool ok = QFile::copy(source, target)
                  && QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        if (ok) {
            QFile f(target);
            const QDateTime shipped = shippedTime(source);
            if (shipped.isValid() && f.open(QIODevice::ReadWrite))
                f.setFileTime(shipped, QFileDevice::FileModificationTime);
        }
        if (!ok) {
            if (error)
                *error = QStringLiteral("ご利用案内のファイルを作成できません。") + QDir::toNativeSeparators(target);
            return false;
        }
    }
    if (error)
        error->clear();
    return true;
}

} // namespace app
