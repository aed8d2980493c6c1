// main() of the widget test programs: a QApplication on the offscreen
// platform, then every test.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/help.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendra"));
    InstallHelpKey(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
