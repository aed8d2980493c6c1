#include "app/makedirform.h"

#include "model/fileutil.h"
#include "platform/help.h"
#include "platform/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int FilledRole = Qt::UserRole + 1;

QString WithSeparator(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QTreeWidgetItem* NewFolderItem(const QString& name, const QString& path)
{
    auto* item = new QTreeWidgetItem(QStringList{name});
    item->setData(0, PathRole, path);
    item->setData(0, FilledRole, false);
    // Folders show an expander until they are opened and found to be empty.
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

} // namespace

TMakeDirForm::TMakeDirForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MakeDirForm"));
    setWindowTitle(tr("Press F1 for Help"));
    resize(520, 360);

    DirLbl = new QLabel(tr("Create or Select a Folder "), this);
    DirLbl->setObjectName(QStringLiteral("DirLbl"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    DirectoryListBox1 = new QTreeWidget(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setHeaderHidden(true);
    DirectoryListBox1->setColumnCount(1);
    DirectoryListBox1->setUniformRowHeights(true);
    DirectoryListBox1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    DirectoryListBox1->header()->setStretchLastSection(false);
    DirLbl->setBuddy(Edit1);

    FileLbl = new QLabel(this);
    FileLbl->setObjectName(QStringLiteral("FileLbl"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    FileLbl->setBuddy(Edit2);
    FilesLbl = new QLabel(tr("Existing Tests"), this);
    FilesLbl->setObjectName(QStringLiteral("FilesLbl"));
    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FilesLbl->setBuddy(FileListBox1);

    BitBtn1 = new QPushButton(tr("&OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(tr("&Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(DirLbl, 0, 0);
    grid->addWidget(Edit1, 1, 0);
    grid->addWidget(DirectoryListBox1, 2, 0, 3, 1);
    grid->addWidget(FileLbl, 0, 1);
    grid->addWidget(Edit2, 1, 1);
    grid->addWidget(FilesLbl, 2, 1);
    grid->addWidget(FileListBox1, 3, 1, 2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid, 1);
    outer->addLayout(buttons);

    setTabOrder(Edit2, FileListBox1);
    setTabOrder(FileListBox1, Edit1);
    setTabOrder(Edit1, DirectoryListBox1);
    setTabOrder(DirectoryListBox1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);

    connect(DirectoryListBox1, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { FillChildren(item); });
    connect(DirectoryListBox1, &QTreeWidget::currentItemChanged, this, [this] { DirectoryListBox1Change(); });
    connect(DirectoryListBox1, &QTreeWidget::itemClicked, this, [this] { DirectoryListBox1Change(); });
    connect(FileListBox1, &QListWidget::itemClicked, this, [this] { FileListBox1Click(); });
    // A test picked in the list (by click or key) names the new test; the
    // current item the list sets by itself when it takes the focus does not.
    connect(FileListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        if (QListWidgetItem* item = FileListBox1->currentItem(); item && item->isSelected())
            FileListBox1Click();
    });
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString& text) {
        // A typed folder that exists shows its tests; one that does not is
        // created on OK.
        if (QFileInfo(text).isDir())
            ListFiles(text);
        else
            FileListBox1->clear();
    });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* root = NewFolderItem(QStringLiteral("/"), QStringLiteral("/"));
    DirectoryListBox1->addTopLevelItem(root);
    if (!SelectFolder(QDir::homePath()))
        SelectFolder(QStringLiteral("/"));
    Edit2->setFocus();
}

void TMakeDirForm::FillChildren(QTreeWidgetItem* item)
{
    if (item->data(0, FilledRole).toBool())
        return;
    item->setData(0, FilledRole, true);
    const QString path = item->data(0, PathRole).toString();
    const QStringList names = QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        item->addChild(NewFolderItem(name, QDir(path).filePath(name)));
    if (names.isEmpty())
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

bool TMakeDirForm::SelectFolder(const QString& folder)
{
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!QFileInfo(clean).isDir())
        return false;
    QTreeWidgetItem* item = DirectoryListBox1->topLevelItem(0);
    const QStringList parts = clean.split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        FillChildren(item);
        item->setExpanded(true);
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i)
            if (item->child(i)->text(0) == part)
                next = item->child(i);
        if (!next) {
            // A hidden folder on the way: it joins the tree when it is asked for.
            next = NewFolderItem(part, QDir(item->data(0, PathRole).toString()).filePath(part));
            item->addChild(next);
        }
        item = next;
    }
    if (item->childCount() == 0 && !parts.isEmpty())
        FillChildren(item);
    item->setExpanded(true);
    DirectoryListBox1->setCurrentItem(item);
    DirectoryListBox1->scrollToItem(item);
    DirectoryListBox1Change();
    return true;
}

void TMakeDirForm::SetMask(const QString& mask)
{
    FMask = mask.isEmpty() ? QStringLiteral("*") : mask;
    ListFiles(Edit1->text());
}

QString TMakeDirForm::Folder() const { return WithSeparator(Edit1->text()); }

QString TMakeDirForm::FileName() const { return Edit2->text(); }

void TMakeDirForm::DirectoryListBox1Change()
{
    QTreeWidgetItem* item = DirectoryListBox1->currentItem();
    if (!item)
        return;
    const QString folder = WithSeparator(item->data(0, PathRole).toString());
    Edit1->setText(folder);
    ListFiles(folder);
}

void TMakeDirForm::ListFiles(const QString& folder)
{
    FileListBox1->clear();
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(FMask),
                                QRegularExpression::CaseInsensitiveOption);
    const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        if (re.match(name).hasMatch())
            FileListBox1->addItem(name);
}

void TMakeDirForm::FileListBox1Click()
{
    if (QListWidgetItem* item = FileListBox1->currentItem())
        Edit2->setText(item->text());
}

void TMakeDirForm::BitBtn1Click()
{
    const QString name = Edit2->text();
    // A name whose base is empty (".QXJ", ".") names no test either.
    if (!IsValidFileName(name) || (!name.isEmpty() && BaseName(name).trimmed().isEmpty())) {
        ShowError(tr("A correct filename must be entered."));
        Edit2->setFocus();
        return;
    }
    if (name.isEmpty()) {
        ShowError(tr("A filename must be entered."));
        Edit2->setFocus();
        return;
    }
    if (Edit1->text().trimmed().isEmpty()) {
        ShowError(tr("A folder must be entered."));
        Edit1->setFocus();
        return;
    }
    accept();
}
