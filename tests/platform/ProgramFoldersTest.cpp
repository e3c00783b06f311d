#include "platform/ProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

TEST(ProgramFolders, FoldersUnderHomeEndWithSlash)
{
    for (const QString& home : {QStringLiteral("/srv/karuneo"), QStringLiteral("/srv/karuneo/"),
                                QStringLiteral("/srv/./x/../karuneo")}) {
        SCOPED_TRACE(home.toStdString());
        const ProgramFolders f = ProgramFolders::forHome(home);
        EXPECT_EQ(f.programDir, QStringLiteral("/srv/karuneo/"));
        EXPECT_EQ(f.dataDir, QStringLiteral("/srv/karuneo/DATA/"));
        EXPECT_EQ(f.csvDir, QStringLiteral("/srv/karuneo/CSV/"));
        EXPECT_EQ(f.reportDir, QStringLiteral("/srv/karuneo/Report/"));
        EXPECT_EQ(f.pictureDir, QStringLiteral("/srv/karuneo/Picture/"));
    }
}

TEST(ProgramFolders, RelativeHomeIsMadeAbsolute)
{
    const ProgramFolders f = ProgramFolders::forHome(QStringLiteral("work/home"));
    EXPECT_EQ(f.programDir, QDir::currentPath() + QStringLiteral("/work/home/"));
}

TEST(ProgramFolders, EmptyHomeIsThePerUserDataFolder)
{
    QTemporaryDir xdg;
    ASSERT_TRUE(xdg.isValid());
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(xdg.path()));

    EXPECT_EQ(ProgramFolders::defaultHome(), xdg.path() + QStringLiteral("/karuneo"));
    EXPECT_EQ(ProgramFolders::forHome(QString()).programDir, xdg.path() + QStringLiteral("/karuneo/"));

    if (saved.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
}

TEST(ProgramFolders, EnsureFoldersCreatesMissingOnesAndKeepsFiles)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const ProgramFolders f = ProgramFolders::forHome(tmp.filePath(QStringLiteral("home")));
    ASSERT_TRUE(QDir().mkpath(f.csvDir));
    QFile kept(f.csvDir + QStringLiteral("kept.csv"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.close();

    QString error = QStringLiteral("stale");
    ASSERT_TRUE(f.ensureFolders(&error)) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    for (const QString& dir : {f.programDir, f.dataDir, f.csvDir, f.reportDir, f.pictureDir})
        EXPECT_TRUE(QFileInfo(dir).isDir()) << dir.toStdString();
    EXPECT_TRUE(QFileInfo::exists(kept.fileName()));
    EXPECT_TRUE(f.ensureFolders(nullptr));   // again: nothing to do
}

TEST(ProgramFolders, EnsureFoldersNamesTheFolderItCannotCreate)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const ProgramFolders f = ProgramFolders::forHome(tmp.path());
    QFile blocker(tmp.filePath(QStringLiteral("Report")));   // a file where the folder belongs
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QString error;
    EXPECT_FALSE(f.ensureFolders(&error));
    EXPECT_EQ(error, QStringLiteral("フォルダ「%1」を作成できません。").arg(f.reportDir));
}

class CanonicalInside : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        root = tmp.path();
        picture = root + QStringLiteral("/Picture");
        ASSERT_TRUE(QDir().mkpath(picture + QStringLiteral("/sub")));
        ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/Picture2")));
        touch(picture + QStringLiteral("/a.jpg"));
        touch(picture + QStringLiteral("/sub/b.jpg"));
        touch(root + QStringLiteral("/secret.txt"));
        touch(root + QStringLiteral("/Picture2/x.jpg"));
        ASSERT_TRUE(QFile::link(root + QStringLiteral("/secret.txt"), picture + QStringLiteral("/out.jpg")));
        ASSERT_TRUE(QFile::link(picture + QStringLiteral("/a.jpg"), picture + QStringLiteral("/in.jpg")));
        ASSERT_TRUE(QFile::link(picture + QStringLiteral("/gone.jpg"), picture + QStringLiteral("/dangling.jpg")));
        ASSERT_TRUE(QFile::link(root, picture + QStringLiteral("/up")));
        ASSERT_TRUE(QFile::link(picture, root + QStringLiteral("/PictureLink")));
    }

    static void touch(const QString& path)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    QTemporaryDir tmp;
    QString root;      // not canonical itself when the temp folder sits behind a link
    QString picture;
};

TEST_F(CanonicalInside, AcceptsOnlyExistingFilesInsideTheFolder)
{
    const QString a = QFileInfo(picture + QStringLiteral("/a.jpg")).canonicalFilePath();
    const QString b = QFileInfo(picture + QStringLiteral("/sub/b.jpg")).canonicalFilePath();
    const QString none;
    const struct {
        QString name;
        QString expected;   // empty: refused
    } cases[] = {
        {QStringLiteral("a.jpg"), a},
        {QStringLiteral("sub\\b.jpg"), b},                  // stored with backslashes
        {QStringLiteral("sub/../a.jpg"), a},
        {QStringLiteral("sub\\..\\a.jpg"), a},
        {QStringLiteral("in.jpg"), a},                      // a link that stays inside
        {picture + QStringLiteral("/a.jpg"), a},            // absolute, but inside
        {QStringLiteral("../secret.txt"), none},
        {QStringLiteral("sub\\..\\..\\secret.txt"), none},
        {QStringLiteral("../Picture2/x.jpg"), none},        // a sibling sharing the folder's name as prefix
        {root + QStringLiteral("/secret.txt"), none},       // absolute, outside
        {QStringLiteral("out.jpg"), none},                  // a link leading outside
        {QStringLiteral("up/secret.txt"), none},            // a linked folder leading outside
        {QStringLiteral("dangling.jpg"), none},
        {QStringLiteral("missing.jpg"), none},
        {QStringLiteral("sub"), none},                      // a folder, not a file
        {QStringLiteral("."), none},
        {QString(), none},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const auto got = canonicalInside(picture, c.name);
        if (c.expected.isEmpty())
            EXPECT_FALSE(got.has_value()) << got.value_or(QString()).toStdString();
        else
            EXPECT_EQ(got.value_or(QStringLiteral("<refused>")), c.expected);
    }
}

TEST_F(CanonicalInside, FolderGivenThroughALinkOrMissing)
{
    const QString a = QFileInfo(picture + QStringLiteral("/a.jpg")).canonicalFilePath();
    EXPECT_EQ(canonicalInside(root + QStringLiteral("/PictureLink"), QStringLiteral("a.jpg")).value_or(QString()), a);
    EXPECT_EQ(canonicalInside(picture + QStringLiteral("/"), QStringLiteral("a.jpg")).value_or(QString()), a);
    EXPECT_FALSE(canonicalInside(root + QStringLiteral("/NoSuchFolder"), QStringLiteral("a.jpg")).has_value());
    EXPECT_FALSE(canonicalInside(root + QStringLiteral("/NoSuchFolder"), QStringLiteral("../Picture/a.jpg")).has_value());
}
