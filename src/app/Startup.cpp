#include "app/Startup.h"

#include "Version.h"
#include "app/GuideInstall.h"
#include "app/ScreenWiring.h"
#include "app/Screenshots.h"
#include "app/TQK0000.h"
#include "app/TQK0001Lite.h"
#include "data/DataModule.h"
#include "data/InstallData.h"
#include "platform/ProgramFolders.h"
#include "platform/QtDialogs.h"
#include "platform/ScriptedDialogs.h"
#include "reports/ReportLayout.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QTextStream>
#include <QThread>
#include <memory>

namespace app {

namespace {

// Runs without a window need no display: they use the offscreen platform.
bool windowless(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--init" || a == "--version" || a == "--screenshots" || a.startsWith("--screenshots=")
            || a == "--help" || a == "-h")
            return true;
    }
    return false;
}

// The screens were laid out for a Japanese gothic of 9 points; IPAPGothic has its metrics.
void applyJapaneseFont()
{
    const QString family = QStringLiteral("IPAPGothic");
    if (QFontDatabase::families().contains(family))
        QApplication::setFont(QFont(family, 9));
}

// The splash stays at least this long; meanwhile the program takes no input.
constexpr qint64 splashMilliseconds = 3000;

int runWindow(const platform::ProgramFolders& folders, bool splash)
{
    data::TFDM dm(folders.programDir);
    platform::QtDialogs dialogs;
    TQK0000 main(dm);
    connectScreens(main, dm);

    std::unique_ptr<TQK0001Lite> picture;
    QElapsedTimer shown;
    if (splash) {
        picture = std::make_unique<TQK0001Lite>();
        picture->show();
        picture->repaint();
        shown.start();
        // Paint and expose events are handled so the picture shows; clicks and keys wait.
        while (shown.elapsed() <= splashMilliseconds) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            QThread::msleep(15);
        }
    }
    main.showMaximized();
    picture.reset();
    return QApplication::exec();
}

int runScreenshotMode(const platform::ProgramFolders& folders, const QString& dir)
{
    data::TFDM dm(folders.programDir);
    // The pictures must not depend on the day they are taken, and nobody is there to answer.
    dm.state.fixedToday = QDate(2020, 6, 15);
    dm.state.refreshToday();
    platform::ScriptedDialogs dialogs;
    dialogs.answerNoSilently = true;
    return runScreenshots(dm, dir);
}

} // namespace

int runProgram(int argc, char** argv)
{
    if (windowless(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("karuneo"));
    QApplication::setApplicationVersion(QStringLiteral(KARUNEO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("カルネオ　フリー版"));
    parser.addHelpOption();
    const QCommandLineOption versionOpt(QStringLiteral("version"), QStringLiteral("バージョンを表示して終了します。"));
    const QCommandLineOption homeOpt(QStringLiteral("home"), QStringLiteral("プログラムフォルダ"), QStringLiteral("DIR"));
    const QCommandLineOption initOpt(QStringLiteral("init"), QStringLiteral("プログラムフォルダを準備して終了します。"));
    const QCommandLineOption noSplashOpt(QStringLiteral("no-splash"), QStringLiteral("起動画面を表示しません。"));
    const QCommandLineOption shotsOpt(QStringLiteral("screenshots"), QStringLiteral("全画面をPNGに出力して終了します。"),
                                      QStringLiteral("DIR"));
    parser.addOptions({versionOpt, homeOpt, initOpt, noSplashOpt, shotsOpt});
    parser.process(application);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (parser.isSet(versionOpt)) {
        out << "karuneo " << KARUNEO_VERSION << Qt::endl;
        return 0;
    }
    const auto folders = platform::ProgramFolders::forHome(parser.value(homeOpt));
    QString error;
    if (!data::prepareProgramFolder(folders.programDir, &error)) {
        err << error << Qt::endl;
        if (parser.isSet(initOpt))
            return 1;
    }
    if (!reports::installReportLayouts(folders.reportDir, &error)) {
        err << error << Qt::endl;
        if (parser.isSet(initOpt))
            return 1;
    }
    if (!installGuide(folders.programDir, &error)) {
        err << error << Qt::endl;
        if (parser.isSet(initOpt))
            return 1;
    }
    if (parser.isSet(initOpt))
        return 0;

    applyJapaneseFont();
    if (parser.isSet(shotsOpt))
        return runScreenshotMode(folders, parser.value(shotsOpt));
    return runWindow(folders, !parser.isSet(noSplashOpt));
}

} // namespace app
