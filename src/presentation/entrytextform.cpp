#include "presentation/entrytextform.h"

#include "model/ansi.h"
#include "model/entryfile.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/colorcombo.h"
#include "platform/colordialog.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/messages.h"
#include "platform/richedit.h"
#include "platform/textimport.h"
#include "presentation/formkit.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStringDecoder>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <QVBoxLayout>

TEntryTextForm::TEntryTextForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Press F1 for Help"));
    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("TopPnl"));
    QLabel* nameLbl = MakeLabel(top, "Label1", tr("Name"));
    ComboBox1 = new QComboBox(top);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setAccessibleName(tr("Name"));
    {
        QStringList families = QFontDatabase::families();
        families.removeDuplicates();
        families.sort(Qt::CaseInsensitive);
        ComboBox1->addItems(families);
    }
    ComboBox1->setMaximumWidth(170);
    QLabel* sizeLbl = MakeLabel(top, "Label2", tr("Size"));
    ComboBox2 = new QComboBox(top);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setAccessibleName(tr("Size"));
    ComboBox2->addItems(FontSizeList());
    QLabel* colourLbl = MakeLabel(top, "Label3", tr("Color"));
    ComboBox3 = new TColorCombo(top);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->setAccessibleName(tr("Color"));
    nameLbl->setBuddy(ComboBox1);
    sizeLbl->setBuddy(ComboBox2);
    colourLbl->setBuddy(ComboBox3);
    BtnB = MakeButton(top, "BtnB", tr("B"));
    BtnB->setAccessibleName(tr("Bold"));
    BtnI = MakeButton(top, "BtnI", tr("I"));
    BtnI->setAccessibleName(tr("Italic"));
    for (QPushButton* b : {BtnB, BtnI}) {
        b->setCheckable(true);
        b->setFixedSize(26, 24);
        QFont f = b->font();
        f.setBold(true);
        f.setItalic(b == BtnI);
        b->setFont(f);
    }
    BtnB->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    BtnI->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    Button1 = MakeButton(top, "Button1", tr("&Select All Text"));
    Button2 = MakeButton(top, "Button2", tr("Clear All &Text"));
    ImportBtn = MakeButton(top, "ImportBtn", tr("&Import File"));
    GroupBox1 = MakeGroup(top, "GroupBox1", tr("Background"));
    Button3 = MakeButton(GroupBox1, "Button3", tr("Color"));
    Button3->setAccessibleDescription(tr("Background"));
    (new QHBoxLayout(GroupBox1))->addWidget(Button3);
    {
        auto* g = new QGridLayout(top);
        g->setContentsMargins(4, 4, 4, 4);
        g->setVerticalSpacing(1);
        g->addWidget(nameLbl, 0, 0);
        g->addWidget(ComboBox1, 1, 0);
        g->addWidget(sizeLbl, 0, 1);
        g->addWidget(ComboBox2, 1, 1);
        g->addWidget(colourLbl, 0, 2);
        g->addWidget(ComboBox3, 1, 2);
        g->addWidget(BtnB, 1, 3);
        g->addWidget(BtnI, 1, 4);
        g->addWidget(Button1, 0, 5);
        g->addWidget(Button2, 1, 5);
        g->addWidget(ImportBtn, 0, 6, 2, 1);
        g->addWidget(GroupBox1, 0, 7, 2, 1);
        g->setColumnStretch(8, 1);
    }
    RichEdit1 = new TRichEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(tr("Text"));
    RichEdit1->SetScrollBars(true, false);

    auto* bottom = new QWidget(this);
    bottom->setObjectName(QStringLiteral("BottomPnl"));
    ViewBtn = MakeButton(bottom, "ViewBtn", tr("&View"));
    AdjustBtn = MakeButton(bottom, "AdjustBtn", tr("&Adjust Text Window"));
    OKBtn = MakeButton(bottom, "OKBtn", tr("&OK"));
    CancelBtn = MakeButton(bottom, "CancelBtn", tr("&Cancel"));
    {
        auto* h = new QHBoxLayout(bottom);
        h->setContentsMargins(6, 4, 6, 4);
        h->addWidget(ViewBtn);
        h->addWidget(AdjustBtn);
        h->addStretch(1);
        h->addWidget(OKBtn);
        h->addWidget(CancelBtn);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(RichEdit1, 1);
    layout->addWidget(bottom);
    resize(640, 440);

    connect(RichEdit1, &TRichEdit::SelectionChange, this, &TEntryTextForm::RichEdit1SelectionChange);
    connect(ComboBox1, &QComboBox::activated, this, &TEntryTextForm::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TEntryTextForm::ComboBox2Change);
    connect(ComboBox3, &QComboBox::activated, this, &TEntryTextForm::ComboBox3Change);
    connect(BtnB, &QPushButton::clicked, this, &TEntryTextForm::BtnBClick);
    connect(BtnI, &QPushButton::clicked, this, &TEntryTextForm::BtnIClick);
    connect(Button1, &QPushButton::clicked, this, &TEntryTextForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TEntryTextForm::Button2Click);
    connect(ImportBtn, &QPushButton::clicked, this, &TEntryTextForm::ImportBtnClick);
    connect(Button3, &QPushButton::clicked, this, &TEntryTextForm::Button3Click);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    RichEdit1SelectionChange();
    RichEdit1->SetModified(false);
    RichEdit1->setFocus();
}

void TEntryTextForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!FPlaced) {
        FPlaced = true;
        CentreOnScreen(this);
    }
}

void TEntryTextForm::LoadText(const QStringList& lines)
{
    try {
        RichEdit1->LoadFromLines(lines);
    } catch (const EQuendraError&) {
        RichEdit1->SetText(lines.join(u'\n'));
    }
    RichEdit1->SetModified(false);
    RichEdit1->SetSelStart(0);
    RichEdit1SelectionChange();
}

QStringList TEntryTextForm::EditorLines() const { return RichEdit1->SaveToLines(); }

bool TEntryTextForm::HasText() const { return RichEdit1->LineCount() > 0; }

void TEntryTextForm::RichEdit1SelectionChange()
{
    const TTextAttributes a = RichEdit1->SelAttributes();
    const TAttributes same = RichEdit1->ConsistentAttributes();
    BtnB->setChecked(same.testFlag(TAttribute::Bold) && a.Bold);
    BtnI->setChecked(same.testFlag(TAttribute::Italic) && a.Italic);
    ComboBox1->setCurrentIndex(same.testFlag(TAttribute::Name) ? ComboBox1->findText(a.Name) : -1);
    ComboBox2->setCurrentIndex(same.testFlag(TAttribute::Size) ? ComboBox2->findText(QString::number(a.Size)) : -1);
    int colour = -1;
    if (same.testFlag(TAttribute::Color))
        colour = a.Color.isValid() ? ComboBox3->IndexOfColour(QColorToColour(a.Color)) : 0;
    ComboBox3->setCurrentIndex(colour);
}

namespace {
void Apply(TEntryTextForm& form, const TTextAttributes& a, TAttributes which)
{
    {
        TWaitCursor wait;
        form.RichEdit1->SetSelAttributes(a, which);
    }
    form.RichEdit1->setFocus();
    form.RichEdit1SelectionChange();
}
} // namespace

void TEntryTextForm::ComboBox1Change(int index)
{
    if (index < 0)
        return;
    TTextAttributes a;
    a.Name = ComboBox1->itemText(index);
    Apply(*this, a, TAttribute::Name);
}

void TEntryTextForm::ComboBox2Change(int index)
{
    if (index < 0)
        return;
    TTextAttributes a;
    if (!TryStrToInt(ComboBox2->itemText(index), a.Size))
        a.Size = 10;
    Apply(*this, a, TAttribute::Size);
}

void TEntryTextForm::ComboBox3Change(int index)
{
    if (index < 0)
        return;
    TTextAttributes a;
    a.Color = ColourToQColor(ComboBox3->ItemColour(index));
    Apply(*this, a, TAttribute::Color);
}

void TEntryTextForm::BtnBClick(bool down)
{
    TTextAttributes a;
    a.Bold = down;
    Apply(*this, a, TAttribute::Bold);
}

void TEntryTextForm::BtnIClick(bool down)
{
    TTextAttributes a;
    a.Italic = down;
    Apply(*this, a, TAttribute::Italic);
}

void TEntryTextForm::Button1Click()
{
    RichEdit1->Select(0, RichEdit1->TextLength());
    RichEdit1->setFocus();
    RichEdit1SelectionChange();
}

void TEntryTextForm::Button2Click()
{
    RichEdit1->Clear();
    RichEdit1->SetModified(true);
    RichEdit1->setFocus();
    RichEdit1SelectionChange();
}

void TEntryTextForm::ImportBtnClick()
{
    TFileDialogOptions options;
    options.Title = FImportTitle;
    options.Filter = FImportFilter;
    options.InitialDir = ProjectDir;
    options.HelpContext = FHelpContext;
    QString file;
    if (ExecuteOpenDialog(options, file)) {
        try {
            const QByteArray bytes = ReadWholeFile(ResolveCase(file));
            if (QFileInfo(file).suffix().compare(QStringLiteral("RTF"), Qt::CaseInsensitive) == 0
                || bytes.trimmed().startsWith("{\\rtf"))
                RichEdit1->LoadFromStream(bytes);
            else
                RichEdit1->SetText(DecodePlainText(bytes));
            RichEdit1->SetModified(true);
        } catch (const EQuendraError& e) {
            ShowError(e.Message());
        }
    }
    RichEdit1->setFocus();
    RichEdit1SelectionChange();
}

void TEntryTextForm::Button3Click()
{
    QColor colour = RichEdit1->Color();
    if (ExecuteColorDialog(colour, FHelpContext)) {
        RichEdit1->SetColor(colour);
        BackgroundChosen(QColorToColour(colour));
    }
    RichEdit1->setFocus();
}
