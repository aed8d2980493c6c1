// The authoring tool. It takes no arguments.
#include "app/application.h"
#include "app/mainform.h"
#include "app/startupprobe.h"
#include "platform/fonts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    TFontConfigurationLoad fonts;   // meanwhile the application is set up
    QApplication app(argc, argv);
    fonts.Join();
    InitQuendraApplication(app);
    Ttestmainform form;
    InstallStartupProbe(app, form);
    form.show();
    return app.exec();
}
