// Question-file operations on a large test, against copying the same file
// with cp in the same run. Prints each case's time as a ratio of the copy.
// Target: CompactQuestionFile within 3 times the plain copy.
//
// New cases on a large question file register below with BENCHMARK(...)
// and appear in the ratio table by themselves.
#include <benchmark/benchmark.h>

#include "model/projectfiles.h"
#include "runtime/buttlistform.h"
#include "model/testconfig.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <fcntl.h>

#include <cstdio>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr int Questions = 5000;

// A project folder holding a 5,000-question file, one record of it marked
// deleted (compaction runs right after one deletion).
struct TBenchProject {
    QTemporaryDir Dir;
    QString Path;
    QByteArray QuestionBytes;

    TBenchProject()
    {
        Path = QFileInfo(Dir.path()).canonicalFilePath() + u'/';
        ResetProcessValues();
        ProjectDir = Path;
        ProjectPath = Path + QStringLiteral("BIG.QXJ");
        EntryPath = Path + QStringLiteral("BIG.QXR");
        QuestionPath = Path + QStringLiteral("BIG.QXQ");
        QDir::setCurrent(Path);
        QuestionBytes.reserve(Questions * qsizetype(sizeof(TQuestionRecord)));
        for (int i = 0; i < Questions; ++i) {
            TQuestionRecord r;
            std::memset(&r, 0, sizeof r);
            r.Deleted = i == Questions / 2 ? 1 : 0;
            r.Identifier = QStringLiteral("Question number %1").arg(i + 1);
            r.AnswerCount = 4;
            r.CorrectAnswer = 1 + i % 4;
            r.TextBackColor = quint32(0xFFFFFF);
            QuestionBytes.append(reinterpret_cast<const char*>(&r), sizeof r);
        }
        Restore();
    }
    void Restore() const
    {
        QFile f(QuestionPath);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(QuestionBytes) != QuestionBytes.size())
            std::abort();
    }
};

TBenchProject& Project()
{
    static TBenchProject p;
    return p;
}

void BM_CopyWithCp(benchmark::State& state)
{
    TBenchProject& p = Project();
    p.Restore();
    const std::string src = QFile::encodeName(QuestionPath).toStdString();
    const std::string dst = QFile::encodeName(p.Path + QStringLiteral("COPY.QXQ")).toStdString();
    for (auto _ : state) {
        char* argv[] = {const_cast<char*>("cp"), const_cast<char*>(src.c_str()), const_cast<char*>(dst.c_str()),
                        nullptr};
        pid_t pid = 0;
        if (posix_spawnp(&pid, "cp", nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cp could not be started");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("cp failed");
            break;
        }
    }
    QFile::remove(QString::fromStdString(dst));
}
BENCHMARK(BM_CopyWithCp)->Unit(benchmark::kMillisecond);

// The same copy without starting a process: read whole, write whole.
void BM_CopyInProcess(benchmark::State& state)
{
    TBenchProject& p = Project();
    p.Restore();
    const QString dst = p.Path + QStringLiteral("COPY.QXQ");
    for (auto _ : state) {
        QFile in(QuestionPath), out(dst);
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || out.write(in.readAll()) != p.QuestionBytes.size()) {
            state.SkipWithError("copy failed");
            break;
        }
    }
    QFile::remove(dst);
}
BENCHMARK(BM_CopyInProcess)->Unit(benchmark::kMillisecond);

void BM_ListIdentifiers(benchmark::State& state)
{
    TBenchProject& p = Project();
    p.Restore();
    for (auto _ : state) {
        QStringList list;
        if (!ListIdentifiers(list) || list.size() != Questions) {
            state.SkipWithError("ListIdentifiers gave the wrong list");
            break;
        }
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_ListIdentifiers)->Unit(benchmark::kMillisecond);

void BM_CompactQuestionFile(benchmark::State& state)
{
    TBenchProject& p = Project();
    for (auto _ : state) {
        state.PauseTiming();
        p.Restore();
        state.ResumeTiming();
        CompactQuestionFile();
    }
    if (QFileInfo(QuestionPath).size() != (Questions - 1) * qint64(sizeof(TQuestionRecord)))
        state.SkipWithError("compaction left the wrong file");
    p.Restore();
}
BENCHMARK(BM_CompactQuestionFile)->Unit(benchmark::kMillisecond);

// Reading the question file with cat, output thrown away: the yardstick of
// opening the question selection list.
void BM_CatQuestionFile(benchmark::State& state)
{
    TBenchProject& p = Project();
    p.Restore();
    const std::string src = QFile::encodeName(QuestionPath).toStdString();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        char* argv[] = {const_cast<char*>("cat"), const_cast<char*>(src.c_str()), nullptr};
        pid_t pid = 0;
        if (posix_spawnp(&pid, "cat", &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("cat could not be started");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("cat failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_CatQuestionFile)->Unit(benchmark::kMillisecond);

// What "Edit/View/Delete a Question" does before the author can choose:
// list the identifiers, fill the selection list and show it on screen.
void BM_OpenQuestionSelectionList(benchmark::State& state)
{
    TBenchProject& p = Project();
    p.Restore();
    for (auto _ : state) {
        QStringList identifiers;
        if (!ListIdentifiers(identifiers) || identifiers.size() != Questions) {
            state.SkipWithError("ListIdentifiers gave the wrong list");
            break;
        }
        TButtListForm form;
        form.setWindowTitle(QStringLiteral("Select a Question to Edit"));
        form.SetItems(identifiers, 0);
        form.show();
        QCoreApplication::processEvents();
        form.close();
    }
}
BENCHMARK(BM_OpenQuestionSelectionList)->Unit(benchmark::kMillisecond);

// Collects the real time per iteration of every case for the ratio table.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (!r.error_occurred && r.iterations > 0)
                Seconds[r.benchmark_name()] = r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
    }
    std::map<std::string, double> Seconds;
};

} // namespace

int main(int argc, char** argv)
{
    // The selection list case needs a window system; offscreen will do.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto copy = reporter.Seconds.find("BM_CopyWithCp");
    if (copy == reporter.Seconds.end() || copy->second <= 0) {
        std::printf("no cp time measured, no ratios\n");
        return 0;
    }
    std::printf("\n%d questions (%lld bytes); times as a ratio of cp (%.3f ms):\n", Questions,
                static_cast<long long>(Questions) * qint64(sizeof(TQuestionRecord)), copy->second * 1e3);
    for (const auto& [name, seconds] : reporter.Seconds) {
        if (name == copy->first)
            continue;
        std::printf("  %-28s %8.3f ms  %6.2f x cp%s\n", name.c_str(), seconds * 1e3, seconds / copy->second,
                    name == "BM_CompactQuestionFile" ? (seconds <= 3 * copy->second ? "  (target <= 3: met)"
                                                                                   : "  (target <= 3: MISSED)")
                                                     : "");
    }
    const auto cat = reporter.Seconds.find("BM_CatQuestionFile");
    const auto list = reporter.Seconds.find("BM_OpenQuestionSelectionList");
    if (cat != reporter.Seconds.end() && list != reporter.Seconds.end() && cat->second > 0) {
        const double ratio = list->second / cat->second;
        std::printf("  opening the question selection list: %6.2f x cat (%.3f ms)  (target <= 5: %s)\n", ratio,
                    cat->second * 1e3, ratio <= 5 ? "met" : "MISSED");
    }
    return 0;
}
