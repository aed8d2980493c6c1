#include "testdesign/functionsform.h"

#include "model/ansi.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "testdesign/designlook.h"
#include "testdesign/fieldchecks.h"
#include "testdesign/testpresentation.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int NameCapacity = 60;

int FolderEnd(const QString& name)
{
    int end = -1;
    for (QChar c : {u'/', u'\\', u':'})
        end = qMax(end, int(name.lastIndexOf(c)));
    return end + 1;   // length of the folder part, separator included
}

} // namespace

QString ResultsFileNameFor(const QString& typed)
{
    const int folderLength = FolderEnd(typed);
    const QString folder = typed.left(folderLength);
    QString stem = typed.mid(folderLength);
    const int dot = stem.lastIndexOf(u'.');
    if (dot >= 0)
        stem.truncate(dot);
    const QString extension = QStringLiteral(".qxd");
    const int room = NameCapacity - int(folder.size()) - int(extension.size());
    if (room < 1)
        return QString();
    return folder + stem.left(room) + extension;
}

bool ResultsFileNameValid(const QString& name)
{
    const int folderLength = FolderEnd(name);
    QString stem = name.mid(folderLength);
    const int dot = stem.lastIndexOf(u'.');
    if (dot >= 0)
        stem.truncate(dot);
    if (stem.isEmpty() || !IsValidFileName(stem))
        return false;
    for (QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || (CharToAnsi(c) == '?' && c != u'?'))
            return false;
    return true;
}

TFunctionsForm::TFunctionsForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FunctionsForm"));
    FChecks = new TFieldChecks(this);
    auto box = [this](const char* name, const QString& caption) {
        auto* b = new QCheckBox(caption, this);
        NameControl(b, name, caption);
        return b;
    };
    CheckBox1 = box("CheckBox1", tr("Take all Questions"));
    CheckBox2 = box("CheckBox2", tr("Sequential Presentation"));
    CheckBox9 = box("CheckBox9", tr("Display Right Answer"));
    CheckBox6 = box("CheckBox6", tr("Allow Retake"));
    CheckBox7 = box("CheckBox7", tr("Allow Pass"));
    CheckBox12 = box("CheckBox12", tr("Allow Quit && Save"));
    CheckBox11 = box("CheckBox11", tr("Show Final Results Graph"));
    CheckBox3 = box("CheckBox3", tr("Save Results to Disk"));
    CheckBox4 = box("CheckBox4", tr("Save Results to Printer"));
    CheckBox5 = box("CheckBox5", tr("Use Data Swap File"));

    FileGroup = new QGroupBox(tr(" File Name "), this);
    FileGroup->setObjectName(QStringLiteral("FileGroup"));
    Edit2 = new QLineEdit(FileGroup);
    NameControl(Edit2, "Edit2", FileGroup->title());
    Edit2->setMaxLength(NameCapacity);
    Edit2->setMinimumWidth(Edit2->fontMetrics().averageCharWidth() * 40);
    CheckBox8 = new QCheckBox(tr("Encrypt Data"), FileGroup);
    NameControl(CheckBox8, "CheckBox8", CheckBox8->text());
    auto* fileLayout = new QVBoxLayout(FileGroup);
    fileLayout->addWidget(Edit2);
    fileLayout->addWidget(CheckBox8);

    SaveBtn = new QPushButton(tr("&Save"), this);
    NameControl(SaveBtn, "SaveBtn", SaveBtn->text());
    SaveBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    NameControl(CancelBtn, "CancelBtn", CancelBtn->text());

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(30);
    int row = 0;
    for (QCheckBox* b : {CheckBox1, CheckBox2, CheckBox9, CheckBox6, CheckBox7, CheckBox12})
        grid->addWidget(b, row++, 0);
    row = 0;
    for (QCheckBox* b : {CheckBox11, CheckBox4, CheckBox5, CheckBox3})
        grid->addWidget(b, row++, 1);
    grid->addWidget(FileGroup, row, 1, 3, 1, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CancelBtn);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addSpacing(8);
    outer->addLayout(buttons);
    // The group keeps its place while hidden, so the form does not jump.
    QSizePolicy keep = FileGroup->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    FileGroup->setSizePolicy(keep);
    SetDesignLook(*this, 340);

    QWidget* order[] = {CheckBox1, CheckBox2, CheckBox9, CheckBox6, CheckBox7, CheckBox12, CheckBox11,
                        CheckBox4, CheckBox5, CheckBox3, Edit2, CheckBox8, SaveBtn, CancelBtn};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    const TTestConfig& c = TestConfig;
    CheckBox1->setChecked(c.TakeAllQuestions);
    CheckBox2->setChecked(c.SequentialPresentation);
    CheckBox3->setChecked(c.SaveResultsToDisk);
    CheckBox4->setChecked(c.SaveResultsToPrinter);
    CheckBox5->setChecked(c.UseSwapFile);
    CheckBox6->setChecked(c.AllowRetake);
    CheckBox7->setChecked(c.AllowPass);
    CheckBox8->setChecked(c.EncryptData);
    CheckBox9->setChecked(c.DisplayRightAnswer);
    CheckBox11->setChecked(c.ShowResultsGraph);
    CheckBox12->setChecked(c.AllowQuitSave);
    Edit2->setText(c.ResultsFileName.str());
    FileGroup->setVisible(CheckBox3->isChecked());

    connect(CheckBox3, &QCheckBox::toggled, FileGroup, &QWidget::setVisible);
    FChecks->SetCancelButton(CancelBtn);
    FChecks->Watch(Edit2, [this] { return Edit2Exit(); });
    connect(SaveBtn, &QPushButton::clicked, this, &TFunctionsForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    CheckBox1->setFocus();
}

bool TFunctionsForm::Edit2Exit()
{
    if (Edit2->text().isEmpty())
        return true;
    const QString typed = Edit2->text();
    const QString name = ResultsFileNameFor(typed);
    if (name.isEmpty()) {
        ShowFormError(this, tr("%1 is too long for a results file name").arg(typed));
    } else {
        Edit2->setText(name);
        if (ResultsFileNameValid(name))
            return true;
        ShowFormError(this, name + tr(" is not a valid filename"));
    }
    Edit2->clear();
    Edit2->setFocus();
    return false;
}

void TFunctionsForm::SaveBtnClick()
{
    // Return and the accelerators save without the focus leaving the name,
    // so its check runs again here. A name kept while "Save Results to
    // Disk" is off is saved as it stands.
    if (CheckBox3->isChecked() && !FChecks->Run([this] { return Edit2Exit(); }))
        return;
    TTestConfig record;
    std::memcpy(&record, &TestConfig, sizeof record);
    // A flag the author left as it was keeps its stored byte.
    auto set = [](Flag& flag, const QCheckBox* box) {
        if (bool(flag) != box->isChecked())
            flag = box->isChecked();
    };
    set(record.TakeAllQuestions, CheckBox1);
    set(record.SequentialPresentation, CheckBox2);
    set(record.SaveResultsToDisk, CheckBox3);
    set(record.SaveResultsToPrinter, CheckBox4);
    set(record.UseSwapFile, CheckBox5);
    set(record.AllowRetake, CheckBox6);
    set(record.AllowPass, CheckBox7);
    set(record.EncryptData, CheckBox8);
    set(record.DisplayRightAnswer, CheckBox9);
    set(record.ShowResultsGraph, CheckBox11);
    set(record.AllowQuitSave, CheckBox12);
    if (Edit2->text() != record.ResultsFileName.str())
        record.ResultsFileName = Edit2->text();
    if (SaveRecord(record))
        accept();
}

void CustomizeFunctions(QWidget* parent)
{
    TFunctionsForm form(parent);
    ShowModal(form);
}
