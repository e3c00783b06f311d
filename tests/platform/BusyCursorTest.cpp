#include "platform/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace platform;

namespace {

Qt::CursorShape overrideShape()
{
    const QCursor* c = QGuiApplication::overrideCursor();
    return c ? c->shape() : Qt::BitmapCursor;   // BitmapCursor: no override set
}

} // namespace

// A GUI application for each test, gone again afterwards.
class BusyCursorWithApp : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override
    {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        app.reset();
    }

    int argc = 1;
    char name[14] = "test_platform";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
};

TEST_F(BusyCursorWithApp, ScopeShowsTheHourglassAndRestores)
{
    {
        BusyCursor busy;
        EXPECT_TRUE(busy.active());
        EXPECT_EQ(overrideShape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(BusyCursorWithApp, EndRestoresOnceAndLeavesOtherOverridesAlone)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    {
        BusyCursor busy;
        EXPECT_EQ(overrideShape(), Qt::WaitCursor);
        busy.end();
        EXPECT_FALSE(busy.active());
        EXPECT_EQ(overrideShape(), Qt::CrossCursor);
        busy.end();
        EXPECT_EQ(overrideShape(), Qt::CrossCursor);
    }
    // Nor did the destructor restore a second time.
    EXPECT_EQ(overrideShape(), Qt::CrossCursor);
}

TEST_F(BusyCursorWithApp, NestedScopesRestoreInTurn)
{
    {
        BusyCursor outer;
        {
            BusyCursor inner;
            EXPECT_EQ(overrideShape(), Qt::WaitCursor);
        }
        EXPECT_EQ(overrideShape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(BusyCursorWithoutApp, DoesNothing)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    BusyCursor busy;
    EXPECT_FALSE(busy.active());
    busy.end();
}
