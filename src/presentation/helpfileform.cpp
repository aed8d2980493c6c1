#include "presentation/helpfileform.h"

#include "model/fileutil.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "presentation/formkit.h"
#include "presentation/projectfilepick.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QStringList THelpfileForm::HelpFilePatterns()
{
    return {QStringLiteral("*.HLP"), QStringLiteral("*.HTM"), QStringLiteral("*.HTML")};
}

THelpfileForm::THelpfileForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpfileForm"));
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, 405);
    SetProgramSettingsDefaults(Program);

    // The edit holds as many characters as the stored field.
    Edit1 = MakeEdit(this, "Edit1", tr("HelpFile :"), 150);
    Edit1->setText(QStringLiteral("*.HLP"));
    FileListBox1 = MakeProjectFileList(this, "FileListBox1", tr("Help files of the project"));
    FindBtn = MakeButton(this, "FindBtn", tr("&Find File"));
    Edit2 = MakeEdit(this, "Edit2", tr("Starting Topic :"), 8);
    OKBtn = MakeButton(this, "OKBtn", tr("&OK"));
    OKBtn->setDefault(true);
    CancelBtn = MakeButton(this, "CancelBtn", tr("&Cancel"));

    QLabel* fileLabel = MakeLabel(this, "Label1", tr("&HelpFile :"));
    fileLabel->setBuddy(Edit1);
    QLabel* topicLabel = MakeLabel(this, "Label2", tr("&Starting Topic :"));
    topicLabel->setBuddy(Edit2);
    auto* form = new QFormLayout;
    form->addRow(fileLabel, Edit1);
    form->addRow(QString(), FileListBox1);
    form->addRow(QString(), FindBtn);
    form->addRow(topicLabel, Edit2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(380, 280);

    OpenDialog1.Title = tr("Copy Help File");
    OpenDialog1.Filter = tr("Help File") + QStringLiteral("|*.HLP;*.HTM;*.HTML");
    OpenDialog1.HelpContext = 405;

    connect(FindBtn, &QPushButton::clicked, this, &THelpfileForm::FindBtnClick);
    connect(FileListBox1, &QListWidget::itemClicked, this, &THelpfileForm::FileListBox1Click);
    connect(FileListBox1, &QListWidget::itemActivated, this, &THelpfileForm::FileListBox1Click);
    connect(Edit2, &QLineEdit::editingFinished, this, [this] {
        // Only when the focus really leaves the edit (not on the way to OK,
        // which checks the topic itself).
        if (!Edit2->hasFocus() && !OKBtn->hasFocus() && !CancelBtn->hasFocus())
            Edit2Exit();
    });
    connect(OKBtn, &QPushButton::clicked, this, &THelpfileForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void THelpfileForm::Load(const TProgramSettings& program)
{
    Program = program;
    FillProjectFileList(FileListBox1, HelpFilePatterns());
    const QString file = Program.HelpFile.str();
    Edit1->setText(file.isEmpty() ? QStringLiteral("*.HLP") : file);
    const auto found = FileListBox1->findItems(file, Qt::MatchFixedString);
    if (!file.isEmpty() && !found.isEmpty())
        FileListBox1->setCurrentItem(found.first());
    const int topic = Program.HelpContext.get();
    Edit2->setText(QString::number(topic > 0 ? topic : 1));
}

void THelpfileForm::FindBtnClick()
{
    QString name = Edit1->text();
    if (!FindFileForProject(OpenDialog1, HelpFilePatterns(), name))
        return;
    FillProjectFileList(FileListBox1, HelpFilePatterns());
    Edit1->setText(name);
}

void THelpfileForm::FileListBox1Click(QListWidgetItem* item)
{
    if (item)
        Edit1->setText(item->text());
}

bool THelpfileForm::Edit2Exit()
{
    int topic = 0;
    if (TryStrToInt(Edit2->text(), topic))
        return true;
    ShowError(tr("That is not a valid number"));
    Edit2->setText(QStringLiteral("1"));
    Edit2->setFocus();
    return false;
}

void THelpfileForm::OKBtnClick()
{
    if (!Edit2Exit())
        return;
    int topic = 0;
    TryStrToInt(Edit2->text(), topic);
    if (topic < 1) {
        ShowError(tr("The Starting Topic must be greater than 0."));
        Edit2->setText(QStringLiteral("1"));
        Edit2->setFocus();
        return;
    }
    // A pattern such as the initial "*.HLP" is no file name: nothing chosen.
    Program.HelpFile = StoredFileName(Edit1->text());
    Program.HelpContext = topic;
    accept();
}

bool ChooseHelpFile(TProgramSettings& program)
{
    THelpfileForm form;
    form.Load(program);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    program = form.Program;
    return true;
}
