// The run-time displays: backgrounds, the backdrop, the text window, the
// view-port display and the introduction display.
#include "harness.h"

#include "model/entryfile.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/richedit.h"
#include "platform/testscript.h"
#include "platform/wiatile.h"
#include "runtime/background.h"
#include "runtime/entrydisplays.h"
#include "runtime/intdispform.h"
#include "runtime/runpresentation.h"
#include "runtime/showentry.h"
#include "runtime/showhtextform.h"
#include "runtime/tutbackform.h"
#include "runtime/txtvpdispform.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <memory>

namespace {

class DisplaysTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        ResetEntryDisplayValues();
        Dir.UseAsProject(QStringLiteral("T"));
    }
    void TearDown() override
    {
        ResetEntryDisplayValues();
        QuendraTest::TearDown();
    }
    void WriteImage(const QString& name, int w, int h, const char* format, QRgb colour = qRgb(200, 30, 30))
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(colour);
        QByteArray bytes;
        QBuffer buf(&bytes);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, format);
        Dir.Write(name, bytes);
    }
    TScratchDir Dir;
};

const QStringList Rtf = {QStringLiteral("{\\rtf1\\ansi Hello display}")};

QColor PanelColour(QWidget* w) { return w->palette().color(QPalette::Window); }

void Key(QWidget* w, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

void Click(QWidget* w, Qt::MouseButton button, QPoint at = QPoint(5, 5))
{
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

TEST_F(DisplaysTest, BackgroundsByTypeAndTheirMessages)
{
    QWidget screen;
    QLabel image(&screen);
    TwiaTile tile(&screen);
    const TBackgroundScreen s{&screen, &image, &tile};
    TBackground b;
    b.Kind = btColour;
    b.Colour = 0x00336699;   // BBGGRR
    EXPECT_EQ(ApplyBackground(b, s), TBackgroundResult::Shown);
    EXPECT_EQ(PanelColour(&screen), QColor(0x99, 0x66, 0x33));

    // A missing picture: the message and the colour.
    ExpectMessage(QStringLiteral("Information"));
    b.Kind = btGraphic;
    b.Graphic = QStringLiteral("gone.bmp");
    EXPECT_EQ(ApplyBackground(b, s), TBackgroundResult::ColourInstead);
    EXPECT_EQ(MessageTexts().last(), QStringLiteral("The graphic file gone.bmp was not found"));
    EXPECT_FALSE(image.isVisibleTo(&screen));

    // A picture that cannot be decoded: its message and the colour, no abort.
    Dir.Write(QStringLiteral("bad.jpg"), QByteArray("\xFF\xD8\xFF garbage", 12));
    ExpectMessage(QStringLiteral("Information"));
    b.Graphic = QStringLiteral("bad.jpg");
    EXPECT_EQ(ApplyBackground(b, s), TBackgroundResult::ColourInstead);
    EXPECT_TRUE(MessageTexts().last().contains(QStringLiteral("bad.jpg")));

    WriteImage(QStringLiteral("pic.jpg"), 40, 30, "JPEG");
    EXPECT_EQ(ApplyBackground(b = TBackground{btGraphic, 0, QStringLiteral("pic.jpg"), {}}, s),
              TBackgroundResult::Shown);
    EXPECT_TRUE(image.isVisibleTo(&screen));

    // A ".jpg" wallpaper in any case is refused; the screen keeps its face.
    ExpectMessage(QStringLiteral("Information"));
    b = TBackground{btWallpaper, 0x0000FF, {}, QStringLiteral("paper.Jpg")};
    EXPECT_EQ(ApplyBackground(b, s), TBackgroundResult::NotBitmap);
    EXPECT_EQ(MessageTexts().last(),
              QStringLiteral("Wallpaper must be a .BMP file.\n\r\n\rReplace paper.Jpg with a .BMP Graphic."));
    EXPECT_FALSE(screen.autoFillBackground());
    EXPECT_FALSE(image.isVisibleTo(&screen));

    ExpectMessage(QStringLiteral("Information"));
    b.Wallpaper = QStringLiteral("none.bmp");
    EXPECT_EQ(ApplyBackground(b, s), TBackgroundResult::ColourInstead);
    EXPECT_EQ(MessageTexts().last(), QStringLiteral("The Wallpaper file none.bmp was not found"));
    EXPECT_EQ(PanelColour(&screen), QColor(0xFF, 0, 0));

    WriteImage(QStringLiteral("paper.bmp"), 100, 60, "BMP");
    b.Wallpaper = QStringLiteral("PAPER.BMP");   // found whatever its case
    EXPECT_EQ(ApplyBackground(b, s), TBackgroundResult::Shown);
    EXPECT_TRUE(tile.isVisibleTo(&screen));
    EXPECT_EQ(tile.Image().size(), QSize(100, 60));

    b.Kind = 7;
    EXPECT_EQ(ApplyBackground(b, s), TBackgroundResult::NoBackground);
    EXPECT_EQ(MessageTexts().size(), 4);
}

TEST_F(DisplaysTest, WallpaperTilesFromTheCornerClippingTheLastColumnAndRow)
{
    // A 100 x 60 bitmap over 642 x 415: 7 columns and 7 rows, the last clipped.
    QImage img(100, 60, QImage::Format_RGB32);
    img.fill(Qt::blue);
    img.setPixel(0, 0, qRgb(255, 0, 0));   // marks each tile's corner
    TwiaTile tile;
    tile.resize(642, 415);
    tile.SetImage(img);
    const QImage shot = tile.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(642, 415));
    int corners = 0;
    for (int y = 0; y < 415; y += 60)
        for (int x = 0; x < 642; x += 100)
            corners += shot.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_EQ(corners, 49);
    EXPECT_EQ(shot.pixel(641, 414), qRgb(0, 0, 255));

    // Transparent: the bottom-left pixel's colour lets the parent show.
    img.setPixel(0, 59, qRgb(0, 255, 0));
    img.setPixel(5, 5, qRgb(0, 255, 0));
    tile.SetImage(img);
    tile.SetTransparent(true);
    EXPECT_EQ(tile.TranColor(), QColor(0, 255, 0));
    EXPECT_TRUE(tile.Tile().hasAlpha());
    EXPECT_EQ(tile.Tile().toImage().pixelColor(5, 5).alpha(), 0);
    EXPECT_EQ(tile.Tile().toImage().pixelColor(6, 6).alpha(), 255);
}

TEST_F(DisplaysTest, BackdropAppliesItsBackgroundOnceAndFillsTheScreen)
{
    TestConfig.Program.BackgroundKind = 2;
    TestConfig.Program.BackgroundColor = 0x00008000u;
    TestConfig.Program.BackgroundGraphic = QStringLiteral("missing.jpg");
    TestConfig.Program.ProgramTitle = QStringLiteral("My test");
    std::unique_ptr<QWidget> backdrop(CreateProgramBackdrop());
    ASSERT_TRUE(backdrop);
    auto* form = qobject_cast<TTutBackForm*>(backdrop.get());
    ASSERT_TRUE(form);
    EXPECT_EQ(form->geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("My test"));
    ExpectMessage(QStringLiteral("Information"));
    form->show();
    PumpEvents(20);
    // Activations, hides and shows never report the file again.
    for (int i = 0; i < 3; ++i) {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(form, &activate);
        form->hide();
        form->show();
    }
    PumpEvents(20);
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("The graphic file missing.jpg was not found")});
    EXPECT_EQ(PanelColour(form->ScreenPnl), QColor(0, 0x80, 0));
    EXPECT_EQ(form->ScreenPnl->geometry(), form->rect());
}

TEST_F(DisplaysTest, TextWindowPlacedAtTheDesignOriginAndClosedByKeysOnly)
{
    // The origin: the design area centred in the main window's frame.
    SetDesignOrigin(QRect(100, 50, 1000, 700));
    EXPECT_EQ(DesignLeft, 280);
    EXPECT_EQ(DesignTop, 160);
    DesignLeft = 100;
    DesignTop = 50;
    TEntryDisplay d;
    SetEntryDisplayDefaults(d);
    d.VPLeft = 20;
    d.VPTop = 30;
    d.VPWidth = 400;
    d.VPHeight = 200;
    d.VPBack = 0x00FFFF00u;
    CurrentEntryName = QStringLiteral("Nile");
    int shown = 0;
    OnModal(QStringLiteral("TShowHTextForm"), [&](QDialog& dlg) {
        auto& f = static_cast<TShowHTextForm&>(dlg);
        ++shown;
        EXPECT_EQ(f.frameGeometry(), QRect(120, 80, 403, 200));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Nile"));
        EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("Hello display"));
        EXPECT_EQ(f.RichEdit1->Color(), QColor(0, 0xFF, 0xFF));
        EXPECT_EQ(f.BitBtn1->x(), f.width() / 2 - f.BitBtn1->width() / 2);
        Click(f.RichEdit1->viewport(), Qt::RightButton);
        Click(f.Panel2, Qt::LeftButton);
        EXPECT_TRUE(f.isVisible());
        // A later activation neither moves the window nor reloads the text.
        f.RichEdit1->SetSelStart(3);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&f, &activate);
        EXPECT_EQ(f.RichEdit1->SelStart(), 3);
        EXPECT_EQ(f.frameGeometry(), QRect(120, 80, 403, 200));
        Key(&f, Qt::Key_Return);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_FALSE(ShowTextWindow(d, Rtf));
    EXPECT_EQ(shown, 1);
    OnModal(QStringLiteral("TShowHTextForm"), [](QDialog& dlg) { Key(&dlg, Qt::Key_Escape); });
    ShowTextWindow(d, Rtf);
}

TEST_F(DisplaysTest, ViewPortDisplayPlacesTheTextAndClosesOnARightClick)
{
    WriteImage(QStringLiteral("back.bmp"), 64, 48, "BMP");
    TEntryDisplay d;
    SetEntryDisplayDefaults(d);
    d.DisplayType = 2;
    d.SGraphic = QStringLiteral("back.bmp");
    d.FullScreen = false;
    d.VPLeft = 120;
    d.VPTop = 80;
    d.VPWidth = 400;
    d.VPHeight = 200;
    OnModal(QStringLiteral("TTxtVPDispForm"), [](QDialog& dlg) {
        auto& f = static_cast<TTxtVPDispForm&>(dlg);
        EXPECT_EQ(f.size(), QSize(640, 480));
        EXPECT_FALSE(f.MainMenu1->isVisible());
        EXPECT_TRUE(f.Image1->isVisible());
        EXPECT_EQ(f.Image1->geometry(), f.ScreenPnl->rect());
        EXPECT_EQ(f.TextPnl->geometry(), QRect(120, 80, 400, 200));
        EXPECT_TRUE(f.TextPnl->isVisible());
        Click(f.Image1, Qt::LeftButton);
        EXPECT_TRUE(f.isVisible());
        Key(&f, Qt::Key_Return);
        EXPECT_TRUE(f.isVisible());
        Click(f.Image1, Qt::RightButton);
        EXPECT_FALSE(f.isVisible());
    });
    ShowViewPortDisplay(d, Rtf);

    // FullScreen: the text covers the whole screen area, picture included.
    d.FullScreen = true;
    OnModal(QStringLiteral("TTxtVPDispForm"), [](QDialog& dlg) {
        auto& f = static_cast<TTxtVPDispForm&>(dlg);
        EXPECT_EQ(f.TextPnl->geometry(), f.ScreenPnl->rect());
        Key(&f, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
    ShowViewPortDisplay(d, Rtf);

    // A view-port out of the design area, as a damaged file may hold, is
    // brought inside it.
    d.VPLeft = 600;
    d.VPTop = -40;
    d.VPWidth = 900;
    d.VPHeight = 2;
    ClampViewPort(d);
    EXPECT_EQ(d.VPWidth.get(), 640);
    EXPECT_EQ(d.VPHeight.get(), 5);
    EXPECT_EQ(d.VPLeft.get(), 0);
    EXPECT_EQ(d.VPTop.get(), 0);
    d.VPLeft = 630;
    d.VPTop = 470;
    d.VPWidth = 100;
    d.VPHeight = 100;
    ClampViewPort(d);
    EXPECT_EQ(d.VPLeft.get(), 540);
    EXPECT_EQ(d.VPTop.get(), 380);
}

TEST_F(DisplaysTest, ShowEntryShowsTheTextDisplaysOfCodesOneAndFive)
{
    TEntryDisplay d;
    SetEntryDisplayDefaults(d);
    AppendDisplayEntry(EntryPath, QStringLiteral("One"), 1, SourceHyper, Rtf, d);
    AppendDisplayEntry(EntryPath, QStringLiteral("Five"), 5, SourceHyper, Rtf, d);
    QStringList lines;
    QString title;
    ASSERT_TRUE(ReadEntry(EntryPath, QStringLiteral("One"), SourceHyper, lines));
    OnModal(QStringLiteral("TShowHTextForm"), [&](QDialog& dlg) { title = dlg.windowTitle(); dlg.accept(); });
    ShowEntry(lines);
    EXPECT_EQ(title, QStringLiteral("One"));
    ASSERT_TRUE(ReadEntry(EntryPath, QStringLiteral("Five"), SourceHyper, lines));
    OnModal(QStringLiteral("TTxtVPDispForm"), [&](QDialog& dlg) { title = dlg.windowTitle(); dlg.reject(); });
    ShowEntry(lines);
    EXPECT_EQ(title, QStringLiteral("Five"));
    EXPECT_TRUE(MessageTexts().isEmpty());

    // A replacement display receives the code instead; the reset puts the
    // real displays back.
    static int replaced = 0;
    SetTextEntryDisplay([](int code, const TEntryDisplay&, const QStringList&) { replaced = code; });
    ShowEntry(lines);
    EXPECT_EQ(replaced, 5);
    ResetEntryDisplayValues();
    OnModal(QStringLiteral("TTxtVPDispForm"), [](QDialog& dlg) { dlg.reject(); });
    ShowEntry(lines);
}

TEST_F(DisplaysTest, BrokenTextAndBrokenWallpaperStillOpenTheScreen)
{
    Dir.Write(QStringLiteral("cut.bmp"), QByteArray("BM\x40\x00\x00\x00", 6));
    TEntryDisplay d;
    SetEntryDisplayDefaults(d);
    d.DisplayType = 3;
    d.SWallpaper = QStringLiteral("cut.bmp");
    d.SBackColor = 0x000000FFu;
    ExpectMessage(QStringLiteral("Information"));
    OnModal(QStringLiteral("TTxtVPDispForm"), [](QDialog& dlg) {
        auto& f = static_cast<TTxtVPDispForm&>(dlg);
        EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("plain words\n{\\rtf not closed"));
        EXPECT_FALSE(f.wiaTile1->isVisibleTo(&f));
        EXPECT_EQ(f.ScreenPnl->palette().color(QPalette::Window), QColor(0xFF, 0, 0));
        dlg.reject();
    });
    ShowViewPortDisplay(d, {QStringLiteral("plain words"), QStringLiteral("{\\rtf not closed")});
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_TRUE(MessageTexts().first().contains(QStringLiteral("cut.bmp")));
}

int gAboutShown = 0;
void AboutWithMessage(const TAboutSpec& about, int mode)
{
    ++gAboutShown;
    EXPECT_EQ(mode, 0);
    EXPECT_EQ(about.ProgramName.str(), QStringLiteral("Quiz"));
    ShowInfo(QStringLiteral("about"));
}

TEST_F(DisplaysTest, IntroductionWithBarsMenuAndTextKeptAfterAbout)
{
    TPresentation p;
    SetPresentationDefaults(p);
    TProgramSettings prog;
    SetProgramSettingsDefaults(prog);
    prog.ProgramTitle = QStringLiteral("World quiz");
    p.Intro.UseTitleBar = true;
    p.Intro.TitleBarText = QStringLiteral("Welcome");
    p.Intro.TitleBarFont = QStringLiteral("12 255 1 Times New Roman");
    p.Intro.TitleBarColor = 0x00FF0000u;
    p.Intro.UseStatusBar = true;
    p.Intro.StatusBarText = QStringLiteral("Press Esc");
    p.Intro.UseMenuBar = true;
    p.AboutEnabled = true;
    p.About.ProgramName = QStringLiteral("Quiz");
    prog.UseHelpFile = true;
    prog.HelpFile = QStringLiteral("quiz.htm");
    prog.HelpContext = 7;
    Dir.Write(QStringLiteral("quiz.htm"), "<html><body><p id=\"7\">Topic</p></body></html>");
    SetCurrentHelpFile(QStringLiteral("/tool/help.htm"));
    SetIntroAboutDisplay(&AboutWithMessage);
    gAboutShown = 0;
    ExpectMessage(QStringLiteral("Information"));
    OnModal(QStringLiteral("TIntDispForm"), [&](QDialog& dlg) {
        auto& f = static_cast<TIntDispForm&>(dlg);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("World quiz"));
        EXPECT_TRUE(f.TitlePnl->isVisible());
        EXPECT_EQ(f.TitlePnl->height(), 24);
        EXPECT_EQ(f.TitlePnl->text(), QStringLiteral("Welcome"));
        EXPECT_EQ(f.TitlePnl->palette().color(QPalette::Window), QColor(0, 0, 0xFF));
        EXPECT_EQ(f.TitlePnl->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
        EXPECT_TRUE(f.TitlePnl->font().bold());
        EXPECT_EQ(f.StatusPnl->height(), 16);   // "8 0 0 Times New Roman"
        EXPECT_TRUE(f.MainMenu1->isVisible());
        EXPECT_TRUE(f.MQuit->isVisible() && f.MHelp->isVisible() && f.MAbout->isVisible());
        EXPECT_EQ(f.MQuit->text(), QStringLiteral("&Close"));
        EXPECT_TRUE(CurrentHelpFile().endsWith(QStringLiteral("/quiz.htm")));
        EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("Hello display"));
        const QRect placed = f.TextPnl->geometry();
        f.MAbout->trigger();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&f, &activate);
        EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("Hello display"));
        EXPECT_EQ(f.TextPnl->geometry(), placed);
        EXPECT_TRUE(f.TextPnl->isVisible());
        f.MHelpClick();
        f.MQuit->trigger();
        EXPECT_FALSE(f.isVisible());
    });
    ShowIntroduction(p, prog, Rtf);
    EXPECT_EQ(gAboutShown, 1);
    EXPECT_EQ(TestScript::Logged(QStringLiteral("help")).size(), 1);
    EXPECT_EQ(CurrentHelpFile(), QStringLiteral("/tool/help.htm"));   // restored

    // Without a replacement, About opens the author's about box.
    ResetEntryDisplayValues();
    OnModal(QStringLiteral("TIntDispForm"), [](QDialog& dlg) {
        auto& f = static_cast<TIntDispForm&>(dlg);
        OnModal(QStringLiteral("TAboutBox"), [](QDialog& about) { about.accept(); });
        f.MAbout->trigger();
        EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("Hello display"));
        dlg.reject();
    });
    ShowIntroduction(p, prog, Rtf);

    // About hidden without AboutEnabled; no help item without a help file;
    // no menu bar at all without UseMenuBar.
    p.AboutEnabled = false;
    prog.UseHelpFile = false;
    OnModal(QStringLiteral("TIntDispForm"), [](QDialog& dlg) {
        auto& f = static_cast<TIntDispForm&>(dlg);
        EXPECT_FALSE(f.MAbout->isVisible());
        EXPECT_FALSE(f.MHelp->isVisible());
        EXPECT_TRUE(f.MQuit->isVisible());
        dlg.reject();
    });
    ShowIntroduction(p, prog, Rtf);
    p.Intro.UseMenuBar = false;
    p.Intro.UseTitleBar = false;
    TestConfig.Presentation = p;
    TestConfig.Program = prog;
    OnModal(QStringLiteral("TIntDispForm"), [](QDialog& dlg) {
        auto& f = static_cast<TIntDispForm&>(dlg);
        EXPECT_FALSE(f.MainMenu1->isVisible());
        EXPECT_FALSE(f.TitlePnl->isVisible());
        EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("Hello display"));
        dlg.reject();
    });
    ShowIntroductionDisplay(Rtf);
}

} // namespace
