// The authoring tool: quendra [--paths] [FILE] (see app/commandline.h).
#include "app/application.h"
#include "app/commandline.h"
#include "app/mainform.h"
#include "app/startupprobe.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace {

// Prints what the line asks for; true when the program is then done.
bool AnswerOnTerminal(const TCommandLine& line, int& status)
{
    status = 0;
    if (!line.Error.isEmpty()) {
        std::fprintf(stderr, "quendra: %s\n\n%s", qPrintable(line.Error), qPrintable(line.HelpText));
        status = 2;
        return true;
    }
    if (line.ShowHelp) {
        std::fputs(qPrintable(line.HelpText), stdout);
        return true;
    }
    if (line.ShowVersion) {
        std::printf("Quendra %s\n", QUENDRA_VERSION);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // The options that only print something are answered before any window
    // system is needed.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const QStringList printing{"-h", "--help", "-v", "--version", "--paths"};
    int status = 0;
    if (std::any_of(raw.begin() + 1, raw.end(), [&](const QString& a) { return printing.contains(a); })) {
        const TCommandLine line = ParseCommandLine(raw);
        if (AnswerOnTerminal(line, status))
            return status;
        QCoreApplication core(argc, argv);
        SetProgramPaths();
        QStringList lines;
        const bool all = ListCompanions(lines);
        std::fputs(qPrintable(lines.join(u'\n') + u'\n'), stdout);
        return all ? 0 : 1;
    }

    TFontConfigurationLoad fonts;   // meanwhile the application is set up
    QApplication app(argc, argv);
    fonts.Join();
    // The window system's own options (-platform, -style, ...) are gone now.
    const TCommandLine line = ParseCommandLine(QCoreApplication::arguments());
    if (AnswerOnTerminal(line, status))
        return status;
    InitQuendraApplication(app);
    Ttestmainform form;
    form.StartupFile = line.File;
    InstallStartupProbe(app, form);
    form.show();
    return app.exec();
}
