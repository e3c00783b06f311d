// The raise curve screens, offscreen: fields that refuse wrong input with their messages and keep
// the focus, the design grid registered and loaded per item pair, plotting refused with unregistered
// changes, the legend dialog, and the settings of the analysis screen on close.

#include "../analysis/PlotFixture.h"
#include "../master/MasterFixture.h"
#include "analysis/TentativeCurves.h"
#include "curves/TQK1020.h"
#include "curves/TQK1050.h"
#include "curves/TQK1051.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <class Screen>
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        plotfixture::makeCompany(home);
        screen = std::make_unique<Screen>(home.dm(), nullptr);
        screen->Prepare();
        screen->show();
        screen->activateWindow();
        QApplication::processEvents();
    }

    QString messages() const { return home.dialogs.texts().join(QLatin1Char('|')); }

    TestHome home;
    std::unique_ptr<Screen> screen;
};

using DesignScreen = ScreenTest<curves::TQK1050>;
using AnalysisScreen = ScreenTest<curves::TQK1020>;

TEST_F(DesignScreen, GridFieldsRefuseWrongInputAndKeepTheFocus)
{
    struct Case {
        bool amount;
        const char* typed;
        const char* message;   // empty: accepted
        const char* shown;
    };
    const Case cases[] = {
        {false, "ab", "数値を入力してください。", "ab"},
        {false, "-1", "入力範囲外です。", "-1"},
        {false, "", "数値を入力してください。", ""},
        {false, "35", "", "35"},
        {true, "12a", "数値を入力してください。", "12a"},
        {true, "123456789", "入力範囲外です。", "123456789"},
        {true, "-5", "入力範囲外です。", "-5"},
        {true, "1234567", "", "1,234,567"},
        {true, "99,999,999", "", "99,999,999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        QLineEdit* field = c.amount ? screen->txtSyokunou[1][2] : screen->txtNenrei[1][2];
        home.dialogs.clear();
        typeAndTab(field, QString::fromUtf8(c.typed));
        EXPECT_EQ(s(messages()), c.message);
        EXPECT_EQ(s(field->text()), c.shown);
        EXPECT_EQ(focused(field), *c.message != '\0');
        if (*c.message != '\0') {
            field->setText(QStringLiteral("0"));
            QTest::keyClick(field, Qt::Key_Tab);
        }
    }
}

TEST_F(DesignScreen, RegisteredPerItemPairAndPlottingNeedsRegistration)
{
    EXPECT_EQ(s(screen->xHeaders[0]->text()), "年　　齢１");
    typeAndTab(screen->txtNenrei[0][0], QStringLiteral("20"));
    typeAndTab(screen->txtSyokunou[0][0], QStringLiteral("200000"));
    typeAndTab(screen->txtNenrei[0][1], QStringLiteral("25"));
    typeAndTab(screen->txtSyokunou[0][1], QStringLiteral("212345"));
    screen->chk[0]->setChecked(true);
    EXPECT_EQ(home.dm().state.DataChanged, 1);

    screen->btnExecClick();
    EXPECT_EQ(s(messages()), "ﾃﾞｰﾀが変更されています。登録　してください。");
    home.dialogs.clear();

    screen->btnAddClick();
    EXPECT_EQ(home.dm().state.DataChanged, 0);
    // Another x item shows its own (empty) designs, and the first comes back with its item.
    screen->optX[1]->click();
    EXPECT_EQ(s(screen->xHeaders[2]->text()), "勤　　続３");
    EXPECT_EQ(s(screen->txtSyokunou[0][1]->text()), "0");
    EXPECT_FALSE(screen->chk[0]->isChecked());
    EXPECT_EQ(analysis::tentativeCurves().xItem, 1);
    screen->optX[0]->click();
    EXPECT_EQ(s(screen->txtSyokunou[0][1]->text()), "212,345");
    EXPECT_TRUE(screen->chk[0]->isChecked());
    EXPECT_EQ(screen->grid()[0].amount[1], 212345);
    EXPECT_TRUE(messages().isEmpty()) << s(messages());
}

TEST_F(DesignScreen, ClosingWithChangesAsksFirst)
{
    typeAndTab(screen->txtNenrei[0][0], QStringLiteral("20"));
    home.dialogs.answer(true);
    screen->btnCloseClick();
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(s(messages()),
              "ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r【いいえ】:画面を閉じます。");
    home.dialogs.answer(false);
    screen->btnCloseClick();
    EXPECT_FALSE(screen->isVisible());
    home.expectNoUnexpected();
}

TEST_F(DesignScreen, LegendDialogEditsItsSlot)
{
    analysis::TentativeSlot slot;
    slot.HANREI = QStringLiteral("旧");
    slot.style = 1;
    slot.width = 2;
    curves::TQK1051 dialog;
    dialog.Prepare(3, slot);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(s(dialog.txtName->text()), "曲線番号(3)");
    EXPECT_FALSE(dialog.txtName->isEnabled());
    EXPECT_FALSE(dialog.btnAdd->isVisible());
    EXPECT_EQ(s(dialog.cmbSensyu->currentText()), "1 : 破線");

    typeAndTab(dialog.cmbSenhaba, QStringLiteral("7"));
    EXPECT_FALSE(home.dialogs.texts().isEmpty());
    EXPECT_EQ(slot.width, 2);
    home.dialogs.clear();
    typeAndTab(dialog.cmbSenhaba, QStringLiteral("4"));
    typeAndTab(dialog.cmbSensyu, QStringLiteral("0"));
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << s(messages());
    EXPECT_EQ(slot.width, 4);
    EXPECT_EQ(slot.style, 0);

    home.dialogs.answerColor(QColor(0, 0, 255));
    dialog.btnColor->click();
    EXPECT_EQ(slot.color, QColor(0, 0, 255));
    // The preview carries the slot's line in its colour.
    const QImage preview = dialog.preview().toImage();
    EXPECT_EQ(preview.pixelColor(80, 4), QColor(0, 0, 255));

    dialog.txtHanrei->setText(QStringLiteral("新案"));
    dialog.txtComment->setText(QStringLiteral("説明文"));
    dialog.btnCloseClick();
    EXPECT_EQ(s(slot.HANREI), "新案");
    EXPECT_EQ(s(slot.SETSUMEI), "説明文");
}

TEST_F(AnalysisScreen, LevelFieldsRefuseWhatIsNoNumber)
{
    struct Case {
        const char* typed;
        const char* message;
    };
    const Case cases[] = {{"", "数値を入力してください。"}, {"1x", "数値を入力してください。"}, {"-12.5", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        home.dialogs.clear();
        typeAndTab(screen->txtLevel[1], QString::fromUtf8(c.typed));
        EXPECT_EQ(s(messages()), c.message);
        EXPECT_EQ(focused(screen->txtLevel[1]), *c.message != '\0');
    }
    EXPECT_EQ(screen->options().levels[1], -12.5);
}

TEST_F(AnalysisScreen, OptimalWageWithoutEmployeesIsNotSaved)
{
    screen->optX[curves::optimalWageItem]->setChecked(true);
    screen->txtTitle->setText(QStringLiteral("保存されない"));
    screen->btnAnalizeClick();
    EXPECT_EQ(s(messages()), "グラフに表示するデータがありません。");
    screen->btnCloseClick();
    EXPECT_EQ(scalar(home.dm().ACN2, QStringLiteral("SELECT COUNT(*) FROM MCHART WHERE CHCO = 1020 AND FX = 5")), 0);

    // Another item is saved on close, with the items checked at that moment.
    screen->Prepare();
    screen->optX[1]->setChecked(true);
    screen->optY[3]->setChecked(true);
    screen->optDegree[1]->setChecked(true);
    screen->optGraphAll->setChecked(true);
    screen->btnCloseClick();
    screen->Prepare();
    EXPECT_TRUE(screen->optX[1]->isChecked());
    EXPECT_TRUE(screen->optY[3]->isChecked());
    EXPECT_TRUE(screen->optDegree[1]->isChecked());
    EXPECT_TRUE(screen->optGraphAll->isChecked());
    EXPECT_EQ(home.dm().state.DataChanged, 0);
}

} // namespace
