#pragma once
// Start-up timing for bench/startup: when QUENDRA_STARTUP_T0 holds the
// CLOCK_MONOTONIC time (nanoseconds) at which the process was launched, the
// program prints "startup-ms <elapsed>" at the main window's first paint
// and quits. Without the variable nothing happens.

class QApplication;
class QWidget;

void InstallStartupProbe(QApplication& app, QWidget& mainWindow);
