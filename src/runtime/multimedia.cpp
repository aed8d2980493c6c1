#include "runtime/multimedia.h"

#include "model/errors.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/fonts.h"
#include "platform/media.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "platform/pictures.h"
#include "platform/process.h"
#include "runtime/mediaplayform.h"
#include "runtime/showmultform.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

QString MediaFile;
QString PendingSound;
bool AdvisoryOn = false;
bool AdvisoryShown = false;
int ColourDepth = 0;

void ResetMediaValues()
{
    MediaFile.clear();
    PendingSound.clear();
    AdvisoryOn = false;
    AdvisoryShown = false;
    ColourDepth = 0;
}

namespace {

bool IsWholeNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

bool FileExists(const QString& name) { return QFileInfo(ResolveCase(name)).isFile(); }

QString Missing(const QString& name)
{
    return QCoreApplication::translate("Multimedia", "The file %1 is missing").arg(name);
}

} // namespace

TMediaCommand ParseMediaCommand(const QString& value)
{
    TMediaCommand c;
    const QStringList parts = value.toUpper().split(u',');
    for (const QString& raw : parts) {
        const QString part = raw.trimmed();
        if (part.contains(QStringLiteral(".BMP")) || part.contains(QStringLiteral(".JPG"))
            || part.contains(QStringLiteral(".WMF")))
            c.Graphic = part;
        else if (part.contains(QStringLiteral(".WAV")) || part.contains(QStringLiteral(".MID")))
            c.Sound = part;
        else if (part.contains(QStringLiteral(".AVI")))
            c.Video = part;
        else if (IsWholeNumber(part))
            c.DelayMs = part.toInt() * 100;
    }
    return c;
}

void ShowMultimedia(const QString& caption, const QString& value)
{
    MediaFile.clear();
    const TMediaCommand c = ParseMediaCommand(value);
    if (!c.Video.isEmpty()) {
        // The player looks in the project directory.
        if (FileExists(ProjectDir + c.Video) || FileExists(c.Video)) {
            MediaFile = c.Video;
            PlayMedia();
        } else {
            ShowError(Missing(c.Video));
        }
        return;
    }
    if (!c.Graphic.isEmpty() && !FileExists(c.Graphic)) {
        ShowError(Missing(c.Graphic));
        return;
    }
    if (!c.Sound.isEmpty() && !FileExists(c.Sound)) {
        ShowError(Missing(c.Sound));
        return;
    }
    PendingSound = c.Sound;
    if (!c.Graphic.isEmpty()) {
        ShowPicture(caption, c.Graphic, c.DelayMs);
    } else if (c.Sound.contains(QStringLiteral(".WAV"))) {
        PlayWave(c.Sound);
    } else if (c.Sound.contains(QStringLiteral(".MID"))) {
        MediaFile = c.Sound;
        PlayMedia();
    }
    PendingSound.clear();
}

void ShowPicture(const QString& caption, const QString& graphic, int delay)
{
    TShowMultForm form(QApplication::activeWindow());
    if (AdvisoryOn && !AdvisoryShown) {
        ColourDepth = ScreenDepth();
        if (ColourDepth < 16) {
            ShowColourWarning();
            AdvisoryShown = true;
        }
    }
    form.setWindowTitle(caption);
    form.SetDelay(delay);
    try {
        form.SetPicture(LoadPicture(graphic, QSize(640, 480)));
    } catch (const EQuendraError&) {
        ShowError(QCoreApplication::translate("Multimedia", "The file %1 cannot be shown").arg(graphic));
        return;
    }
    ShowModal(form);
}

void PlayWave(const QString& file)
{
    try {
        PlayWaveFile(file);
    } catch (const EQuendraError& e) {
        // Like a sound the device cannot play: nothing is shown.
        std::fprintf(stderr, "%s\n", e.what());
    }
}

void PlayMedia()
{
    TMediaPlayForm form(QApplication::activeWindow());
    if (!MediaPrompt.isEmpty())
        form.setWindowTitle(MediaPrompt);
    const QString file = FileExists(ProjectDir + MediaFile) ? ProjectDir + MediaFile : MediaFile;
    try {
        form.OpenMedia(file);
    } catch (const EQuendraError&) {
        ShowError(QCoreApplication::translate("Multimedia", "The file %1 cannot be played").arg(MediaFile));
        return;
    }
    ShowModal(form);
}

TProgramCommand ParseProgramCommand(int kind, const QString& value)
{
    TProgramCommand c;
    if (kind == 4 && value.contains(u',')) {
        const qsizetype comma = value.indexOf(u',');
        c.Program = value.left(comma).trimmed();
        c.Arguments = SplitCommandWords(value.mid(comma + 1));
    } else if (kind == 9 && value.contains(u' ')) {
        const qsizetype blank = value.indexOf(u' ');
        c.Program = value.left(blank);
        c.File = ProjectDir + value.mid(blank + 1).trimmed();
        c.Arguments << c.File;
    } else {
        const QStringList words = SplitCommandWords(value);
        if (!words.isEmpty()) {
            c.Program = words.first();
            c.Arguments = words.mid(1);
        }
    }
    return c;
}

void RunProgramAndWait(int kind, const QString& value)
{
    TProgramCommand c = ParseProgramCommand(kind, value);
    // A whole value naming a program (a path with blanks in it) is that
    // program, not a program and its words.
    if (!value.contains(u',') && c.Arguments.size() > 0 && kind == 4 && !FindProgram(value.trimmed()).isEmpty()) {
        c.Program = value.trimmed();
        c.Arguments.clear();
    }
    if (!c.File.isEmpty())
        c.Arguments.last() = c.File = ResolveCase(c.File);
    // Kind 9 names a program of the platform the test was written on
    // ("WRITE", "NOTEPAD.EXE"); Linux has other programs under some of those
    // names ("write" sends terminal messages), so they are never run.
    bool foreign = false;
    if (kind == 9) {
        QString base = c.Program.section(u'\\', -1).section(u'/', -1).toLower();
        if (base.endsWith(QStringLiteral(".exe")) || base.endsWith(QStringLiteral(".com")))
            foreign = true;
        static const QStringList windowsNames = {QStringLiteral("write"),   QStringLiteral("notepad"),
                                                 QStringLiteral("wordpad"), QStringLiteral("mspaint"),
                                                 QStringLiteral("pbrush"),  QStringLiteral("explorer"),
                                                 QStringLiteral("iexplore"), QStringLiteral("winword"),
                                                 QStringLiteral("excel"),   QStringLiteral("start")};
        if (windowsNames.contains(base))
            foreign = true;
    }
    const QString program = foreign ? QString() : FindProgram(c.Program);
    if (program.isEmpty()) {
        if (kind == 9 && !c.File.isEmpty()) {
            // A program of another platform ("WRITE", "NOTEPAD.EXE"): the
            // desktop's own application for the document stands in for it.
            OpenDocument(c.File);
            return;
        }
        std::fprintf(stderr, "Cannot start %s: program not found\n", qPrintable(c.Program));
        return;
    }
    RunAndWait(program, c.Arguments);
}
