#include "app/projectlifecycle.h"

#include "app/makedirform.h"
#include "app/recentprojects.h"
#include "app/usersamples.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ProjectLifecycle", text); }

// The path with the extension of its file name replaced (or added).
QString ChangeFileExt(const QString& path, const QString& ext)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    return (dot > slash ? path.left(dot) : path) + ext;
}

// The project file for a picked file: the picked one when it is a project
// file whatever its letter case, else the name with ".QXJ", found in any
// letter case.
QString ProjectFileFor(const QString& picked)
{
    if (QFileInfo(picked).suffix().compare(u"QXJ", Qt::CaseInsensitive) == 0)
        return picked;
    return ResolveCase(ChangeFileExt(picked, QStringLiteral(".QXJ")));
}

QString AbsoluteFolder(QString folder)
{
    if (folder == u"~" || folder.startsWith(u"~/"))
        folder = QDir::homePath() + folder.mid(1);
    QString abs = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    if (!abs.endsWith(u'/'))
        abs += u'/';
    return abs;
}

struct TProjectState {
    QString Dir, Path, Entry, Question, Shown, Title, Prompt, Current;
    TTestConfig Config;

    void Take()
    {
        Dir = ProjectDir;
        Path = ProjectPath;
        Entry = EntryPath;
        Question = QuestionPath;
        Shown = ProjectBaseName();
        Title = ProgramTitleText;
        Prompt = MediaPrompt;
        Current = QDir::currentPath();
        Config = TestConfig;
    }
    void Restore() const
    {
        ProjectDir = Dir;
        ProjectPath = Path;
        EntryPath = Entry;
        QuestionPath = Question;
        SetProjectBaseName(Shown);
        ProgramTitleText = Title;
        MediaPrompt = Prompt;
        TestConfig = Config;
        QDir::setCurrent(Current);
    }
};

} // namespace

bool RunMakeDirDialog(const QString& mask, QString& folder, QString& name, int helpContext, const QString& prompt)
{
    TMakeDirForm form(QApplication::activeWindow());
    SetHelpContext(&form, helpContext);
    form.FileLbl->setText(prompt);
    form.SetMask(mask);
    // With a project open the dialog starts in its folder (the current one),
    // so a new test lands beside the one being worked on.
    if (!ProjectPath.isEmpty() && !ProjectDir.isEmpty())
        form.SelectFolder(QDir::cleanPath(ProjectDir));
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    folder = form.Folder();
    name = form.FileName();
    return true;
}

void OpenProject()
{
    EntryPath = ChangeFileExt(ProjectPath, QStringLiteral(".QXR"));
    QuestionPath = ChangeFileExt(ProjectPath, QStringLiteral(".QXQ"));

    if (QFileInfo::exists(ResolveCase(ProjectPath))) {
        const QString version = ReadProjectVersion();
        if (version.startsWith(u'1')) {
            const QString fileName = ProjectBaseName() + u'.' + QFileInfo(ProjectPath).suffix().toUpper();
            if (!Confirm(fileName + Tr(" was created with an earlier ")
                         + Tr("version of Quendra. Would you like to convert it to the ") + Tr("new version?"))) {
                ProjectPath.clear();
                EntryPath.clear();
                QuestionPath.clear();
                return;
            }
            ConvertEarlierConfig();
        }
    } else {
        SetConfigDefaults();
        SaveConfig();
    }
    LoadConfig();
    ProgramTitleText = TestConfig.Program.ProgramTitle.str();
    MediaPrompt = TestConfig.Presentation.Captions.MediaStartText.str();

    const qint64 trailing = QuestionFileTrailingBytes();
    if (trailing > 0)
        ShowError(QuestionFileDamageText(trailing));
}

void OpenProjectIn(const QString& folder, const QString& projectFile, const QString& shownName)
{
    TProjectState before;
    before.Take();
    try {
        if (!QDir::setCurrent(folder))
            throw EInOutError(Tr("Unable to create the directory"));
        ProjectDir = folder.endsWith(u'/') ? folder : folder + u'/';
        ProjectPath = projectFile;
        SetProjectBaseName(shownName);
        OpenProject();
    } catch (...) {
        before.Restore();
        throw;
    }
    // The project is open whatever becomes of the list of recent tests.
    if (!ProjectPath.isEmpty()) {
        try {
            AddRecentProject(QFileInfo(ResolveCase(ProjectPath)).absoluteFilePath());
        } catch (const EQuendraError& e) {
            ShowError(e.Message());
        }
    }
}

void OpenSelectedProject(const QString& picked)
{
    const QFileInfo fi(picked);
    // The real path reaches the file; the name shown is upper-cased. The
    // compiled test and the executable follow the file's own spelling
    // (DerivedFilePath).
    const QString path = ProjectFileFor(fi.absoluteFilePath());
    OpenProjectIn(fi.absolutePath() + u'/', path, BaseName(path).toUpper());
}

QString SelectTestFolder()
{
    return SelectTestStartFolder(ProjectPath, ProjectDir, RecentProjects(), UserSamplesDir(), QDir::homePath());
}

void SelectTest()
{
    TFileDialogOptions options;
    options.Title = Tr(" Select a Test Project File");
    options.Filter = Tr("Test Project Files") + QStringLiteral("|*.QXJ");
    options.InitialDir = SelectTestFolder();
    options.DefaultExt = QStringLiteral("QXJ");
    options.HelpContext = 90;
    options.Recent = RecentProjects();
    options.RecentLabel = Tr("&Recent tests:");

    QString picked;
    if (ExecuteOpenDialog(options, picked)) {
        OpenSelectedProject(picked);
        return;
    }
    // Cancelled while a project is open: it is read again.
    if (!ProjectPath.isEmpty())
        OpenProjectIn(ProjectDir, ProjectPath, BaseName(ProjectPath).toUpper());
}

void StartNewTest()
{
    QString folder, name;
    if (!RunMakeDirDialog(QStringLiteral("*.QXJ"), folder, name, 105, Tr("Enter new Test name"))) {
        if (!ProjectDir.isEmpty())
            QDir::setCurrent(ProjectDir);
        return;
    }
    const QString abs = AbsoluteFolder(folder);
    // A folder that exists already is simply used.
    if (!QFileInfo(abs).isDir() && !QDir().mkpath(abs)) {
        ShowError(Tr("Unable to create the directory"));
        return;
    }
    if (!QFileInfo(abs).isDir() || !QFileInfo(abs).isExecutable()) {
        ShowError(Tr("Unable to create the directory"));
        return;
    }
    const QString file = ChangeFileExt(name, QStringLiteral(".QXJ"));
    OpenProjectIn(abs, ResolveCase(abs + file), BaseName(file));
}
