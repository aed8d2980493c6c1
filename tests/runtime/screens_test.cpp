// Screenshots of the media windows for a person to look at. Runs only when
// QUENDRA_SCREENSHOTS names a folder, on a real display (e.g. Xvfb): each
// window is shown as a student sees it and the whole screen is saved there.
#include "harness.h"
#include "../platform/testmedia.h"

#include "platform/media.h"
#include "runtime/buttlistform.h"
#include "runtime/hnotesform.h"
#include "runtime/mediaplayform.h"
#include "runtime/multimedia.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

class ScreensTest : public QuendraTest {};

QString ShotDir() { return qEnvironmentVariable("QUENDRA_SCREENSHOTS"); }

void Shoot(const QString& name)
{
    PumpEvents(1200);
    QGuiApplication::primaryScreen()->grabWindow(0).save(ShotDir() + u'/' + name + QStringLiteral(".png"));
}

TEST_F(ScreensTest, MediaWindows)
{
    if (ShotDir().isEmpty() || QGuiApplication::platformName() == u"offscreen")
        GTEST_SKIP() << "set QUENDRA_SCREENSHOTS and run on a display";
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("T"));
    SetAudioOutputOverride(0);
    QImage photo(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            photo.setPixel(x, y, qRgb(x * 255 / 640, y * 255 / 480, 160));
    dir.Write(QStringLiteral("pic.bmp"), TestMedia::Encode(TestMedia::Pattern(320, 240), "BMP"));
    dir.Write(QStringLiteral("photo.jpg"), TestMedia::Encode(photo, "JPEG", 90));
    dir.Write(QStringLiteral("draw.wmf"), TestMedia::SampleWmf());
    QList<QImage> frames;
    for (int i = 0; i < 10; ++i) {
        QImage f = photo.scaled(320, 240);
        for (int y = 100; y < 140; ++y)
            for (int x = i * 30; x < i * 30 + 40; ++x)
                f.setPixel(x, y, qRgb(255, 255, 255));
        frames << f;
    }
    dir.Write(QStringLiteral("film.avi"), TestMedia::Avi(frames));

    for (const char* file : {"pic.bmp", "photo.jpg", "draw.wmf"}) {
        OnModal(QStringLiteral("TShowMultForm"), [file](QDialog& d) {
            Shoot(QStringLiteral("picture-%1").arg(QString::fromLatin1(file).section(u'.', 1)));
            d.accept();
        });
        ShowMultimedia(QStringLiteral("Picture %1").arg(QString::fromLatin1(file)), QString::fromLatin1(file) + ",0");
    }
    OnModal(QStringLiteral("TMediaPlayForm"), [](QDialog& d) {
        Shoot(QStringLiteral("mediaplayer"));
        d.reject();
    });
    ShowMultimedia(QString(), QStringLiteral("film.avi"));

    dir.Write(QStringLiteral("notes.txt"), "Things to remember for the test:\r\n- photosynthesis\r\n- the water cycle\r\n");
    OnModal(QStringLiteral("THNotesForm"), [](QDialog& d) {
        Shoot(QStringLiteral("notepad"));
        d.accept();
    });
    ShowNotepad(QStringLiteral("notes.txt"));

    OnModal(QStringLiteral("TButtListForm"), [](QDialog& d) {
        Shoot(QStringLiteral("selectionlist"));
        d.reject();
    });
    SelectFromList({"Apple", "Banana", "Cherry pie", "Apple tart", "Date"}, 2, 0, QString());
    SetAudioOutputOverride(-1);
}

} // namespace
