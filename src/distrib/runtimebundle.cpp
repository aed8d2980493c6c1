#include "distrib/runtimebundle.h"

#include "distrib/elfdeps.h"
#include "model/errors.h"
#include "platform/mediabackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QSet>

const char* const BundleLibFolder = "lib";
const char* const BundlePluginFolder = "plugins";

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Distribution", text); }

// The plugins each Qt module loads on a student machine. An empty list takes
// every plugin of the folder; Required ones must be there.
struct TPluginRule {
    const char* Module;   // the Qt module, "Gui" for libQt6Gui.so.6
    const char* Folder;
    QStringList Files;
    bool Required;
};

const QList<TPluginRule>& PluginRules()
{
    static const QList<TPluginRule> rules = {
        {"Gui", "platforms", {QStringLiteral("libqxcb.so")}, true},
        {"Gui", "xcbglintegrations", {}, false},
        {"Gui", "imageformats", {QStringLiteral("libqjpeg.so"), QStringLiteral("libqico.so")}, false},
        {"Gui", "platforminputcontexts", {}, false},
        {"PrintSupport", "printsupport", {}, false},
        {"Multimedia", "multimedia", {QStringLiteral("libgstreamermediaplugin.so")}, false},
    };
    return rules;
}

// The folders the loader searches after the paths an object names:
// /etc/ld.so.conf (with its includes) and the built-in defaults.
void ReadLdConf(const QString& file, QStringList& dirs, int depth)
{
    QFile f(file);
    if (depth > 8 || !f.open(QIODevice::ReadOnly))
        return;
    const QStringList lines = QString::fromLocal8Bit(f.readAll()).split(u'\n');
    for (QString line : lines) {
        line = line.section(u'#', 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QStringLiteral("include"))) {
            const QString pattern = line.mid(7).trimmed();
            const QFileInfo pi(QDir(QFileInfo(file).absolutePath()).filePath(pattern));
            const QStringList matches = QDir(pi.absolutePath()).entryList({pi.fileName()}, QDir::Files, QDir::Name);
            for (const QString& m : matches)
                ReadLdConf(QDir(pi.absolutePath()).filePath(m), dirs, depth + 1);
        } else if (line.startsWith(u'/')) {
            dirs << line;
        }
    }
}

QStringList SystemLibraryDirs()
{
    QStringList dirs;
    dirs << QLibraryInfo::path(QLibraryInfo::LibrariesPath);
    ReadLdConf(QStringLiteral("/etc/ld.so.conf"), dirs, 0);
    dirs << QStringLiteral("/lib64") << QStringLiteral("/usr/lib64") << QStringLiteral("/lib")
         << QStringLiteral("/usr/lib");
    dirs.removeDuplicates();
    return dirs;
}

QStringList ExpandOrigin(const QStringList& paths, const QString& objectPath)
{
    const QString origin = QFileInfo(objectPath).absolutePath();
    QStringList out;
    for (QString p : paths) {
        p.replace(QStringLiteral("${ORIGIN}"), origin);
        p.replace(QStringLiteral("$ORIGIN"), origin);
        out << p;
    }
    return out;
}

class TCollector {
public:
    TCollector(const TElfDynamic& root, const QString& rootPath)
        : FRoot(root), FRootPath(rootPath), FSystem(SystemLibraryDirs()) {}

    // Follows the needed libraries of one object (a program, the media
    // module, a plugin).
    void Walk(const QString& path, const TElfDynamic& elf)
    {
        QList<std::pair<QString, TElfDynamic>> queue{{path, elf}};
        while (!queue.isEmpty()) {
            const auto [objPath, obj] = queue.takeFirst();
            for (const QString& name : obj.Needed) {
                if (!IsShippedLibrary(name)) {
                    FBase.insert(name);
                    continue;
                }
                if (FShipped.contains(name))
                    continue;
                TElfDynamic found;
                const QString at = Resolve(name, objPath, obj, found);
                if (at.isEmpty())
                    throw EQuendraError(Tr("The library %1, which %2 needs, was not found.")
                                            .arg(name, QFileInfo(objPath).fileName()));
                FShipped.insert(name, at);
                FOrder << name;
                queue.append({at, found});
            }
        }
    }

    QHash<QString, QString> FShipped;   // soname -> where it was found
    QStringList FOrder;
    QSet<QString> FBase;

private:
    QString Resolve(const QString& name, const QString& objPath, const TElfDynamic& obj, TElfDynamic& found) const
    {
        QStringList dirs;
        if (obj.RunPath.isEmpty()) {
            dirs << ExpandOrigin(obj.RPath, objPath);
            dirs << ExpandOrigin(FRoot.RPath, FRootPath);
        }
        dirs << ExpandOrigin(obj.RunPath, objPath) << FSystem;
        for (const QString& d : dirs) {
            const QString candidate = QDir(d).filePath(name);
            if (!QFileInfo(candidate).isFile())
                continue;
            TElfDynamic e = ReadElfDynamic(candidate);
            if (!e.Valid || e.Class != FRoot.Class || e.Machine != FRoot.Machine)
                continue;   // another architecture's copy (lib32, ...)
            found = e;
            return QFileInfo(candidate).canonicalFilePath();
        }
        return QString();
    }

    const TElfDynamic& FRoot;
    QString FRootPath;
    QStringList FSystem;
};

} // namespace

bool IsShippedLibrary(const QString& soname)
{
    static const char* const helpers[] = {"libdouble-conversion.so", "libb2.so", "libmd4c.so", "libpcre2-16.so"};
    if (soname.startsWith(QLatin1String("libQt6")))
        return true;
    for (const char* h : helpers)
        if (soname.startsWith(QLatin1String(h)))
            return true;
    return false;
}

TRuntimeBundle CollectRuntimeBundle(const QStringList& programs, const QString& programDir)
{
    TRuntimeBundle bundle;
    const QString module = QDir(programDir).filePath(QStringLiteral(QUENDRA_MEDIA_BACKEND_FILE));
    const TElfDynamic moduleElf = ReadElfDynamic(module);
    if (!moduleElf.Valid)
        throw EQuendraError(Tr("The media module %1 was not found. You may have to reinstall Quendra.")
                                .arg(QStringLiteral(QUENDRA_MEDIA_BACKEND_FILE)));
    bundle.Files << TBundleFile{QFileInfo(module).canonicalFilePath(), QStringLiteral(QUENDRA_MEDIA_BACKEND_FILE)};

    QSet<QString> base;
    QSet<QString> targets;
    for (const QString& program : programs) {
        const TElfDynamic elf = ReadElfDynamic(program);
        if (!elf.Valid)
            throw EQuendraError(Tr("%1 is not a program this computer can run.").arg(QFileInfo(program).fileName()));
        TCollector c(elf, program);
        c.Walk(program, elf);
        c.Walk(module, moduleElf);
        // The plugins of the Qt modules the program reached.
        const QString pluginRoot = QLibraryInfo::path(QLibraryInfo::PluginsPath);
        for (const TPluginRule& rule : PluginRules()) {
            // (The library name is put together here, so that the programs
            // themselves never carry the name of the media library.)
            if (!c.FShipped.contains(QStringLiteral("libQt6") + QLatin1String(rule.Module) + QStringLiteral(".so.6")))
                continue;
            const QDir folder(QDir(pluginRoot).filePath(QLatin1String(rule.Folder)));
            const QStringList files = rule.Files.isEmpty()
                ? folder.entryList({QStringLiteral("*.so")}, QDir::Files, QDir::Name) : rule.Files;
            for (const QString& file : files) {
                const QString path = folder.filePath(file);
                const TElfDynamic pe = ReadElfDynamic(path);
                if (!pe.Valid) {
                    if (rule.Required)
                        throw EQuendraError(Tr("The Qt plugin %1 was not found.").arg(path));
                    continue;
                }
                c.Walk(path, pe);
                const QString target = QStringLiteral("%1/%2/%3")
                                           .arg(QLatin1String(BundlePluginFolder), QLatin1String(rule.Folder), file);
                if (!targets.contains(target)) {
                    targets.insert(target);
                    bundle.Files << TBundleFile{QFileInfo(path).canonicalFilePath(), target};
                }
            }
        }
        for (const QString& name : c.FOrder) {
            const QString target = QStringLiteral("%1/%2").arg(QLatin1String(BundleLibFolder), name);
            if (!targets.contains(target)) {
                targets.insert(target);
                bundle.Files << TBundleFile{c.FShipped.value(name), target};
            }
        }
        base.unite(c.FBase);
    }
    bundle.BaseLibraries = QStringList(base.begin(), base.end());
    bundle.BaseLibraries.sort();
    return bundle;
}

QByteArray DistributionQtConf()
{
    return QByteArrayLiteral("[Paths]\r\nPrefix = .\r\nLibraries = lib\r\nPlugins = plugins\r\n");
}

QByteArray DistributionReadme(const QString& title, const QString& startCommand, const QStringList& baseLibraries)
{
    QStringList lines;
    lines << (title.isEmpty() ? Tr("Test program") : title) << QString();
    lines << Tr("To take the test, open this folder in a terminal and type:") << QStringLiteral("    ") + startCommand
          << Tr("or double-click the program in the file manager.") << QString();
    lines << Tr("Copy the whole folder: the program finds its Qt libraries (lib), Qt plugins")
          << Tr("(plugins), media module and qt.conf beside itself. If the program does not")
          << Tr("start after copying (some USB sticks drop the execute permission), type")
          << Tr("    chmod +x %1").arg(startCommand.section(u' ', 0, 0).remove(QStringLiteral("./")))
          << QString();
    lines << Tr("The computer needs a Linux desktop (X11, or Wayland with XWayland) at least as")
          << Tr("recent as Debian 12, with its usual libraries. Sound and video play through")
          << Tr("GStreamer; MIDI music needs FluidSynth with a General MIDI sound font")
          << Tr("(libfluidsynth3, fluid-soundfont-gm); WMF pictures need libwmf-0.2-7.")
          << QString() << Tr("Libraries taken from the system:");
    QString row = QStringLiteral("   ");
    for (const QString& lib : baseLibraries) {
        if (row.size() + lib.size() + 1 > 78) {
            lines << row;
            row = QStringLiteral("   ");
        }
        row += u' ' + lib;
    }
    if (row.trimmed().size())
        lines << row;
    return lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}
