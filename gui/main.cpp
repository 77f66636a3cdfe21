// The window program: reads the settings, shows the main window, opens the
// engine file named on the command line and runs a batch mode when asked.
#include "app/app_settings.h"
#include "app/application.h"
#include "gui/main_form.h"
#include "gui/qt_text.h"

#include <QApplication>
#include <cstring>
#include <iostream>

namespace {

const char* const Usage =
    "Usage: sitevane [ENGINE [update | addsite [DIR CAT y|n y|n]]]\n"
    "Opens the engine file ENGINE in the window. With update, indexes its links again\n"
    "and saves it; with addsite, adds a site folder (with DIR, category number CAT,\n"
    "sub-folders y/n and already linked files y/n, without the dialogs) and saves it.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "sitevane-cli is the same program without a window, for scripts and site builds.\n";

// Answers --help and --version without a window; -1 when the program is to
// start, else the exit status (2 for an option it does not know).
int AnswerOption(int argc, char* argv[]) {
    if (argc < 2 || std::strncmp(argv[1], "--", 2) != 0) {
        return -1;
    }
    if (std::strcmp(argv[1], "--help") == 0) {
        std::cout << Usage;
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "sitevane " << ProgramVersion << "\n";
        return 0;
    }
    std::cerr << "sitevane: unknown option " << argv[1] << "\n" << Usage;
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const int status = AnswerOption(argc, argv); status >= 0) {
        return status;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(AppTitle);
    QApplication::setApplicationVersion(ProgramVersion);
    QApplication::setDesktopFileName("org.sitevane.Sitevane");
    InitApplication();
    int status = 0;
    {
        MainForm window;
        if (AppSettings.Maximize) {
            window.showMaximized();
        } else {
            window.show();
        }
        std::vector<std::string> arguments;
        for (const QString& argument : QApplication::arguments().mid(1)) {
            arguments.push_back(FromQt(argument));
        }
        window.Commands().HandleCommandLine(arguments);
        status = QApplication::exec();
    }
    DoneApplication();
    return status;
}
