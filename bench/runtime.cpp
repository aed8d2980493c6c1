// The run time's two speed targets.
//
// 1. From pressing Next to the next question's first paint, for a question
//    of about 200 KB of formatted text: the question text read from the
//    entry store, the question screen built, shown and painted. Against a
//    bare dialog that shows the same document with QTextEdit::setHtml.
//    Target: at most 1.5 times the bare dialog.
// 2. A built executable (runtime stub + compiled test) of a 5,000-question
//    test, from launch to its first question painted, against the bare
//    window with one line of text of bench_startup. Target: at most 1.5.
//
//   bench_runtime [runs]      (default 9 of each; DISPLAY or offscreen)
#include "model/compiledtest.h"
#include "model/projectfiles.h"
#include "model/savefile.h"
#include "model/testconfig.h"
#include "platform/richedit.h"
#include "richtext/rtfwriter.h"
#include "runtime/entrystore.h"
#include "runtime/qtextdisplayform.h"
#include "runtime/runstate.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// About 200 KB of RTF: paragraphs in several fonts, sizes, colours, bold,
// italic and underlined runs.
QString FormattedHtml(int paragraphs)
{
    QString html;
    const char* colours[] = {"#000000", "#800000", "#008000", "#000080"};
    for (int i = 0; i < paragraphs; ++i)
        html += QStringLiteral("<p style='font-family:%1;font-size:%2pt;color:%3'>Paragraph %4: the <b>river</b> "
                               "crosses the <i>plain</i> near the <u>old bridge</u>, where the %5 meets the sea "
                               "and the tide turns twice a day.</p>")
                    .arg(i % 2 ? QStringLiteral("Serif") : QStringLiteral("Sans"))
                    .arg(10 + i % 5)
                    .arg(QString::fromLatin1(colours[i % 4]))
                    .arg(i)
                    .arg(i % 3 ? QStringLiteral("water") : QStringLiteral("current"));
    return html;
}

// Shows the widget and paints it once, as the first paint after showing.
void ShowAndPaint(QWidget& w)
{
    w.show();
    w.repaint();
    QApplication::processEvents();
}

void MeasureNext(int runs, const QString& folder)
{
    QTextDocument doc;
    int paragraphs = 200;
    QStringList lines;
    for (;;) {
        doc.setHtml(FormattedHtml(paragraphs));
        lines = DocumentToRtfLines(doc);
        if (lines.join(QStringLiteral("\r\n")).size() >= 200 * 1024)
            break;
        paragraphs += 100;
    }
    const QString html = doc.toHtml();
    QByteArray entry = "[BIG]\r\nsource=QUEST\r\ntext=\r\n";
    for (const QString& l : lines)
        entry += l.toLatin1() + "\r\n";
    entry += "]\r\n\r\n";
    const QString entryFile = folder + QStringLiteral("next.QXR");
    SaveWholeFile(entryFile, entry);
    RunEntries = std::make_shared<TFileEntryStore>(entryFile);
    SetConfigDefaults();
    std::memset(&CurrentQuestion, 0, sizeof CurrentQuestion);
    CurrentQuestion.Identifier = QStringLiteral("BIG");
    CurrentQuestion.AnswerCount = 4;
    CurrentQuestion.CorrectAnswer = 1;
    CurrentQuestion.TextBackColor = 0x00FFFFFF;
    TakeCount = 10;
    AnsweredCount = 2;

    std::vector<double> ours, bare;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer t;
        t.start();
        {
            QStringList text;
            RunEntries->ReadQuestionText(QStringLiteral("BIG"), text);
            TTQtextDisplayForm form(text);
            ShowAndPaint(form);
            if (i == 0)
                std::printf("  (the question screen holds %d characters from %lld lines)\n",
                            int(form.RichEdit1->Text().size()), qint64(text.size()));
            if (i > 0)
                ours.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        t.restart();
        {
            QDialog dialog;
            dialog.resize(640, 480);
            auto* edit = new QTextEdit(&dialog);
            auto* layout = new QVBoxLayout(&dialog);
            layout->addWidget(edit);
            edit->setHtml(html);
            ShowAndPaint(dialog);
            if (i > 0)
                bare.push_back(double(t.nsecsElapsed()) / 1e6);
        }
    }
    const double o = Median(ours), b = Median(bare);
    std::printf("next question, %lld bytes of RTF in %d paragraphs:\n", qint64(entry.size()), paragraphs);
    std::printf("  question screen   median %8.1f ms   min %8.1f ms\n", o, *std::min_element(ours.begin(), ours.end()));
    std::printf("  bare setHtml      median %8.1f ms   min %8.1f ms\n", b, *std::min_element(bare.begin(), bare.end()));
    std::printf("  ratio %.2f (target <= 1.50: %s)\n", o / b, o / b <= 1.5 ? "met" : "NOT met");
    RunEntries.reset();
}

// ---- 2: start-up of a built executable ----------------------------------------

long long NowNs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

double LaunchOnce(const std::string& program, const char* arg)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    const long long t0 = NowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        setenv("QUENDRA_STARTUP_T0", std::to_string(t0).c_str(), 1);
        execl(program.c_str(), program.c_str(), arg, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buf[256];
    const long long deadline = NowNs() + 30LL * 1000000000LL;
    while (NowNs() < deadline && text.find('\n') == std::string::npos) {
        pollfd p {out[0], POLLIN, 0};
        if (poll(&p, 1, 200) <= 0)
            continue;
        const ssize_t n = read(out[0], buf, sizeof buf);
        if (n <= 0)
            break;
        text.append(buf, size_t(n));
    }
    close(out[0]);
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    const size_t at = text.find("startup-ms ");
    return at == std::string::npos ? -1 : std::atof(text.c_str() + at + 11);
}

// A 5,000-question test with a one-paragraph formatted text per question,
// compiled and appended to the runtime stub.
QString BuildBigExecutable(const QString& folder, int count)
{
    ResetProcessValues();
    ProjectDir = folder;
    ProjectPath = folder + QStringLiteral("BIG.QXJ");
    EntryPath = folder + QStringLiteral("BIG.QXR");
    QuestionPath = folder + QStringLiteral("BIG.QXQ");
    SetConfigDefaults();
    TestConfig.TakeAllQuestions = true;
    TestConfig.SequentialPresentation = true;
    TestConfig.Program.ProgramTitle = QStringLiteral("Five thousand questions");
    QByteArray questions, entries;
    for (int i = 1; i <= count; ++i) {
        TQuestionRecord r;
        std::memset(&r, 0, sizeof r);
        r.Identifier = QStringLiteral("Q%1").arg(i);
        r.AnswerCount = 4;
        r.CorrectAnswer = 1 + i % 4;
        r.TextBackColor = 0x00FFFFFF;
        questions.append(reinterpret_cast<const char*>(&r), sizeof r);
        entries += "[Q" + QByteArray::number(i) + "]\r\nsource=QUEST\r\ntext=\r\n"
                   "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Question " + QByteArray::number(i)
                   + ": which of these is the \\b largest\\b0  \\ul river\\ul0  of the continent? Think of the "
                     "rainfall, the length and the basin.\\par\r\n}\r\n]\r\n\r\n";
    }
    SaveWholeFile(QuestionPath, questions);
    SaveWholeFile(EntryPath, entries);
    SaveConfig();
    QString failure;
    if (!BuildCompiledTest(&failure)) {
        std::fprintf(stderr, "runtime: compile failed: %s\n", qPrintable(failure));
        return QString();
    }
    const QString exe = folder + QStringLiteral("big%1.bin").arg(count);
    WriteExecutable(QStringLiteral(RUNTIME_STUB), folder + QStringLiteral("BIG.QXC"), exe);
    std::printf("built %s: %lld bytes\n", qPrintable(exe), qint64(QFileInfo(exe).size()));
    return exe;
}

void MeasureStartup(int runs, const QString& folder)
{
    const QString big = BuildBigExecutable(folder, 5000);
    const QString small = BuildBigExecutable(folder, 10);
    if (big.isEmpty() || small.isEmpty())
        return;
    const std::string program = big.toStdString(), smallProgram = small.toStdString();
    LaunchOnce(STARTUP_BARE, "--text");
    LaunchOnce(program, nullptr);
    LaunchOnce(smallProgram, nullptr);
    std::vector<double> ours, bare, tiny;
    for (int i = 0; i < runs; ++i) {
        const double b = LaunchOnce(STARTUP_BARE, "--text");
        const double o = LaunchOnce(program, nullptr);
        const double t = LaunchOnce(smallProgram, nullptr);
        if (o < 0 || b < 0 || t < 0) {
            std::fprintf(stderr, "runtime: launch %d failed (program %.1f, bare %.1f, small %.1f)\n", i + 1, o, b, t);
            return;
        }
        ours.push_back(o);
        bare.push_back(b);
        tiny.push_back(t);
    }
    const double o = Median(ours), b = Median(bare), t = Median(tiny);
    std::printf("executable to its first question painted:\n");
    std::printf("  5,000 questions   median %8.1f ms   min %8.1f ms\n", o, *std::min_element(ours.begin(), ours.end()));
    std::printf("  10 questions      median %8.1f ms   min %8.1f ms\n", t, *std::min_element(tiny.begin(), tiny.end()));
    std::printf("  bare + text       median %8.1f ms   min %8.1f ms\n", b, *std::min_element(bare.begin(), bare.end()));
    std::printf("  ratio %.2f (target <= 1.50: %s); 5,000 / 10 questions %.2f\n", o / b, o / b <= 1.5 ? "met" : "NOT met",
                o / t);
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const char* display = std::getenv("DISPLAY");
    if ((!display || !*display) && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const QString folder = QStringLiteral(BENCH_DATA_DIR "/runtime/");
    QDir().mkpath(folder);
    MeasureNext(runs, folder);
    MeasureStartup(runs, folder);
    return 0;
}
