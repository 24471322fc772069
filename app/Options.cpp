#include "Options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <string_view>

#include "Messages.h"
#include "Quote.h"
namespace tarvand {

void NameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Tarvand"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVAND_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvand.tarvand"));
}

void AnswerHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h" || argument == "--help-all" ||
            argument == "--version" || argument == "-v") {
            QCoreApplication app(argc, argv);
            NameTheProgram();
            QCoreApplication::setApplicationName(QStringLiteral("tarvand"));  // as commands say
            ReadOptions(app);  // answers, and ends the program
        }
    }
}

std::optional<Options> ReadOptions(const QCoreApplication& app) {
    // Qt's own words (Usage, Options, the help and version options) in the messages' language,
    // from Qt's translations where they are installed.
    static QTranslator qt;
    if (const std::string language = MessagesLanguage();
        !language.empty() && qt.load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QString::fromUtf8(_("Show today's date in the Solar Hijri (Iranian) calendar.")));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption tray(
        QStringLiteral("tray"),
        QString::fromUtf8(
            _("Show today's day in the panel's tray, with a month view, until quit.")));
    const QCommandLineOption wait(
        QStringLiteral("wait"),
        QString::fromUtf8(_("With --tray, wait this long for a tray to appear (default 120).")),
        QString::fromUtf8(_("seconds")), QStringLiteral("120"));
    parser.addOption(tray);
    parser.addOption(wait);
    parser.process(app);

    Options options;
    options.tray = parser.isSet(tray);
    bool number = false;
    options.waitSeconds = parser.value(wait).toInt(&number);
    if (!number || options.waitSeconds < 0 || options.waitSeconds > 86400) {
        std::fprintf(stderr, "tarvand: %s\n",
                     Format(_("invalid number of seconds to wait: %s"),
                            Quote(parser.value(wait).toStdString()).c_str())
                         .c_str());
        std::fprintf(stderr, "%s\n", _("Try 'tarvand --help' for more information."));
        return std::nullopt;  // ended by main, so that the application is taken down in order
    }
    return options;
}

}  // namespace tarvand
