#include "runtime/aboutbox.h"

#include "model/ansi.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "runtime/runscreens.h"

#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

static void InitRuntimeResources()
{
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(runtime);
        done = true;
    }
}

namespace {

// Layout of the panel, in pixels: the picture sits at the left, the three
// text lines beside it; without a picture the lines take the whole width.
constexpr int PanelWidth = 300;
constexpr int IconSize = 64;
constexpr int IconLeft = 8;
constexpr int TextLeftWithIcon = IconLeft + IconSize + 12;
constexpr int LineHeight = 20;

QLabel* MakeLabel(QWidget* parent, const char* name)
{
    QLabel* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace

QString AboutCommentText(const TAboutSpec& about)
{
    QString text;
    for (const auto& comment : about.Comment) {
        const QString line = comment.str();
        if (line.isEmpty())
            text += QStringLiteral("\r\n\r\n");
        else
            text += line + QLatin1Char(' ');
    }
    return text;
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    InitRuntimeResources();
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(tr("About"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setFixedWidth(PanelWidth);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(IconLeft, 8, IconSize, IconSize);
    ProgramIcon->setAlignment(Qt::AlignCenter);
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/quendra/runtime/about.png")));

    ProductName = MakeLabel(Panel1, "ProductName");
    Version = MakeLabel(Panel1, "Version");
    AuthorLbl = MakeLabel(Panel1, "AuthorLbl");
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);

    Comms = MakeLabel(Panel1, "Comms");
    Comms->setWordWrap(true);
    Comms->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    PlaceTextLabels(true);

    QVBoxLayout* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->addWidget(Panel1);
    QHBoxLayout* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addStretch();
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::PlaceTextLabels(bool withIcon)
{
    const int left = withIcon ? TextLeftWithIcon : 8;
    const int width = withIcon ? PanelWidth - left - 8 : PanelWidth - 16;
    ProductName->setGeometry(left, 10, width, LineHeight);
    Version->setGeometry(left, 10 + LineHeight, width, LineHeight);
    AuthorLbl->setGeometry(left, 10 + 2 * LineHeight, width, LineHeight);
}

bool TAboutBox::Prepare(const TAboutSpec& about, int mode)
{
    const bool author = mode == AboutModeAuthor;
    QString iconPath;
    if (author && about.UseIcon) {
        const QString name = about.IconFile.str();
        iconPath = name.isEmpty() ? QString() : ResolveCase(ProjectDir + name);
        if (iconPath.isEmpty() || !QFileInfo(iconPath).isFile()) {
            ShowError(tr("The Icon file %1 is missing").arg(name));
            return false;
        }
    }

    // An empty caption would leave the window nameless; keep "About" then.
    const QString caption = about.Caption.str();
    if (!caption.isEmpty())
        setWindowTitle(caption);

    if (author) {
        if (!iconPath.isEmpty()) {
            QPixmap icon(iconPath);
            ProgramIcon->setPixmap(icon.isNull() ? QPixmap()
                                                 : icon.scaled(IconSize, IconSize, Qt::KeepAspectRatio,
                                                               Qt::SmoothTransformation));
            ProgramIcon->show();
            PlaceTextLabels(true);
        } else {
            ProgramIcon->hide();
            PlaceTextLabels(false);
        }
    }

    ProductName->setText(about.ProgramName.str());
    Version->setText(about.VersionText.str());
    AuthorLbl->setText(about.AuthorText.str());

    // CR LF is one line break on screen.
    QString comments = AboutCommentText(about);
    comments.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Comms->setText(comments);
    const int top = 10 + 3 * LineHeight + 12;
    const int commsWidth = PanelWidth - 16;
    const int commsHeight = qMax(LineHeight, Comms->heightForWidth(commsWidth));
    Comms->setGeometry(8, top, commsWidth, commsHeight);
    Panel1->setFixedHeight(top + commsHeight + 10);
    return true;
}

void ShowAbout(const TAboutSpec& about, int mode)
{
    // Over the run's backdrop during a test run, else over the active window.
    TAboutBox box(RunWindowParent());
    if (!box.Prepare(about, mode))
        return;
    ShowModal(box);
}
