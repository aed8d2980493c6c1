// The yardstick of bench/startup: an empty QMainWindow, shown maximised,
// that prints "startup-ms <elapsed>" at its first paint and quits (elapsed
// from the CLOCK_MONOTONIC time in QUENDRA_STARTUP_T0). With the argument
// "--text" it shows one line of text in a status bar, which costs the first
// font load that every window with text pays.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

class TProbe : public QObject {
public:
    TProbe(QWidget* window, long long t0) : FWindow(window), FT0(t0) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!FDone && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == FWindow) {
            FDone = true;
            timespec now {};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("startup-ms %.3f\n", double(now.tv_sec * 1000000000LL + now.tv_nsec - FT0) / 1e6);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget* FWindow;
    long long FT0;
    bool FDone = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--text"))
        window.statusBar()->addWidget(new QLabel(QStringLiteral("None Selected")));
    const long long t0 = qEnvironmentVariable("QUENDRA_STARTUP_T0").toLongLong();
    TProbe probe(&window, t0);
    if (t0 > 0)
        app.installEventFilter(&probe);
    window.showMaximized();
    return app.exec();
}
