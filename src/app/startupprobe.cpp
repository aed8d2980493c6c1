#include "app/startupprobe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

class TFirstPaintProbe : public QObject {
public:
    TFirstPaintProbe(QWidget* window, long long t0, QObject* parent) : QObject(parent), FWindow(window), FT0(t0) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!FDone && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == FWindow) {
            FDone = true;
            timespec now {};
            clock_gettime(CLOCK_MONOTONIC, &now);
            const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec - FT0;
            std::printf("startup-ms %.3f\n", double(ns) / 1e6);
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

void InstallStartupProbe(QApplication& app, QWidget& mainWindow)
{
    bool ok = false;
    const long long t0 = qEnvironmentVariable("QUENDRA_STARTUP_T0").toLongLong(&ok);
    if (!ok || t0 <= 0)
        return;
    app.installEventFilter(new TFirstPaintProbe(&mainWindow, t0, &app));
}
