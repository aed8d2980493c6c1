#include "app/tutorialform.h"

#include "app/tutorial.h"
#include "model/companions.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/finddialog.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "platform/printdialogs.h"
#include "platform/richedit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// A selection this long or longer is not taken as the search text.
constexpr int LongestSelectionTaken = 29;
const char* const TutorialFileName = "QUEDRIX.RTF";

} // namespace

TTutorialForm::TTutorialForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TTutorialForm"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    SetHelpContext(this, 1);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MQuit = MainMenu1->addAction(tr("&Quit"));
    MQuit->setObjectName(QStringLiteral("MQuit"));
    MFind = MainMenu1->addAction(tr("&Find"));
    MFind->setObjectName(QStringLiteral("MFind"));
    MPrint = MainMenu1->addMenu(tr("&Print"));
    MPrint->setObjectName(QStringLiteral("MPrint"));
    MPrintPrint = MPrint->addAction(tr("&Print"));
    MPrintPrint->setObjectName(QStringLiteral("MPrintPrint"));
    MPrintSetup = MPrint->addAction(tr("Printer &Setup"));
    MPrintSetup->setObjectName(QStringLiteral("MPrintSetup"));

    RichEdit1 = new TRichEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->SetReadOnlyDisplay(true);
    RichEdit1->SetScrollBars(true, false);
    RichEdit1->SetInnerBorder(10);
    RichEdit1->SetHideSelection(false);

    FindDialog1 = new TFindDialog(this);
    FindDialog1->setObjectName(QStringLiteral("FindDialog1"));

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(RichEdit1);

    connect(MQuit, &QAction::triggered, this, &QDialog::accept);
    connect(MFind, &QAction::triggered, this, &TTutorialForm::MFindClick);
    connect(MPrintPrint, &QAction::triggered, this, &TTutorialForm::MPrintPrintClick);
    connect(MPrintSetup, &QAction::triggered, this, &TTutorialForm::MPrintSetupClick);
    connect(FindDialog1, &TFindDialog::Find, this, &TTutorialForm::FindDialog1Find);

    // Centred, at a comfortable reading size for the screen.
    QSize size(760, 560);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        size = size.boundedTo(avail.size() * 9 / 10);
        resize(size);
        move(avail.center() - QPoint(size.width() / 2, size.height() / 2));
    } else {
        resize(size);
    }
}

void TTutorialForm::LoadDocument(const QString& path)
{
    DocumentPath = path;
    setWindowTitle(QDir::toNativeSeparators(path));
    RichEdit1->LoadFromFile(path);
    RichEdit1->SetSelStart(0);
}

void TTutorialForm::MFindClick()
{
    const int length = RichEdit1->SelLength();
    if (length >= 1 && length <= LongestSelectionTaken)
        FindDialog1->SetFindText(RichEdit1->SelText());
    FindDialog1->Execute();
}

bool TTutorialForm::FindDialog1Find(const QString& text)
{
    if (text.isEmpty())
        return false;
    const int from = RichEdit1->SelStart() + RichEdit1->SelLength();
    const int at = RichEdit1->FindText(text, from, -1, false);
    if (at < 0) {
        QApplication::beep();
        return false;
    }
    RichEdit1->Select(at, int(text.size()));
    RichEdit1->ensureCursorVisible();
    return true;
}

void TTutorialForm::MPrintPrintClick()
{
    QPrinter& printer = SessionPrinter();
    if (ExecutePrintDialog(printer))
        RichEdit1->Print(printer, DocumentPath);
}

void TTutorialForm::MPrintSetupClick() { ExecutePrinterSetupDialog(SessionPrinter()); }

void ShowDocument(const QString& path)
{
    TTutorialForm form;
    form.LoadDocument(path);
    ShowModal(form);
}

QString MissingTutorialText()
{
    return QCoreApplication::translate("Tutorial", " The tutorial file %1%2 is missing.")
        .arg(QDir::toNativeSeparators(ProgramDir), QString::fromLatin1(TutorialFileName));
}

void ShowTutorial()
{
    const QString path = CompanionPath(QString::fromLatin1(TutorialFileName));
    if (!QFileInfo(path).isFile()) {
        ShowError(MissingTutorialText());
        return;
    }
    ShowDocument(path);
}
