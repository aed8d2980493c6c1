#include "app/application.h"

#include "platform/help.h"

#include <QApplication>

void InitQuendraApplication(QApplication& app)
{
    Q_INIT_RESOURCE(resources);
    QApplication::setApplicationName(QStringLiteral("Quendra"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quendra"));
    InstallHelpKey(app);
}
