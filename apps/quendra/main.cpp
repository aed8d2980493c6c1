// The authoring tool. It takes no arguments.
#include "app/application.h"
#include "app/mainform.h"
#include "app/startupprobe.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InitQuendraApplication(app);
    Ttestmainform form;
    InstallStartupProbe(app, form);
    form.show();
    return app.exec();
}
