#include "presentation/progconfigform.h"

#include "model/entryfile.h"
#include "model/errors.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "presentation/cfgdesignbackform.h"
#include "presentation/commandtypeform.h"
#include "presentation/designaboutform.h"
#include "presentation/formkit.h"
#include "presentation/helpfileform.h"
#include "presentation/introentry.h"
#include "presentation/introentryform.h"
#include "presentation/programconfig.h"
#include "presentation/projectfilepick.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>

QStringList TProgConfigForm::IconPatterns()
{
    return {QStringLiteral("*.ICO"), QStringLiteral("*.PNG"), QStringLiteral("*.BMP")};
}

TProgConfigForm::TProgConfigForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProgConfigForm"));
    setWindowTitle(tr("Customize the Program Presentation"));
    setToolTip(tr("Press F1 for Help"));
    SetHelpContext(this, 400);
    std::memset(static_cast<void*>(&Presentation), 0, sizeof Presentation);
    SetProgramSettingsDefaults(Program);

    Edit1 = MakeEdit(this, "Edit1", tr("Title :"), 80);
    QLabel* titleLabel = MakeLabel(this, "Label1", tr("&Title :"));
    titleLabel->setBuddy(Edit1);

    IconChkBx = MakeCheckBox(this, "IconChkBx", tr("Use &Icon"));
    IconGrpBx = MakeGroup(this, "IconGrpBx", tr(" Select Icon File "));
    IconEdit = MakeEdit(IconGrpBx, "IconEdit", tr("Icon File"), 150);
    IconEdit->setReadOnly(true);
    IconEdit->setText(QStringLiteral("*.ICO"));
    FileListBox1 = MakeProjectFileList(IconGrpBx, "FileListBox1", tr("Icon files of the project"));
    Button1 = MakeButton(IconGrpBx, "Button1", tr("&Find File"));
    auto* il = new QVBoxLayout(IconGrpBx);
    il->addWidget(IconEdit);
    il->addWidget(FileListBox1);
    il->addWidget(Button1);

    CheckBox3 = MakeCheckBox(this, "CheckBox3", tr(" Use &Help File"));
    HelpBtn = MakeButton(this, "HelpBtn", tr("S&elect"));
    HelpBtn->setAccessibleDescription(tr("Select the help file"));
    VideoChkBx = MakeCheckBox(this, "VideoChkBx", tr(" Show &Video Mode Advisory"));
    Button2 = MakeButton(this, "Button2", tr("Design &Background Screen"));

    OpenChkBx = MakeCheckBox(this, "OpenChkBx", tr(" Add &Opening Screen"));
    OpenBtn = MakeButton(this, "OpenBtn", tr("Create/Edit"));
    OpenBtn->setAccessibleDescription(tr("Create or edit the opening screen"));
    CloseChkBx = MakeCheckBox(this, "CloseChkBx", tr(" Add C&losing Screen"));
    CloseBtn = MakeButton(this, "CloseBtn", tr("Create/Edit"));
    CloseBtn->setAccessibleDescription(tr("Create or edit the closing screen"));
    IntroChkBx = MakeCheckBox(this, "IntroChkBx", tr(" Add an I&ntroduction"));
    IntroBtn = MakeButton(this, "IntroBtn", tr("Create/Edit"));
    IntroBtn->setAccessibleDescription(tr("Create or edit the introduction"));
    AboutChkBx = MakeCheckBox(this, "AboutChkBx", tr(" Add an &About Box"));
    AboutBtn = MakeButton(this, "AboutBtn", tr("Create/Edit"));
    AboutBtn->setAccessibleDescription(tr("Create or edit the about box"));

    BitBtn1 = MakeButton(this, "BitBtn1", tr("&Save"));
    BitBtn1->setDefault(true);
    BitBtn2 = MakeButton(this, "BitBtn2", tr("&Cancel"));

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(Edit1, 1);

    auto* grid = new QGridLayout;
    grid->addWidget(CheckBox3, 0, 0);
    grid->addWidget(HelpBtn, 0, 1);
    grid->addWidget(VideoChkBx, 1, 0, 1, 2);
    grid->addWidget(Button2, 2, 0, 1, 2);
    int row = 3;
    for (auto [box, button] : {std::pair {OpenChkBx, OpenBtn}, std::pair {CloseChkBx, CloseBtn},
                               std::pair {IntroChkBx, IntroBtn}, std::pair {AboutChkBx, AboutBtn}}) {
        grid->addWidget(box, row, 0);
        grid->addWidget(button, row, 1);
        connect(box, &QCheckBox::toggled, this, &TProgConfigForm::UpdateButtons);
        ++row;
    }
    grid->setRowStretch(row, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(IconChkBx);
    left->addWidget(IconGrpBx, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 1);
    middle->addLayout(grid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    resize(600, 380);

    OpenDialog1.Title = tr("Select an Icon File");
    OpenDialog1.Filter = tr("Icon Files") + QStringLiteral("|*.ICO;*.PNG;*.BMP");
    OpenDialog1.HelpContext = 400;

    connect(IconChkBx, &QCheckBox::clicked, this, &TProgConfigForm::IconChkBxClick);
    connect(Button1, &QPushButton::clicked, this, &TProgConfigForm::Button1Click);
    connect(FileListBox1, &QListWidget::itemClicked, this, &TProgConfigForm::FileListBox1Click);
    connect(FileListBox1, &QListWidget::itemActivated, this, &TProgConfigForm::FileListBox1Click);
    connect(CheckBox3, &QCheckBox::toggled, this, &TProgConfigForm::UpdateButtons);
    connect(HelpBtn, &QPushButton::clicked, this, &TProgConfigForm::HelpBtnClick);
    connect(Button2, &QPushButton::clicked, this, &TProgConfigForm::Button2Click);
    connect(OpenBtn, &QPushButton::clicked, this, &TProgConfigForm::OpenBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TProgConfigForm::CloseBtnClick);
    connect(IntroBtn, &QPushButton::clicked, this, &TProgConfigForm::IntroBtnClick);
    connect(AboutBtn, &QPushButton::clicked, this, &TProgConfigForm::AboutBtnClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TProgConfigForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    IconGrpBx->setVisible(false);
    UpdateButtons();
}

void TProgConfigForm::Load(const TPresentation& presentation, const TProgramSettings& program,
                           const QString& entryPath)
{
    Presentation = presentation;
    Program = program;
    FEntryPath = entryPath;
    Edit1->setText(Program.ProgramTitle.str());
    IconChkBx->setChecked(Program.UseIcon);
    IconGrpBx->setVisible(Program.UseIcon);
    FillProjectFileList(FileListBox1, IconPatterns());
    // A stored icon the project no longer holds is forgotten.
    QString icon = Program.IconFile.str();
    if (!ProjectFileExists(icon))
        icon.clear();
    IconEdit->setText(icon.isEmpty() ? QStringLiteral("*.ICO") : icon);
    if (!icon.isEmpty()) {
        const auto found = FileListBox1->findItems(icon, Qt::MatchFixedString);
        if (!found.isEmpty())
            FileListBox1->setCurrentItem(found.first());
    }
    CheckBox3->setChecked(Program.UseHelpFile);
    VideoChkBx->setChecked(Program.VideoAdvisory);
    OpenChkBx->setChecked(Presentation.OpeningEnabled);
    CloseChkBx->setChecked(Presentation.ClosingEnabled);
    IntroChkBx->setChecked(Presentation.IntroEnabled);
    AboutChkBx->setChecked(Presentation.AboutEnabled);
    FIntroText.clear();
    FIntroExisted = !FEntryPath.isEmpty() && ReadIntroEntry(FEntryPath, FIntroText);
    FIntroEdited = false;
    UpdateButtons();
}

void TProgConfigForm::UpdateButtons()
{
    HelpBtn->setEnabled(CheckBox3->isChecked());
    OpenBtn->setEnabled(OpenChkBx->isChecked());
    CloseBtn->setEnabled(CloseChkBx->isChecked());
    IntroBtn->setEnabled(IntroChkBx->isChecked());
    AboutBtn->setEnabled(AboutChkBx->isChecked());
}

void TProgConfigForm::IconChkBxClick() { IconGrpBx->setVisible(IconChkBx->isChecked()); }

void TProgConfigForm::Button1Click()
{
    QString name = IconEdit->text();
    if (!FindFileForProject(OpenDialog1, IconPatterns(), name))
        return;
    FillProjectFileList(FileListBox1, IconPatterns());
    IconEdit->setText(name);
}

void TProgConfigForm::FileListBox1Click(QListWidgetItem* item)
{
    if (item)
        IconEdit->setText(item->text());
}

void TProgConfigForm::HelpBtnClick() { ChooseHelpFile(Program); }

void TProgConfigForm::Button2Click() { DesignProgramBackground(Program); }

void TProgConfigForm::OpenBtnClick() { DefineOpeningCommand(Presentation.Opening); }

void TProgConfigForm::CloseBtnClick() { DefineClosingCommand(Presentation.Closing); }

void TProgConfigForm::IntroBtnClick()
{
    if (EditIntroduction(Presentation, Program, FIntroText))
        FIntroEdited = true;
}

void TProgConfigForm::AboutBtnClick() { DesignAboutBox(Presentation.About); }

void TProgConfigForm::BitBtn1Click()
{
    // A command counts as defined when it has a value, stored or new.
    if (OpenChkBx->isChecked() && Presentation.Opening.CommandValue.IsEmpty()) {
        ShowError(tr("The Opening Command has not been defined"));
        OpenBtn->setFocus();
        return;
    }
    if (CloseChkBx->isChecked() && Presentation.Closing.CommandValue.IsEmpty()) {
        ShowError(tr("The Closing Command has not been defined"));
        CloseBtn->setFocus();
        return;
    }
    TPresentation presentation = Presentation;
    TProgramSettings program = Program;

    // The icon: a pattern such as "*.ICO" is no file name, so counts as none.
    program.UseIcon = IconChkBx->isChecked();
    program.IconFile = StoredFileName(IconEdit->text());
    if (program.IconFile.IsEmpty())
        program.UseIcon = false;
    if (!program.UseIcon)
        program.IconFile = QString();

    // The help file: likewise; no file or no topic turns it off.
    program.UseHelpFile = CheckBox3->isChecked();
    program.HelpFile = StoredFileName(program.HelpFile.str());
    if (program.HelpFile.IsEmpty()) {
        program.UseHelpFile = false;
        program.HelpContext = 0;
    }
    if (program.HelpContext.get() < 1) {
        program.UseHelpFile = false;
        program.HelpFile = QString();
    }
    if (!program.UseHelpFile) {
        program.HelpFile = QString();
        program.HelpContext = 0;
    }

    program.VideoAdvisory = VideoChkBx->isChecked();
    program.ProgramTitle = Edit1->text();
    presentation.IntroEnabled = IntroChkBx->isChecked();
    presentation.OpeningEnabled = OpenChkBx->isChecked();
    presentation.ClosingEnabled = CloseChkBx->isChecked();
    presentation.AboutEnabled = AboutChkBx->isChecked();

    try {
        SaveIntroductionEntry(FEntryPath, presentation, {FIntroEdited, FIntroExisted, FIntroText});
    } catch (const EQuendraError& e) {
        // The entry file was not written: nothing is saved, the form stays.
        ShowError(e.Message());
        return;
    }
    Presentation = presentation;
    Program = program;
    accept();
}

bool ProgramConfigDialog(TPresentation& presentation, TProgramSettings& program, const QString& entryPath)
{
    TProgConfigForm form;
    form.Load(presentation, program, entryPath);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    presentation = form.Presentation;
    program = form.Program;
    return true;
}
