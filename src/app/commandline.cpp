#include "app/commandline.h"

#include "app/projectlifecycle.h"
#include "model/companions.h"
#include "model/errors.h"
#include "model/testconfig.h"
#include "platform/mediabackend.h"
#include "runtime/readdataform.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CommandLine", text); }

bool HasSuffix(const QFileInfo& fi, const char* suffix)
{
    return fi.suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

} // namespace

TCommandLine ParseCommandLine(const QStringList& arguments)
{
    TCommandLine out;
    QCommandLineParser parser;
    parser.setApplicationDescription(Tr("Quendra, an authoring tool for multiple-choice tests."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, Tr("Show this help and quit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, Tr("Show the version and quit."));
    const QCommandLineOption paths(QStringLiteral("paths"),
                                   Tr("Show where the companion files are found and quit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(paths);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 Tr("A test project (.QXJ) to open, or a results data file (.QXD) to show."),
                                 QStringLiteral("[file]"));
    // The usage line names the program as users type it, whatever process
    // reads the line.
    const QString text = parser.helpText();
    out.HelpText = Tr("Usage: quendra [options] [file]") + text.mid(text.indexOf(u'\n'));
    if (!parser.parse(arguments)) {
        out.Error = parser.errorText();
        return out;
    }
    out.ShowHelp = parser.isSet(help);
    out.ShowVersion = parser.isSet(version);
    out.ShowPaths = parser.isSet(paths);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        out.Error = Tr("Quendra opens one file at a time.");
    else if (!files.isEmpty())
        out.File = files.first();
    return out;
}

void OpenStartupFile(const QString& file)
{
    const QFileInfo fi(QDir::current().absoluteFilePath(file));
    const QString shown = QDir::toNativeSeparators(fi.absoluteFilePath());
    const bool project = HasSuffix(fi, "QXJ");
    const bool results = HasSuffix(fi, "QXD");
    if (!project && !results)
        throw EQuendraError(Tr("%1 cannot be opened.\nQuendra opens test projects (.QXJ) and results "
                               "data files (.QXD); a compiled test (.QXC) is taken with vistrel.exe.")
                                .arg(shown));
    if (!fi.exists())
        throw EInOutError(Tr("%1 cannot be opened.\nThe file does not exist.").arg(shown));
    if (fi.isDir())
        throw EInOutError(Tr("%1 cannot be opened.\nIt is a folder, not a file.").arg(shown));
    QFile probe(fi.absoluteFilePath());
    if (!probe.open(QIODevice::ReadOnly))
        throw EInOutError(Tr("%1 cannot be read.\n%2").arg(shown, probe.errorString()));
    probe.close();
    if (project)
        OpenSelectedProject(fi.absoluteFilePath());
    else
        AnalyzeResults(fi.absoluteFilePath());
}

bool ListCompanions(QStringList& lines)
{
    bool all = true;
    auto add = [&](const QString& what, const QString& path, bool folder = false) {
        const QFileInfo fi(path);
        const bool there = folder ? fi.isDir() : fi.isFile();
        all = all && there;
        lines << QStringLiteral("%1: %2%3").arg(what, path, there ? QString() : Tr(" (missing)"));
    };
    lines << QStringLiteral("%1: %2").arg(Tr("program folder"), ProgramDir);
    add(Tr("runtime stub"), ProgramDir + QStringLiteral("quedrix.bin"));
    add(Tr("player"), ProgramDir + QStringLiteral("vistrel.exe"));
    add(Tr("media module"), ProgramDir + QStringLiteral(QUENDRA_MEDIA_BACKEND_FILE));
    add(Tr("help file"), HelpFilePath);
    add(Tr("tutorial"), CompanionPath(QStringLiteral("QUEDRIX.RTF")));
    const QString samples = SamplesDir();
    if (samples.isEmpty())
        lines << Tr("samples: none");
    else
        add(Tr("samples"), samples, true);
    return all;
}
