#include "presentation/projectfilepick.h"

#include "model/errors.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ProjectFiles", text); }

} // namespace

QStringList MatchingProjectFiles(const QStringList& patterns)
{
    if (ProjectDir.isEmpty())
        return {};
    // QDir matches name filters ignoring letter case unless told otherwise.
    return QDir(ProjectDir).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QListWidget* MakeProjectFileList(QWidget* parent, const char* name, const QString& accessible)
{
    auto* l = new QListWidget(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(accessible);
    l->setMinimumHeight(80);
    return l;
}

void FillProjectFileList(QListWidget* list, const QStringList& patterns)
{
    list->clear();
    list->addItems(MatchingProjectFiles(patterns));
}

QString FirstProjectFile(const QStringList& patterns)
{
    for (const QString& pattern : patterns) {
        QString found;
        if (FindProjectFile(pattern, found))
            return found;
    }
    return {};
}

bool ProjectFileExists(const QString& name)
{
    if (name.isEmpty() || ProjectDir.isEmpty() || !IsValidFileName(name))
        return false;
    return QFileInfo(ResolveCase(ProjectDir + name)).isFile();
}

QString StoredFileName(const QString& text)
{
    const QString name = text.trimmed();
    return IsValidFileName(name) ? name : QString();
}

bool FindFileForProject(TFileDialogOptions& options, const QStringList& patterns, QString& current)
{
    options.InitialDir = ProjectDir;
    QString chosen;
    if (!ExecuteOpenDialog(options, chosen))
        return false;
    const QString bare = QFileInfo(chosen).fileName();
    const QString target = ProjectDir + bare;
    const QString existing = ResolveCase(target);
    const bool inProject = QFileInfo(existing).isFile();
    // A file already in the project directory (this one or another of the
    // same name) is never copied over.
    if (!inProject && Confirm(Tr("Copy the file ") + chosen + Tr(" to the Project directory?"))) {
        try {
            CopyFileTo(chosen, target);
        } catch (const EQuendraError& e) {
            ShowError(e.Message());
        }
    }
    QString result = current;
    if (QFileInfo(ResolveCase(target)).isFile())
        result = QFileInfo(ResolveCase(target)).fileName();
    if (!IsValidFileName(result) || result.trimmed().isEmpty()) {
        const QString first = FirstProjectFile(patterns);
        if (!first.isEmpty())
            result = first;
    }
    current = result;
    return true;
}
