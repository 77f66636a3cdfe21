#include "gui_fixture.h"

#include "app/application.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QTreeView>

GuiTest::GuiTest() {
    InitApplication();
    Window = std::make_unique<MainForm>();
    Window->show();
}

GuiTest::~GuiTest() {
    if (!finished_) {
        Window.reset();
        DoneApplication();
    }
}

void GuiTest::CloseAndFinish() {
    Window->close();
    Window.reset();
    DoneApplication();
    finished_ = true;
}

std::string GuiTest::WriteEngine(const std::string& name, const std::string& links,
                                 const std::string& categories) {
    return Folder.Write(name, "<script>\r\n//Settings\r\n//DatabaseBegin\r\nvar ln=new Array(\r\n" +
                                  links + "\r\n);\r\nvar cg=new Array(\r\n" + categories +
                                  "\r\n);\r\n//DatabaseEnd\r\n</script>\r\n");
}

std::string GuiTest::PanelText(const char* name) const {
    return Window->findChild<QLabel*>(name)->text().toStdString();
}

QString GuiTest::Cell(int row, int column) const {
    const QAbstractItemModel* model = Window->LinksView()->model();
    return model->data(model->index(row, column)).toString();
}
