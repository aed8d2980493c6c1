#include "presentation/commandtypeform.h"

#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "presentation/formkit.h"
#include "presentation/mediachoosers.h"
#include "presentation/projectfilepick.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QCoreApplication>

#include <cstring>

namespace {

// The stored file when the project holds it, else the first project file of
// the kinds given.
QString Preset(const QString& stored, const QStringList& patterns)
{
    return ProjectFileExists(stored) ? stored : FirstProjectFile(patterns);
}

const QStringList GraphicPatterns {QStringLiteral("*.jpg"), QStringLiteral("*.bmp")};
const QStringList VoicePatterns {QStringLiteral("*.wav")};
const QStringList SoundPatterns {QStringLiteral("*.wav"), QStringLiteral("*.mid")};

} // namespace

int TCommandTypeForm::RadioTypeOf(int commandType)
{
    switch (commandType) {
    case 2:
    case 3:
    case 6:
        return commandType;
    default:
        return 4;
    }
}

TCommandTypeForm::TCommandTypeForm(const QString& groupCaption, int helpContext, bool opening, QWidget* parent)
    : QDialog(parent), FOpening(opening)
{
    setObjectName(QStringLiteral("CommandTypeForm"));
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, helpContext);
    std::memset(static_cast<void*>(&Command), 0, sizeof Command);

    GroupBox1 = MakeGroup(this, "GroupBox1", groupCaption);
    RBType4 = MakeRadio(GroupBox1, "RBType4", tr(" E&xecutable"));
    RBType2 = MakeRadio(GroupBox1, "RBType2", tr(" &Graphic Only"));
    RBType3 = MakeRadio(GroupBox1, "RBType3", tr(" V&oice Only"));
    RBType6 = MakeRadio(GroupBox1, "RBType6", tr(" Graphic &and Sound"));
    ExeBtn = MakeButton(GroupBox1, "ExeBtn", tr("&Define"));
    GraphBtn = MakeButton(GroupBox1, "GraphBtn", tr("&Define"));
    VoiceBtn = MakeButton(GroupBox1, "VoiceBtn", tr("&Define"));
    GraphAudioBtn = MakeButton(GroupBox1, "GraphAudioBtn", tr("&Define"));
    // One "Define" is enabled at a time, so they share the accelerator; the
    // screen reader hears which kind each defines.
    ExeBtn->setAccessibleDescription(tr("Define the executable"));
    GraphBtn->setAccessibleDescription(tr("Define the graphic"));
    VoiceBtn->setAccessibleDescription(tr("Define the voice"));
    GraphAudioBtn->setAccessibleDescription(tr("Define the graphic and sound"));
    auto* grid = new QGridLayout(GroupBox1);
    int row = 0;
    for (auto [radio, button] : {std::pair {RBType4, ExeBtn}, std::pair {RBType2, GraphBtn},
                                 std::pair {RBType3, VoiceBtn}, std::pair {RBType6, GraphAudioBtn}}) {
        grid->addWidget(radio, row, 0);
        grid->addWidget(button, row, 1);
        connect(radio, &QRadioButton::toggled, this, &TCommandTypeForm::TypeChanged);
        ++row;
    }
    RBType4->setChecked(true);

    OKBtn = MakeButton(this, "OKBtn", tr("&OK"));
    OKBtn->setDefault(true);
    CancelBtn = MakeButton(this, "CancelBtn", tr("&Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);

    connect(ExeBtn, &QPushButton::clicked, this, &TCommandTypeForm::ExeBtnClick);
    connect(GraphBtn, &QPushButton::clicked, this, &TCommandTypeForm::GraphBtnClick);
    connect(VoiceBtn, &QPushButton::clicked, this, &TCommandTypeForm::VoiceBtnClick);
    connect(GraphAudioBtn, &QPushButton::clicked, this, &TCommandTypeForm::GraphAudioBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TCommandTypeForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    TypeChanged();
}

void TCommandTypeForm::Load(const TCommandSpec& command)
{
    Command = command;
    DefinedHere = false;
    switch (RadioTypeOf(Command.CommandType.get())) {
    case 2: RBType2->setChecked(true); break;
    case 3: RBType3->setChecked(true); break;
    case 6: RBType6->setChecked(true); break;
    default: RBType4->setChecked(true); break;
    }
    TypeChanged();
}

void TCommandTypeForm::TypeChanged()
{
    ExeBtn->setEnabled(RBType4->isChecked());
    GraphBtn->setEnabled(RBType2->isChecked());
    VoiceBtn->setEnabled(RBType3->isChecked());
    GraphAudioBtn->setEnabled(RBType6->isChecked());
}

bool TCommandTypeForm::TakeDefinition(int type, const QString& value, const QString& graphic, const QString& sound,
                                      int duration)
{
    // A command that would not fit its fields is refused whole: a cut value
    // would name files that do not exist.
    const int limit = decltype(Command.CommandValue)::Capacity;
    if (value.size() > limit) {
        ShowError(tr("The command %1 is longer than %2 characters.\n\rPlease choose shorter file names.")
                      .arg(value)
                      .arg(limit));
        return false;
    }
    const int nameLimit = decltype(Command.Graphic)::Capacity;
    for (const QString& name : {graphic, sound}) {
        if (name.size() > nameLimit) {
            ShowError(tr("The file name %1 is longer than %2 characters.").arg(name).arg(nameLimit));
            return false;
        }
    }
    // An empty command defines nothing: the stored one stays.
    if (value.trimmed().isEmpty())
        return false;
    Command.Graphic.assign(QString());
    Command.MixGraphic.assign(QString());
    Command.Voice.assign(QString());
    Command.MixSound.assign(QString());
    Command.ProgramText.assign(QString());
    switch (type) {
    case 2:
        Command.Graphic = graphic;
        Command.Duration = duration;
        break;
    case 3:
        Command.Voice = sound;
        break;
    case 6:
        Command.MixGraphic = graphic;
        Command.MixSound = sound;
        Command.Duration = duration;
        break;
    default:
        Command.ProgramText = value;
        break;
    }
    Command.CommandValue = value;
    Command.CommandType = type;
    DefinedHere = true;
    return true;
}

void TCommandTypeForm::ExeBtnClick()
{
    QString value = Command.ProgramText.str();
    int type = Command.CommandType.get();
    if (type != 4 && type != 9 && type != 10)
        type = 4;
    const bool ok = FOpening ? ChooseExecutableCommand(value, type) : ChooseExternalCommand(value, type);
    if (ok)
        TakeDefinition(type, value, QString(), QString(), 0);
}

void TCommandTypeForm::GraphBtnClick()
{
    QString value = Command.CommandValue.str();
    QString graphic = Preset(Command.Graphic.str(), GraphicPatterns);
    int duration = Command.Duration.get();
    if (GetGraphicCommand(value, graphic, duration))
        TakeDefinition(2, value, graphic, QString(), duration);
}

void TCommandTypeForm::VoiceBtnClick()
{
    QString value = Command.CommandValue.str();
    QString voice = Preset(Command.Voice.str(), VoicePatterns);
    if (GetAudioCommand(value, voice))
        TakeDefinition(3, value, QString(), voice, 0);
}

void TCommandTypeForm::GraphAudioBtnClick()
{
    QString value = Command.CommandValue.str();
    QString graphic = Preset(Command.MixGraphic.str(), GraphicPatterns);
    QString sound = Preset(Command.MixSound.str(), SoundPatterns);
    int duration = Command.Duration.get();
    if (GetGraphicAudioCommand(value, graphic, sound, duration))
        TakeDefinition(6, value, graphic, sound, duration);
}

void TCommandTypeForm::OKBtnClick()
{
    // The checked kind must have its files, whether defined here or before.
    auto refuse = [](const QString& text, QPushButton* button) {
        ShowError(text);
        button->setFocus();
    };
    const int storedKind = RadioTypeOf(Command.CommandType.get());
    if (RBType2->isChecked()) {
        if (storedKind != 2 || Command.Graphic.IsEmpty())
            return refuse(tr("No Graphic File has been selected."), GraphBtn);
    } else if (RBType3->isChecked()) {
        if (storedKind != 3 || Command.Voice.IsEmpty())
            return refuse(tr("No Voice File has been selected."), VoiceBtn);
    } else if (RBType6->isChecked()) {
        if (storedKind != 6 || Command.MixGraphic.IsEmpty())
            return refuse(tr("No Graphic File has been selected."), GraphAudioBtn);
        if (Command.MixSound.IsEmpty())
            return refuse(tr("No Sound File has been selected."), GraphAudioBtn);
    } else if (storedKind != 4 || Command.ProgramText.IsEmpty()) {
        return refuse(tr("No Executable File has been defined."), ExeBtn);
    }
    accept();
}

bool DefineCommand(TCommandSpec& command, const QString& groupCaption, int helpContext, bool opening)
{
    TCommandTypeForm form(groupCaption, helpContext, opening);
    form.Load(command);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    command = form.Command;
    return true;
}

bool DefineOpeningCommand(TCommandSpec& command)
{
    return DefineCommand(command, QCoreApplication::translate("TCommandTypeForm", " Opening Command Type "), 420, true);
}

bool DefineClosingCommand(TCommandSpec& command)
{
    return DefineCommand(command, QCoreApplication::translate("TCommandTypeForm", " Closing Command Type "), 430, false);
}
