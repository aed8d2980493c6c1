#include "app/usersamples.h"

#include "model/companions.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/testconfig.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Copies the tree into `target`, which must not exist. The copy is made in a
// scratch folder beside it and renamed into place, so that a failed copy
// never looks like a finished one.
bool CopyTree(const QString& source, const QString& target)
{
    const QString scratch = target + QStringLiteral(".partial");
    QDir(scratch).removeRecursively();
    try {
        if (!QDir().mkpath(scratch))
            return false;
        QDirIterator it(source, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = scratch + u'/' + QDir(source).relativeFilePath(from);
            if (it.fileInfo().isDir()) {
                if (!QDir().mkpath(to))
                    throw EInOutError(to);
            } else {
                CopyFileTo(from, to);
            }
        }
        if (QDir().rename(scratch, target))
            return true;
    } catch (const EQuendraError&) {
    }
    QDir(scratch).removeRecursively();
    return false;
}

} // namespace

QString UserSamplesCopyDir()
{
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QStringLiteral("/quendra/samples"))
           + u'/';
}

QString UserSamplesDir()
{
    const QString samples = SamplesDir();
    if (samples.isEmpty())
        return QString();
    if (QFileInfo(samples).canonicalFilePath() == QFileInfo(ProgramDir + QStringLiteral("samples")).canonicalFilePath())
        return samples;
    const QString copy = UserSamplesCopyDir();
    if (QFileInfo(copy).isDir())
        return copy;
    QDir().mkpath(QFileInfo(QDir::cleanPath(copy)).absolutePath());
    return CopyTree(QDir::cleanPath(samples), QDir::cleanPath(copy)) ? copy : samples;
}
