// RTF reader and writer speed, each against a reference measured in the same
// run, printed as ratios:
//   read    reading a 200 KB corpus document into a QTextDocument, against
//           QTextDocument::setHtml of the same content (target: at most 1.5)
//   plain   plain-text extraction of a 5 MB RTF file, against `unrtf --text`
//           on the same file (target: at least 5 times faster)
//   write   writing a 2,000-paragraph document as RTF lines, against
//           QTextDocument::toHtml (target: at most 1.5)
#include <benchmark/benchmark.h>

#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

QString Corpus() { return QStringLiteral(QUENDRA_SOURCE_DIR "/tests/data/rtf/"); }

QByteArray ReadCorpus(const char* name)
{
    QFile f(Corpus() + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_richtext: cannot read %s\n", qPrintable(f.fileName()));
        std::exit(1);
    }
    return f.readAll();
}

// Median wall time of runs of fn, in milliseconds.
double Time(const std::function<void()>& fn, int runs)
{
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        fn();
        t.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

// 5 MB of RTF: the converted corpus documents, each as a group of one outer
// document, repeated.
QByteArray FiveMegabytes()
{
    const char* names[] = {"lo-longpara.rtf", "abi-manypara.rtf", "lo-mixed.rtf", "abi-mixed.rtf",
                           "pandoc-mixed.rtf", "lo-tables.rtf", "abi-unicode.rtf", "lo-styles.rtf"};
    QByteArray out = "{\\rtf1\\ansi\\deff0\n";
    while (out.size() < 5 * 1024 * 1024)
        for (const char* n : names)
            out += ReadCorpus(n) + '\n';
    out += "}\n";
    return out;
}

void BM_ReadLongParagraph(benchmark::State& state)
{
    const QByteArray rtf = ReadCorpus("lo-longpara.rtf");
    for (auto _ : state) {
        QTextDocument doc;
        RtfToDocument(rtf, doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
}
BENCHMARK(BM_ReadLongParagraph)->Unit(benchmark::kMillisecond);

void BM_PlainText5MB(benchmark::State& state)
{
    const QByteArray rtf = FiveMegabytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(RtfToPlainText(rtf).size());
}
BENCHMARK(BM_PlainText5MB)->Unit(benchmark::kMillisecond);

void BM_Write2000Paragraphs(benchmark::State& state)
{
    QTextDocument doc;
    RtfToDocument(ReadCorpus("abi-manypara.rtf"), doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(DocumentToRtfLines(doc).size());
}
BENCHMARK(BM_Write2000Paragraphs)->Unit(benchmark::kMillisecond);

void PrintRatios()
{
    // Reading against setHtml of the same content.
    const QByteArray longPara = ReadCorpus("lo-longpara.rtf");
    QString html;
    {
        QTextDocument doc;
        RtfToDocument(longPara, doc);
        html = doc.toHtml();
    }
    const double read = Time([&] { QTextDocument d; RtfToDocument(longPara, d); }, 7);
    const double setHtml = Time([&] { QTextDocument d; d.setHtml(html); }, 7);

    // Plain text against unrtf on the same file.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("five.rtf"));
    const QByteArray five = FiveMegabytes();
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(five) != five.size())
            std::exit(1);
    }
    const double plain = Time([&] {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(RtfToPlainText(f.readAll()).size());
    }, 5);
    const std::string cmd = "unrtf --text '" + file.toStdString() + "' > /dev/null 2>&1";
    int unrtfStatus = 0;
    const double unrtf = Time([&] { unrtfStatus = std::system(cmd.c_str()); }, 3);

    // Writing against toHtml of a 2,000-paragraph document.
    QTextDocument many;
    RtfToDocument(ReadCorpus("abi-manypara.rtf"), many);
    const double write = Time([&] { benchmark::DoNotOptimize(DocumentToRtfLines(many).size()); }, 7);
    const double toHtml = Time([&] { benchmark::DoNotOptimize(many.toHtml().size()); }, 7);

    std::printf("richtext ratios (median wall time):\n");
    std::printf("  read 200 KB RTF      %8.2f ms   setHtml %8.2f ms   ratio %.2f (target <= 1.5)\n", read,
                setHtml, read / setHtml);
    std::printf("  plain text of %.1f MB %8.2f ms   unrtf   %8.2f ms   %.1f times faster (target >= 5)%s\n",
                five.size() / 1048576.0, plain, unrtf, unrtf / plain,
                unrtfStatus == 0 ? "" : "  [unrtf failed]");
    std::printf("  write %d paragraphs %8.2f ms   toHtml  %8.2f ms   ratio %.2f (target <= 1.5)\n",
                many.blockCount(), write, toHtml, write / toHtml);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    PrintRatios();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
