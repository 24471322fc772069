// The program's command line: the window by default, or the indicator with --tray.
#pragma once

#include <optional>

class QCoreApplication;

namespace tarvand {

struct Options {
    bool tray = false;      // the indicator in the panel instead of the window
    int waitSeconds = 120;  // how long the indicator waits for a tray to appear
};

// Names the program, its version and its desktop entry for Qt.
void NameTheProgram();

// Takes the command line; when it asks for --help or --version, answers and ends the program,
// with no display needed.
void AnswerHelpOrVersion(int argc, char* argv[]);

// Takes the application (Qt's own options already taken out); returns the options, or nothing
// after a message for a value it cannot take (the program then ends with status 1). Ends the
// program itself with --help, --version, or a message and status 1 for an option it does not know.
std::optional<Options> ReadOptions(const QCoreApplication& app);

}  // namespace tarvand
