#pragma once
// What a test program needs on a student machine besides its own file: the
// media module, the Qt libraries and plugins it loads, and a qt.conf that
// points Qt at the plugins beside it.
//
// The libraries are found from the programs themselves: their ELF
// dependencies are followed the way the dynamic loader follows them (RPATH,
// RUNPATH, the Qt the tool runs with, the system's library folders). The split:
//   shipped      - every Qt library (libQt6*) reached, and the few helper
//                  libraries Debian builds Qt with that a desktop without Qt
//                  lacks (double-conversion, libb2, md4c, pcre2-16);
//   base system  - everything else: the C and C++ runtime, X11/xcb/xkbcommon
//                  and Wayland clients, OpenGL/EGL, fontconfig/freetype/
//                  harfbuzz, GLib, D-Bus, ICU, zlib/zstd/png/jpeg, the sound
//                  server's client, GStreamer, CUPS. These are named in the
//                  README and left to the machine.
// Plugins are those of the Qt modules reached: the X11 platform plugin and
// its OpenGL integrations, the JPEG and ICO image readers, the input-method
// plugins, the print support and the GStreamer media backend.
//
// Layout in the distribution folder (the programs carry RPATH $ORIGIN/lib,
// set when they are built):
//   <program>, libquendra_qtmedia.so, qt.conf, README.TXT
//   lib/<soname>                      shipped libraries
//   plugins/<type>/<plugin>.so        plugins

#include <QList>
#include <QString>
#include <QStringList>

struct TBundleFile {
    QString Source;   // absolute path to copy from (links followed)
    QString Target;   // path relative to the distribution folder
};

struct TRuntimeBundle {
    QList<TBundleFile> Files;       // libraries, plugins and the media module
    QStringList BaseLibraries;      // needed names left to the system, sorted
};

// Folder names inside the distribution folder.
extern const char* const BundleLibFolder;      // "lib"
extern const char* const BundlePluginFolder;   // "plugins"

// True for the libraries a distribution carries (see above).
bool IsShippedLibrary(const QString& soname);

// The bundle for the given programs (absolute paths of the runtime stub or
// the player); the media module is taken from programDir. Throws
// EQuendraError naming the library when one that must be shipped cannot be
// found.
TRuntimeBundle CollectRuntimeBundle(const QStringList& programs, const QString& programDir);

// The qt.conf written beside the programs.
QByteArray DistributionQtConf();

// The plain-text README for the student machine (CR LF lines).
QByteArray DistributionReadme(const QString& title, const QString& startCommand,
                              const QStringList& baseLibraries);
