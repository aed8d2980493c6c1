// Writes the project files of the PLANETS sample test (PLANETS.QXJ,
// PLANETS.QXQ, PLANETS.QXR) into a folder, by default samples/PLANETS of the
// source tree:
//
//     make-planets [FOLDER]
//
// The build target regenerate_planets runs it on the source tree's folder.
#include "planets.h"

#include "model/errors.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Texts go through QTextDocument, which needs a GUI application but no
    // screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.size() > 1 ? args[1] : QStringLiteral(QUENDRA_PLANETS_DIR);
    try {
        WritePlanetsSample(folder);
    } catch (const EQuendraError& e) {
        std::fprintf(stderr, "make-planets: %s\n", e.what());
        return 1;
    }
    std::printf("make-planets: wrote PLANETS.QXJ, PLANETS.QXQ and PLANETS.QXR in %s\n", qPrintable(folder));
    return 0;
}
