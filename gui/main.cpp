// The window program: reads the settings, shows the main window, opens the
// engine file named on the command line and runs a batch mode when asked.
#include "app/app_settings.h"
#include "app/application.h"
#include "gui/main_form.h"
#include "gui/qt_text.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(AppTitle);
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
