#include "runtime/readdataform.h"

#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "runtime/reportprint.h"
#include "runtime/results.h"
#include "runtime/resultsreport.h"

#include <QApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace {

constexpr int HelpContext = 345;

// Control characters other than tab would show as nothing or break the
// layout; they are shown as the replacement character.
QString Displayable(const QString& line, int limit)
{
    QString out = line.left(limit);
    for (QChar& c : out)
        if ((c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7F)
            c = QChar(QChar::ReplacementCharacter);
    if (line.size() > limit)
        out += QChar(0x2026);   // the rest of an overlong line is left out
    return out;
}

} // namespace

TReadDataForm::TReadDataForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TReadDataForm"));
    setWindowTitle(tr("Analyze a Test Results .QXD file"));
    setSizeGripEnabled(true);
    SetHelpContext(this, HelpContext);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(tr("Test results"));
    Memo1->setReadOnly(true);
    Memo1->setTabChangesFocus(true);   // Tab reaches the buttons
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont memoFont(QStringLiteral("Arial"));
    memoFont.setStyleHint(QFont::SansSerif);
    memoFont.setPointSize(10);
    Memo1->setFont(memoFont);

    BottomPnl = new QWidget(this);
    BottomPnl->setObjectName(QStringLiteral("BottomPnl"));
    BottomPnl->setFixedHeight(44);
    ButtonPnl = new QWidget(BottomPnl);
    ButtonPnl->setObjectName(QStringLiteral("ButtonPnl"));
    auto makeButton = [this](const QString& name, const QString& caption, const QString& accessible) {
        auto* b = new QPushButton(caption, ButtonPnl);
        b->setObjectName(name);
        b->setAccessibleName(accessible);
        b->setAutoDefault(false);
        return b;
    };
    BitBtn4 = makeButton(QStringLiteral("BitBtn4"), tr("&Help"), tr("Help"));
    BitBtn1 = makeButton(QStringLiteral("BitBtn1"), tr("&Print"), tr("Print"));
    BitBtn2 = makeButton(QStringLiteral("BitBtn2"), tr("&Open"), tr("Open"));
    BitBtn3 = makeButton(QStringLiteral("BitBtn3"), tr("&Close"), tr("Close"));
    BitBtn2->setDefault(true);
    BitBtn1->setEnabled(false);   // nothing to print until a file is open
    auto* row = new QHBoxLayout(ButtonPnl);
    row->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {BitBtn4, BitBtn1, BitBtn2, BitBtn3})
        row->addWidget(b);
    ButtonPnl->adjustSize();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Memo1, 1);
    layout->addWidget(BottomPnl);

    connect(BitBtn4, &QPushButton::clicked, this, &TReadDataForm::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TReadDataForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TReadDataForm::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::accept);

    BottomPnl->installEventFilter(this);
    resize(qMax(419, ButtonPnl->sizeHint().width() + 24), 282);
    CentreButtons();
    BitBtn2->setFocus();
}

void TReadDataForm::CentreButtons()
{
    // The button bar stays centred however the window is sized.
    const QSize size = ButtonPnl->sizeHint();
    ButtonPnl->setGeometry(BottomPnl->width() / 2 - size.width() / 2,
                           (BottomPnl->height() - size.height()) / 2, size.width(), size.height());
}

void TReadDataForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    CentreButtons();
}

bool TReadDataForm::eventFilter(QObject* watched, QEvent* event)
{
    // The layout sizes the bar with the window: centre the buttons again.
    if (watched == BottomPnl && event->type() == QEvent::Resize)
        CentreButtons();
    return QDialog::eventFilter(watched, event);
}

bool TReadDataForm::LoadFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowError(tr("Cannot open file %1\n%2").arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return false;
    }
    const QByteArray bytes = file.read(MaxFileBytes);
    bool cut = !file.atEnd();
    if (file.error() != QFileDevice::NoError) {
        ShowError(tr("Cannot read file %1\n%2").arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return false;
    }
    Lines = UnscrambleResultsLines(ResultsBytesToLines(bytes));
    if (Lines.size() > MaxShownLines) {
        Lines.resize(MaxShownLines);
        cut = true;
    }
    FileName = fileName;
    QStringList shown;
    shown.reserve(Lines.size());
    for (const QString& line : Lines)
        shown << Displayable(line, MaxShownLine);
    Memo1->setPlainText(shown.join(u'\n'));
    BitBtn1->setEnabled(true);
    if (cut)
        ShowInfo(tr("%1 is larger than a results file can be; only its beginning is shown.")
                     .arg(QDir::toNativeSeparators(fileName)));
    return true;
}

void TReadDataForm::BitBtn2Click()
{
    TFileDialogOptions options;
    options.Title = tr("Select an Quendra Data File");
    options.Filter = tr("Quendra Data Files  *.QXD|*.QXD");
    options.DefaultExt = QStringLiteral("QXD");
    options.HelpContext = HelpContext;
    QString name;
    if (ExecuteOpenDialog(options, name))
        LoadFile(name);
}

void TReadDataForm::BitBtn1Click()
{
    const QStringList lines = Memo1->toPlainText().split(u'\n');
    QString pdf = FileName;
    if (!pdf.isEmpty())
        pdf = QFileInfo(pdf).path() + u'/' + QFileInfo(pdf).completeBaseName() + QStringLiteral(".pdf");
    PrintLinesWithDialog(lines, pdf);
}

void TReadDataForm::BitBtn4Click() { ShowHelp(HelpContext); }

void AnalyzeResults(const QString& fileName)
{
    TReadDataForm form(QApplication::activeWindow());
    if (!fileName.isEmpty() && !form.LoadFile(fileName))
        return;
    ShowModal(form);
}
