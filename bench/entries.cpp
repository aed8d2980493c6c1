// Entry file speed on a 5,000-question project (about 15 MB of entry file):
//  - compiling the test (CompileEntryFile's block + BuildCompiledTest) against
//    `cat` of the entry and question files to a new file (target <= 3x);
//  - reading every question text in question order through one snapshot of
//    the entry file (EntryTableOf, built cold each time) against one
//    `grep -c` over the entry file (target <= 3x);
//  - peak memory of the compile against the entry file's size + 32 MB.
// Each figure is the best of several runs, printed as a ratio.
#include "model/compiledtest.h"
#include "model/entryfile.h"
#include "model/entrytable.h"
#include "model/projectfiles.h"
#include "model/savefile.h"
#include "model/testconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include <malloc.h>

namespace {

double Seconds(const std::function<void()>& f, int runs)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double>(t1 - t0).count());
    }
    return best;
}

long StatusKb(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').first().toLong();
    return -1;
}

void ResetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

int Run(const QString& command)
{
    return std::system(command.toLocal8Bit().constData());
}

// About 2 KB of question text as the rich-text control writes it.
QStringList QuestionRtf(int n)
{
    QStringList lines;
    lines << QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Times New Roman;}}")
          << QStringLiteral("{\\colortbl ;\\red0\\green0\\blue255;}")
          << QStringLiteral("\\viewkind4\\uc1\\pard\\lang2057\\f0\\fs24 Question %1: ").arg(n);
    int size = 0;
    for (const QString& l : lines)
        size += int(l.size()) + 2;
    int k = 0;
    while (size < 1950) {
        const QString l = QStringLiteral("which of the following statements about item %1 and part %2 holds \\b true\\b0  "
                                         "when \\ul measured\\ulnone  again?\\par")
                              .arg(n)
                              .arg(k++);
        lines << l;
        size += int(l.size()) + 2;
    }
    lines << QStringLiteral("}");
    return lines;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString d = dir.path() + u'/';
    ResetProcessValues();
    ProjectDir = d;
    ProjectPath = d + QStringLiteral("BIG.QXJ");
    EntryPath = d + QStringLiteral("BIG.QXR");
    QuestionPath = d + QStringLiteral("BIG.QXQ");
    SetConfigDefaults();
    QDir::setCurrent(d);

    constexpr int Count = 5000;
    std::printf("generating %d questions...\n", Count);
    TEntryDisplay display;
    SetEntryDisplayDefaults(display);
    const QStringList infoText = {QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Arial;}}"),
                                  QStringLiteral("\\pard\\f0\\fs20 More about this question, with a few words.\\par"),
                                  QStringLiteral("\\pard\\f0\\fs20 A second paragraph of information that explains where "
                                                 "the answer comes from and which book to read next.\\par"),
                                  QStringLiteral("\\pard\\f0\\fs20 A third paragraph of information that explains where "
                                                 "the answer comes from and which book to read next.\\par"),
                                  QStringLiteral("\\pard\\f0\\fs20 A fourth paragraph of information that explains where "
                                                 "the answer comes from and which book to read next.\\par"),
                                  QStringLiteral("}")};
    {
        QByteArray questions;
        for (int i = 0; i < Count; ++i) {
            const QString id = QStringLiteral("Q%1").arg(i + 1, 4, 10, QChar(u'0'));
            AppendQuestionEntry(EntryPath, id, QuestionRtf(i + 1));
            AppendDisplayEntry(EntryPath, id + QStringLiteral("^INFO^"), 1, SourceInfo, infoText, display);
            AppendCommandEntry(EntryPath, QStringLiteral("phrase %1").arg(i + 1), 6, SourceHyper,
                               QStringLiteral("PIC%1.BMP,TUNE%1.WAV,30").arg(i + 1));
            std::memset(&QuestionBuffer, 0, sizeof QuestionBuffer);
            QuestionBuffer.Identifier = id;
            QuestionBuffer.AnswerCount = 4;
            QuestionBuffer.CorrectAnswer = 1 + i % 4;
            questions.append(reinterpret_cast<const char*>(&QuestionBuffer), sizeof QuestionBuffer);
        }
        SaveWholeFile(QuestionPath, questions);
    }
    const qint64 entrySize = QFileInfo(EntryPath).size();
    std::printf("entry file: %.1f MB, question file: %lld bytes\n", entrySize / 1048576.0,
                qint64(QFileInfo(QuestionPath).size()));

    // Baselines.
    const QString copy = QStringLiteral("cat '%1' '%2' > '%3copy.bin'").arg(EntryPath, QuestionPath, d);
    const double tCat = Seconds([&] { Run(copy); }, 15);
    const QString grep = QStringLiteral("grep -c 'source=QUEST' '%1' > /dev/null").arg(EntryPath);
    const double tGrep = Seconds([&] { Run(grep); }, 15);

    // Compile, from a cold index each time.
    const double tCompile = Seconds(
        [&] {
            ForgetEntryIndexes();
            if (!BuildCompiledTest())
                std::printf("compile failed\n");
        },
        15);

    // Every question text in question order through one snapshot, made
    // from a cold start each time.
    QStringList ids;
    ListIdentifiers(ids);
    qint64 chars = 0;
    const double tRead = Seconds(
        [&] {
            ForgetEntryIndexes();
            chars = 0;
            const TEntryTablePtr snapshot = EntryTableOf(EntryPath);
            for (const QString& id : ids) {
                QStringList text;
                if (!snapshot->ReadQuestionText(id, text))
                    std::printf("missing %s\n", qPrintable(id));
                for (const QString& l : text)
                    chars += l.size();
            }
        },
        15);
    // The same through the per-call readers, each call checking the file.
    const double tReadChecked = Seconds(
        [&] {
            ForgetEntryIndexes();
            for (const QString& id : ids) {
                QStringList text;
                ReadQuestionEntry(EntryPath, id, text);
            }
        },
        5);

    // The index alone: one scan of the file.
    const double tIndex = Seconds(
        [&] {
            ForgetEntryIndexes();
            EntrySourceExists(EntryPath, SourceComms);
        },
        5);
    // Lookups once the index is built.
    const double tWarm = Seconds(
        [&] {
            for (const QString& id : ids) {
                QStringList text;
                ReadQuestionEntry(EntryPath, id, text);
            }
        },
        5);

    // Peak memory of one compile.
    // Freed memory goes back to the system first, so that what the compile
    // takes shows in its peak rather than being served from the heap's spares.
    ForgetEntryIndexes();
    ::malloc_trim(0);
    const long rssBefore = StatusKb("VmRSS:");
    ResetPeak();
    BuildCompiledTest();
    const long hwm = StatusKb("VmHWM:");
    const double growMb = (hwm - rssBefore) / 1024.0;
    const double limitMb = entrySize / 1048576.0 + 32;

    std::printf("\n");
    std::printf("compile      %7.1f ms   cat        %7.1f ms   ratio %.2f (target <= 3)\n", tCompile * 1e3,
                tCat * 1e3, tCompile / tCat);
    std::printf("read %d texts %6.1f ms   grep -c    %7.1f ms   ratio %.2f (target <= 3)  [%lld characters]\n",
                int(ids.size()), tRead * 1e3, tGrep * 1e3, tRead / tGrep, chars);
    std::printf("  through the per-call readers (file checked on every call): %.1f ms, ratio %.2f\n",
                tReadChecked * 1e3, tReadChecked / tGrep);
    std::printf("  of which: index build %.1f ms, %d lookups with the index built %.1f ms\n", tIndex * 1e3,
                int(ids.size()), tWarm * 1e3);
    std::printf("compile peak memory: +%.1f MB over %.1f MB before (peak %.1f MB); limit %.1f MB: ratio %.2f "
                "(target <= 1)\n",
                growMb, rssBefore / 1024.0, hwm / 1024.0, limitMb, growMb / limitMb);
    return 0;
}
