#include "runtime/resultsfile.h"

#include "model/errors.h"
#include "model/fileutil.h"
#include "model/savefile.h"
#include "model/testconfig.h"
#include "platform/messages.h"
#include "runtime/results.h"
#include "runtime/resultsreport.h"
#include "runtime/runstate.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Results", text); }

// More numbers than any folder of results will hold; past it the folder is
// treated as unable to take another file rather than searched for ever.
constexpr int MaxResultsNumber = 1000000;
constexpr int StemWidth = 6;

// Relative folders lie in the run-file folder.
QString InRunFolder(const QString& folder)
{
    if (folder.startsWith(u'/'))
        return folder;
    return RunFilePath(folder);
}

} // namespace

TResultsName ConfiguredResultsName(const QString& configured)
{
    QString path = configured;
    path.replace(u'\\', u'/');
    if (path.size() >= 2 && path.at(1) == u':' && path.at(0).isLetter())
        path.remove(0, 2);
    const qsizetype slash = path.lastIndexOf(u'/');
    TResultsName name;
    name.Folder = InRunFolder(path.left(slash + 1));
    QString file = path.mid(slash + 1);
    const qsizetype dot = file.indexOf(u'.');
    if (dot >= 0)
        file.truncate(dot);
    name.Stem = file.left(StemWidth);
    return name;
}

TResultsName DefaultResultsName()
{
    TResultsName name;
    name.Folder = RunFileDir;
    name.Stem = RunBaseName.isEmpty() ? QStringLiteral("Results") : RunBaseName;
    return name;
}

QString ReserveResultsFile(const TResultsName& name, QString& tried)
{
    for (int n = 1; n <= MaxResultsNumber; ++n) {
        tried = name.Folder + name.Stem + QString::number(n) + QStringLiteral(".QXD");
        const QByteArray native = QFile::encodeName(tried);
        int fd;
        do
            fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        while (fd < 0 && errno == EINTR);
        if (fd >= 0) {
            ::close(fd);
            return tried;
        }
        // Taken by another file (or folder, or a dangling link): next number.
        if (errno != EEXIST)
            RaiseInOutError(Tr("create"), tried, QString::fromLocal8Bit(std::strerror(errno)));
    }
    RaiseInOutError(Tr("create"), tried, Tr("Every results file number is taken"));
}

void WriteResultsReport(const QString& fileName)
{
    try {
        SaveWholeFile(fileName, ResultsLinesToBytes(ResultsFileLines()));
    } catch (...) {
        // The reservation is ours and still empty: nobody else takes an
        // existing name, so removing it cannot touch another run's file.
        struct stat st {};
        const QByteArray native = QFile::encodeName(fileName);
        if (::lstat(native.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size == 0)
            ::unlink(native.constData());
        throw;
    }
}

QString CreateResultsFile(const TResultsName& name, QString& tried)
{
    const QString fileName = ReserveResultsFile(name, tried);
    WriteResultsReport(fileName);
    return fileName;
}

void WriteResultsFile()
{
    const QString configured = TestConfig.ResultsFileName.str();
    QString tried;
    QString written;
    try {
        written = CreateResultsFile(configured.isEmpty() ? DefaultResultsName()
                                                         : ConfiguredResultsName(configured),
                                    tried);
    } catch (const EQuendraError& first) {
        if (configured.isEmpty()) {
            ShowError(first.Message());
            return;
        }
        ShowInfo(Tr("Unable to create Test Results file ") + tried);
        try {
            written = CreateResultsFile(DefaultResultsName(), tried);
        } catch (const EQuendraError& second) {
            // Shown, and the end of the test run goes on.
            ShowError(second.Message());
            return;
        }
    }
    // Only the in-memory settings keep the name, cut to the field's width;
    // the student is told the whole name.
    TestConfig.ResultsFileName = written;
    ShowInfo((TestConfig.ResultsSavedText.str() + u' ').left(46) + written);
}

void SaveSwapFile()
{
    int group;
    if (TestConfig.ScoreGroupsDefined) {
        ComputeScoreGroup();
        group = ScoreGroup;
    } else {
        group = ScorePercent / 10;
    }
    SaveWholeFile(RunFilePath(RunBaseName + QStringLiteral(".QXS")),
                  QByteArray::number(group) + "\r\n");
}

void WriteSwapFile()
{
    try {
        SaveSwapFile();
    } catch (const EQuendraError& e) {
        // A program the closing command starts may miss the group, but the
        // end of the test run goes on.
        ShowError(e.Message());
    }
}
