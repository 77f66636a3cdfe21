// The window program in the test process: settings from a relocated registry,
// a main window, and helpers that answer modal dialogs as a person would.
#pragma once

#include "gui/main_form.h"
#include "support/scratch_folder.h"

#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class GuiTest : public ::testing::Test {
  protected:
    GuiTest();
    ~GuiTest() override;

    // Closes the window as the person would, storing its placement, and frees
    // the program state.
    void CloseAndFinish();

    // Writes an engine file with the given ln and cg elements.
    std::string WriteEngine(const std::string& name, const std::string& links,
                            const std::string& categories);

    std::string PanelText(const char* name) const;
    QString Cell(int row, int column) const;

    ScratchFolder Folder;
    RelocatedRegistry Registry;
    std::unique_ptr<MainForm> Window;
    bool finished_ = false;
};

// Waits for a modal widget of type T and hands it to act, from the event loop
// of whatever modal dialog runs at that moment.
template <typename T> void WhenShown(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* widget = dynamic_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(widget);
        }
    });
    timer->start(5);
}
