#include "app/mainform.h"

#include "app/commandline.h"
#include "app/compile.h"
#include "app/projectlifecycle.h"
#include "app/tutorial.h"
#include "authoring/questionlist.h"
#include "authoring/utilities.h"
#include "distrib/distribution.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/tiledimage.h"
#include "runtime/entrydisplays.h"
#include "presentation/programconfig.h"
#include "testdesign/testpresentation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

Ttestmainform* testmainform = nullptr;

namespace {

const char* const ButtonHint = " Press F1 for Help";

} // namespace

// The tiled background lives in this library's resources (outside any
// namespace, as the resource initialiser must be).
static void InitAppResources() { Q_INIT_RESOURCE(resources); }

namespace {

// The background tile: 64 x 64 raw RGB pixels (scripts/make-background.py
// draws them). Wrapped directly, so no image decoder is loaded at start-up.
QImage BackgroundTile()
{
    constexpr int Side = 64;
    QFile f(QStringLiteral(":/quendra/background.rgb"));
    if (!f.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray raw = f.readAll();
    if (raw.size() != Side * Side * 3)
        return QImage();
    return QImage(reinterpret_cast<const uchar*>(raw.constData()), Side, Side, Side * 3, QImage::Format_RGB888).copy();
}

} // namespace

QPushButton* Ttestmainform::MakeButton(QWidget* parent, const char* name, const QString& caption, int helpContext)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setStatusTip(QString::fromLatin1(ButtonHint));
    b->setToolTip(QString::fromLatin1(ButtonHint).trimmed());
    b->setAutoDefault(true);
    b->setMinimumHeight(28);
    b->setMinimumWidth(150);   // the columns of every group line up
    if (helpContext > 0)
        SetHelpContext(b, helpContext);
    return b;
}

Ttestmainform::Ttestmainform(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("testmainform"));
    testmainform = this;
    InitAppResources();
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    auto* central = new QWidget(this);
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    setCentralWidget(central);

    wiaTile2 = new TTiledImage(central);
    wiaTile2->setObjectName(QStringLiteral("wiaTile2"));
    wiaTile2->SetImage(BackgroundTile());
    wiaTile2->installEventFilter(this);
    centralLayout->addWidget(wiaTile2, 1);

    // ---- command panel ----
    MenuPnl = new QFrame(wiaTile2);
    MenuPnl->setObjectName(QStringLiteral("MenuPnl"));
    MenuPnl->setFrameShape(QFrame::Panel);
    MenuPnl->setFrameShadow(QFrame::Raised);
    MenuPnl->setLineWidth(2);
    MenuPnl->setAutoFillBackground(true);
    {
        QPalette pal = MenuPnl->palette();
        pal.setColor(QPalette::Window, QColor(0x00, 0x80, 0x80));      // teal
        pal.setColor(QPalette::WindowText, Qt::white);
        MenuPnl->setPalette(pal);
    }
    SetHelpContext(MenuPnl, 1);
    auto* panelLayout = new QVBoxLayout(MenuPnl);
    panelLayout->setContentsMargins(10, 10, 10, 10);
    panelLayout->setSpacing(8);

    TitlePnl = new QLabel(tr("Quendra for Windows - Ver 2.5"), MenuPnl);
    TitlePnl->setObjectName(QStringLiteral("TitlePnl"));
    TitlePnl->setAlignment(Qt::AlignCenter);
    TitlePnl->setAutoFillBackground(true);
    TitlePnl->setFrameShape(QFrame::Panel);
    TitlePnl->setFrameShadow(QFrame::Raised);
    TitlePnl->setMinimumHeight(34);
    {
        QPalette pal = TitlePnl->palette();
        pal.setColor(QPalette::Window, QColor(0x00, 0xFF, 0xFF));      // aqua
        pal.setColor(QPalette::WindowText, Qt::black);
        TitlePnl->setPalette(pal);
        QFont f = TitlePnl->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 3);
        TitlePnl->setFont(f);
    }
    panelLayout->addWidget(TitlePnl);

    auto* projectRow = new QHBoxLayout;
    SelectBtn = MakeButton(MenuPnl, "SelectBtn", tr("&Select a Test"), 120);
    StartBtn = MakeButton(MenuPnl, "StartBtn", tr("Start &New Test"), 70);
    projectRow->addWidget(SelectBtn);
    projectRow->addWidget(StartBtn);
    panelLayout->addLayout(projectRow);

    auto makeGroup = [this](const char* name, const QString& caption) {
        auto* g = new QGroupBox(caption, MenuPnl);
        g->setObjectName(QString::fromLatin1(name));
        QPalette pal = g->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        g->setPalette(pal);
        auto* l = new QGridLayout(g);
        l->setSpacing(6);
        return g;
    };
    auto* grid = new QGridLayout;
    grid->setSpacing(8);
    GroupBox1 = makeGroup("GroupBox1", tr("  Create Questions "));
    AddBtn = MakeButton(GroupBox1, "AddBtn", tr("&Add a Question"), 100);
    EditBtn = MakeButton(GroupBox1, "EditBtn", tr("&Edit a Question"), 160);
    ViewBtn = MakeButton(GroupBox1, "ViewBtn", tr("&View a Question"), 170);
    DeleteBtn = MakeButton(GroupBox1, "DeleteBtn", tr("&Delete a Question"), 180);
    GroupBox2 = makeGroup("GroupBox2", tr("  Create Program  "));
    PreviewBtn = MakeButton(GroupBox2, "PreviewBtn", tr("&Pre-View Test"), 360);
    CompileBtn = MakeButton(GroupBox2, "CompileBtn", tr("&Compile Test"), 365);
    ExecBtn = MakeButton(GroupBox2, "ExecBtn", tr("Create E&xecutable"), 370);
    DistribBtn = MakeButton(GroupBox2, "DistribBtn", tr("P&repare Distribution"), 380);
    GroupBox3 = makeGroup("GroupBox3", tr("  Customize  "));
    CustChapBtn = MakeButton(GroupBox3, "CustChapBtn", tr("&Test Presentation"), 200);
    CustBookBtn = MakeButton(GroupBox3, "CustBookBtn", tr("Progra&m Presentation"), 230);
    ReorgBtn = MakeButton(GroupBox3, "ReorgBtn", tr("Program &Utilities"), 240);
    GroupBox4 = makeGroup("GroupBox4", tr("  Help  "));
    AboutBtn = MakeButton(GroupBox4, "AboutBtn", tr("A&bout This Program"), 80);
    HelpBtn = MakeButton(GroupBox4, "HelpBtn", tr("&Help"), 0);
    TutBtn = MakeButton(GroupBox4, "TutBtn", tr("Tut&orial"), 1);
    QuitBtn = MakeButton(GroupBox4, "QuitBtn", tr("&Quit"), 0);
    auto fill = [](QGroupBox* g, std::initializer_list<QPushButton*> buttons) {
        auto* l = static_cast<QGridLayout*>(g->layout());
        int i = 0;
        for (QPushButton* b : buttons) {
            l->addWidget(b, i / 2, i % 2);
            ++i;
        }
    };
    fill(GroupBox1, {AddBtn, EditBtn, ViewBtn, DeleteBtn});
    fill(GroupBox2, {PreviewBtn, CompileBtn, ExecBtn, DistribBtn});
    fill(GroupBox3, {CustChapBtn, CustBookBtn, ReorgBtn});
    fill(GroupBox4, {AboutBtn, HelpBtn, TutBtn, QuitBtn});
    grid->addWidget(GroupBox1, 0, 0);
    grid->addWidget(GroupBox2, 0, 1);
    grid->addWidget(GroupBox3, 1, 0);
    grid->addWidget(GroupBox4, 1, 1);
    panelLayout->addLayout(grid);
    // The panel is sized when it is first shown (SizePanel), after the
    // window's first paint.
    MenuPnl->hide();

    // ---- wait panel ----
    waitpnl = new QLabel(tr("Working. Please wait..."), wiaTile2);
    waitpnl->setObjectName(QStringLiteral("waitpnl"));
    waitpnl->setAlignment(Qt::AlignCenter);
    waitpnl->setFrameShape(QFrame::Panel);
    waitpnl->setFrameShadow(QFrame::Raised);
    waitpnl->setLineWidth(2);
    waitpnl->setAutoFillBackground(true);
    {
        QPalette pal = waitpnl->palette();
        pal.setColor(QPalette::Window, QColor(0x00, 0xFF, 0xFF));      // aqua, like the title
        pal.setColor(QPalette::WindowText, Qt::black);
        waitpnl->setPalette(pal);
        QFont f = waitpnl->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 4);
        waitpnl->setFont(f);
    }
    waitpnl->resize(320, 70);
    waitpnl->hide();

    // ---- status line ----
    StatusPnl = new QFrame(central);
    StatusPnl->setObjectName(QStringLiteral("StatusPnl"));
    StatusPnl->setFrameShape(QFrame::Panel);
    StatusPnl->setFrameShadow(QFrame::Sunken);
    SetHelpContext(StatusPnl, 1);
    auto* statusLayout = new QHBoxLayout(StatusPnl);
    statusLayout->setContentsMargins(4, 2, 4, 2);
    StatusText = new QLabel(StatusPnl);
    StatusText->setObjectName(QStringLiteral("StatusText"));
    StatusText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    statusLayout->addWidget(StatusText, 1);
    ProjectPnl = new QFrame(StatusPnl);
    ProjectPnl->setObjectName(QStringLiteral("ProjectPnl"));
    ProjectPnl->setFrameShape(QFrame::Panel);
    ProjectPnl->setFrameShadow(QFrame::Sunken);
    SetHelpContext(ProjectPnl, 1);
    auto* projectLayout = new QHBoxLayout(ProjectPnl);
    projectLayout->setContentsMargins(4, 0, 4, 0);
    ProjectCaption = new QLabel(tr("  Current Test  :"), ProjectPnl);
    ProjectCaption->setObjectName(QStringLiteral("ProjectCaption"));
    ProjectLbl = new QLabel(tr("None Selected"), ProjectPnl);
    ProjectLbl->setObjectName(QStringLiteral("ProjectLbl"));
    ProjectLbl->setMinimumWidth(160);
    projectLayout->addWidget(ProjectCaption);
    projectLayout->addWidget(ProjectLbl);
    statusLayout->addWidget(ProjectPnl);
    centralLayout->addWidget(StatusPnl);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &Ttestmainform::Timer1Timer);

    // The command table: the operation each button runs, whether the
    // enabling is refreshed after it, where the focus goes (the first
    // enabled of two), and whether the wait panel shows meanwhile.
    Commands = {
        {SelectBtn, "SelectTest", true, AddBtn, SelectBtn, false},
        {StartBtn, "StartNewTest", true, AddBtn, StartBtn, false},
        {AddBtn, "AddQuestions", true, AddBtn, nullptr, false},
        {EditBtn, "EditQuestion", false, EditBtn, nullptr, false},
        {ViewBtn, "ViewQuestion", false, ViewBtn, nullptr, false},
        {DeleteBtn, "DeleteQuestion", true, DeleteBtn, AddBtn, false},
        {CustChapBtn, "TestPresentationMenu", false, CustChapBtn, nullptr, false},
        {CustBookBtn, "ProgramConfigDialog", false, CustBookBtn, nullptr, false},
        {ReorgBtn, "ProgramUtilities", true, ReorgBtn, nullptr, false},
        {PreviewBtn, "PreviewTest", false, PreviewBtn, nullptr, false},
        {CompileBtn, "CompileTest", false, CompileBtn, nullptr, true},
        {ExecBtn, "CreateExecutable", false, ExecBtn, nullptr, true},
        {DistribBtn, "PrepareDistribution", false, DistribBtn, nullptr, true},
        {TutBtn, "ShowTutorial", false, TutBtn, nullptr, false},
        {AboutBtn, "ShowAboutBox", false, AboutBtn, nullptr, false},
    };
    for (const TCommand& c : Commands)
        connect(c.Button, &QPushButton::clicked, this, [this, b = c.Button] { RunButton(b); });
    connect(HelpBtn, &QPushButton::clicked, this, &Ttestmainform::HelpBtnClick);
    connect(QuitBtn, &QPushButton::clicked, this, &Ttestmainform::QuitBtnClick);

    // The operations the buttons run.
    Operations = {
        {QStringLiteral("SelectTest"), [] { SelectTest(); }},
        {QStringLiteral("StartNewTest"), [] { StartNewTest(); }},
        {QStringLiteral("AddQuestions"), [] { AddQuestions(); }},
        {QStringLiteral("EditQuestion"), [] { EditQuestion(); }},
        {QStringLiteral("ViewQuestion"), [] { ViewQuestion(); }},
        {QStringLiteral("DeleteQuestion"), [] { DeleteQuestion(); }},
        {QStringLiteral("TestPresentationMenu"), [] { TestPresentationMenu(); }},
        {QStringLiteral("ProgramConfigDialog"),
         [] {
             if (ProgramConfigDialog(TestConfig.Presentation, TestConfig.Program, EntryPath))
                 SaveConfig();
         }},
        {QStringLiteral("ProgramUtilities"), [] { ProgramUtilities(); }},
        {QStringLiteral("PreviewTest"), [] { PreviewTest(); }},
        {QStringLiteral("CompileTest"), [] { CompileTest(); }},
        {QStringLiteral("CreateExecutable"), [] { CreateExecutable(); }},
        {QStringLiteral("PrepareDistribution"), [] { PrepareDistribution(); }},
        {QStringLiteral("ShowTutorial"), [] { ShowTutorial(); }},
        {QStringLiteral("ShowAboutBox"), [] { ShowAboutBox(); }},
    };

    // Creation sequence. The window opens maximised; where no window
    // manager maximises it (a bare X server), it is given the screen's
    // whole work area itself, which is what maximised means.
    const QScreen* scr = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect work = scr ? scr->availableGeometry() : QRect(0, 0, 640, 480);
    setGeometry(work);
    setWindowState(Qt::WindowMaximized);
    // The process-wide values were set by SetStartupValues (app/application.h).
    OpenDialog1.Title = tr(" Select a Test Project File");
    OpenDialog1.Filter = tr("Test Project Files") + QStringLiteral("|*.QXJ");
    OpenDialog1.DefaultExt = QStringLiteral("QXJ");
    OpenDialog1.HelpContext = 90;
    OpenDialog1.InitialDir = ProjectDir;
    setWindowTitle(tr("Quendra for Windows Ver 2.5"));
    RefreshCommands();
    MenuPnl->hide();
}

Ttestmainform::~Ttestmainform()
{
    if (testmainform == this)
        testmainform = nullptr;
}

void Ttestmainform::RefreshCommands()
{
    const bool open = !ProjectPath.isEmpty();
    ProjectLbl->setText(open ? ProjectBaseName() : tr("None Selected"));
    AddBtn->setEnabled(open);
    CustChapBtn->setEnabled(open);
    CustBookBtn->setEnabled(open);
    const bool haveQuestions = !QuestionPath.isEmpty() && QFileInfo::exists(ResolveCase(QuestionPath));
    for (QPushButton* b : {EditBtn, ViewBtn, DeleteBtn, PreviewBtn, CompileBtn, ExecBtn, DistribBtn})
        b->setEnabled(haveQuestions);
    for (QPushButton* b : {SelectBtn, StartBtn, ReorgBtn, AboutBtn, HelpBtn, TutBtn, QuitBtn})
        b->setEnabled(true);
}

void Ttestmainform::RunCommand(const std::function<void()>& operation, const std::function<void()>& after,
                               bool showWait)
{
    MenuPnl->hide();
    if (showWait) {
        CentrePanels();
        waitpnl->show();
        waitpnl->raise();
        waitpnl->repaint();
    }
    try {
        operation();
    } catch (const EQuendraError& e) {
        ShowError(e.Message());
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ShowError(tr("An unexpected error ended the command."));
    }
    waitpnl->hide();
    try {
        if (after)
            after();
    } catch (const EQuendraError& e) {
        ShowError(e.Message());
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    }
    SizePanel();
    CentrePanels();
    MenuPnl->show();
    MenuPnl->raise();
}

void Ttestmainform::FocusFirstEnabled(QPushButton* preferred, QPushButton* fallback)
{
    (preferred->isEnabled() ? preferred : fallback)->setFocus();
}

void Ttestmainform::Run(const QString& operation)
{
    const auto it = Operations.constFind(operation);
    // A button naming no operation is a programming error: stop at once
    // rather than let the button silently do nothing.
    if (it == Operations.constEnd() || !*it)
        qFatal("Ttestmainform: no operation named \"%s\"", qPrintable(operation));
    (*it)();
}

const Ttestmainform::TCommand* Ttestmainform::CommandOf(const QPushButton* button) const
{
    for (const TCommand& c : Commands)
        if (c.Button == button)
            return &c;
    return nullptr;
}

void Ttestmainform::RunButton(QPushButton* button)
{
    const TCommand* c = CommandOf(button);
    if (!c)
        qFatal("Ttestmainform: no command for the button %s", qPrintable(button->objectName()));
    const QString operation = QString::fromLatin1(c->Operation);
    RunCommand([this, operation] { Run(operation); },
               c->Refresh ? std::function<void()>([this] { RefreshCommands(); }) : std::function<void()>(),
               c->Wait);
    // The focus returns to the panel, so the keyboard keeps working after the
    // command (the panel was hidden with the focus inside it).
    FocusFirstEnabled(c->Focus, c->FocusFallback ? c->FocusFallback : c->Focus);
}

void Ttestmainform::SelectBtnClick() { RunButton(SelectBtn); }
void Ttestmainform::StartBtnClick() { RunButton(StartBtn); }
void Ttestmainform::AddBtnClick() { RunButton(AddBtn); }
void Ttestmainform::EditBtnClick() { RunButton(EditBtn); }
void Ttestmainform::ViewBtnClick() { RunButton(ViewBtn); }
void Ttestmainform::DeleteBtnClick() { RunButton(DeleteBtn); }
void Ttestmainform::CustChapBtnClick() { RunButton(CustChapBtn); }
void Ttestmainform::CustBookBtnClick() { RunButton(CustBookBtn); }
void Ttestmainform::ReorgBtnClick() { RunButton(ReorgBtn); }
void Ttestmainform::PreviewBtnClick() { RunButton(PreviewBtn); }
void Ttestmainform::CompileBtnClick() { RunButton(CompileBtn); }
void Ttestmainform::ExecBtnClick() { RunButton(ExecBtn); }
void Ttestmainform::DistribBtnClick() { RunButton(DistribBtn); }
void Ttestmainform::TutBtnClick() { RunButton(TutBtn); }
void Ttestmainform::AboutBtnClick() { RunButton(AboutBtn); }

void Ttestmainform::HelpBtnClick()
{
    ShowHelp(HelpFilePath, 1);
    HelpBtn->setFocus();
}

void Ttestmainform::QuitBtnClick() { close(); }

void Ttestmainform::SizePanel()
{
    if (FPanelSized)
        return;
    FPanelSized = true;
    const QSize hint = MenuPnl->sizeHint();
    MenuPnl->resize(std::max(hint.width(), 560), hint.height());
}

void Ttestmainform::Timer1Timer()
{
    Timer1->stop();
    // The window is up: the design area is centred in its real frame.
    SetDesignOrigin(frameGeometry());
    try {
        if (LowColourDisplay)
            ShowColourWarning();
    } catch (...) {
    }
    SizePanel();
    CentrePanels();
    MenuPnl->show();
    MenuPnl->raise();
    HelpBtn->setFocus();
    if (!StartupFile.isEmpty()) {
        const QString file = StartupFile;
        StartupFile.clear();
        RunCommand([file] { OpenStartupFile(file); }, [this] { RefreshCommands(); });
        FocusFirstEnabled(AddBtn, SelectBtn);
    }
}

void Ttestmainform::CentrePanels()
{
    const int w = wiaTile2->width();
    const int h = wiaTile2->height();
    MenuPnl->move(w / 2 - MenuPnl->width() / 2, h / 2 - MenuPnl->height() / 2);
    waitpnl->move(w / 2 - waitpnl->width() / 2, h / 2 - waitpnl->height() / 2);
}

bool Ttestmainform::event(QEvent* e)
{
    if (e->type() == QEvent::StatusTip) {
        StatusText->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    if (e->type() == QEvent::WindowActivate)
        CentrePanels();
    return QMainWindow::event(e);
}

void Ttestmainform::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!FTimerStarted) {
        FTimerStarted = true;
        Timer1->start();
    }
}

void Ttestmainform::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    CentrePanels();
}

bool Ttestmainform::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == wiaTile2 && e->type() == QEvent::Resize)
        CentrePanels();
    return QMainWindow::eventFilter(watched, e);
}
