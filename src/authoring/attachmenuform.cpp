#include "authoring/attachmenuform.h"

#include "model/entryfile.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "presentation/formkit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The value of an entry line: everything after its first "=".
QString ValueOf(const QString& line) { return line.mid(line.indexOf(u'=') + 1); }

// A number as stored, or 0 when the text is not one.
int NumberOr0(const QString& text)
{
    int v = 0;
    return TryStrToInt(text.trimmed(), v) ? v : 0;
}

bool IsExternalKind(int kind) { return kind == 4 || kind == 9 || kind == 10; }

} // namespace

TAttachMenuForm::TAttachMenuForm(const QString& source, bool withNotepad, QWidget* parent)
    : QDialog(parent), Source(source), FNotepad(withNotepad)
{
    setObjectName(QStringLiteral("AttachMenuForm"));
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, 500);
    SetEntryDisplayDefaults(Display);

    GroupBox1 = MakeGroup(this, "GroupBox1", tr(" Select Display Type "));
    RadioButton1 = MakeRadio(GroupBox1, "RadioButton1", tr(" Text Only"));
    RadioButton2 = MakeRadio(GroupBox1, "RadioButton2", tr(" Graphic Only"));
    RadioButton3 = MakeRadio(GroupBox1, "RadioButton3", tr(" Voice Only"));
    RadioButton4 = MakeRadio(GroupBox1, "RadioButton4", tr(" Executable"));
    RadioButton5 = MakeRadio(GroupBox1, "RadioButton5", tr(" Graphic and Text"));
    RadioButton6 = MakeRadio(GroupBox1, "RadioButton6", tr(" Graphic and Sound"));
    RadioButton7 = MakeRadio(GroupBox1, "RadioButton7", tr(" Video Player"));
    RadioButton8 = MakeRadio(GroupBox1, "RadioButton8", tr(" MIDI Player"));
    if (FNotepad)
        RadioButton9 = MakeRadio(GroupBox1, "RadioButton9", tr("Orl NotePad"));
    QPushButton** buttons[ButtonCount] = {&Button1, &Button2, &Button3, &Button4, &Button5,
                                          &Button6, &Button7, &Button8, &Button9};
    for (int n = 1; n <= ButtonCount; ++n) {
        if (n == 9 && !FNotepad)
            break;
        const QByteArray name = "Button" + QByteArray::number(n);
        QPushButton* b = MakeButton(GroupBox1, name.constData(), tr("Add"));
        // Nine buttons read "Add": the description says which kind each adds.
        b->setAccessibleDescription(AccessibleCaption(Radio(n) ? Radio(n)->text() : QString()));
        b->setEnabled(false);
        *buttons[n - 1] = b;
        connect(b, &QPushButton::clicked, this, [this, n] { done(mrAdd + n); });
        connect(Radio(n), &QRadioButton::clicked, this, [this, n] { RadioClick(n); });
    }

    auto* grid = new QGridLayout(GroupBox1);
    grid->setHorizontalSpacing(12);
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(Radio(row + 1), row, 0);
        grid->addWidget(AddButton(row + 1), row, 1);
        grid->addWidget(Radio(row + 5), row, 3);
        grid->addWidget(AddButton(row + 5), row, 4);
    }
    grid->setColumnMinimumWidth(2, 24);
    if (FNotepad) {
        auto* notepad = new QHBoxLayout;
        notepad->addStretch(1);
        notepad->addWidget(RadioButton9);
        notepad->addWidget(Button9);
        notepad->addStretch(1);
        grid->addLayout(notepad, 4, 0, 1, 5);
    }

    OKBtn = MakeButton(this, "OKBtn", tr("&Save"));
    CancelBtn = MakeButton(this, "CancelBtn", tr("&Cancel"));
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    bar->addWidget(OKBtn);
    bar->addWidget(CancelBtn);
    bar->addStretch(1);
    TopArea = new QVBoxLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(TopArea);
    layout->addWidget(GroupBox1);
    layout->addLayout(bar);

    connect(OKBtn, &QPushButton::clicked, this, &TAttachMenuForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QRadioButton* TAttachMenuForm::Radio(int button) const
{
    QRadioButton* const radios[ButtonCount] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5,
                                               RadioButton6, RadioButton7, RadioButton8, RadioButton9};
    return button >= 1 && button <= ButtonCount ? radios[button - 1] : nullptr;
}

QPushButton* TAttachMenuForm::AddButton(int button) const
{
    QPushButton* const list[ButtonCount] = {Button1, Button2, Button3, Button4, Button5,
                                            Button6, Button7, Button8, Button9};
    return button >= 1 && button <= ButtonCount ? list[button - 1] : nullptr;
}

int TAttachMenuForm::ButtonOfKind(int kind) const
{
    if (kind >= 1 && kind <= 8)
        return kind;
    if (kind == 9 || kind == 10)
        return 4;
    if (kind == 13 && FNotepad)
        return 9;
    return 0;
}

void TAttachMenuForm::EnableAddOf(int button)
{
    for (int n = 1; n <= ButtonCount; ++n)
        if (QPushButton* b = AddButton(n))
            b->setEnabled(n == button);
}

void TAttachMenuForm::RadioClick(int button)
{
    if (button == 4)
        // One button for three kinds: it stands for the external kind that
        // was defined, so that clicking it again keeps what Save will write.
        SelectedKind = IsExternalKind(DefinedKind) ? DefinedKind : 4;
    else
        SelectedKind = button == 9 ? 13 : button;
    EnableAddOf(button);
}

void TAttachMenuForm::SwitchOn(int button)
{
    if (QRadioButton* r = Radio(button)) {
        r->setChecked(true);
        RadioClick(button);
    }
}

void TAttachMenuForm::Open(const QString& entryName)
{
    EntryName = entryName;
    EntryFile = EntryPath;
    EditMode = !entryName.isEmpty() && EntryNameTaken(EntryFile, entryName, QString(), Source);
    QStringList lines;
    if (EditMode && ReadEntry(EntryFile, entryName, Source, lines))
        LoadStored(lines);
    else {
        EditMode = false;
        SwitchOn(1);
    }
    ShowMode();
    adjustSize();
    CentreOnScreen(this);
    for (int n = 1; n <= ButtonCount; ++n)
        if (AddButton(n) && AddButton(n)->isEnabled()) {
            AddButton(n)->setFocus();
            break;
        }
}

void TAttachMenuForm::LoadStored(const QStringList& lines)
{
    OldName = lines.value(0);
    // The kind: at most two digits after the "=" of the type line; a kind
    // that is not a number restores nothing.
    const int kind = NumberOr0(ValueOf(lines.value(2)).left(2));
    DefinedKind = kind;
    const QString command = lines.size() > 3 ? ValueOf(lines[3]) : QString();
    const QStringList parts = command.split(u',');
    switch (kind) {
    case 1:
    case 5:
        ParseDisplayEntry(lines, Display, TextLines);
        SwitchOn(kind);
        return;
    case 2:
        GraphicName = parts.value(0);
        Duration = NumberOr0(command.contains(u',') ? command.mid(command.indexOf(u',') + 1).left(5) : QString());
        break;
    case 3:
        VoiceName = command;
        break;
    case 6:
        GraphicName = parts.value(0);
        SoundName = parts.value(1);
        Duration = NumberOr0(parts.size() > 2 ? command.section(u',', 2) : QString());
        break;
    case 7:
        VideoName = command;
        break;
    case 8:
        MidiName = command;
        break;
    case 4:
    case 9:
    case 10:
        ExeText = command;
        break;
    case 13:
        if (!FNotepad)
            return;
        NoteName = command;
        break;
    default:
        return;   // nothing restored, no radio button on
    }
    Command = command;
    SwitchOn(ButtonOfKind(kind));
}

void TAttachMenuForm::AfterAdd(int button)
{
    if (QPushButton* b = AddButton(button))
        b->setFocus();
}

void TAttachMenuForm::WriteEntry()
{
    if (DefinedKind == 1 || DefinedKind == 5) {
        if (EditMode)
            ReplaceDisplayEntry(EntryFile, EntryName, OldName, Source, TextLines, Display, DefinedKind);
        else
            AppendDisplayEntry(EntryFile, EntryName, DefinedKind, Source, TextLines, Display);
    } else if (EditMode)
        ReplaceCommandEntry(EntryFile, EntryName, OldName, Source, Command, DefinedKind);
    else
        AppendCommandEntry(EntryFile, EntryName, DefinedKind, Source, Command);
}

void TAttachMenuForm::OKBtnClick()
{
    if (DefinedKind != SelectedKind) {
        ShowError(tr("No data has been entered."));
        return;
    }
    if ((DefinedKind == 1 || DefinedKind == 5) && TextLines.isEmpty()) {
        ShowError(tr("No Text information was entered."));
        return;
    }
    // A media or program kind without a command stays open, without a
    // message; the notepad may be saved with no file name.
    if (DefinedKind != 1 && DefinedKind != 5 && DefinedKind != 13 && Command.isEmpty())
        return;
    try {
        WriteEntry();
    } catch (const EQuendraError& e) {
        // The entry file is as it was: the menu stays open with its state.
        ShowError(e.Message());
        return;
    }
    accept();
}

bool OpenAttachMenu(TAttachMenuForm& form, const QString& entryName)
{
    try {
        form.Open(entryName);
        return true;
    } catch (const EQuendraError& e) {
        ShowError(e.Message());
        return false;
    }
}

bool RunAttachMenu(TAttachMenuForm& form)
{
    for (;;) {
        const int result = ShowModal(form);
        if (result > TAttachMenuForm::mrAdd && result <= TAttachMenuForm::mrAdd + TAttachMenuForm::ButtonCount) {
            try {
                form.RunAdd(result - TAttachMenuForm::mrAdd);
            } catch (const EQuendraError& e) {
                // The editor's failure ends the editor, not the menu.
                ShowError(e.Message());
            }
            continue;
        }
        return result == QDialog::Accepted;
    }
}
