#include "presentation/designbackform.h"

#include "model/errors.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/colordialog.h"
#include "platform/fonts.h"
#include "platform/messages.h"
#include "presentation/formkit.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QListWidget* MakeFileList(QWidget* parent, const char* name, const QString& accessible)
{
    auto* l = new QListWidget(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(accessible);
    l->setMinimumHeight(90);
    return l;
}

void FillFileList(QListWidget* list, const QStringList& patterns)
{
    list->clear();
    if (ProjectDir.isEmpty())
        return;
    QDir dir(ProjectDir);
    dir.setNameFilters(patterns);
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    list->addItems(dir.entryList());
}

QString BareName(const QString& path) { return QFileInfo(path).fileName(); }

} // namespace

TDesignBackForm::TDesignBackForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Press F1 for Help"));
    FWallpaperFilter = tr("Wallpaper Files") + QStringLiteral("|*.BMP");
    GroupBox1 = MakeGroup(this, "GroupBox1", tr(" Screen Background"));
    ColorRBtn = MakeRadio(GroupBox1, "ColorRBtn", tr(" Colored Screen"));
    GraphicRBtn = MakeRadio(GroupBox1, "GraphicRBtn", tr(" Graphic Image"));
    WallpaperRBtn = MakeRadio(GroupBox1, "WallpaperRBtn", tr(" Wallpaper"));
    auto* radios = new QVBoxLayout(GroupBox1);
    radios->addWidget(ColorRBtn);
    radios->addWidget(GraphicRBtn);
    radios->addWidget(WallpaperRBtn);
    radios->addStretch(1);

    ColorGrpBx = MakeGroup(this, "ColorGrpBx", tr(" Background Color "));
    Panel1 = new QFrame(ColorGrpBx);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAccessibleName(tr("Background Color sample"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setMinimumSize(120, 60);
    Button3 = MakeButton(ColorGrpBx, "Button3", tr("&Select"));
    Button3->setAccessibleDescription(tr("Background Color"));
    auto* cl = new QVBoxLayout(ColorGrpBx);
    cl->addWidget(Panel1);
    cl->addWidget(Button3);

    GraphicGrpBx = MakeGroup(this, "GraphicGrpBx", tr("Graphic File (.BMP or .JPG)"));
    GraphicEdit = MakeEdit(GraphicGrpBx, "GraphicEdit", tr("Graphic File"), 150);
    GraphicEdit->setText(QStringLiteral("*.BMP;*.JPG"));
    FileListBox1 = MakeFileList(GraphicGrpBx, "FileListBox1", tr("Graphic files of the project"));
    Button2 = MakeButton(GraphicGrpBx, "Button2", tr("&Find File"));
    auto* gl = new QVBoxLayout(GraphicGrpBx);
    gl->addWidget(GraphicEdit);
    gl->addWidget(FileListBox1);
    gl->addWidget(Button2);

    WallpaperGrpBx = MakeGroup(this, "WallpaperGrpBx", tr("WallPaper (.BMP only)"));
    WallPaperEdit = MakeEdit(WallpaperGrpBx, "WallPaperEdit", tr("WallPaper File"), 150);
    WallPaperEdit->setText(QStringLiteral("*.BMP"));
    FileListBox2 = MakeFileList(WallpaperGrpBx, "FileListBox2", tr("Wallpaper files of the project"));
    Button1 = MakeButton(WallpaperGrpBx, "Button1", tr("Find File"));
    Button1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F));
    auto* wl = new QVBoxLayout(WallpaperGrpBx);
    wl->addWidget(WallPaperEdit);
    wl->addWidget(FileListBox2);
    wl->addWidget(Button1);

    AdjustLbl = MakeLabel(this, "AdjustLbl", tr("Design the Text Window size :"));
    AdjustBtn = MakeButton(this, "AdjustBtn", tr("&Adjust Window"));
    AdjustLbl->setBuddy(AdjustBtn);
    ViewBitBtn = MakeButton(this, "ViewBitBtn", tr("View"));
    ViewBitBtn->setShortcut(QKeySequence(Qt::ALT | Qt::Key_V));
    OKBtn = MakeButton(this, "OKBtn", tr("&OK"));
    OKBtn->setDefault(true);
    CancelBtn = MakeButton(this, "CancelBtn", tr("&Cancel"));

    auto* top = new QHBoxLayout;
    top->addWidget(GroupBox1);
    top->addWidget(ColorGrpBx, 1);
    top->addWidget(GraphicGrpBx, 1);
    top->addWidget(WallpaperGrpBx, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(AdjustLbl);
    bottom->addWidget(AdjustBtn);
    bottom->addWidget(ViewBitBtn);
    bottom->addStretch(1);
    bottom->addWidget(OKBtn);
    bottom->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    resize(520, 300);

    OpenDialog1.Title = tr("Select a Graphic File");
    OpenDialog1.Filter = tr("Graphic Files") + QStringLiteral("|*.BMP;*.JPG");

    connect(ColorRBtn, &QRadioButton::clicked, this, &TDesignBackForm::ColorRBtnClick);
    connect(GraphicRBtn, &QRadioButton::clicked, this, &TDesignBackForm::GraphicRBtnClick);
    connect(WallpaperRBtn, &QRadioButton::clicked, this, &TDesignBackForm::WallpaperRBtnClick);
    connect(FileListBox1, &QListWidget::itemClicked, this, &TDesignBackForm::FileListBox1Click);
    connect(FileListBox1, &QListWidget::itemActivated, this, &TDesignBackForm::FileListBox1Click);
    connect(FileListBox2, &QListWidget::itemClicked, this, &TDesignBackForm::FileListBox2Click);
    connect(FileListBox2, &QListWidget::itemActivated, this, &TDesignBackForm::FileListBox2Click);
    connect(Button2, &QPushButton::clicked, this, &TDesignBackForm::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TDesignBackForm::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TDesignBackForm::Button3Click);
    connect(OKBtn, &QPushButton::clicked, this, &TDesignBackForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    RefreshLists();
}

void TDesignBackForm::LoadBackground(const TBackground& background)
{
    Back = background;
    ColorRBtn->setChecked(Back.Kind == btColour);
    GraphicRBtn->setChecked(Back.Kind == btGraphic);
    WallpaperRBtn->setChecked(Back.Kind == btWallpaper);
    if (Back.Kind < btColour || Back.Kind > btWallpaper) {
        // No button checked: an exclusive group cannot show that directly.
        for (QRadioButton* r : {ColorRBtn, GraphicRBtn, WallpaperRBtn}) {
            r->setAutoExclusive(false);
            r->setChecked(false);
            r->setAutoExclusive(true);
        }
    }
    ShowGroupOf(Back.Kind);
    SetPanelColour(Panel1, Back.Colour);
    GraphicEdit->setText(Back.Graphic);
    WallPaperEdit->setText(Back.Wallpaper);
}

void TDesignBackForm::ShowGroupOf(int kind)
{
    ColorGrpBx->setVisible(kind == btColour);
    GraphicGrpBx->setVisible(kind == btGraphic);
    WallpaperGrpBx->setVisible(kind == btWallpaper);
}

void TDesignBackForm::RefreshLists()
{
    FillFileList(FileListBox1, {QStringLiteral("*.BMP"), QStringLiteral("*.JPG")});
    FillFileList(FileListBox2, {QStringLiteral("*.BMP")});
}

void TDesignBackForm::ColorRBtnClick()
{
    Back.Kind = btColour;
    ShowGroupOf(btColour);
}

void TDesignBackForm::GraphicRBtnClick()
{
    Back.Kind = btGraphic;
    ShowGroupOf(btGraphic);
    OpenDialog1.Filter = tr("Graphic Files") + QStringLiteral("|*.BMP;*.JPG");
    QString found;
    if (Back.Graphic.isEmpty() && FindProjectFileEither(QStringLiteral("*.jpg"), QStringLiteral("*.bmp"), found)) {
        Back.Graphic = found;
        Back.Wallpaper.clear();
        GraphicEdit->setText(found);
    }
}

void TDesignBackForm::WallpaperRBtnClick()
{
    Back.Kind = btWallpaper;
    ShowGroupOf(btWallpaper);
    OpenDialog1.Filter = FWallpaperFilter;
    if (FClearJpgWallpaper && QFileInfo(Back.Wallpaper).suffix().toUpper() == u"JPG")
        Back.Wallpaper.clear();
    QString found;
    if (Back.Wallpaper.isEmpty() && FindProjectFile(QStringLiteral("*.bmp"), found)) {
        Back.Wallpaper = found;
        Back.Graphic.clear();
        WallPaperEdit->setText(found);
    }
}

void TDesignBackForm::FileListBox1Click(QListWidgetItem* item)
{
    if (!item)
        return;
    Back.Graphic = item->text();
    GraphicEdit->setText(Back.Graphic);
}

void TDesignBackForm::FileListBox2Click(QListWidgetItem* item)
{
    if (!item)
        return;
    Back.Wallpaper = item->text();
    WallPaperEdit->setText(Back.Wallpaper);
}

void TDesignBackForm::FindFile(QLineEdit* edit, QString& name, bool graphic)
{
    OpenDialog1.InitialDir = ProjectDir;
    QString chosen;
    if (!ExecuteOpenDialog(OpenDialog1, chosen))
        return;   // cancelled: nothing changes
    const QString bare = BareName(chosen);
    const QString target = ProjectDir + bare;
    const QString existing = ResolveCase(target);
    const bool inProject = QFileInfo::exists(existing);
    if (!(inProject && SameFile(chosen, existing))) {
        if (Confirm(tr("Copy the file ") + chosen + tr(" to the Project directory?"))) {
            // A different file of the same name is replaced only when asked.
            const bool replace = !inProject
                || Confirm(tr("The Project directory already holds a different file named ") + bare
                           + QStringLiteral(".\n\r") + tr("Replace it?"));
            if (replace) {
                try {
                    CopyFileTo(chosen, inProject ? existing : target);
                } catch (const EQuendraError& e) {
                    ShowError(e.Message());
                }
            }
        }
    }
    QString candidate = edit->text();
    if (QFileInfo::exists(ResolveCase(target)))
        candidate = BareName(ResolveCase(target));
    RefreshLists();
    if (candidate.isEmpty()) {
        QString found;
        if (graphic ? FindProjectFileEither(QStringLiteral("*.jpg"), QStringLiteral("*.bmp"), found)
                    : FindProjectFile(QStringLiteral("*.bmp"), found))
            candidate = found;
    }
    edit->setText(candidate);
    name = edit->text();
}

void TDesignBackForm::Button2Click() { FindFile(GraphicEdit, Back.Graphic, true); }
void TDesignBackForm::Button1Click() { FindFile(WallPaperEdit, Back.Wallpaper, false); }

void TDesignBackForm::Button3Click()
{
    QColor colour = ColourToQColor(Back.Colour);
    if (ExecuteColorDialog(colour)) {
        Back.Colour = QColorToColour(colour);
        SetPanelColour(Panel1, Back.Colour);
    }
}

void TDesignBackForm::TakeEditedNames()
{
    // The edits start with a file pattern, which is not a name.
    const QString graphic = GraphicEdit->text().trimmed();
    if (IsValidFileName(graphic))
        Back.Graphic = graphic;
    const QString wallpaper = WallPaperEdit->text().trimmed();
    if (IsValidFileName(wallpaper))
        Back.Wallpaper = wallpaper;
}

void TDesignBackForm::OKBtnClick()
{
    TakeEditedNames();
    if (FClearUnusedOnOK) {
        if (Back.Kind == btGraphic)
            Back.Wallpaper.clear();
        else if (Back.Kind == btWallpaper)
            Back.Graphic.clear();
        else if (Back.Kind == btColour) {
            Back.Graphic.clear();
            Back.Wallpaper.clear();
        }
    }
    StoreRecord();
    accept();
}
