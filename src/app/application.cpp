#include "app/application.h"

#include "model/testconfig.h"
#include "platform/fonts.h"
#include "platform/help.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

void InitQuendraApplication(QApplication& app)
{
    Q_INIT_RESOURCE(resources);
    QApplication::setApplicationName(QStringLiteral("Quendra"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quendra"));
    InstallHelpKey(app);
    SetStartupValues();
}

void SetStartupValues()
{
    CurrentVersion = QStringLiteral("2.01");
    LowColourDisplay = ScreenDepth() < 16;
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(u'/'))
        dir += u'/';
    ProgramDir = dir;
    ProjectDir = ProgramDir;
    HelpFilePath = ProgramDir + QStringLiteral("QUEDRIX.HLP");
    // The main window opens maximised: its outer size is the work area.
    // Division truncates toward zero.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
    DesignLeft = (work.width() - 640) / 2;
    DesignTop = (work.height() - 480) / 2;
}
