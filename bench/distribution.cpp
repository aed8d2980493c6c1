// Copying the media of a distribution: 200 MB in files of test-like sizes
// (videos, sounds, pictures) through the distribution's copy routine, against
// `cp -r` of the same folder. Target: at most 1.3 times cp's time.

#include "distrib/distribution.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QTemporaryDir* gDir = nullptr;
QString gMedia;
QStringList gFiles;

void MakeMedia()
{
    gDir = new QTemporaryDir;
    gMedia = gDir->filePath(QStringLiteral("media"));
    QDir().mkpath(gMedia);
    struct { const char* Pattern; int Count; qint64 Size; } kinds[] = {
        {"movie%1.avi", 4, 40 << 20}, {"sound%1.wav", 10, 3 << 20}, {"picture%1.jpg", 50, 200 << 10},
        {"tune%1.mid", 20, 50 << 10}, {"page%1.htm", 20, 1 << 10},
    };
    QByteArray block(1 << 20, '\0');
    for (int i = 0; i < block.size(); i += 4)
        *reinterpret_cast<quint32*>(block.data() + i) = QRandomGenerator::global()->generate();
    for (const auto& k : kinds)
        for (int n = 0; n < k.Count; ++n) {
            const QString name = QString::fromLatin1(k.Pattern).arg(n);
            QFile f(QDir(gMedia).filePath(name));
            if (!f.open(QIODevice::WriteOnly)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
                continue;
            }
            for (qint64 left = k.Size; left > 0; left -= block.size())
                f.write(block.constData(), qMin<qint64>(left, block.size()));
            gFiles << name;
        }
}

void Clear(const QString& target)
{
    QDir(target).removeRecursively();
}

void BM_CpR(benchmark::State& state)
{
    const QString target = gDir->filePath(QStringLiteral("cp-target"));
    for (auto _ : state) {
        state.PauseTiming();
        Clear(target);
        state.ResumeTiming();
        QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), gMedia, target});
    }
    state.SetBytesProcessed(state.iterations() * 200LL * (1 << 20));
}

void BM_DistributionCopy(benchmark::State& state)
{
    const QString target = gDir->filePath(QStringLiteral("dist-target"));
    for (auto _ : state) {
        state.PauseTiming();
        Clear(target);
        state.ResumeTiming();
        QDir().mkpath(target);
        for (const QString& f : gFiles)
            CopyDistributionFile(QDir(gMedia).filePath(f), QDir(target).filePath(f));
    }
    state.SetBytesProcessed(state.iterations() * 200LL * (1 << 20));
}

} // namespace

BENCHMARK(BM_CpR)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8);
BENCHMARK(BM_DistributionCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8);

int main(int argc, char** argv)
{
    MakeMedia();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete gDir;
    return 0;
}
