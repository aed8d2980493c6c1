// The "Add" editors of the attachment menu and the file names they are
// offered.
#include "authoring/attachmenuform.h"

#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/messages.h"
#include "presentation/hypentryform.h"
#include "presentation/mediachoosers.h"
#include "presentation/projectfilepick.h"
#include "runtime/notefileform.h"

namespace {

bool IsExternalKind(int kind) { return kind == 4 || kind == 9 || kind == 10; }

} // namespace

QString ProposeFileName(const QString& remembered, const QString& mask1, const QString& mask2)
{
    QString name = remembered;
    if (!name.isEmpty() && !ProjectFileExists(name))
        name.clear();
    if (name.isEmpty())
        name = FirstProjectFile(mask2.isEmpty() ? QStringList{mask1} : QStringList{mask1, mask2});
    return name;
}

bool TAttachMenuForm::NameHasComma(const QString& name) const
{
    if (!name.contains(u','))
        return false;
    ShowError(tr("The file name %1 holds a comma, which a command cannot hold.\r\n"
                 "Rename the file and choose it again.").arg(name));
    return true;
}

bool TAttachMenuForm::RunAdd(int button)
{
    bool added = false;
    switch (button) {
    case 1:
        if (EditDisplayText(Display, TextLines, DisplayModeText)) {
            DefinedKind = 1;
            added = true;
        }
        break;
    case 5:
        // A text-only entry leaves DisplayType 0 (no screen background);
        // the graphic-and-text screen needs one of its three backgrounds.
        if (Display.DisplayType < 1 || Display.DisplayType > 3)
            Display.DisplayType = 1;
        Display.FullScreen = false;
        if (EditDisplayText(Display, TextLines, DisplayModeGraphicText)) {
            DefinedKind = 5;
            added = true;
        }
        break;
    case 2: {
        GraphicName = ProposeFileName(GraphicName, QStringLiteral("*.jpg"), QStringLiteral("*.bmp"));
        QString command, graphic = GraphicName;
        int duration = Duration;
        if (GetGraphicCommand(command, graphic, duration) && !NameHasComma(graphic)) {
            GraphicName = graphic;
            Duration = duration;
            Command = graphic.isEmpty() ? QString() : graphic + u',' + QString::number(duration);
            DefinedKind = 2;
            added = true;
        }
        break;
    }
    case 3: {
        VoiceName = ProposeFileName(VoiceName, QStringLiteral("*.wav"));
        QString command, voice = VoiceName;
        if (GetAudioCommand(command, voice) && !NameHasComma(voice)) {
            VoiceName = Command = voice;
            DefinedKind = 3;
            added = true;
        }
        break;
    }
    case 4: {
        int type = IsExternalKind(DefinedKind) ? DefinedKind : 4;
        QString text = ExeText;
        if (ChooseExternalCommand(text, type)) {
            DefinedKind = SelectedKind = IsExternalKind(type) ? type : 4;
            ExeText = Command = text;
            added = true;
        }
        break;
    }
    case 6: {
        GraphicName = ProposeFileName(GraphicName, QStringLiteral("*.jpg"), QStringLiteral("*.bmp"));
        SoundName = ProposeFileName(SoundName, QStringLiteral("*.wav"), QStringLiteral("*.mid"));
        QString command, graphic = GraphicName, sound = SoundName;
        int duration = Duration;
        if (GetGraphicAudioCommand(command, graphic, sound, duration) && !NameHasComma(graphic)
            && !NameHasComma(sound)) {
            GraphicName = graphic;
            SoundName = sound;
            Duration = duration;
            Command = graphic.isEmpty() || sound.isEmpty()
                          ? QString()
                          : graphic + u',' + sound + u',' + QString::number(duration);
            DefinedKind = 6;
            added = true;
        }
        break;
    }
    case 7: {
        VideoName = ProposeFileName(VideoName, QStringLiteral("*.avi"));
        QString command, video = VideoName;
        if (GetVideoCommand(command, video) && !NameHasComma(video)) {
            VideoName = Command = video;
            DefinedKind = 7;
            added = true;
        }
        break;
    }
    case 8: {
        MidiName = ProposeFileName(MidiName, QStringLiteral("*.mid"));
        QString command, midi = MidiName;
        if (GetMidiCommand(command, midi) && !NameHasComma(midi)) {
            MidiName = Command = midi;
            DefinedKind = 8;
            added = true;
        }
        break;
    }
    case 9: {
        // The notepad starts from its own file name, and only a confirmed
        // name makes it the defined kind.
        QString name = NoteName;
        if (FNotepad && EditNoteFileName(name)) {
            NoteName = Command = name.left(60);
            DefinedKind = 13;
            added = true;
        }
        break;
    }
    default:
        break;
    }
    AfterAdd(button);
    return added;
}
