#include "Options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>
#include <cstdio>
#include <cstdlib>
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

namespace {

// The words of Qt's own help options, which Qt's Persian translation lacks; looked up by Qt in its
// context, from the program's catalogue.
[[maybe_unused]] constexpr std::array QtHelpWords{
    NC_("QCommandLineParser", "Displays help on commandline options."),
    NC_("QCommandLineParser", "Displays help including Qt specific options.")};

// Qt's words of a context that the program's catalogue translates, where it keeps the context as
// each message's disambiguation (as gettext's msgctxt comes out of lconvert).
class ContextFromCatalogue : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int n) const override {
        return std::string_view(context) == "QCommandLineParser"
                   ? catalogue.translate("", source, context, n)
                   : QString();
    }
    QTranslator catalogue;
};

// The program's options; with words, described in the messages' language for --help and for
// Qt's own messages, which then come from Qt's translations where they are installed. Without
// words, nothing of a catalogue is looked up, as a start that reads its options well needs none.
struct Parser {
    explicit Parser(bool words)
        : tray(QStringLiteral("tray"),
               words ? QString::fromUtf8(_(
                           "Show today's day in the panel's tray, with a month view, until quit."))
                     : QString()),
          wait(QStringLiteral("wait"),
               words ? QString::fromUtf8(
                           _("With --tray, wait this long for a tray to appear (default 120)."))
                     : QString(),
               words ? QString::fromUtf8(_("seconds")) : QStringLiteral("seconds"),
               QStringLiteral("120")) {
        if (words) {
            static QTranslator qt;
            static ContextFromCatalogue own;
            if (const std::string language = MessagesLanguage(); !language.empty()) {
                if (qt.load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                    QCoreApplication::installTranslator(&qt);
                }
                // Qt's words that its translations lack, from the program's own catalogue.
                if (own.catalogue.load(QStringLiteral(":/translations/tarvand_") +
                                       QString::fromStdString(language) + QStringLiteral(".qm"))) {
                    QCoreApplication::installTranslator(&own);
                }
            }
            parser.setApplicationDescription(
                QString::fromUtf8(_("Show today's date in the Solar Hijri (Iranian) calendar.")));
        }
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(tray);
        parser.addOption(wait);
    }
    QCommandLineParser parser;
    QCommandLineOption tray, wait;
};

}  // namespace

std::optional<Options> ReadOptions(const QCoreApplication& app) {
    // Read without words first; anything but the program's own options read well (a help or
    // version option, an unknown one, one missing its value) is read again with them, and Qt
    // answers or says what is wrong.
    Parser quiet(false);
    const bool wellRead = quiet.parser.parse(QCoreApplication::arguments()) &&
                          !quiet.parser.isSet(QStringLiteral("help")) &&
                          !quiet.parser.isSet(QStringLiteral("help-all")) &&
                          !quiet.parser.isSet(QStringLiteral("version"));
    std::optional<Parser> explained;
    if (!wellRead) {
        explained.emplace(true);
        // Qt's help as a terminal with bidi shows it in order; the rest as Qt answers it.
        if (explained->parser.parse(QCoreApplication::arguments()) &&
            explained->parser.isSet(QStringLiteral("help")) &&
            !explained->parser.isSet(QStringLiteral("help-all"))) {
            std::fputs(HelpLines(explained->parser.helpText().toStdString()).c_str(), stdout);
            std::exit(EXIT_SUCCESS);
        }
        explained->parser.process(app);
    }
    Parser& read = explained ? *explained : quiet;

    Options options;
    options.tray = read.parser.isSet(read.tray);
    bool number = false;
    options.waitSeconds = read.parser.value(read.wait).toInt(&number);
    if (!number || options.waitSeconds < 0 || options.waitSeconds > 86400) {
        std::fprintf(stderr, "%s\n",
                     MessageLine("tarvand",
                                 Format(_("invalid number of seconds to wait: %s"),
                                        Quote(read.parser.value(read.wait).toStdString()).c_str()))
                         .c_str());
        std::fprintf(stderr, "%s\n", _("Try 'tarvand --help' for more information."));
        return std::nullopt;  // ended by main, so that the application is taken down in order
    }
    return options;
}

}  // namespace tarvand
