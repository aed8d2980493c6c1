// "P&repare Distribution": checks, gathers and copies.
#include "distrib/distribution.h"

#include "distrib/runtimebundle.h"
#include "model/compiledtest.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/savefile.h"
#include "model/testconfig.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Distribution", text); }

// The current directory is the project directory again however the command
// ends.
class TProjectDirGuard {
public:
    ~TProjectDirGuard()
    {
        if (!ProjectDir.isEmpty())
            QDir::setCurrent(ProjectDir);
    }
};

QString Canonical(const QString& dir)
{
    const QString c = QFileInfo(dir).canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(QFileInfo(dir).absoluteFilePath()) : c;
}

struct TCopy {
    QString Source;
    QString Target;   // relative to the distribution folder
};

} // namespace

void CopyDistributionFile(const QString& source, const QString& target)
{
    const QByteArray src = QFile::encodeName(source);
    const int in = ::open(src.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        throw EInOutError(Tr("Cannot open file %1").arg(source) + QStringLiteral("\n")
                          + QString::fromLocal8Bit(std::strerror(errno)));
    const std::unique_ptr<int, void (*)(int*)> closeIn(new int(in), [](int* fd) { ::close(*fd); delete fd; });
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode))
        throw EInOutError(Tr("Cannot open file %1").arg(source));
    if (SameFile(source, target))
        throw EInOutError(Tr("Cannot create file %1").arg(target) + QStringLiteral("\n")
                          + Tr("It is the file being copied."));
    // A link left in the target folder is replaced itself, never followed:
    // the copy must not land outside the folder.
    for (const QString& name : {target, ResolveCase(target)})
        if (QFileInfo(name).isSymLink() && !QFile::remove(name))
            throw EInOutError(Tr("Cannot create file %1").arg(name));
    // The distribution is made again from the project at any time, so the
    // copies do not wait for the disk; each one still replaces its target
    // only when it is whole.
    TSaveFile out(target, TSaveFile::Rebuildable);
    out.SetMode(unsigned(st.st_mode & 0777), true);
    out.Open();
    out.WriteFromFile(in, source);
    out.Commit();
}

void PrepareDistribution()
{
    QString target;
    bool executable = true;
    if (!RunDistribDialog(target, executable))
        return;
    TProjectDirGuard guard;

    const QString player = ProgramDir + QStringLiteral("vistrel.exe");
    if (executable) {
        if (!QFileInfo(ExecutablePath()).isFile()) {
            ShowError(Tr("%1 was not found.").arg(DerivedFileName(QStringLiteral(".EXE")))
                      + Tr(" Please create the Executable program."));
            return;
        }
    } else {
        if (!QFileInfo(CompiledTestPath()).isFile()) {
            ShowError(Tr("%1 was not found.").arg(DerivedFileName(QStringLiteral(".QXC")))
                      + Tr(" Please compile the Test."));
            return;
        }
        if (!QFileInfo(player).isFile()) {
            ShowError(Tr("VISTREL.EXE was not found. You may have to reinstall Quendra."));
            return;
        }
    }

    // The folders a copy could land on itself: never a target.
    const QString canonicalTarget = Canonical(target);
    if (canonicalTarget == Canonical(ProjectDir)) {
        ShowError(Tr("Files cannot be copied to Project directory."));
        return;
    }
    if (canonicalTarget == Canonical(ProgramDir)) {
        ShowError(Tr("Files cannot be copied to the Program directory."));
        return;
    }

    QDir::setCurrent(ProjectDir);
    QStringList list;
    QStringList problems;
    GatherConfigFiles(list, &problems);
    if (QFileInfo(ResolveCase(EntryPath)).isFile())
        for (const char* source : {"HYPER", "INFO", "COMMS"})
            GatherEntryFiles(list, QLatin1String(source), &problems);
    for (const QString& p : problems)
        ShowError(p);
    if (!problems.isEmpty() || !AllFilesExist(list))
        return;

    // What is copied, each under its own name: the media files, the program,
    // then what the program needs beside it.
    QList<TCopy> copies;
    QStringList taken;
    for (const QString& name : list) {
        const QString source = ResolveCase(ProjectDir + name);
        const QString as = QFileInfo(source).fileName();
        if (!taken.contains(as)) {
            taken << as;
            copies << TCopy{source, as};
        }
    }
    const QString program = executable ? ExecutablePath() : CompiledTestPath();
    copies << TCopy{ResolveCase(program), QFileInfo(ResolveCase(program)).fileName()};
    QString start = QStringLiteral("./") + copies.last().Target;
    if (!executable) {
        copies << TCopy{player, QStringLiteral("vistrel.exe")};
        start = QStringLiteral("./vistrel.exe ") + copies[copies.size() - 2].Target;
    }
    taken << copies.last().Target;
    const TRuntimeBundle bundle = CollectRuntimeBundle(
        {executable ? ProgramDir + QStringLiteral("quedrix.bin") : player}, ProgramDir);
    for (const TBundleFile& f : bundle.Files)
        copies << TCopy{f.Source, f.Target};

    if (!QDir().mkpath(target) || !QFileInfo(target).isDir()) {
        ShowError(Tr("Unable to create the directory"));
        return;
    }
    // Every file lands inside the target folder, also where an earlier
    // distribution left a link in place of a folder.
    const QString inside = Canonical(target) + u'/';
    for (const TCopy& c : copies) {
        if (!c.Target.contains(u'/'))
            continue;
        const QString folder = QDir(target).filePath(QFileInfo(c.Target).path());
        if (!QDir().mkpath(folder) || !(Canonical(folder) + u'/').startsWith(inside)) {
            ShowError(Tr("Unable to create the directory") + QStringLiteral("\n") + folder);
            return;
        }
    }

    for (const TCopy& c : copies)
        CopyDistributionFile(c.Source, QDir(target).filePath(c.Target));
    SaveWholeFile(QDir(target).filePath(QStringLiteral("qt.conf")), DistributionQtConf(), TSaveFile::Rebuildable);
    // A media file of the test may have the README's name; the test's file wins.
    if (!taken.contains(QStringLiteral("README.TXT"), Qt::CaseInsensitive))
        SaveWholeFile(QDir(target).filePath(QStringLiteral("README.TXT")),
                      DistributionReadme(TestConfig.Program.ProgramTitle.str(), start, bundle.BaseLibraries),
                      TSaveFile::Rebuildable);
    ShowInfo(Tr("All the files have been copied to the Directory %1").arg(target));
}
