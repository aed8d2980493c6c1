// Screenshots of the presentation screens for a person to look at. Runs only
// when QUENDRA_SCREENSHOTS names a folder, on a real display (e.g. Xvfb).
#include "harness.h"

#include "model/entryfile.h"
#include "platform/richedit.h"
#include "presentation/changetextform.h"
#include "presentation/hypentryform.h"
#include "presentation/hyptextadjform.h"
#include "presentation/intadjustform.h"
#include "presentation/intdesignbackform.h"
#include "presentation/introdesignform.h"
#include "presentation/introentryform.h"
#include "presentation/tbackform.h"
#include "presentation/vpadjustform.h"
#include "presentation/vpdesigntitleform.h"
#include "runtime/entrydisplays.h"
#include "runtime/runpresentation.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <memory>

namespace {

class ScreensTest : public QuendraTest {};

QString ShotDir() { return qEnvironmentVariable("QUENDRA_SCREENSHOTS"); }

void Shoot(const QString& name)
{
    PumpEvents(600);
    QGuiApplication::primaryScreen()->grabWindow(0).save(ShotDir() + u'/' + name + QStringLiteral(".png"));
}

std::function<void(QDialog&)> ShootAndClose(const QString& name)
{
    return [name](QDialog& d) {
        Shoot(name);
        d.done(QDialog::Accepted);
    };
}

const QStringList Text = {
    QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 DejaVu Sans;}}{\\colortbl;\\red0\\green0\\blue128;}"),
    QStringLiteral("\\f0\\fs32\\b\\cf1 The water cycle\\b0\\cf0\\par"),
    QStringLiteral("\\fs22 Water evaporates from the sea, forms clouds and falls again as rain. "
                   "Read the questions carefully; you may look at this page again from each question.\\par}")};

TEST_F(ScreensTest, PresentationScreens)
{
    if (ShotDir().isEmpty() || QGuiApplication::platformName() == u"offscreen")
        GTEST_SKIP() << "set QUENDRA_SCREENSHOTS and run on a display";
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("T"));
    QImage photo(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            photo.setPixel(x, y, qRgb(40 + x * 150 / 800, 90 + y * 120 / 600, 180));
    photo.save(dir.File(QStringLiteral("sky.jpg")), "JPEG", 90);
    QImage tile(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            tile.setPixel(x, y, ((x / 8 + y / 8) & 1) ? qRgb(210, 190, 140) : qRgb(170, 140, 100));
    tile.save(dir.File(QStringLiteral("paper.bmp")), "BMP");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    DesignLeft = (screen.width() - 640) / 2;
    DesignTop = (screen.height() - 480) / 2;

    // The backdrop, the introduction over it and the preview, over each
    // kind of background.
    const char* kinds[] = {"colour", "picture", "wallpaper"};
    SetConfigDefaults();
    TPresentation& p = TestConfig.Presentation;
    p.Intro.UseTitleBar = true;
    p.Intro.TitleBarText = QStringLiteral("Welcome to the Geography quiz");
    p.Intro.TitleBarFont = QStringLiteral("14 16777215 1 DejaVu Serif");
    p.Intro.TitleBarColor = 0x00800000u;
    p.Intro.UseStatusBar = true;
    p.Intro.StatusBarText = QStringLiteral("Press Esc to begin");
    p.Intro.StatusBarColor = 0x00C0C0C0u;
    p.Intro.UseMenuBar = true;
    p.AboutEnabled = true;
    p.Intro.Display.FullScreen = false;
    p.Intro.Display.SGraphic = QStringLiteral("sky.jpg");
    p.Intro.Display.SWallpaper = QStringLiteral("paper.bmp");
    p.Intro.Display.SBackColor = 0x00805030u;
    TestConfig.Program.ProgramTitle = QStringLiteral("Geography quiz");
    TestConfig.Program.BackgroundColor = 0x00404080u;
    TestConfig.Program.BackgroundGraphic = QStringLiteral("sky.jpg");
    TestConfig.Program.BackgroundWallpaper = QStringLiteral("paper.bmp");
    for (int kind = 1; kind <= 3; ++kind) {
        const QString k = QString::fromLatin1(kinds[kind - 1]);
        TestConfig.Program.BackgroundKind = kind;
        p.Intro.Display.DisplayType = 4 - kind;
        std::unique_ptr<QWidget> backdrop(CreateProgramBackdrop());
        backdrop->show();
        Shoot(QStringLiteral("backdrop-") + k);
        OnModal(QStringLiteral("TIntDispForm"),
                ShootAndClose(QStringLiteral("intro-") + QString::fromLatin1(kinds[3 - kind]) + QStringLiteral("-over-backdrop-") + k));
        ShowIntroductionDisplay(Text);
        backdrop.reset();
        OnModal(QStringLiteral("TTBackForm"), ShootAndClose(QStringLiteral("preview-") + k));
        PreviewProgramBackground(TestConfig.Program);
    }

    TEntryDisplay d;
    SetEntryDisplayDefaults(d);
    d.FullScreen = false;
    d.VPBack = 0x00E0FFFFu;
    CurrentEntryName = QStringLiteral("Clouds");
    for (int kind = 1; kind <= 3; ++kind) {
        d.DisplayType = kind;
        d.SBackColor = 0x00408000u;
        d.SGraphic = QStringLiteral("sky.jpg");
        d.SWallpaper = QStringLiteral("paper.bmp");
        OnModal(QStringLiteral("TTxtVPDispForm"),
                ShootAndClose(QStringLiteral("viewport-%1").arg(QString::fromLatin1(kinds[kind - 1]))));
        ShowViewPortDisplay(d, Text);
    }
    OnModal(QStringLiteral("TShowHTextForm"), ShootAndClose(QStringLiteral("textwindow")));
    ShowTextWindow(d, Text);

    TProgramSettings prog = TestConfig.Program;

    d.DisplayType = 3;
    OnModal(QStringLiteral("TVPAdjustForm"), ShootAndClose(QStringLiteral("adjust-viewport")));
    AdjustViewPort(d, Text);
    OnModal(QStringLiteral("THypTextAdjForm"), ShootAndClose(QStringLiteral("adjust-textwindow")));
    AdjustTextWindow(d, Text);
    OnModal(QStringLiteral("TIntAdjustForm"), ShootAndClose(QStringLiteral("adjust-intro")));
    AdjustIntroLayout(p, prog, Text);

    OnModal(QStringLiteral("TIntDesignBackForm"), ShootAndClose(QStringLiteral("design-background")));
    DesignIntroBackground(p, prog, Text);
    OnModal(QStringLiteral("TIntroDesignForm"), ShootAndClose(QStringLiteral("design-intro")));
    DesignIntroScreen(p, prog, Text);
    OnModal(QStringLiteral("TVPDesignTitleForm"), ShootAndClose(QStringLiteral("design-title")));
    DesignTitleBar(p.Intro);
    OnModal(QStringLiteral("TChangeTextForm"), ShootAndClose(QStringLiteral("menu-texts")));
    ChangeMenuTexts(p.Captions);
    QStringList text = Text;
    OnModal(QStringLiteral("THypEntryForm"), ShootAndClose(QStringLiteral("entry-editor")));
    EditDisplayText(d, text, DisplayModeGraphicText);
    OnModal(QStringLiteral("TIntroEntryForm"), ShootAndClose(QStringLiteral("intro-editor")));
    TProgramSettings prog2 = prog;
    EditIntroduction(p, prog2, text);
}

} // namespace
