// main() of the widget test programs: a QApplication on the offscreen
// platform, with a settings folder of its own, then every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/help.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's settings (the recent tests) and data (a copy of the
    // samples) go to folders of this run.
    QTemporaryDir config, data;
    if (config.isValid())
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    if (data.isValid())
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendra"));
    InstallHelpKey(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
