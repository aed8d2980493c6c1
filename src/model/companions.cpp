#include "model/companions.h"

#include "model/fileutil.h"
#include "model/testconfig.h"

#include <QDir>
#include <QFileInfo>

QString SharedDataDir()
{
    if (ProgramDir.isEmpty())
        return QString();
    QString dir = QDir::cleanPath(ProgramDir + QStringLiteral("../../share/quendra"));
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

QString CompanionPath(const QString& name)
{
    const QString beside = ResolveCase(ProgramDir + name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString shared = SharedDataDir();
    if (!shared.isEmpty()) {
        const QString installed = ResolveCase(shared + name);
        if (QFileInfo::exists(installed))
            return installed;
    }
    return ProgramDir + name;
}

QString SamplesDir()
{
    if (ProgramDir.isEmpty())
        return QString();
    const QString dir = CompanionPath(QStringLiteral("samples"));
    if (!QFileInfo(dir).isDir())
        return QString();
    return dir.endsWith(u'/') ? dir : dir + u'/';
}
