#include "runtime/testprogram.h"

#include "model/errors.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "runtime/compiledtestfile.h"
#include "runtime/entrydisplays.h"
#include "runtime/entrystore.h"
#include "runtime/runengine.h"
#include "runtime/runstate.h"

#include "runtime/qtextdisplayform.h"

#include <QApplication>
#include <QEvent>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QFile>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <unistd.h>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("TestProgram", text); }

// Start-up timing for bench/runtime: with QUENDRA_STARTUP_T0 (the
// CLOCK_MONOTONIC launch time in nanoseconds) set, the first paint of a
// question screen prints "startup-ms <elapsed>" and ends the program.
class TFirstQuestionProbe : public QObject {
public:
    explicit TFirstQuestionProbe(long long t0) : FT0(t0) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && qobject_cast<TTQtextDisplayForm*>(static_cast<QWidget*>(watched)->window())) {
            timespec now {};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("startup-ms %.3f\n", double(now.tv_sec * 1000000000LL + now.tv_nsec - FT0) / 1e6);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }

private:
    long long FT0;
};

QString WithSeparator(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// A file can be created in folder: the folder exists, its permissions allow
// it and it does not lie on a read-only file system (a share or a disc).
// Asked of the system, so nothing is written to find out.
bool CanWriteIn(const QString& folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

} // namespace

QString ChooseRunFileDir(const QString& folder, bool& moved)
{
    moved = false;
    if (CanWriteIn(folder))
        return WithSeparator(folder);
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    QDir().mkpath(documents);
    moved = true;
    return WithSeparator(documents);
}

void UseCompiledTest(const TCompiledTestFile& test, const QString& base, const QString& dir)
{
    TestConfig = test.Config;
    TestQuestionList.Clear();
    for (const TQuestionRecord& r : test.Questions)
        AddTestQuestion(r);
    RunEntries = test.EntryStore();
    RunBaseName = base;
    RunFileDir = dir;
}

int RunTestProgram(int argc, char** argv, const std::function<QString(TCompiledTestFile&)>& load)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendra"));
    InstallHelpKey(app);
    // The text displays place their view-ports in the 640 x 480 design area
    // centred on the screen the backdrop covers, as the tool centres it in
    // its main window.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        SetDesignOrigin(screen->geometry());
    bool timed = false;
    const long long t0 = qEnvironmentVariable("QUENDRA_STARTUP_T0").toLongLong(&timed);
    TFirstQuestionProbe probe(t0);
    if (timed && t0 > 0)
        app.installEventFilter(&probe);
    try {
        TCompiledTestFile test;
        test.LazyEntries = true;
        const QString file = QFileInfo(load(test)).absoluteFilePath();
        const QString folder = QFileInfo(file).absolutePath();
        // Media files and documents the test names lie beside it.
        ProgramDir = ProjectDir = WithSeparator(folder);
        QDir::setCurrent(folder);
        HelpFilePath.clear();
        bool moved = false;
        const QString dir = ChooseRunFileDir(folder, moved);
        UseCompiledTest(test, BaseName(file), dir);
        if (moved)
            ShowInfo(Tr("The folder of this test cannot be written to.\n\rYour saved test and results are kept in %1")
                         .arg(QDir::toNativeSeparators(dir)));
        RunTest();
        // For scripted checks of a whole run (QUENDRA_RUN_REPORT=1): the
        // counts the run ended with.
        if (qEnvironmentVariableIntValue("QUENDRA_RUN_REPORT") == 1) {
            std::printf("run-end taken=%d correct=%d score=%d quit=%d saved=%d\n", TakeCount, CorrectCount,
                        ScorePercent, int(QuitRequested), int(QuitSaveRequested));
            std::fflush(stdout);
        }
    } catch (const EQuendraError& e) {
        ShowError(e.Message());
        return 1;
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
        return 1;
    }
    return 0;
}
