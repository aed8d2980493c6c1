// Gathering the media files a test names: its opening and closing commands,
// its screens and the entries of the entry file.
#include "distrib/distribution.h"

#include "model/entryfile.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Distribution", text); }

// "./name" names the file of the project directory (the current directory
// while the test runs) just as "name" does.
QString InProject(QString name)
{
    name = name.trimmed();
    while (name.startsWith(QLatin1String("./")))
        name = name.mid(2);
    return name;
}

bool ExistsInProject(const QString& raw)
{
    const QString name = InProject(raw);
    return !name.isEmpty() && IsBareFileName(name) && QFileInfo(ResolveCase(ProjectDir + name)).isFile();
}

void Report(QStringList* problems, const QString& text)
{
    if (problems)
        problems->append(text);
    else
        ShowError(text);
}

// Adds one name as the designed list wants it: not empty, not yet listed.
// Placeholders of the file choosers ("*.BMP") are no file and are skipped;
// a name with a folder part is refused, naming where it came from.
void AddName(QStringList& list, const QString& raw, const QString& origin, QStringList* problems)
{
    const QString name = InProject(raw);
    if (name.isEmpty() || list.contains(name))
        return;
    if (!IsBareFileName(name)) {
        Report(problems, Tr("%1 names the file \"%2\", which is not a file of the project directory.\n"
                            "Only files of the project directory are distributed.").arg(origin, name));
        return;
    }
    if (name.contains(u'*') || name.contains(u'?'))
        return;
    list << name;
}

QString Unquote(QString s)
{
    s = s.trimmed();
    if (s.size() >= 2 && s.startsWith(u'"') && s.endsWith(u'"'))
        s = s.mid(1, s.size() - 2);
    return s;
}

bool AskIncludeProgram(const QString& program)
{
    return Confirm(Tr("Do you want to include the executable program %1. See Help for information").arg(program));
}

void AddCommandFiles(QStringList& list, int type, const QString& value, const QString& origin,
                     QStringList* problems)
{
    bool program = false;
    const QStringList files = CommandFiles(type, value, &program);
    for (const QString& f : files) {
        // A program that is not a file of the project is one of the system's
        // (found on the student machine's path); one of the project is
        // included when the author wants it.
        if (program && (list.contains(InProject(f)) || !ExistsInProject(InProject(f)) || !AskIncludeProgram(f)))
            continue;
        AddName(list, f, origin, problems);
    }
}

} // namespace

bool IsBareFileName(const QString& name)
{
    const QString n = name.trimmed();
    return !n.isEmpty() && !n.contains(u'/') && !n.contains(u'\\') && n != QLatin1String(".")
        && n != QLatin1String("..") && !n.contains(QChar(0));
}

QStringList CommandFiles(int type, const QString& value, bool* program)
{
    if (program)
        *program = false;
    const QStringList parts = value.split(u',');
    QStringList files;
    switch (type == 0 ? 4 : type) {
    case 2:
    case 3:
    case 7:
    case 8:
        files << parts.value(0);
        break;
    case 10:
        // A web address is no file of the project.
        if (!value.contains(QLatin1String("://")))
            files << parts.value(0);
        break;
    case 6:
        files << parts.value(0) << parts.value(1);
        break;
    case 4:
        if (program)
            *program = true;
        files << Unquote(value.contains(u',') ? value.left(value.indexOf(u',')) : value);
        break;
    case 9: {
        const qsizetype blank = value.indexOf(u' ');
        const QString file = blank < 0 ? QString() : value.mid(blank + 1).trimmed();
        if (ExistsInProject(file))
            files << InProject(file);
        break;
    }
    case 13:
        if (ExistsInProject(value))
            files << InProject(value);
        break;
    default:
        break;
    }
    files.removeAll(QString());
    for (QString& f : files)
        f = f.trimmed();
    files.removeAll(QString());
    return files;
}

void GatherPresentationFiles(QStringList& list, const TCommandSpec& command, const QString& origin,
                             QStringList* problems)
{
    // What the run executes is the command value; the other fields may still
    // hold a file of a type chosen earlier.
    AddCommandFiles(list, command.CommandType.get(), command.CommandValue.str(),
                    origin.isEmpty() ? Tr("A command") : origin, problems);
}

void GatherConfigFiles(QStringList& list, QStringList* problems)
{
    const TPresentation& p = TestConfig.Presentation;
    const TProgramSettings& g = TestConfig.Program;
    if (p.OpeningEnabled)
        GatherPresentationFiles(list, p.Opening, Tr("The opening command"), problems);
    if (p.ClosingEnabled)
        GatherPresentationFiles(list, p.Closing, Tr("The closing command"), problems);
    if (p.AboutEnabled && p.About.UseIcon)
        AddName(list, p.About.IconFile.str(), Tr("The about box"), problems);
    if (p.IntroEnabled) {
        // The background the introduction screen shows, by its display type.
        const TEntryDisplay& d = p.Intro.Display;
        if (d.DisplayType.get() == 2)
            AddName(list, d.SGraphic.str(), Tr("The introduction screen"), problems);
        else if (d.DisplayType.get() == 3)
            AddName(list, d.SWallpaper.str(), Tr("The introduction screen"), problems);
    }
    if (g.UseIcon)
        AddName(list, g.IconFile.str(), Tr("The program icon"), problems);
    if (g.UseHelpFile)
        AddName(list, g.HelpFile.str(), Tr("The help file setting"), problems);
    if (g.BackgroundKind.get() == 2)
        AddName(list, g.BackgroundGraphic.str(), Tr("The program background"), problems);
    else if (g.BackgroundKind.get() == 3)
        AddName(list, g.BackgroundWallpaper.str(), Tr("The program background"), problems);
}

void GatherEntryFiles(QStringList& list, const QString& source, QStringList* problems)
{
    QStringList names;
    ListEntryNames(names, EntryPath, source);
    names.removeDuplicates();
    for (const QString& name : names) {
        const QString origin = Tr("The entry %1").arg(name);
        QStringList lines;
        if (!ReadEntry(EntryPath, name, source, lines))
            continue;
        // Reported, and the rest of the distribution goes on without it.
        auto incomplete = [&] { ShowError(Tr("The entry %1 is incomplete and was skipped.").arg(name)); };
        int type = 0;
        if (lines.size() < 4 || !lines[2].startsWith(QLatin1String("type="), Qt::CaseInsensitive)
            || !TryStrToInt(lines[2].mid(5, 2).trimmed(), type)) {
            incomplete();
            continue;
        }
        if (type == 1)
            continue;   // text only
        if (type == 5) {
            // The screen behind the text, by its display type.
            int display = 0;
            if (lines.size() < 8 || !lines[3].startsWith(QLatin1String("displaytype="), Qt::CaseInsensitive)
                || !lines[6].startsWith(QLatin1String("SGraphic="), Qt::CaseInsensitive)
                || !lines[7].startsWith(QLatin1String("SWallpaper="), Qt::CaseInsensitive)
                || !TryStrToInt(lines[3].mid(12).trimmed(), display)) {
                incomplete();
                continue;
            }
            if (display == 2)
                AddName(list, lines[6].mid(9), origin, problems);
            else if (display == 3)
                AddName(list, lines[7].mid(11), origin, problems);
            continue;
        }
        if (!lines[3].startsWith(QLatin1String("command="), Qt::CaseInsensitive)) {
            incomplete();
            continue;
        }
        AddCommandFiles(list, type, lines[3].mid(8), origin, problems);
    }
}

bool AllFilesExist(const QStringList& list)
{
    bool all = true;
    for (const QString& name : list)
        if (!ExistsInProject(name)) {
            ShowError(Tr("The file %1 is missing.").arg(name));
            all = false;
        }
    return all;
}
