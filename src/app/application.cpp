#include "app/application.h"

#include "model/companions.h"
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

void SetProgramPaths()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(u'/'))
        dir += u'/';
    ProgramDir = dir;
    // Beside the program in the build tree, in the shared data folder once
    // installed.
    HelpFilePath = CompanionPath(QStringLiteral("QUEDRIX.HLP"));
}

void SetStartupValues()
{
    CurrentVersion = QStringLiteral("2.01");
    LowColourDisplay = ScreenDepth() < 16;
    SetProgramPaths();
    ProjectDir = ProgramDir;
    // The main window opens maximised: its outer size is the work area.
    // Division truncates toward zero.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
    DesignLeft = (work.width() - 640) / 2;
    DesignTop = (work.height() - 480) / 2;
}
