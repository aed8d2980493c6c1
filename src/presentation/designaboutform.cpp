#include "presentation/designaboutform.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "presentation/formkit.h"
#include "presentation/projectfilepick.h"
#include "runtime/aboutbox.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QStringList TDesignAboutForm::IconPatterns()
{
    return {QStringLiteral("*.ICO"), QStringLiteral("*.PNG"), QStringLiteral("*.BMP")};
}

TDesignAboutForm::TDesignAboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DesignAboutForm"));
    setWindowTitle(tr(" Design the About Box"));
    setToolTip(tr("Press F1 for Help"));
    SetHelpContext(this, 440);

    BoxTitleEdit = MakeEdit(this, "BoxTitleEdit", tr("Caption :"), 40);
    UseIconChkBox = MakeCheckBox(this, "UseIconChkBox", tr("  &Use Icon"));
    IconGrpBx = MakeGroup(this, "IconGrpBx", tr(" Icon File "));
    IconEdit = MakeEdit(IconGrpBx, "IconEdit", tr("Icon File"), 150);
    IconEdit->setReadOnly(true);
    IconEdit->setText(QStringLiteral("*.ico"));
    IconFileListBox = MakeProjectFileList(IconGrpBx, "IconFileListBox", tr("Icon files of the project"));
    FindBtn = MakeButton(IconGrpBx, "FindBtn", tr("&Find File"));
    auto* il = new QVBoxLayout(IconGrpBx);
    il->addWidget(IconEdit);
    il->addWidget(IconFileListBox);
    il->addWidget(FindBtn);

    ProgNameEdit = MakeEdit(this, "ProgNameEdit", tr("Program"), 32);
    VersionEdit = MakeEdit(this, "VersionEdit", tr("Version :"), 42);
    AuthorEdit = MakeEdit(this, "AuthorEdit", tr("Author :"), 42);

    CommentsGrpBx = MakeGroup(this, "CommentsGrpBx", tr("Comments"));
    Comm1 = MakeEdit(CommentsGrpBx, "Comm1", tr("Comment line 1"), 65);
    Comm2 = MakeEdit(CommentsGrpBx, "Comm2", tr("Comment line 2"), 65);
    Comm3 = MakeEdit(CommentsGrpBx, "Comm3", tr("Comment line 3"), 65);
    Comm4 = MakeEdit(CommentsGrpBx, "Comm4", tr("Comment line 4"), 65);
    auto* cl = new QVBoxLayout(CommentsGrpBx);
    for (QLineEdit* e : {Comm1, Comm2, Comm3, Comm4}) {
        e->setMinimumWidth(420);
        cl->addWidget(e);
    }

    WhenGrpBx = MakeGroup(this, "WhenGrpBx", tr(" Display About Box when program "));
    StartRButt = MakeRadio(WhenGrpBx, "StartRButt", tr("  &Starts"));
    EndRButt = MakeRadio(WhenGrpBx, "EndRButt", tr("  &Ends"));
    BothRButt = MakeRadio(WhenGrpBx, "BothRButt", tr(" &Both"));
    NeitherRButt = MakeRadio(WhenGrpBx, "NeitherRButt", tr(" &Neither"));
    auto* wl = new QHBoxLayout(WhenGrpBx);
    for (QRadioButton* r : {StartRButt, EndRButt, BothRButt, NeitherRButt})
        wl->addWidget(r);
    StartRButt->setChecked(true);

    ViewBtn = MakeButton(this, "ViewBtn", tr("&View"));
    OKBtn = MakeButton(this, "OKBtn", tr("&OK"));
    OKBtn->setDefault(true);
    CancelBtn = MakeButton(this, "CancelBtn", tr("&Cancel"));

    auto label = [this](const char* name, const QString& caption, QWidget* buddy) {
        QLabel* l = MakeLabel(this, name, caption);
        l->setBuddy(buddy);
        return l;
    };
    for (QLineEdit* e : {BoxTitleEdit, ProgNameEdit, VersionEdit, AuthorEdit})
        e->setMinimumWidth(300);
    IconGrpBx->setMaximumWidth(220);
    auto* texts = new QFormLayout;
    texts->addRow(label("Label1", tr("C&aption :"), BoxTitleEdit), BoxTitleEdit);
    texts->addRow(label("Label2", tr("&Program"), ProgNameEdit), ProgNameEdit);
    texts->addRow(label("Label3", tr("Ve&rsion :"), VersionEdit), VersionEdit);
    texts->addRow(label("Label4", tr("Au&thor :"), AuthorEdit), AuthorEdit);
    auto* left = new QVBoxLayout;
    left->addLayout(texts);
    left->addWidget(UseIconChkBox);
    left->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(IconGrpBx);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ViewBtn);
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(CommentsGrpBx);
    layout->addWidget(WhenGrpBx);
    layout->addLayout(buttons);

    OpenDialog1.Title = tr("Select Icon File");
    OpenDialog1.Filter = tr("Icon Files") + QStringLiteral("|*.ICO;*.PNG;*.BMP");
    OpenDialog1.HelpContext = 440;

    connect(UseIconChkBox, &QCheckBox::clicked, this, &TDesignAboutForm::UseIconChkBoxClick);
    connect(IconFileListBox, &QListWidget::itemClicked, this, &TDesignAboutForm::IconFileListBoxClick);
    connect(IconFileListBox, &QListWidget::itemActivated, this, &TDesignAboutForm::IconFileListBoxClick);
    connect(FindBtn, &QPushButton::clicked, this, &TDesignAboutForm::FindBtnClick);
    connect(ViewBtn, &QPushButton::clicked, this, &TDesignAboutForm::ViewBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TDesignAboutForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    IconGrpBx->setVisible(false);
}

void TDesignAboutForm::Load(const TAboutSpec& about)
{
    About = about;
    BoxTitleEdit->setText(About.Caption.str());
    UseIconChkBox->setChecked(About.UseIcon);
    IconGrpBx->setVisible(About.UseIcon);
    FillProjectFileList(IconFileListBox, IconPatterns());
    const QString icon = About.IconFile.str();
    IconEdit->setText(icon.isEmpty() ? QStringLiteral("*.ico") : icon);
    const auto found = IconFileListBox->findItems(icon, Qt::MatchFixedString);
    if (!icon.isEmpty() && !found.isEmpty())
        IconFileListBox->setCurrentItem(found.first());
    ProgNameEdit->setText(About.ProgramName.str());
    VersionEdit->setText(About.VersionText.str());
    AuthorEdit->setText(About.AuthorText.str());
    QLineEdit* comments[] = {Comm1, Comm2, Comm3, Comm4};
    for (int i = 0; i < 4; ++i)
        comments[i]->setText(About.Comment[i].str());
    switch (About.ShowWhen.get()) {
    case 1: EndRButt->setChecked(true); break;
    case 2: BothRButt->setChecked(true); break;
    case 3: NeitherRButt->setChecked(true); break;
    default: StartRButt->setChecked(true); break;
    }
}

void TDesignAboutForm::UseIconChkBoxClick()
{
    // A pattern in the edit is no icon: empty it so no pattern is stored.
    if (UseIconChkBox->isChecked() && StoredFileName(IconEdit->text()).isEmpty())
        IconEdit->clear();
    IconGrpBx->setVisible(UseIconChkBox->isChecked());
}

void TDesignAboutForm::IconFileListBoxClick(QListWidgetItem* item)
{
    if (item)
        IconEdit->setText(item->text());
}

void TDesignAboutForm::FindBtnClick()
{
    QString name = IconEdit->text();
    if (!FindFileForProject(OpenDialog1, IconPatterns(), name))
        return;
    FillProjectFileList(IconFileListBox, IconPatterns());
    IconEdit->setText(name);
}

void TDesignAboutForm::StoreEdits()
{
    About.Caption = BoxTitleEdit->text();
    const QString icon = StoredFileName(IconEdit->text());
    About.UseIcon = UseIconChkBox->isChecked() && !icon.isEmpty();
    About.IconFile = About.UseIcon ? icon : QString();
    About.ProgramName = ProgNameEdit->text();
    About.VersionText = VersionEdit->text();
    About.AuthorText = AuthorEdit->text();
    const QLineEdit* comments[] = {Comm1, Comm2, Comm3, Comm4};
    for (int i = 0; i < 4; ++i)
        About.Comment[i] = comments[i]->text();
}

void TDesignAboutForm::ViewBtnClick()
{
    // The when-shown setting is stored by OK only.
    StoreEdits();
    ShowAbout(About, AboutModeAuthor);
}

void TDesignAboutForm::OKBtnClick()
{
    StoreEdits();
    if (!About.UseIcon)
        UseIconChkBox->setChecked(false);
    About.ShowWhen = EndRButt->isChecked() ? 1 : BothRButt->isChecked() ? 2 : NeitherRButt->isChecked() ? 3 : 0;
    accept();
}

bool DesignAboutBox(TAboutSpec& about)
{
    TDesignAboutForm form;
    form.Load(about);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    about = form.About;
    return true;
}
