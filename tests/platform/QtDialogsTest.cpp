#include "platform/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace platform;

namespace {

// Runs `act` on the message box once it is shown modally; records what the box looked like.
struct BoxSeen {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

void whenBoxShown(BoxSeen& seen, std::function<void(QMessageBox&)> act)
{
    QTimer::singleShot(0, [&seen, act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;   // the test then hangs at exec(): ctest's timeout reports it
        seen.text = box->text();
        seen.caption = box->windowTitle();
        seen.icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            seen.buttons << b->text();
        act(*box);
    });
}

void clickButton(QMessageBox& box, const QString& label)
{
    for (QAbstractButton* b : box.buttons())
        if (b->text() == label)
            return b->click();
    box.close();
}

} // namespace

class QtDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }

    int argc = 1;
    char name[17] = "test_platform_ui";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
};

TEST_F(QtDialogsTest, InstallsItselfWhileAlive)
{
    Dialogs* before = &dialogs();
    {
        QtDialogs d;
        EXPECT_EQ(&dialogs(), &d);
    }
    EXPECT_EQ(&dialogs(), before);
}

TEST_F(QtDialogsTest, QuestionIsYesOnlyForHai)
{
    QtDialogs d;
    const struct {
        const char* how;
        std::function<void(QMessageBox&)> act;
        bool expected;
    } cases[] = {
        {"はい", [](QMessageBox& b) { clickButton(b, QStringLiteral("はい")); }, true},
        {"いいえ", [](QMessageBox& b) { clickButton(b, QStringLiteral("いいえ")); }, false},
        {"Esc", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }, false},
        {"Enter", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Return); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        BoxSeen seen;
        whenBoxShown(seen, c.act);
        EXPECT_EQ(d.question(QStringLiteral("ﾃﾞｰﾀを削除しますか？\r【はい】:削除します。\r【いいえ】:戻ります。"),
                             QStringLiteral("確認")),
                  c.expected);
        EXPECT_EQ(seen.caption, QStringLiteral("確認"));
        EXPECT_EQ(seen.icon, QMessageBox::Question);
        EXPECT_EQ(seen.text, QStringLiteral("ﾃﾞｰﾀを削除しますか？\n【はい】:削除します。\n【いいえ】:戻ります。"));
        EXPECT_EQ(seen.buttons.size(), 2);
        EXPECT_TRUE(seen.buttons.contains(QStringLiteral("はい")));
        EXPECT_TRUE(seen.buttons.contains(QStringLiteral("いいえ")));
    }
}

TEST_F(QtDialogsTest, MessageHasOkAndTheIconOfItsKind)
{
    QtDialogs d;
    const struct {
        MessageKind kind;
        QMessageBox::Icon icon;
    } cases[] = {
        {MessageKind::Information, QMessageBox::Information},
        {MessageKind::Warning, QMessageBox::Warning},
        {MessageKind::Error, QMessageBox::Critical},
    };
    for (const auto& c : cases) {
        BoxSeen seen;
        whenBoxShown(seen, [](QMessageBox& b) { clickButton(b, QStringLiteral("OK")); });
        d.message(c.kind, QStringLiteral("数値を入力してください。"), appTitle());
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.caption, appTitle());
        EXPECT_EQ(seen.text, QStringLiteral("数値を入力してください。"));
        EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("OK")});
    }
}
