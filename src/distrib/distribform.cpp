#include "distrib/distribform.h"

#include "distrib/distribution.h"
#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

template <class T>
T* Named(T* w, const char* name, const QString& accessible)
{
    w->setObjectName(QLatin1String(name));
    QString a = accessible;
    a.remove(u'&');
    a = a.trimmed();
    if (a.endsWith(u':'))
        a = a.left(a.size() - 1).trimmed();
    w->setAccessibleName(a);
    return w;
}

QString Canonical(const QString& dir)
{
    const QString c = QFileInfo(dir).canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(QFileInfo(dir).absoluteFilePath()) : c;
}

} // namespace

TDistribForm::TDistribForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DistribForm"));
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, 290);

    Label1 = Named(new QLabel(tr("Select  &Drive :"), this), "Label1", tr("Select  Drive :"));
    DriveComboBox1 = Named(new QComboBox(this), "DriveComboBox1", tr("Select  Drive :"));
    Label1->setBuddy(DriveComboBox1);
    Label2 = Named(new QLabel(tr("Create or Select a Distribution &Directory "), this), "Label2",
                   tr("Create or Select a Distribution Directory "));
    DirectoryListBox1 = Named(new QTreeView(this), "DirectoryListBox1", tr("Create or Select a Distribution Directory "));
    Label2->setBuddy(DirectoryListBox1);
    Label3 = Named(new QLabel(tr("Distribution &Folder :"), this), "Label3", tr("Distribution Folder :"));
    Edit1 = Named(new QLineEdit(this), "Edit1", tr("Distribution Folder :"));
    Label3->setBuddy(Edit1);
    GroupBox1 = Named(new QGroupBox(tr(" Program to Distribute "), this), "GroupBox1", tr(" Program to Distribute "));
    RadioButton1 = Named(new QRadioButton(tr("Co&mpiled Test"), GroupBox1), "RadioButton1", tr("Compiled Test"));
    RadioButton2 = Named(new QRadioButton(tr("&Executable Test"), GroupBox1), "RadioButton2", tr("Executable Test"));
    RadioButton2->setChecked(true);
    BitBtn1 = Named(new QPushButton(tr("&OK"), this), "BitBtn1", tr("OK"));
    BitBtn1->setDefault(true);
    BitBtn2 = Named(new QPushButton(tr("&Cancel"), this), "BitBtn2", tr("Cancel"));
    BitBtn2->setAutoDefault(false);

    // Drives: the home folder, then every mounted volume one may write to.
    DriveComboBox1->addItem(QDir::homePath(), QDir::homePath());
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady() || v.isReadOnly())
            continue;
        const QByteArray fs = v.fileSystemType();
        if (fs == "tmpfs" || fs == "devtmpfs" || fs == "overlay" || fs == "proc" || fs == "sysfs")
            if (v.rootPath() != QLatin1String("/"))
                continue;
        if (DriveComboBox1->findData(v.rootPath()) < 0)
            DriveComboBox1->addItem(v.displayName() == v.rootPath() ? v.rootPath()
                                                                   : v.rootPath() + QStringLiteral("  [") + v.displayName() + u']',
                                    v.rootPath());
    }

    FModel = new QFileSystemModel(this);
    FModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    FModel->setReadOnly(true);
    FModel->setRootPath(QStringLiteral("/"));
    DirectoryListBox1->setModel(FModel);
    for (int c = 1; c < FModel->columnCount(); ++c)
        DirectoryListBox1->hideColumn(c);
    DirectoryListBox1->header()->hide();
    DirectoryListBox1->setMinimumSize(320, 240);

    auto* radios = new QHBoxLayout(GroupBox1);
    radios->addWidget(RadioButton1);
    radios->addWidget(RadioButton2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(DriveComboBox1);
    layout->addWidget(Label2);
    layout->addWidget(DirectoryListBox1, 1);
    layout->addWidget(Label3);
    layout->addWidget(Edit1);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    resize(460, 520);

    connect(FModel, &QFileSystemModel::directoryLoaded, this, [this] { ShowPending(); });
    connect(Edit1, &QLineEdit::textEdited, this, [this] { FPending.clear(); });
    connect(DriveComboBox1, &QComboBox::activated, this, &TDistribForm::DriveComboBox1Change);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TDistribForm::DirectoryListBox1Change);
    connect(DirectoryListBox1, &QTreeView::clicked, this, [this] {
        FPending.clear();   // the author's own choice
        DirectoryListBox1Change();
    });
    connect(BitBtn1, &QPushButton::clicked, this, &TDistribForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    Edit1->setFocus();
}

void TDistribForm::SetFolder(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    // The drive that holds the folder: the longest root that leads to it.
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        const QString root = DriveComboBox1->itemData(i).toString();
        const bool holds = clean == root || clean.startsWith(root.endsWith(u'/') ? root : root + u'/');
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best >= 0)
        DriveComboBox1->setCurrentIndex(best);
    FPending = clean;
    ShowPending();
    Edit1->setText(clean);
}

void TDistribForm::ShowPending()
{
    // The folder model reads folders in the background: the folder is shown
    // once its parents are known.
    if (FPending.isEmpty())
        return;
    const QModelIndex index = FModel->index(FPending);
    if (!index.isValid())
        return;
    const QString text = Edit1->text();
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
        DirectoryListBox1->expand(p);
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index, QAbstractItemView::PositionAtCenter);
    Edit1->setText(text.isEmpty() ? FPending : text);
}

QString TDistribForm::TargetFolder() const
{
    QString text = Edit1->text().trimmed();
    if (text == QLatin1String("~") || text.startsWith(QLatin1String("~/")))
        text = QDir::homePath() + text.mid(1);
    const QString base = ProjectDir.isEmpty() ? QDir::currentPath() : ProjectDir;
    return QDir::cleanPath(QDir(base).absoluteFilePath(text));
}

void TDistribForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] { ShowPending(); });
}

void TDistribForm::DriveComboBox1Change()
{
    const QString root = DriveComboBox1->currentData().toString();
    FPending.clear();
    Edit1->setText(root);
    FPending = root;
    ShowPending();
}

void TDistribForm::DirectoryListBox1Change()
{
    if (!FPending.isEmpty())
        return;   // still showing the folder SetFolder gave
    const QModelIndex index = DirectoryListBox1->currentIndex();
    if (index.isValid())
        Edit1->setText(FModel->filePath(index));
}

void TDistribForm::BitBtn1Click()
{
    if (Edit1->text().trimmed().isEmpty()) {
        ShowError(tr("Please type or select a distribution directory."));
        Edit1->setFocus();
        return;
    }
    const QString target = Canonical(TargetFolder());
    QString refusal;
    if (!ProjectDir.isEmpty() && target == Canonical(ProjectDir))
        refusal = tr("Files cannot be copied to Project directory.");
    else if (!ProgramDir.isEmpty() && target == Canonical(ProgramDir))
        refusal = tr("Files cannot be copied to the Program directory.");
    if (!refusal.isEmpty()) {
        ShowError(refusal);
        Edit1->setFocus();
        Edit1->selectAll();
        return;
    }
    accept();
}

bool RunDistribDialog(QString& target, bool& executable)
{
    TDistribForm form(QApplication::activeWindow());
    form.SetFolder(ProjectDir.isEmpty() ? QDir::currentPath() : ProjectDir);
    form.RadioButton2->setChecked(executable);
    form.RadioButton1->setChecked(!executable);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    executable = form.RadioButton2->isChecked();
    target = form.TargetFolder();
    if (!target.endsWith(u'/'))
        target += u'/';
    return true;
}
