#include "app/Startup.h"

#include "Version.h"
#include "data/InstallData.h"
#include "platform/ProgramFolders.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

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
    if (parser.isSet(initOpt))
        return 0;
    err << "the main window is not built yet" << Qt::endl;
    return 0;
}

} // namespace app
