// The help menu: the help command on a program folder with and without the guide, the usage-guide
// viewer, the version dialog, and installing the guide without overwriting a newer copy.

#include "app/GuideInstall.h"
#include "app/ScreenWiring.h"
#include "app/ShellFixture.h"
#include "app/TfrmGuide.h"
#include "app/TfrmVersion.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>

using app::MenuItem;

namespace {

// Receives the URLs the program hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

class Help : public Shell {
protected:
    void installGuide()
    {
        QString error;
        ASSERT_TRUE(app::installGuide(home.path(), &error)) << s(error);
    }
    // Runs check on the modal window of type W once the menu item has opened it, then closes it.
    template <class W>
    void whileOpen(MenuItem item, const std::function<void(W&)>& check)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
                seen = true;
                check(*w);
                w->reject();
            }
        });
        main().action(item)->trigger();
        EXPECT_TRUE(seen) << "no window opened";
    }
};

// Clicks the link whose text is text in the viewer, as a user would.
void clickLink(QTextBrowser* b, const QString& text)
{
    const QTextCursor c = b->document()->find(text);
    ASSERT_FALSE(c.isNull()) << s(text);
    QTextCursor mid(b->document());
    mid.setPosition(c.selectionStart() + 1);
    const QPoint at = b->cursorRect(mid).center();
    QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

TEST_F(Help, HelpCommandOpensTheInstalledGuideOrSaysItIsMissing)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");

    main().action(MenuItem::HelpH)->trigger();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("ヘルプファイルが見つかりません。")});
    EXPECT_TRUE(catcher.urls.isEmpty());

    installGuide();
    home.dialogs.clear();
    main().toolButton(MenuItem::HelpH)->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0], QUrl::fromLocalFile(home.path() + QStringLiteral("Zododi_Ziraz.html")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

TEST_F(Help, ViewerShowsTheFirstPageFollowsLinksAndGoesBack)
{
    installGuide();
    app::TfrmGuide guide(home.path());
    ASSERT_TRUE(guide.showIndex());
    guide.show();
    QApplication::processEvents();
    const QUrl index = QUrl::fromLocalFile(home.path() + QStringLiteral("Zododi_Ziraz.html"));
    EXPECT_EQ(guide.Browser->source(), index);
    EXPECT_EQ(guide.Browser->documentTitle(), QStringLiteral("カルネオ　フリー版　ご利用案内"));
    EXPECT_FALSE(guide.btnBack->isEnabled());

    clickLink(guide.Browser, QStringLiteral("1年間の流れ"));
    EXPECT_EQ(guide.Browser->source(), QUrl::fromLocalFile(home.path() + QStringLiteral("guide/cycle.html")));
    EXPECT_EQ(guide.Browser->documentTitle(), QStringLiteral("1年間の流れ"));
    ASSERT_TRUE(guide.btnBack->isEnabled());

    // From a section page the way back to the contents is a relative link one folder up.
    clickLink(guide.Browser, QStringLiteral("目次へ"));
    EXPECT_EQ(guide.Browser->source(), index);

    guide.btnBack->click();
    EXPECT_EQ(guide.Browser->source().fileName(), QStringLiteral("cycle.html"));
    guide.btnIndex->click();
    EXPECT_EQ(guide.Browser->source(), index);
}

TEST_F(Help, UsageGuideMenuOpensTheViewerOrSaysTheGuideIsMissing)
{
    app::connectScreens(main(), dm());
    main().action(MenuItem::BeforeUse)->trigger();
    ASSERT_EQ(home.dialogs.texts().size(), 1);
    EXPECT_TRUE(home.dialogs.texts()[0].startsWith(QStringLiteral("ご利用案内が見つかりません。")));
    EXPECT_TRUE(home.dialogs.texts()[0].contains(QStringLiteral("Zododi_Ziraz.html")));

    installGuide();
    home.dialogs.clear();
    whileOpen<app::TfrmGuide>(MenuItem::BeforeUse, [&](app::TfrmGuide& g) {
        EXPECT_EQ(g.Browser->source().fileName(), QStringLiteral("Zododi_Ziraz.html"));
    });
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
}

// Every link and picture of every page points at a file the installation put there.
TEST_F(Help, InstalledGuideHasNoBrokenLinksOrPictures)
{
    installGuide();
    const QRegularExpression ref(QStringLiteral("(?:href|src)=\"([^\"#]+)\""));
    QStringList pages{home.path() + QStringLiteral("Zododi_Ziraz.html")};
    for (const QFileInfo& f : QDir(home.path() + QStringLiteral("guide")).entryInfoList({QStringLiteral("*.html")}))
        pages << f.absoluteFilePath();
    ASSERT_GE(pages.size(), 2);
    int pictures = 0;
    for (const QString& page : pages) {
        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        for (auto it = ref.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (target.startsWith(QStringLiteral("http")))
                continue;
            pictures += target.endsWith(QStringLiteral(".png"));
            EXPECT_TRUE(QFileInfo::exists(QFileInfo(page).dir().filePath(target)))
                << s(QFileInfo(page).fileName()) << " -> " << s(target);
        }
    }
    EXPECT_GT(pictures, 0);
}

TEST_F(Help, VersionDialogShowsWhatTheProgramPrints)
{
    QProcess program;
    program.start(QStringLiteral(KARUNEO_EXE), {QStringLiteral("--version")});
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString printed = QString::fromUtf8(program.readAllStandardOutput()).trimmed();
    ASSERT_TRUE(printed.startsWith(QStringLiteral("karuneo "))) << s(printed);
    const QString version = printed.mid(8);
    ASSERT_FALSE(version.isEmpty());

    app::connectScreens(main(), dm());
    whileOpen<app::TfrmVersion>(MenuItem::Version, [&](app::TfrmVersion& v) {
        EXPECT_EQ(v.lblName->text(), QStringLiteral("カルネオ　フリー版"));
        EXPECT_EQ(v.lblVersion->text(), QStringLiteral("バージョン ") + version);
        // Each library with a version number read at run time.
        for (const char* lib : {"Qt", "SQLite", "ICU", "poppler"})
            EXPECT_TRUE(v.lblLibraries->text().contains(QRegularExpression(QString::fromLatin1(lib) + QStringLiteral(" \\d+\\.\\d+"))))
                << lib << ": " << s(v.lblLibraries->text());
        EXPECT_TRUE(v.lblLicense->text().contains(QStringLiteral("GPL-3.0-or-later")));
        EXPECT_TRUE(v.lblLicense->text().contains(QStringLiteral("LICENSE")));
    });

    // The licence the dialog names is the one shipped with the source.
    QFile license(QStringLiteral(KARUNEO_SOURCE_DIR "/LICENSE"));
    ASSERT_TRUE(license.open(QIODevice::ReadOnly));
    const QByteArray head = license.read(400);
    EXPECT_TRUE(head.contains("GNU GENERAL PUBLIC LICENSE") && head.contains("Version 3")) << head.constData();
}

// ---------------------------------------------------------------- installing the guide

namespace {

QDateTime mtime(const QString& path) { return QFileInfo(path).lastModified(); }

void writeFile(const QString& path, const QByteArray& content, const QDateTime& time)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();   // written out first, or the close would stamp the file with the current time
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(time, QFileDevice::FileModificationTime));
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(GuideInstall, CopiesMissingFilesReplacesOlderOnesAndKeepsNewerOnes)
{
    QTemporaryDir tmp;
    const QString home = tmp.path() + QStringLiteral("/");
    const QString index = app::guideIndexPath(home);
    const QString page = home + QStringLiteral("guide/data.html");
    const QDateTime old(QDate(2001, 1, 1), QTime(0, 0));
    const QDateTime future = QDateTime::currentDateTime().addYears(1);

    struct Case {
        const char* name;
        QString path;
        QDateTime time;   // invalid: no file there before
        bool kept;
    };
    const Case cases[] = {
        {"missing index", index, {}, false},
        {"older page", page, old, false},
        {"newer index", index, future, true},
        {"newer page", page, future, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(home).removeRecursively();
        QDir().mkpath(home);
        if (c.time.isValid())
            writeFile(c.path, "<html>mine</html>", c.time);
        QString error;
        ASSERT_TRUE(app::installGuide(home, &error)) << s(error);
        EXPECT_TRUE(error.isEmpty());
        const QByteArray now = readFile(c.path);
        if (c.kept) {
            EXPECT_EQ(now, QByteArray("<html>mine</html>"));
        } else {
            EXPECT_TRUE(now.contains("<html")) << now.left(80).constData();
            EXPECT_NE(now, QByteArray("<html>mine</html>"));
            EXPECT_TRUE(QFileInfo(c.path).isWritable());
        }
        // Every shipped file is there afterwards, whatever was kept.
        for (const QString& f : app::shippedGuideFiles())
            EXPECT_TRUE(QFileInfo::exists(f == QStringLiteral("index.html") ? index : home + QStringLiteral("guide/") + f)) << s(f);
    }
}

TEST(GuideInstall, ASecondInstallationChangesNothing)
{
    QTemporaryDir tmp;
    const QString home = tmp.path() + QStringLiteral("/");
    ASSERT_TRUE(app::installGuide(home));
    const QString index = app::guideIndexPath(home);
    const QDateTime first = mtime(index);
    // Mark the copy: if it were copied again, the mark would go.
    writeFile(index, "<html>edited</html>", first);
    ASSERT_TRUE(app::installGuide(home));
    EXPECT_EQ(readFile(index), QByteArray("<html>edited</html>"));
}

TEST(GuideInstall, ReportsAFileItCannotWrite)
{
    QTemporaryDir tmp;
    const QString home = tmp.path() + QStringLiteral("/");
    // A plain file where the pages' folder belongs.
    writeFile(home + QStringLiteral("guide"), "x", QDateTime::currentDateTime());
    QString error;
    EXPECT_FALSE(app::installGuide(home, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("ご利用案内のファイルを作成できません。"))) << s(error);
}

#include "HelpTest.moc"
