#include "Options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace tarvand {

Options ReadOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Show today's date in the Solar Hijri (Iranian) calendar."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption tray(
        QStringLiteral("tray"),
        QStringLiteral("Show today's day in the panel's tray, with a month view, until quit."));
    const QCommandLineOption wait(
        QStringLiteral("wait"),
        QStringLiteral("With --tray, wait this long for a tray to appear (default 120)."),
        QStringLiteral("seconds"), QStringLiteral("120"));
    parser.addOption(tray);
    parser.addOption(wait);
    parser.process(app);

    Options options;
    options.tray = parser.isSet(tray);
    bool number = false;
    options.waitSeconds = parser.value(wait).toInt(&number);
    if (!number || options.waitSeconds < 0 || options.waitSeconds > 86400) {
        std::fprintf(stderr, "tarvand: invalid number of seconds to wait: '%s'\n",
                     qPrintable(parser.value(wait)));
        std::fprintf(stderr, "Try 'tarvand --help' for more information.\n");
        std::exit(1);
    }
    return options;
}

}  // namespace tarvand
