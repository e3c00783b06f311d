#include "data/DataModule.h"

#include "platform/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace data {

namespace {
TFDM* g_current = nullptr;
}

TFDM::TFDM(const QString& programDir)
{
    QString dir = QDir::fromNativeSeparators(programDir);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    state.ProgramDir = dir;
    state.DataDir = dir + QStringLiteral("DATA/");
    state.refreshToday();
    state.CurrentNendo = state.TodayYear;
    previous_ = g_current;
    g_current = this;
}

TFDM::~TFDM()
{
    ACN3.close();
    ACN2.close();
    ACN1.close();
    if (g_current == this)
        g_current = previous_;
}

TFDM& TFDM::current()
{
    Q_ASSERT(g_current);
    return *g_current;
}

bool TFDM::hasCurrent() { return g_current != nullptr; }

void TFDM::OpenDatabase(Connection& c, const QString& path)
{
    if (c.isOpen())
        c.close();
    c.setDatabase(path);
    if (!c.open())
        platform::dialogs().message(platform::MessageKind::Warning,
                                    QStringLiteral("データベースのオープンでエラーが発生しました。　") + path,
                                    platform::appTitle());
}

bool TFDM::OpenOrCreateDatabase(Connection& c, const QString& path, const QString& templ, bool mayCreate)
{
    auto say = [](const QString& text) {
        platform::dialogs().message(platform::MessageKind::Warning, text, platform::appTitle());
    };
    const QString missing = QStringLiteral("必要なデータベースが存在しません。");
    const QString cannot = QStringLiteral("データベースの作成が出来ません。");
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (!QFileInfo::exists(folder)) {
        if (!mayCreate) {
            say(missing);
            return false;
        }
        if (!QDir().mkdir(folder)) {
            say(cannot);
            return false;
        }
    }
    if (!QFileInfo::exists(path)) {
        if (!mayCreate) {
            say(missing);
            return false;
        }
        // Copy under a temporary name and rename, so that an interrupted copy never leaves a half
        // database at the real path; the rename refuses to overwrite an existing file.
        const QString tmp = path + QStringLiteral(".tmp");
        QFile::remove(tmp);
        if (!QFile::copy(templ, tmp)) {
            say(cannot);
            return false;
        }
        QFile::setPermissions(tmp, QFile::permissions(tmp) | QFileDevice::WriteOwner);
        if (!QFile::rename(tmp, path)) {
            QFile::remove(tmp);
            say(cannot);
            return false;
        }
    }
    OpenDatabase(c, path);
    return c.isOpen();
}

void TFDM::RunSql(Query& q, const QString& sql, QChar kind)
{
    q.close();
    q.setSql(sql);
    bool good = true;
    if (kind == QLatin1Char('S'))
        good = q.open();
    else if (kind == QLatin1Char('E'))
        good = q.exec() >= 0;
    if (good)
        return;
    const auto& errs = q.connection().errors();
    const bool overflow = !errs.empty() && errs.front().description.contains(QStringLiteral("overflow"), Qt::CaseInsensitive);
    platform::dialogs().message(platform::MessageKind::Warning,
                                overflow ? QStringLiteral("ＳＱＬ処理でオーバーフローが発生しました。")
                                         : QStringLiteral("ＳＱＬ処理で不明なエラーが発生しました。"),
                                platform::appTitle());
}

} // namespace data
