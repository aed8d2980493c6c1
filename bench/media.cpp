// Picture loading speed: a 4000 x 3000 JPEG through LoadPicture against
// djpeg on the same file, a 1 MB metafile rendered for the 640 x 480
// window, and the time from the call until the picture window is up.

#include "../tests/platform/testmedia.h"

#include "platform/pictures.h"
#include "runtime/showmultform.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

QTemporaryDir* gDir = nullptr;
QString gJpeg, gWmf, gSmall;

void WriteFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

void MakeFiles()
{
    gDir = new QTemporaryDir;
    // A photograph-like picture: gradients with noise, so the JPEG is not trivially small.
    QImage photo(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator rng(7);
    for (int y = 0; y < photo.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int n = int(rng.bounded(48));
            line[x] = qRgb((x / 16 + n) & 0xFF, (y / 12 + n) & 0xFF, ((x + y) / 28 + n) & 0xFF);
        }
    }
    gJpeg = gDir->filePath(QStringLiteral("photo.jpg"));
    WriteFile(gJpeg, TestMedia::Encode(photo, "JPEG", 90));
    gSmall = gDir->filePath(QStringLiteral("small.jpg"));
    WriteFile(gSmall, TestMedia::Encode(photo.copy(0, 0, 640, 480), "JPEG", 90));

    // About 1 MB of metafile: many small filled polygons in changing brushes.
    TestMedia::TWmf w;
    w.WindowOrg(0, 0);
    w.WindowExt(10000, 10000);
    w.NullPen();
    int objects = 1;
    while (w.Records.size() < (1 << 20)) {
        w.Brush(qRgb(int(rng.bounded(256)), int(rng.bounded(256)), int(rng.bounded(256))));
        w.Select(objects);
        w.Rec(0x01F0, {objects});   // DeleteObject keeps the table small
        QList<QPoint> pts;
        const int cx = int(rng.bounded(10000)), cy = int(rng.bounded(10000));
        for (int i = 0; i < 12; ++i)
            pts << QPoint(cx + int(rng.bounded(600)) - 300, cy + int(rng.bounded(600)) - 300);
        w.Select(1);
        w.Polygon(pts);
        w.Objects = 2;
        objects = 1;
    }
    gWmf = gDir->filePath(QStringLiteral("drawing.wmf"));
    WriteFile(gWmf, w.Bytes(true, 10000, 10000, 1440));
}

void BM_LoadJpeg(benchmark::State& state)
{
    for (auto _ : state) {
        QImage img = LoadPicture(gJpeg);
        benchmark::DoNotOptimize(img.constBits());
    }
}

void BM_Djpeg(benchmark::State& state)
{
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (djpeg.isEmpty()) {
        state.SkipWithError("djpeg not installed");
        return;
    }
    for (auto _ : state) {
        QProcess p;
        p.start(djpeg, {QStringLiteral("-outfile"), QStringLiteral("/dev/null"), gJpeg});
        p.waitForFinished(-1);
    }
}

void BM_RenderWmf(benchmark::State& state)
{
    for (auto _ : state) {
        QImage img = LoadPicture(gWmf, QSize(640, 480));
        benchmark::DoNotOptimize(img.constBits());
    }
    state.counters["bytes"] = double(QFile(gWmf).size());
}

// From the call to the window being shown with its picture: what
// ShowPicture does before its modal loop.
void BM_PictureWindowUp(benchmark::State& state)
{
    for (auto _ : state) {
        TShowMultForm form;
        form.SetPicture(LoadPicture(gSmall, QSize(640, 480)));
        form.show();
        QCoreApplication::processEvents();
        form.Image1->repaint();
        benchmark::DoNotOptimize(form.isVisible());
    }
}

BENCHMARK(BM_LoadJpeg)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Djpeg)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RenderWmf)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PictureWindowUp)->Unit(benchmark::kMillisecond)->Iterations(10);

double MeanMs(const std::function<void()>& f, int runs)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < runs; ++i)
        f();
    return double(t.nsecsElapsed()) / 1e6 / runs;
}

double ProcessCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double ChildrenCpuMs()
{
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return (double(u.ru_utime.tv_sec) + double(u.ru_stime.tv_sec)) * 1e3
           + (double(u.ru_utime.tv_usec) + double(u.ru_stime.tv_usec)) / 1e3;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MakeFiles();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    // The ratio the target is set on, measured in the same run.
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    const double ours = MeanMs([] { LoadPicture(gJpeg); }, 5);
    if (!djpeg.isEmpty()) {
        const double theirs = MeanMs([&] {
            QProcess p;
            p.start(djpeg, {QStringLiteral("-outfile"), QStringLiteral("/dev/null"), gJpeg});
            p.waitForFinished(-1);
        }, 5);
        std::printf("4000x3000 JPEG: LoadPicture %.1f ms, djpeg %.1f ms, ratio %.2f (target <= 1.2)\n", ours, theirs,
                    ours / theirs);
        // The same in processor time, which a busy machine disturbs less.
        const double c0 = ProcessCpuMs();
        for (int i = 0; i < 5; ++i)
            LoadPicture(gJpeg);
        const double oursCpu = (ProcessCpuMs() - c0) / 5;
        const double k0 = ChildrenCpuMs();
        for (int i = 0; i < 5; ++i) {
            QProcess p;
            p.start(djpeg, {QStringLiteral("-outfile"), QStringLiteral("/dev/null"), gJpeg});
            p.waitForFinished(-1);
        }
        const double theirsCpu = (ChildrenCpuMs() - k0) / 5;
        std::printf("  processor time: LoadPicture %.1f ms, djpeg %.1f ms, ratio %.2f\n", oursCpu, theirsCpu,
                    oursCpu / theirsCpu);
    }
    std::printf("1 MB WMF at 640x480: %.1f ms\n", MeanMs([] { LoadPicture(gWmf, QSize(640, 480)); }, 3));
    std::printf("picture window up (640x480 JPEG): %.1f ms (target <= 100)\n", MeanMs([] {
        TShowMultForm form;
        form.SetPicture(LoadPicture(gSmall, QSize(640, 480)));
        form.show();
        QCoreApplication::processEvents();
        form.Image1->repaint();
    }, 10));
    benchmark::Shutdown();
    delete gDir;
    return 0;
}
