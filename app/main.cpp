#include <QApplication>

#include "DisplayGuard.h"
#include "FontconfigLoader.h"
#include "Form1.h"
#include "Messages.h"
#include "Options.h"
#include "TrayProgram.h"

int main(int argc, char* argv[]) {
    tarvand::UseTranslations();
    tarvand::AnswerHelpOrVersion(argc, argv);
    tarvand::FontconfigLoader fonts;
    tarvand::DisplayGuard guard;
    QApplication app(argc, argv);
    fonts.Wait();
    guard.Opened();
    tarvand::NameTheProgram();
    const std::optional<tarvand::Options> options = tarvand::ReadOptions(app);
    if (!options) {
        return 1;
    }
    if (options->tray) {
        return tarvand::RunTray(options->waitSeconds);
    }
    tarvand::Form1 form;
    form.show();
    return QApplication::exec();
}
