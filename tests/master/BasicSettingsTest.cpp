#include "MasterFixture.h"
#include "master/BasicSettings.h"
#include "master/TQK0070.h"
#include "platform/ColorNames.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using master::BasicSettings;

namespace {

QString where() { return QStringLiteral(" WHERE KCO = 1 AND NENDO = 2020"); }

// ---------------------------------------------------------------- without widgets

TEST(MasterBasicSettings, ReferenceDateIsReadAsTypedAndShownThroughTheFormat)
{
    struct Case {
        const char* typed;
        std::optional<int> value;
        const char* shown;
    } cases[] = {
        {"2009.04.01", 20090401, "2009.04.01"},
        {"20200401", 20200401, "2020.04.01"},
        // One-digit month and day are joined as typed: a wrong date, and no message.
        {"2020.4.1", 202041, "0020.20.41"},
        {"0", 0, "0000.00.00"},
        {"2020.04.0x", std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        const auto v = master::parseReferenceDate(QString::fromUtf8(c.typed));
        EXPECT_EQ(v, c.value) << c.typed;
        if (v) {
            EXPECT_EQ(master::referenceDateText(*v), QString::fromUtf8(c.shown)) << c.typed;
        }
    }
}

TEST(MasterBasicSettings, SampleLineHasTheTypeWidthAndColour)
{
    auto isWhite = [](const QImage& img, int x, int y) { return img.pixelColor(x, y) == QColor(Qt::white); };
    const QImage solid = master::lineSample(Qt::red, 0, 3);
    ASSERT_EQ(solid.size(), QSize(161, 9));
    EXPECT_EQ(solid.pixelColor(80, 4), QColor(Qt::red));
    EXPECT_EQ(solid.pixelColor(80, 3), QColor(Qt::red)) << "three pixels wide";
    EXPECT_TRUE(isWhite(solid, 80, 0));

    const QImage thin = master::lineSample(Qt::red, 0, 1);
    EXPECT_TRUE(isWhite(thin, 80, 2));

    const QImage dashed = master::lineSample(Qt::blue, 1, 1);
    int gaps = 0, ink = 0;
    for (int x = 0; x < 161; ++x)
        (isWhite(dashed, x, 4) ? gaps : ink)++;
    EXPECT_GT(gaps, 10);
    EXPECT_GT(ink, 10);

    for (const QImage& blank : {master::lineSample(Qt::red, 5, 2), master::lineSample(Qt::red, 0, 0)})
        for (int x = 0; x < 161; x += 8)
            EXPECT_TRUE(isWhite(blank, x, 4)) << "style なし or width 0 draws nothing";
}

class MasterBasicSettingsData : public MasterTest {};

TEST_F(MasterBasicSettingsData, ANewCompanyReadsAsCountingToTodayWithItsDefaultMarks)
{
    BasicSettings s;
    ASSERT_TRUE(master::loadBasicSettings(dm(), s));
    EXPECT_TRUE(s.ageByToday) << "FNK 9 shows like 1";
    EXPECT_EQ(s.referenceDate, 20090401);
    EXPECT_FALSE(s.eraDisplay);
    EXPECT_EQ(s.eras[1].name, QStringLiteral("平成"));
    EXPECT_EQ(s.eras[1].year, QStringLiteral("1989"));
    EXPECT_TRUE(s.marks[0].stored);
    EXPECT_EQ(s.marks[0].symbol, QStringLiteral("●"));
    EXPECT_EQ(s.marks[0].markColor, QColor(255, 0, 0));
    EXPECT_TRUE(s.pens[3].stored);
}

TEST_F(MasterBasicSettingsData, SaveWritesBothDatabasesAndTheState)
{
    BasicSettings s;
    ASSERT_TRUE(master::loadBasicSettings(dm(), s));
    s.ageByToday = false;
    s.referenceDate = 20200401;
    s.eraDisplay = true;
    s.eras[2] = {QStringLiteral("令和"), QStringLiteral("2019"), QStringLiteral("5"), QStringLiteral("1")};
    s.selectedEra = 2;
    s.marks[2].symbol = QStringLiteral("◎");
    s.marks[2].lineColor = QColor(0x12, 0x34, 0x56);
    s.marks[2].lineStyle = 4;
    s.pens[1].color = Qt::red;
    s.pens[1].lineWidth = 3;
    ASSERT_TRUE(master::saveBasicSettings(dm(), s));

    EXPECT_EQ(textAt(dm().ACN1, QStringLiteral("select FNK from MKIGYOU1") + where()), QStringLiteral("0"));
    EXPECT_EQ(count1(QStringLiteral("select KDATE from MKIGYOU1") + where()), 20200401);
    EXPECT_EQ(count1(QStringLiteral("select REKI from MKIGYOU1") + where()), 1);
    EXPECT_EQ(textAt(dm().ACN1, QStringLiteral("select KNA from MKIGYOU1") + where()), QStringLiteral("テスト工業"))
        << "the other columns are written back as read";
    EXPECT_EQ(count1(QStringLiteral("select SYOTEIMM from MKIGYOU1") + where()), 160);
    EXPECT_EQ(count1(QStringLiteral("select FREKI from MSEIGYO where CO = 0")), 2);
    EXPECT_EQ(textAt(dm().ACN2, QStringLiteral("select MARK from MMARK") + where() + QStringLiteral(" and MKCO = 3")),
              QStringLiteral("◎"));
    EXPECT_EQ(textAt(dm().ACN2, QStringLiteral("select KCOLOR from MMARK") + where() + QStringLiteral(" and MKCO = 3")),
              QStringLiteral("$00563412"));
    EXPECT_EQ(textAt(dm().ACN2, QStringLiteral("select CCOLOR from MGRAPH") + where() + QStringLiteral(" and GSCO = 2")),
              QStringLiteral("clRed"));
    EXPECT_EQ(count2(QStringLiteral("select count(*) from MMARK") + where()), 9) << "updated, not added";

    EXPECT_EQ(state().AgeByToday, 0);
    EXPECT_EQ(state().EraDisplay, 1);
    EXPECT_EQ(state().AgeReferenceDate, 20200401);
    EXPECT_EQ(state().EraTable[2].firstYear, 2019);

    BasicSettings back;
    ASSERT_TRUE(master::loadBasicSettings(dm(), back));
    EXPECT_FALSE(back.ageByToday);
    EXPECT_EQ(back.selectedEra, 2);
    EXPECT_EQ(back.marks[2].lineStyle, 4);
    EXPECT_EQ(back.pens[1].lineWidth, 3);
}

TEST_F(MasterBasicSettingsData, AYearWithoutMarksGetsNineRowsOnTheFirstSave)
{
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("delete from MMARK")));
    BasicSettings s;
    ASSERT_TRUE(master::loadBasicSettings(dm(), s));
    EXPECT_FALSE(s.marks[0].stored);
    ASSERT_TRUE(master::saveBasicSettings(dm(), s));
    EXPECT_EQ(count2(QStringLiteral("select count(*) from MMARK") + where()), 9);
    EXPECT_EQ(count2(QStringLiteral("select min(MKCO) from MMARK")), 1);
    EXPECT_EQ(count2(QStringLiteral("select max(MKCO) from MMARK")), 9);
}

TEST_F(MasterBasicSettingsData, AFailedSaveLeavesEveryRowAndTheStateAsTheyWere)
{
    BasicSettings s;
    ASSERT_TRUE(master::loadBasicSettings(dm(), s));
    s.ageByToday = false;
    s.eraDisplay = true;
    s.marks[0].symbol = QStringLiteral("X");
    // The pens are written last; a pen table that cannot take the rows fails the save.
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("drop table MGRAPH")));
    EXPECT_FALSE(master::saveBasicSettings(dm(), s));
    ASSERT_EQ(home.dialogs.log.size(), 1u) << "the database error box";

    EXPECT_EQ(textAt(dm().ACN1, QStringLiteral("select FNK from MKIGYOU1") + where()), QStringLiteral("9"));
    EXPECT_EQ(count1(QStringLiteral("select REKI from MKIGYOU1") + where()), 0);
    EXPECT_EQ(textAt(dm().ACN2, QStringLiteral("select MARK from MMARK") + where() + QStringLiteral(" and MKCO = 1")),
              QStringLiteral("●"));
    EXPECT_EQ(state().EraDisplay, 0);
    EXPECT_NE(state().AgeByToday, 0);
}

// ---------------------------------------------------------------- the screen

class MasterBasicSettingsScreen : public MasterTest {
protected:
    void SetUp() override
    {
        MasterTest::SetUp();
        screen = std::make_unique<master::TQK0070>(dm());
        screen->Prepare();
        showActive(screen.get());
    }
    std::unique_ptr<master::TQK0070> screen;
};

TEST_F(MasterBasicSettingsScreen, OpensOnTheStoredSettings)
{
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("基本設定"));
    EXPECT_EQ(screen->size(), QSize(777, 620));
    EXPECT_EQ(screen->PageControl->tabText(screen->PageControl->currentIndex()), QStringLiteral("日付処理"));
    EXPECT_TRUE(screen->optKeisan1->isChecked());
    EXPECT_FALSE(screen->txtKijunbi->isEnabled());
    EXPECT_EQ(screen->txtKijunbi->text(), QStringLiteral("2009.04.01"));
    EXPECT_TRUE(screen->optSeireki->isChecked());
    EXPECT_EQ(screen->txtNengou[2]->text(), QStringLiteral("令和"));
    EXPECT_EQ(screen->txtMark[0]->text(), QStringLiteral("●"));
    EXPECT_EQ(screen->txtHanrei[0]->text(), QStringLiteral("営業部"));
    EXPECT_EQ(screen->cmbSensyu[2]->currentText(), QStringLiteral("1 : 破線"));
    EXPECT_EQ(screen->txtMark[0]->palette().color(QPalette::Text), QColor(255, 0, 0)) << "the symbol in its colour";
    EXPECT_EQ(state().DataChanged, 0);
}

TEST_F(MasterBasicSettingsScreen, FieldsRefuseWrongInputAndKeepTheFocus)
{
    const QString cp932 = QStringLiteral("「𠮷」はShift-JIS(CP932)で書けない文字です。");
    struct Case {
        int tab;
        QWidget* field;
        QString typed;
        QString message;
    } cases[] = {
        {0, screen->txtChgyy[0], QStringLiteral("19x6"), QStringLiteral("数値を入力してください。")},
        {0, screen->txtChgyy[0], QStringLiteral("2101"), QStringLiteral("入力範囲外です。")},
        {0, screen->txtChgmm[1], QStringLiteral("13"), QStringLiteral("入力範囲外です。")},
        {0, screen->txtChgdd[2], QStringLiteral("32"), QStringLiteral("入力範囲外です。")},
        {0, screen->txtNengou[0], QStringLiteral("𠮷"), cp932},
        {1, screen->cmbMSize[0], QStringLiteral("7"), QStringLiteral("入力範囲外です。")},
        {1, screen->cmbMSize[0], QStringLiteral("19"), QStringLiteral("入力範囲外です。")},
        {1, screen->cmbMSize[0], QStringLiteral("大"), QStringLiteral("入力範囲外です。")},
        {1, screen->cmbSensyu[4], QStringLiteral("6"), QStringLiteral("存在しないコードです。")},
        {1, screen->cmbSenHaba[4], QStringLiteral("x"), QStringLiteral("数値を入力して下さい。")},
        {1, screen->txtHanrei[8], QStringLiteral("髙𠮷"), cp932},
        {2, screen->cmbGRSenHaba[1], QStringLiteral("0"), QStringLiteral("存在しないコードです。")},
    };
    for (const Case& c : cases) {
        home.dialogs.clear();
        screen->PageControl->setCurrentIndex(c.tab);
        typeAndTab(c.field, c.typed);
        EXPECT_EQ(home.dialogs.texts(), QStringList{c.message}) << s(c.typed);
        EXPECT_TRUE(focused(c.field)) << s(c.typed) << " keeps the focus";
        // Put right before the next case, so that leaving it is quiet.
        typeAndTab(c.field, c.field == screen->txtNengou[0] ? QStringLiteral("昭和")
                            : c.field == screen->txtHanrei[8] ? QStringLiteral("品質")
                            : c.tab == 1 && c.field == screen->cmbMSize[0] ? QStringLiteral("9")
                                                                            : QStringLiteral("1"));
    }
    home.dialogs.clear();
    screen->PageControl->setCurrentIndex(1);
    typeAndTab(screen->cmbMSize[0], QStringLiteral("13"));
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << "13 is not in the list but may be typed";
    EXPECT_EQ(screen->settings().marks[0].markSize, 13);
}

TEST_F(MasterBasicSettingsScreen, TheReferenceDateCountsAsSoonAsItIsLeft)
{
    screen->optKeisan2->click();
    EXPECT_TRUE(screen->txtKijunbi->isEnabled());
    typeAndTab(screen->txtKijunbi, QStringLiteral("2020.4.1"));
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    EXPECT_EQ(screen->txtKijunbi->text(), QStringLiteral("0020.20.41"));
    EXPECT_EQ(state().AgeReferenceDate, 202041) << "before any save";
    typeAndTab(screen->txtKijunbi, QStringLiteral("2020/04/01"));
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("数値を入力してください。")});
    EXPECT_TRUE(focused(screen->txtKijunbi));
}

TEST_F(MasterBasicSettingsScreen, SavingFromTheScreenWritesWhatItShows)
{
    screen->optKeisan2->click();
    typeAndTab(screen->txtKijunbi, QStringLiteral("20200331"));
    screen->optWareki->click();
    screen->PageControl->setCurrentIndex(1);
    home.dialogs.answerColor(QColor(Qt::blue));
    screen->btnSenColor[1]->click();
    typeAndTab(screen->cmbSensyu[1], QStringLiteral("3"));
    EXPECT_EQ(screen->cmbSensyu[1]->currentText(), QStringLiteral("3 : 一点鎖線"));
    screen->PageControl->setCurrentIndex(2);
    typeAndTab(screen->cmbGRSenHaba[3], QStringLiteral("4"));
    EXPECT_EQ(state().DataChanged, 1);
    screen->btnAdd->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    EXPECT_EQ(state().DataChanged, 0);

    EXPECT_EQ(textAt(dm().ACN1, QStringLiteral("select FNK from MKIGYOU1") + where()), QStringLiteral("0"));
    EXPECT_EQ(count1(QStringLiteral("select KDATE from MKIGYOU1") + where()), 20200331);
    EXPECT_EQ(count1(QStringLiteral("select REKI from MKIGYOU1") + where()), 1);
    EXPECT_EQ(textAt(dm().ACN2, QStringLiteral("select KCOLOR from MMARK") + where() + QStringLiteral(" and MKCO = 2")),
              QStringLiteral("clBlue"));
    EXPECT_EQ(count2(QStringLiteral("select KSYURUI from MMARK") + where() + QStringLiteral(" and MKCO = 2")), 3);
    EXPECT_EQ(count2(QStringLiteral("select CHABA from MGRAPH") + where() + QStringLiteral(" and GSCO = 4")), 4);
    EXPECT_EQ(state().EraDisplay, 1);
}

TEST_F(MasterBasicSettingsScreen, ColourDialogRepaintsTheSampleOnlyWhenConfirmed)
{
    screen->PageControl->setCurrentIndex(2);
    home.dialogs.answerColor(std::nullopt);
    screen->btnGRColor[0]->click();
    EXPECT_EQ(state().DataChanged, 0) << "a cancelled dialog changes nothing";
    home.dialogs.answerColor(QColor(0, 200, 0));
    screen->btnGRColor[0]->click();
    const QImage sample = screen->imgGRMihon[0]->pixmap().toImage();
    EXPECT_EQ(sample.pixelColor(80, 4), QColor(0, 200, 0));
    EXPECT_EQ(state().DataChanged, 1);
}

TEST_F(MasterBasicSettingsScreen, CloseAsksAfterAChangeAndCancelForgetsIt)
{
    const QString question = QStringLiteral("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r【いいえ】:画面を閉じます。");
    screen->optWareki->click();
    home.dialogs.answer(true);
    screen->btnClose->click();
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_EQ(home.dialogs.log[0].text, question);
    EXPECT_EQ(home.dialogs.log[0].caption, QStringLiteral("確認"));
    EXPECT_TRUE(screen->isVisible()) << "Yes stays";

    screen->btnCancel->click();
    home.dialogs.clear();
    screen->btnClose->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << "after cancel nothing is asked";
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(count1(QStringLiteral("select REKI from MKIGYOU1") + where()), 0) << "and nothing was saved";

    // Opened again: the stored values, the tab last shown.
    screen->PageControl->setCurrentIndex(1);
    screen->Prepare();
    showActive(screen.get());
    EXPECT_TRUE(screen->optSeireki->isChecked());
    EXPECT_EQ(screen->PageControl->currentIndex(), 1);
    screen->optWareki->click();
    home.dialogs.answer(false);
    screen->close();
    EXPECT_FALSE(screen->isVisible()) << "the close box asks as well; No closes";
    EXPECT_EQ(home.dialogs.texts(), QStringList{question});
}

} // namespace
