#include "ShellFixture.h"
#include "app/Compaction.h"
#include "app/Screenshots.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

using app::MenuItem;

namespace {

const QString noCompany = QStringLiteral("企業の選択がされていません。企業を選択してください。");
const QString title = QStringLiteral("カルネオ　フリー版");

std::vector<MenuItem> enabledItems(app::TQK0000& w)
{
    std::vector<MenuItem> out;
    for (std::size_t i = 0; i < app::menuItemCount; ++i) {
        const auto item = MenuItem(i);
        if (QToolButton* b = w.toolButton(item)) {
            EXPECT_EQ(b->isEnabled(), w.action(item)->isEnabled()) << s(b->objectName());
        }
        if (w.action(item)->isEnabled())
            out.push_back(item);
    }
    return out;
}

// Receives the URLs the program hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

TEST_F(Shell, MenuBarHasSixMenusAndKeepsThePlanningMenusHidden)
{
    QStringList visible;
    for (QAction* a : main().menuBar()->actions())
        if (a->isVisible())
            visible << a->text();
    EXPECT_EQ(visible, (QStringList{QStringLiteral("プロジェクト(&P)"), QStringLiteral("データ入力(&D)"),
                                    QStringLiteral("プロット分析(&G)"), QStringLiteral("昇給管理(&S)"),
                                    QStringLiteral("レポート(&R)"), QStringLiteral("ヘルプ(&H)")}));
    EXPECT_EQ(main().bandMenu()->title(), QStringLiteral("バンド設計(&M)"));
    EXPECT_FALSE(main().bandMenu()->menuAction()->isVisible());
    EXPECT_EQ(main().wageDesignMenu()->title(), QStringLiteral("賃金設計(&C)"));
    EXPECT_FALSE(main().wageDesignMenu()->menuAction()->isVisible());
    EXPECT_EQ(main().matrixReportAction()->text(), QStringLiteral("グループ別マトリクス昇給レポート(&M)"));
    EXPECT_FALSE(main().matrixReportAction()->isVisible());
    EXPECT_EQ(main().windowTitle(), title);
}

// A start with an empty data folder reports the missing control database and leaves only the
// administration, help and end usable.
TEST(ShellStart, WithoutControlDatabaseOnlyAdministrationIsUsable)
{
    ensureApplication();
    TestHome home(false);
    app::TQK0000 w(home.dm());
    const QStringList texts = home.dialogs.texts();
    ASSERT_GE(texts.size(), 2);
    EXPECT_EQ(texts[0], QStringLiteral("データベースのオープンでエラーが発生しました。　") + home.dm().controlDatabasePath());
    EXPECT_TRUE(home.dialogs.log[1].caption.isEmpty()) << "the read error comes in the database error box";
    EXPECT_EQ(enabledItems(w), (std::vector<MenuItem>{MenuItem::New, MenuItem::Open, MenuItem::Mnt, MenuItem::Dlt,
                                                      MenuItem::DBCond, MenuItem::End, MenuItem::BeforeUse,
                                                      MenuItem::HelpH, MenuItem::Version}));
}

TEST_F(Shell, OpeningACompanyShowsItInTheCaptionAndEnablesItsSettings)
{
    struct Case {
        const char* name;
        int reki;
        QString caption;
    } cases[] = {
        {"western years", 0, QStringLiteral("【　2020 年度  :  甲社　】 カルネオ　フリー版")},
        {"era display", 1, QStringLiteral("【　令和 02 年度  :  甲社　】 カルネオ　フリー版")},
    };
    addCompany(home, 2020, 1, QStringLiteral("甲社"));
    for (const Case& c : cases) {
        ASSERT_TRUE(dm().ACN1.executeRaw(QStringLiteral("UPDATE MKIGYOU1 SET REKI = ") + QString::number(c.reki)));
        openCompany();
        EXPECT_EQ(state().CompanyOpen, 1) << c.name;
        EXPECT_FALSE(dialog().isVisible()) << c.name;
        EXPECT_EQ(main().windowTitle(), c.caption) << c.name;
        EXPECT_EQ(state().CurrentKco, 1);
        EXPECT_EQ(state().CurrentCompany.KNA, QStringLiteral("甲社"));
        EXPECT_EQ(state().CurrentCompany.TK[0], QStringLiteral("第１等級"));
        // A new company's set-up is incomplete: its settings, not its analyses.
        EXPECT_EQ(enabledItems(main()),
                  (std::vector<MenuItem>{MenuItem::Close, MenuItem::Base, MenuItem::SalaryName, MenuItem::Hyouka,
                                         MenuItem::End, MenuItem::Living, MenuItem::ModelData, MenuItem::ModelSalary,
                                         MenuItem::BeforeUse, MenuItem::HelpH, MenuItem::Version}))
            << c.name;

        main().mnCloseClick();
        EXPECT_EQ(main().windowTitle(), title);
        EXPECT_EQ(state().CompanyOpen, 0);
        EXPECT_EQ(state().CurrentKco, 0);
        EXPECT_EQ(state().EditMode, 0);
        EXPECT_TRUE(main().action(MenuItem::New)->isEnabled());
        EXPECT_FALSE(main().action(MenuItem::Close)->isEnabled());
    }
}

// The menu follows the set-up as the settings screens complete it, without reopening the company.
TEST_F(Shell, SettingsScreensRecomputeTheMenusWhenTheyClose)
{
    addCompany(home, 2020, 1, QStringLiteral("甲社"));
    openCompany();
    ASSERT_EQ(state().CompanyOpen, 1);
    const std::pair<MenuItem, void (app::TQK0000::*)()> screens[] = {
        {MenuItem::Base, &app::TQK0000::mnBaseClick},
        {MenuItem::SalaryName, &app::TQK0000::mnSararyNameClick},
        {MenuItem::Hyouka, &app::TQK0000::mnHyoukaClick},
    };
    const SetupStep steps[] = {SetupStep::BasicSettings, SetupStep::WorkForm, SetupStep::Evaluation};
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(main().action(MenuItem::Worker)->isEnabled()) << i;
        main().setScreenOpener(screens[i].first, [&, i] { completeStep(home, 2020, 1, steps[i]); });
        (main().*screens[i].second)();
    }
    EXPECT_TRUE(main().action(MenuItem::Worker)->isEnabled());
    EXPECT_TRUE(main().toolButton(MenuItem::SalaryPlot)->isEnabled());
    EXPECT_TRUE(main().action(MenuItem::SalaryUpReport)->isEnabled());
    EXPECT_FALSE(main().action(MenuItem::New)->isEnabled());
}

TEST_F(Shell, CompanyFunctionsSayWhenNoCompanyIsOpen)
{
    const std::pair<MenuItem, void (app::TQK0000::*)()> handlers[] = {
        {MenuItem::Base, &app::TQK0000::mnBaseClick},
        {MenuItem::SalaryName, &app::TQK0000::mnSararyNameClick},
        {MenuItem::Hyouka, &app::TQK0000::mnHyoukaClick},
        {MenuItem::Worker, &app::TQK0000::mnWorkerClick},
        {MenuItem::Living, &app::TQK0000::mnLivingClick},
        {MenuItem::ModelData, &app::TQK0000::mnModelDataClick},
        {MenuItem::ModelSalary, &app::TQK0000::mnModelSalaryClick},
        {MenuItem::SalaryPlot, &app::TQK0000::mnSalaryPlotClick},
        {MenuItem::SalaryUpCurve, &app::TQK0000::mnSalaryUpCurveClick},
        {MenuItem::LivingComp, &app::TQK0000::mnLivingCompClick},
        {MenuItem::ModelSalaryComp, &app::TQK0000::mnModelSalaryCompClick},
        {MenuItem::SalaryUpSetting, &app::TQK0000::mnSalaryUpSettingClick},
        {MenuItem::Fit, &app::TQK0000::mnFitClick},
        {MenuItem::SalaryInput, &app::TQK0000::mnSalaryInputClick},
        {MenuItem::NendoUpdate, &app::TQK0000::mnNendoUpdateClick},
        {MenuItem::List5000, &app::TQK0000::mnList5000Click},
        {MenuItem::List5010, &app::TQK0000::mnList5010Click},
        {MenuItem::SalaryReport, &app::TQK0000::mnSalaryReportClick},
        {MenuItem::SalaryUpReport, &app::TQK0000::mnSalaryUpReportClick},
    };
    int opened = 0;
    for (const auto& [item, handler] : handlers) {
        main().setScreenOpener(item, [&] { ++opened; });
        home.dialogs.clear();
        (main().*handler)();
        EXPECT_EQ(home.dialogs.texts(), QStringList{noCompany}) << int(item);
    }
    EXPECT_EQ(opened, 0);
}

TEST_F(Shell, ScreensOfAnOpenCompanyGetTheirPreparations)
{
    addCompany(home, 2020, 1, QStringLiteral("甲社"));
    openCompany();
    MenuItem opened = MenuItem::Count;
    for (MenuItem item : {MenuItem::ModelSalary, MenuItem::SalaryInput, MenuItem::SalaryReport, MenuItem::SalaryUpReport})
        main().setScreenOpener(item, [&opened, item] { opened = item; });

    // The model wage needs a model code.
    main().mnModelSalaryClick();
    EXPECT_EQ(home.dialogs.texts(),
              QStringList{QStringLiteral("企業マスターにモデルコードがセットされていません。【ﾌﾟﾛｼﾞｪｸﾄ】-->【変更】で、モデルコードをセットして下さい。")});
    EXPECT_EQ(opened, MenuItem::Count);
    state().CurrentCompany.MDCO = 2;
    main().mnModelSalaryClick();
    EXPECT_EQ(opened, MenuItem::ModelSalary);

    main().mnSalaryInputClick();
    EXPECT_EQ(opened, MenuItem::SalaryInput);
    EXPECT_EQ(state().SqlSelect + state().SqlWhere, QStringLiteral("SELECT * FROM DCHINGIN2 WHERE KCO = 1 AND NENDO = 2020"));

    main().mnSalaryReportClick();
    EXPECT_EQ(state().GroupReportKind, 2);
    main().mnSalaryUpReportClick();
    EXPECT_EQ(state().GroupReportKind, 1);
    EXPECT_EQ(opened, MenuItem::SalaryUpReport);
}

TEST_F(Shell, CompanyDialogIsPreparedForEachMode)
{
    struct Case {
        int mode;
        QString caption;
        const char* button;
        QString buttonCaption;
    } cases[] = {
        {4, QStringLiteral("企業　選択"), "btnAdd", QStringLiteral("選択")},
        {1, QStringLiteral("企業　登録"), "btnAdd", QStringLiteral("登録")},
        {2, QStringLiteral("企業　変更"), "btnMnt", QStringLiteral("修正")},
        {3, QStringLiteral("企業　変更"), "btnDlt", QStringLiteral("削除")},   // keeps the caption it had
    };
    for (const Case& c : cases) {
        main().mnCloseClick();
        ASSERT_TRUE(main().beginCompanyAction(c.mode));
        EXPECT_EQ(state().EditMode, c.mode);
        EXPECT_EQ(dialog().windowTitle(), c.caption) << c.mode;
        for (QPushButton* b : {dialog().btnAdd, dialog().btnMnt, dialog().btnDlt})
            EXPECT_EQ(b->isEnabled(), b->objectName() == QString::fromUtf8(c.button)) << c.mode << s(b->objectName());
        EXPECT_EQ(dialog().findChild<QPushButton*>(QString::fromUtf8(c.button))->text(), c.buttonCaption);
    }
    // The fiscal years run from 2004 to one year after today (2020-06-15), showing this year.
    QStringList years;
    for (int i = 0; i < dialog().cmbNendo->count(); ++i)
        years << dialog().cmbNendo->itemText(i);
    EXPECT_EQ(years, app::fiscalYears(2020));
    EXPECT_EQ(years.back(), QStringLiteral("2021"));
    EXPECT_EQ(dialog().cmbNendo->currentText(), QStringLiteral("2020"));
    EXPECT_EQ(state().CurrentNendo, 2020);
    EXPECT_EQ(dialog().Lbl_Info->text(), QStringLiteral("サンプル企業は2019～2020年度に収録されています"));
}

TEST_F(Shell, ASelectedCompanyBlocksRegisteringChangingAndDeleting)
{
    main();
    state().EditMode = 4;
    for (int mode : {1, 2, 3}) {
        home.dialogs.clear();
        EXPECT_FALSE(main().beginCompanyAction(mode));
        EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("企業の選択を解除して下さい。")}) << mode;
        EXPECT_EQ(state().EditMode, 4);
    }
    home.dialogs.clear();
    EXPECT_TRUE(main().beginCompanyAction(4));
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
}

// The menu item runs the dialog modally; the user picks the company while it waits.
TEST_F(Shell, OpenFromTheMenuRunsTheDialogModally)
{
    addCompany(home, 2020, 1, QStringLiteral("甲社"));
    addCompany(home, 2020, 2, QStringLiteral("乙社"));
    QTimer::singleShot(0, [this] {
        clickRow(1);
        dialog().btnAdd->click();
        if (dialog().isVisible())
            dialog().reject();   // never leave the test waiting
    });
    main().action(MenuItem::Open)->trigger();
    EXPECT_EQ(state().CompanyOpen, 1);
    EXPECT_EQ(state().CurrentKco, 2);
    EXPECT_EQ(main().windowTitle(), QStringLiteral("【　2020 年度  :  乙社　】 カルネオ　フリー版"));
}

TEST_F(Shell, HelpOpensTheHelpFileOrSaysItIsMissing)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");

    main().toolButton(MenuItem::HelpH)->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("ヘルプファイルが見つかりません。")});
    EXPECT_TRUE(catcher.urls.isEmpty());

    QFile help(main().helpFilePath());
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<html></html>");
    help.close();
    home.dialogs.clear();
    main().mnHELPHClick();
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0], QUrl::fromLocalFile(home.path() + QStringLiteral("Zododi_Ziraz.html")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

TEST_F(Shell, CompactionAsksFirstAndReportsCompletion)
{
    addCompany(home, 2020, 1, QStringLiteral("甲社"));
    const QString stale = app::backupPathFor(dm().yearDatabasePath(2020));
    const QString ask = QStringLiteral("データベースを圧縮します。よろしいですか？");
    const QString done = QStringLiteral("DB圧縮処理が完了しました。");

    // No: nothing happens, the control database stays open.
    home.dialogs.answer(false);
    main().mnDBCondClick();
    EXPECT_EQ(home.dialogs.texts(), QStringList{ask});
    EXPECT_TRUE(dm().ACN1.isOpen());

    // A left-over ".bak" beside one database, answered No: that one is skipped, the rest compacted,
    // and the completion is still reported.
    QFile bak(stale);
    ASSERT_TRUE(bak.open(QIODevice::WriteOnly));
    bak.close();
    home.dialogs.clear();
    home.dialogs.answer(true);
    home.dialogs.answer(false);
    main().mnDBCondClick();
    const QStringList texts = home.dialogs.texts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], ask);
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("すでに.bakファイルが存在します。")));
    EXPECT_EQ(texts[2], done);
    EXPECT_TRUE(QFileInfo::exists(stale));
    EXPECT_FALSE(QFileInfo::exists(app::backupPathFor(dm().controlDatabasePath())));
    EXPECT_TRUE(dm().ACN1.isOpen()) << "the control database is open again";
    EXPECT_EQ(scalar(dm().ACN1, QStringLiteral("SELECT COUNT(*) FROM MKIGYOU1")), 1);
}

TEST_F(Shell, ScreenshotRunWritesEveryScreen)
{
    addCompany(home, 2020, 1, QStringLiteral("甲社"));
    QTemporaryDir out;
    EXPECT_EQ(app::runScreenshots(dm(), out.path()), 0);
    for (const char* file : {"TQK0001Lite-start.png", "TQK0000-empty.png", "TQK0000-sample.png", "TQK0010-open.png",
                             "TQK0020-change.png"})
        EXPECT_GT(QFileInfo(out.path() + QLatin1Char('/') + QString::fromUtf8(file)).size(), 1000) << file;
}

#include "MainWindowTest.moc"
