// The file chooser: the designed filters, matched whatever the letter case,
// and the list of recent files below it.
#include "harness.h"

#include "platform/dialogs.h"
#include "platform/testscript.h"

#include <QAbstractItemModel>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QCoreApplication>

#include <memory>

namespace {

class FileDialogTest : public QuendraTest {};

// The names the chooser lists in its current folder, once it has read them.
QStringList ListedNames(QFileDialog& dlg, int expected)
{
    auto* view = dlg.findChild<QListView*>(QStringLiteral("listView"));
    if (!view)
        return {};
    QStringList names;
    for (int round = 0; round < 300; ++round) {
        PumpEvents(10);
        names.clear();
        const QModelIndex root = view->rootIndex();
        for (int i = 0; i < view->model()->rowCount(root); ++i)
            names << view->model()->index(i, 0, root).data().toString();
        if (names.size() >= expected && round > 20)
            break;
    }
    names.sort();
    return names;
}

TEST_F(FileDialogTest, DesignedFiltersMatchAnyLetterCase)
{
    TScratchDir dir;
    for (const char* name : {"a.qxj", "B.QXJ", "D.Qxj", "c.txt", "E.QXJ.bak"})
        dir.Write(QString::fromLatin1(name), "x");
    TFileDialogOptions o;
    o.Filter = QStringLiteral("Test Project Files|*.QXJ");
    o.InitialDir = dir.Path();
    std::unique_ptr<QFileDialog> dlg(CreateFileDialog(o, false, nullptr));
    EXPECT_EQ(dlg->nameFilters(), QStringList{"Test Project Files (*.QXJ)"});
    EXPECT_FALSE(dlg->testOption(QFileDialog::HideNameFilterDetails));
    EXPECT_FALSE(dlg->filter() & QDir::CaseSensitive);
    dlg->show();
    EXPECT_EQ(ListedNames(*dlg, 3), QStringList({"B.QXJ", "D.Qxj", "a.qxj"}));
    dlg->hide();

    // A description that names its pattern already is not followed by it
    // again in brackets.
    o.Filter = QStringLiteral("Quendra Data Files  *.QXD|*.QXD");
    std::unique_ptr<QFileDialog> data(CreateFileDialog(o, false, nullptr));
    EXPECT_TRUE(data->testOption(QFileDialog::HideNameFilterDetails));
    EXPECT_EQ(QtNameFilters(o.Filter), QStringList{"Quendra Data Files  *.QXD (*.QXD)"});
    EXPECT_EQ(data->nameFilters().size(), 1);
}

TEST_F(FileDialogTest, RecentFilesAreOfferedAndChosenWithTheKeyboard)
{
    TScratchDir dir;
    dir.Write(QStringLiteral("MATHS.QXJ"), "x");
    dir.Write(QStringLiteral("HISTORY.QXJ"), "x");
    TFileDialogOptions o;
    o.Filter = QStringLiteral("Test Project Files|*.QXJ");
    o.Recent = QStringList{dir.File(QStringLiteral("MATHS.QXJ")), dir.File(QStringLiteral("HISTORY.QXJ"))};
    o.RecentLabel = QStringLiteral("&Recent tests:");

    // No list without recent files, and none in a save dialog.
    {
        TFileDialogOptions plain = o;
        plain.Recent.clear();
        std::unique_ptr<QFileDialog> a(CreateFileDialog(plain, false, nullptr));
        EXPECT_EQ(a->findChild<QListWidget*>(QStringLiteral("RecentList")), nullptr);
        std::unique_ptr<QFileDialog> b(CreateFileDialog(o, true, nullptr));
        EXPECT_EQ(b->findChild<QListWidget*>(QStringLiteral("RecentList")), nullptr);
    }

    std::unique_ptr<QFileDialog> dlg(CreateFileDialog(o, false, nullptr));
    auto* list = dlg->findChild<QListWidget*>(QStringLiteral("RecentList"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("MATHS.QXJ")));
    EXPECT_TRUE(list->item(1)->text().startsWith(QStringLiteral("HISTORY.QXJ")));
    EXPECT_EQ(list->accessibleName(), QStringLiteral("Recent tests"));
    auto* label = dlg->findChild<QLabel*>(QStringLiteral("RecentLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->buddy(), list);   // Alt+R reaches the list
    EXPECT_TRUE(ChosenFile(*dlg).isEmpty());

    // Enter on the second entry chooses it and accepts the dialog.
    dlg->show();
    list->setFocus();
    list->setCurrentRow(1);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(list, &enter);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(ChosenFile(*dlg), dir.File(QStringLiteral("HISTORY.QXJ")));
}

TEST_F(FileDialogTest, ScriptedOpenLogsWhereItStartsAndWhatItOffers)
{
    TFileDialogOptions o;
    o.InitialDir = QStringLiteral("/somewhere/");
    o.Recent = QStringList{QStringLiteral("/a/A.QXJ"), QStringLiteral("/b/B.QXJ")};
    TestScript::Answer(QStringLiteral("open"), QVariant());
    QString name;
    EXPECT_FALSE(ExecuteOpenDialog(o, name));
    EXPECT_EQ(TestScript::Logged(QStringLiteral("open-request")),
              QStringList{"/somewhere/|/a/A.QXJ;/b/B.QXJ"});
}

} // namespace
