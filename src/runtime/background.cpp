#include "runtime/background.h"

#include "model/errors.h"
#include "model/fileutil.h"
#include "platform/fonts.h"
#include "platform/messages.h"
#include "platform/pictures.h"
#include "platform/wiatile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Background", text); }

bool FileThere(const QString& name)
{
    return !name.isEmpty() && QFileInfo(ResolveCase(name)).isFile();
}

} // namespace

TBackground BackgroundOf(const TEntryDisplay& display)
{
    TBackground b;
    b.Kind = display.DisplayType;
    b.Colour = display.SBackColor.u();
    b.Graphic = display.SGraphic.str();
    b.Wallpaper = display.SWallpaper.str();
    return b;
}

TBackground BackgroundOf(const TProgramSettings& program)
{
    TBackground b;
    b.Kind = program.BackgroundKind;
    b.Colour = program.BackgroundColor.u();
    b.Graphic = program.BackgroundGraphic.str();
    b.Wallpaper = program.BackgroundWallpaper.str();
    return b;
}

void SetPanelColour(QWidget* widget, quint32 colour)
{
    if (!widget)
        return;
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, ColourToQColor(colour));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

TBackgroundResult ApplyBackgroundQuietly(const TBackground& b, const TBackgroundScreen& screen, QString& message)
{
    message.clear();
    if (screen.Image1) {
        screen.Image1->hide();
        screen.Image1->clear();
    }
    if (screen.wiaTile1) {
        screen.wiaTile1->hide();
        screen.wiaTile1->ClearImage();
    }
    switch (b.Kind) {
    case btColour:
        SetPanelColour(screen.ScreenPnl, b.Colour);
        return TBackgroundResult::Shown;
    case btGraphic:
        if (!FileThere(b.Graphic)) {
            message = Tr("The graphic file ") + b.Graphic + Tr(" was not found");
        } else {
            try {
                const QImage image = LoadPicture(b.Graphic);
                if (screen.Image1) {
                    screen.Image1->setPixmap(QPixmap::fromImage(image));
                    screen.Image1->show();
                }
                return TBackgroundResult::Shown;
            } catch (const EQuendraError& e) {
                message = e.Message();
            }
        }
        SetPanelColour(screen.ScreenPnl, b.Colour);
        return TBackgroundResult::ColourInstead;
    case btWallpaper:
        if (QFileInfo(b.Wallpaper).suffix().toUpper() == u"JPG") {
            message = Tr("Wallpaper must be a .BMP file.") + QStringLiteral("\n\r\n\r") + Tr("Replace ")
                      + b.Wallpaper + Tr(" with a .BMP Graphic.");
            if (screen.ScreenPnl) {
                screen.ScreenPnl->setPalette(QPalette());
                screen.ScreenPnl->setAutoFillBackground(false);
            }
            return TBackgroundResult::NotBitmap;
        }
        if (!FileThere(b.Wallpaper)) {
            message = Tr("The Wallpaper file ") + b.Wallpaper + Tr(" was not found");
        } else {
            try {
                const QImage image = LoadPicture(b.Wallpaper);
                if (screen.wiaTile1) {
                    screen.wiaTile1->SetImage(image);
                    screen.wiaTile1->show();
                }
                return TBackgroundResult::Shown;
            } catch (const EQuendraError& e) {
                message = e.Message();
            }
        }
        SetPanelColour(screen.ScreenPnl, b.Colour);
        return TBackgroundResult::ColourInstead;
    default:
        return TBackgroundResult::NoBackground;
    }
}

TBackgroundResult ApplyBackground(const TBackground& background, const TBackgroundScreen& screen)
{
    QString message;
    const TBackgroundResult result = ApplyBackgroundQuietly(background, screen, message);
    if (!message.isEmpty())
        ShowInfo(message);
    return result;
}

TBackgroundScreen MakeBackgroundScreen(QWidget* parent)
{
    TBackgroundScreen screen;
    screen.ScreenPnl = new QWidget(parent);
    screen.ScreenPnl->setObjectName(QStringLiteral("ScreenPnl"));
    screen.wiaTile1 = new TwiaTile(screen.ScreenPnl);
    screen.wiaTile1->setObjectName(QStringLiteral("wiaTile1"));
    screen.wiaTile1->setAccessibleName(QCoreApplication::translate("Background", "Wallpaper"));
    screen.wiaTile1->hide();
    screen.Image1 = new QLabel(screen.ScreenPnl);
    screen.Image1->setObjectName(QStringLiteral("Image1"));
    screen.Image1->setScaledContents(true);
    screen.Image1->setAccessibleName(QCoreApplication::translate("Background", "Picture"));
    screen.Image1->hide();
    return screen;
}
