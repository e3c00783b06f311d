#include "platform/Cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

bool writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(Cp932, EncodesWindowsMappingsAndDecodesBack)
{
    const struct {
        const char16_t* text;
        QByteArray bytes;
    } cases[] = {
        {u"", QByteArray()},
        {u"A,1\r\n", QByteArray("A,1\r\n")},
        {u"ﾃﾞｰﾀ", QByteArray("\xC3\xDE\xB0\xC0")},             // half-width katakana: one byte each
        {u"①", QByteArray("\x87\x40")},                          // NEC special character
        {u"社員", QByteArray("\x8E\xD0\x88\xF5")},
        {u"\\~", QByteArray("\x5C\x7E")},                       // ASCII stays ASCII, not ¥ and ‾
        {u"～－∥", QByteArray("\x81\x60\x81\x7C\x81\x61")},    // the Windows forms of these marks
        {u"ﾃﾞｰﾀが変更されています。", QByteArray("\xC3\xDE\xB0\xC0\x82\xAA\x95\xCF\x8D\x58\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB7\x81\x42")},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        QString error = QStringLiteral("stale");
        const auto bytes = encodeCp932(text, &error);
        ASSERT_TRUE(bytes.has_value()) << error.toStdString();
        EXPECT_EQ(bytes->toHex(' '), c.bytes.toHex(' '));
        EXPECT_TRUE(error.isEmpty());
        EXPECT_EQ(decodeCp932(c.bytes), text);
    }
}

TEST(Cp932, RoundTripsTheWholeExtendedSet)
{
    // IBM extensions and NEC specials that have no place in plain Shift-JIS.
    const QString text = QStringLiteral("髙﨑 ⅰⅱ Ⅰ № ㈱ ∵ ≒ ｱｲｳ");
    const auto bytes = encodeCp932(text, nullptr);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(decodeCp932(*bytes), text);
}

TEST(Cp932, RefusesCharactersOutsideTheCodePage)
{
    const struct {
        const char16_t* text;
        const char16_t* named;   // what the message shows
    } cases[] = {
        {u"𠮷野家", u"𠮷"},           // outside the BMP
        {u"社員😀", u"😀"},
        {u"100€", u"€"},
        {u"¥100", u"¥"},              // no look-alike substitution for the yen sign
        {u"한국", u"한"},             // the first one is named
        {u"a\xD800" "b", u"U+D800"},   // a lone surrogate
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        QString error;
        EXPECT_FALSE(encodeCp932(text, &error).has_value());
        EXPECT_EQ(error, QStringLiteral("「%1」はShift-JIS(CP932)で書けない文字です。").arg(QString::fromUtf16(c.named)));
    }
}

TEST(Cp932, InvalidBytesDecodeAsReplacementCharacter)
{
    EXPECT_EQ(decodeCp932(QByteArray("A\xFF" "B")), QStringLiteral("A\uFFFDB"));
    EXPECT_EQ(decodeCp932(QByteArray("A\x82")), QStringLiteral("A\uFFFD"));     // lead byte at the end
    EXPECT_FALSE(decodeCp932(QByteArray("\x82\xA0\x82\xA0")).contains(QChar(u'?')));
}

TEST(Cp932, WritesTheFileByRenameAndLeavesNothingElse)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("社員.csv"));
    const QString linked = dir.filePath(QStringLiteral("old.csv"));
    ASSERT_TRUE(writeRaw(path, "old contents"));
    // A second name for the old file: an in-place write would change it too, a rename does not.
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(linked).constData()), 0);

    QString error;
    ASSERT_TRUE(writeCp932File(path, QStringLiteral("ﾃﾞｰﾀ,①\r\n"), &error)) << error.toStdString();
    EXPECT_EQ(readAll(path), QByteArray("\xC3\xDE\xB0\xC0,\x87\x40\r\n"));
    EXPECT_EQ(readAll(linked), QByteArray("old contents"));
    EXPECT_EQ(entries(dir.path()), (QStringList{QStringLiteral("old.csv"), QStringLiteral("社員.csv")}));
}

TEST(Cp932, UnencodableTextWritesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("a.csv"));
    const QString fresh = dir.filePath(QStringLiteral("b.csv"));
    ASSERT_TRUE(writeRaw(existing, "old contents"));

    QString error;
    EXPECT_FALSE(writeCp932File(existing, QStringLiteral("吉野家\r\n𠮷野家\r\n"), &error));
    EXPECT_EQ(error, QStringLiteral("「𠮷」はShift-JIS(CP932)で書けない文字です。"));
    EXPECT_FALSE(writeCp932File(fresh, QStringLiteral("😀"), &error));

    EXPECT_EQ(readAll(existing), QByteArray("old contents"));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("a.csv")});
}

TEST(Cp932, UnwritableFolderGivesAnErrorNamingTheFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A plain file where the folder should be: nobody, not even root, can create a file under it.
    ASSERT_TRUE(writeRaw(dir.filePath(QStringLiteral("CSV")), "not a folder"));

    QString readOnly = dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(readOnly));
    ASSERT_EQ(::chmod(QFile::encodeName(readOnly).constData(), 0555), 0);
    if (::access(QFile::encodeName(readOnly).constData(), W_OK) == 0)
        readOnly = QStringLiteral("/proc");   // running as root: permissions do not stop us, /proc does

    const QString targets[] = {
        dir.filePath(QStringLiteral("CSV/out.csv")),
        readOnly + QStringLiteral("/out.csv"),
    };
    for (const QString& path : targets) {
        SCOPED_TRACE(path.toStdString());
        QString error;
        EXPECT_FALSE(writeCp932File(path, QStringLiteral("データ\r\n"), &error));
        EXPECT_TRUE(error.startsWith(QStringLiteral("「%1」に書き込めません。").arg(path))) << error.toStdString();
        EXPECT_FALSE(QFileInfo::exists(path));
    }
    ::chmod(QFile::encodeName(dir.filePath(QStringLiteral("ro"))).constData(), 0755);
    EXPECT_EQ(entries(dir.filePath(QStringLiteral("ro"))), QStringList());
}
