#include "app/recentprojects.h"

#include "model/errors.h"
#include "model/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString RecentKey = QStringLiteral("RecentProjects/Files");

// The settings file as QSettings writes a string list in INI format, each
// path quoted. A path with a control character is not kept.
QByteArray SettingsText(const QStringList& list)
{
    QStringList quoted;
    for (const QString& path : list) {
        if (std::any_of(path.begin(), path.end(), [](QChar c) { return c.unicode() < 0x20; }))
            continue;
        QString q = path;
        q.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
        quoted << u'"' + q + u'"';
    }
    return QStringLiteral("[RecentProjects]\nFiles=%1\n").arg(quoted.join(QStringLiteral(", "))).toUtf8();
}

QString Tr(const char* text) { return QCoreApplication::translate("RecentProjects", text); }

QString CleanAbsolute(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

QString WithSlash(const QString& dir) { return dir.endsWith(u'/') ? dir : dir + u'/'; }

} // namespace

QString RecentProjectsFile()
{
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                           + QStringLiteral("/quendra/quendra.conf"));
}

QStringList WithRecentProject(const QStringList& list, const QString& path, int cap)
{
    const QString added = CleanAbsolute(path);
    QStringList out{added};
    for (const QString& entry : list) {
        if (out.size() >= cap)
            break;
        if (!entry.isEmpty() && CleanAbsolute(entry) != added)
            out << entry;
    }
    while (out.size() > cap)
        out.removeLast();
    return out;
}

QStringList ExistingProjects(const QStringList& list)
{
    QStringList out;
    for (const QString& entry : list)
        if (!entry.isEmpty() && QFileInfo(entry).isFile())
            out << entry;
    return out;
}

QStringList RecentProjects()
{
    const QSettings settings(RecentProjectsFile(), QSettings::IniFormat);
    QStringList list = ExistingProjects(settings.value(RecentKey).toStringList());
    while (list.size() > MaxRecentProjects)
        list.removeLast();
    return list;
}

void AddRecentProject(const QString& path)
{
    const QString file = RecentProjectsFile();
    QStringList stored;
    {
        const QSettings settings(file, QSettings::IniFormat);
        stored = settings.value(RecentKey).toStringList();
    }
    QDir().mkpath(QFileInfo(file).absolutePath());
    // Written through the save helper, not by QSettings: a full disk must
    // neither cut the old list short nor pass for success.
    try {
        SaveWholeFile(file, SettingsText(WithRecentProject(ExistingProjects(stored), path)));
    } catch (const EQuendraError& e) {
        throw EInOutError(Tr("The list of recent tests could not be saved in %1.\n%2")
                              .arg(QDir::toNativeSeparators(file), e.Message()));
    }
}

QString SelectTestStartFolder(const QString& projectPath, const QString& projectDir,
                              const QStringList& recent, const QString& samplesDir,
                              const QString& homeDir)
{
    if (!projectPath.isEmpty() && !projectDir.isEmpty() && QFileInfo(projectDir).isDir())
        return WithSlash(projectDir);
    for (const QString& entry : recent) {
        const QString dir = QFileInfo(entry).absolutePath();
        if (QFileInfo(dir).isDir())
            return WithSlash(dir);
    }
    if (!samplesDir.isEmpty() && QFileInfo(samplesDir).isDir())
        return WithSlash(samplesDir);
    return WithSlash(homeDir);
}
