#include "app/Application.h"
#include "app/MainForm.h"

int main(int argc, char** argv)
{
    quorvane::gui::TApplication app(argc, argv);
    quorvane::gui::TMainForm form;
    form.showMaximized();
    return QApplication::exec();
}
