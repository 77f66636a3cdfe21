// The main window with 100,000 links, offscreen: opening the engine file (lists
// read, list redrawn and painted) and switching between the two views, beside
// a plain read of the same file in the same run.
#include "app/app_settings.h"
#include "app/application.h"
#include "bench/best_time.h"
#include "bench/sample_engine.h"
#include "gui/main_form.h"
#include "platform/files.h"

#include <QApplication>
#include <QTreeView>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

// Lets the window draw what it shows now, as the person would see it.
void Paint(MainForm& window) {
    window.LinksView()->viewport()->repaint();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    char pattern[] = "/tmp/sitevane-window-bench-XXXXXX";
    const std::string folder = WithTrailingSeparator(::mkdtemp(pattern));
    // The window placement is stored in the scratch folder, not the user's settings.
    qputenv("SITEVANE_REGISTRY_DIR", QByteArray::fromStdString(folder));
    InitApplication(folder);
    EngineFileName = folder + "svxdb.js";
    const std::string engine = EngineFileName;
    {
        MainForm window;
        MakeSampleEngine(100000, window);
        window.resize(1024, 700);
        window.show();
        std::string data;
        const double read = BestSeconds([&] { ReadWholeFile(engine, data); });
        const double open = BestSeconds([&] {
            window.Commands().HandleCommandLine({engine});
            Paint(window);
        });
        const double switchViews = BestSeconds([&] {
                                       window.ActionOf(Action::ViewCat)->trigger();
                                       Paint(window);
                                       window.ActionOf(Action::ViewLinks)->trigger();
                                       Paint(window);
                                   }) /
                                   2;
        std::printf("engine file of %d links, %zu bytes\n", Base->Count(), data.size());
        std::printf("plain read      %8.1f ms\n", read * 1000);
        std::printf("open            %8.1f ms  (%.1f times the plain read)\n", open * 1000,
                    open / read);
        std::printf("switch views    %8.1f ms  (%.1f times the plain read)\n", switchViews * 1000,
                    switchViews / read);
    }
    DoneApplication();
    std::filesystem::remove_all(folder);
    return 0;
}
