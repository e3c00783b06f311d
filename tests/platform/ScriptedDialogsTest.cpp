#include "platform/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(ScriptedDialogs, InstallsItselfWhileAlive)
{
    Dialogs* before = &dialogs();
    {
        ScriptedDialogs d;
        EXPECT_EQ(&dialogs(), &d);
        dialogs().information(QStringLiteral("登録しました。"), appTitle());
        ASSERT_EQ(d.log.size(), 1u);
    }
    EXPECT_EQ(&dialogs(), before);
    // The default service answers No and is never surprised.
    EXPECT_FALSE(dialogs().question(QStringLiteral("削除しますか？"), appTitle()));
}

TEST(ScriptedDialogs, RecordsMessagesWithKindAndCaption)
{
    ScriptedDialogs d;
    dialogs().information(QStringLiteral("終了しました。"), appTitle());
    dialogs().warning(QStringLiteral("入力範囲外です。"), QStringLiteral("確認"));
    dialogs().error(QStringLiteral("SQLITE_ERROR no such table"), appTitle());

    ASSERT_EQ(d.log.size(), 3u);
    const MessageKind kinds[] = {MessageKind::Information, MessageKind::Warning, MessageKind::Error};
    const QString captions[] = {appTitle(), QStringLiteral("確認"), appTitle()};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(d.log[i].kind, kinds[i]);
        EXPECT_EQ(d.log[i].caption, captions[i]);
        EXPECT_FALSE(d.log[i].unexpected);
    }
    EXPECT_EQ(d.texts(), (QStringList{QStringLiteral("終了しました。"), QStringLiteral("入力範囲外です。"),
                                      QStringLiteral("SQLITE_ERROR no such table")}));
    d.clear();
    EXPECT_TRUE(d.texts().isEmpty());
}

TEST(ScriptedDialogs, AnswersQuestionsInOrderAndFlagsTheUnscriptedOne)
{
    ScriptedDialogs d;
    d.answer(true);
    d.answer(false);
    EXPECT_TRUE(dialogs().question(QStringLiteral("一"), appTitle()));
    EXPECT_FALSE(dialogs().question(QStringLiteral("二"), appTitle()));
    EXPECT_TRUE(d.unexpected().empty());

    EXPECT_FALSE(dialogs().question(QStringLiteral("三"), QStringLiteral("確認")));
    const auto surprises = d.unexpected();
    ASSERT_EQ(surprises.size(), 1u);
    EXPECT_EQ(surprises[0].text, QStringLiteral("三"));
    EXPECT_EQ(surprises[0].caption, QStringLiteral("確認"));
    EXPECT_EQ(surprises[0].kind, MessageKind::Question);
    EXPECT_EQ(d.texts(), (QStringList{QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")}));
}

TEST(ScriptedDialogs, FileAndColourDialogsAnswerFromTheirQueues)
{
    ScriptedDialogs d;
    d.answerFile(QStringLiteral("/tmp/a.csv"));
    d.answerFile(QString());   // the user cancels
    d.answerColor(QColor(Qt::red));
    d.answerColor(std::nullopt);

    EXPECT_EQ(dialogs().saveFileName(QStringLiteral("保存"), QString(), QString()), QStringLiteral("/tmp/a.csv"));
    EXPECT_EQ(dialogs().openFileName(QStringLiteral("開く"), QString(), QString()), QString());
    EXPECT_EQ(dialogs().chooseColor(Qt::black), std::optional<QColor>(QColor(Qt::red)));
    EXPECT_EQ(dialogs().chooseColor(Qt::black), std::nullopt);
    EXPECT_TRUE(d.unexpected().empty());

    // Queues used up: each further dialog is a surprise.
    EXPECT_EQ(dialogs().openFileName(QStringLiteral("開く"), QString(), QString()), QString());
    EXPECT_EQ(dialogs().chooseColor(Qt::black), std::nullopt);
    EXPECT_EQ(d.unexpected().size(), 2u);
}

TEST(ScriptedDialogs, SilentModeAnswersNoWithoutSurprise)
{
    ScriptedDialogs d;
    d.answerNoSilently = true;
    EXPECT_FALSE(dialogs().question(QStringLiteral("保存しますか？"), appTitle()));
    EXPECT_EQ(dialogs().openFileName(QStringLiteral("開く"), QString(), QString()), QString());
    EXPECT_TRUE(d.unexpected().empty());
    EXPECT_EQ(d.log.size(), 2u);
}
