#include "authoring/questeditform.h"

#include "authoring/hyperlinks.h"
#include "model/ansi.h"
#include "model/entryfile.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/colorcombo.h"
#include "platform/colordialog.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "platform/textimport.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStringDecoder>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <QVBoxLayout>

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

// ---------------------------------------------------------------------------

QStringList TQuestEditForm::ColourNames() { return TColorCombo::ColourNames(); }

TQuestEditForm::TQuestEditForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("QuestEditForm"));
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, 150);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    // ---- top panel ----
    TopPnl = new QFrame(this);
    TopPnl->setObjectName(QStringLiteral("TopPnl"));
    TopPnl->setFrameShape(QFrame::StyledPanel);
    Label1 = MakeLabel(TopPnl, "Label1", tr("Font Name"));
    FontNameCombo = new QComboBox(TopPnl);
    FontNameCombo->setObjectName(QStringLiteral("FontNameCombo"));
    {
        QStringList families = QFontDatabase::families();
        families.removeDuplicates();
        families.sort(Qt::CaseInsensitive);
        FontNameCombo->addItems(families);
    }
    FontNameCombo->setMinimumWidth(120);
    FontNameCombo->setMaximumWidth(180);
    FontNameCombo->setMaxVisibleItems(16);
    Label2 = MakeLabel(TopPnl, "Label2", tr("Size"));
    sizeCombo = new QComboBox(TopPnl);
    sizeCombo->setObjectName(QStringLiteral("sizeCombo"));
    sizeCombo->setEditable(true);
    sizeCombo->setInsertPolicy(QComboBox::NoInsert);
    sizeCombo->addItems(FontSizeList());
    sizeCombo->setFixedWidth(50);
    Label3 = MakeLabel(TopPnl, "Label3", tr("Color"));
    ColorCombo = new TColorCombo(TopPnl);
    ColorCombo->setObjectName(QStringLiteral("ColorCombo"));
    Label4 = MakeLabel(TopPnl, "Label4", tr("Style"));
    BtnB = MakeButton(TopPnl, "BtnB", tr("B"));
    BtnI = MakeButton(TopPnl, "BtnI", tr("I"));
    Label5 = MakeLabel(TopPnl, "Label5", tr("HyperText"));
    BtnH = MakeButton(TopPnl, "BtnH", tr("H"));
    for (QPushButton* b : {BtnB, BtnI, BtnH}) {
        b->setCheckable(true);
        b->setFixedSize(26, 24);
        b->setFocusPolicy(Qt::TabFocus);
    }
    {
        QFont f = BtnB->font();
        f.setBold(true);
        BtnB->setFont(f);
        f = BtnI->font();
        f.setItalic(true);
        f.setBold(true);
        BtnI->setFont(f);
        f = BtnH->font();
        f.setUnderline(true);
        f.setBold(true);
        BtnH->setFont(f);
    }
    Label6 = MakeLabel(TopPnl, "Label6", tr("Background"));
    Button1 = MakeButton(TopPnl, "Button1", tr("Select"));
    AllBtn = MakeButton(TopPnl, "AllBtn", tr("Select All Text"));
    Button2 = MakeButton(TopPnl, "Button2", tr("Clear Text"));
    ImportBtn = MakeButton(TopPnl, "ImportBtn", tr("&Import File"));
    {
        auto* g = new QGridLayout(TopPnl);
        g->setContentsMargins(4, 4, 4, 4);
        g->setHorizontalSpacing(4);
        g->setVerticalSpacing(1);
        g->addWidget(Label1, 0, 0);
        g->addWidget(FontNameCombo, 1, 0);
        g->addWidget(Label2, 0, 1);
        g->addWidget(sizeCombo, 1, 1);
        g->addWidget(Label3, 0, 2);
        g->addWidget(ColorCombo, 1, 2);
        g->addWidget(Label4, 0, 3, 1, 2);
        g->addWidget(BtnB, 1, 3);
        g->addWidget(BtnI, 1, 4);
        g->addWidget(Label5, 0, 5);
        g->addWidget(BtnH, 1, 5, Qt::AlignLeft);
        g->addWidget(Label6, 0, 6);
        g->addWidget(Button1, 1, 6);
        // The text buttons stand two high so that the panel fits the
        // 640-pixel window in any desktop font.
        g->addWidget(AllBtn, 0, 7);
        g->addWidget(Button2, 1, 7);
        g->addWidget(ImportBtn, 0, 8, 2, 1);
        g->setColumnStretch(9, 1);
    }

    // ---- the editor ----
    RichEdit1 = new TRichEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->SetScrollBars(true, false);

    // ---- bottom panel ----
    BottomPnl = new QFrame(this);
    BottomPnl->setObjectName(QStringLiteral("BottomPnl"));
    BottomPnl->setFrameShape(QFrame::StyledPanel);
    Button10 = MakeButton(BottomPnl, "Button10", tr("Define HyperText Information"));
    SaveBtn = MakeButton(BottomPnl, "SaveBtn", tr("&Save"));
    OKBtn = MakeButton(BottomPnl, "OKBtn", tr("&Cancel"));
    {
        auto* h = new QHBoxLayout(BottomPnl);
        h->setContentsMargins(6, 4, 6, 4);
        h->addWidget(Button10);
        h->addStretch(1);
        h->addWidget(SaveBtn);
        h->addWidget(OKBtn);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TopPnl);
    layout->addWidget(RichEdit1, 1);
    layout->addWidget(BottomPnl);
    resize(640, 480);

    connect(RichEdit1, &TRichEdit::SelectionChange, this, &TQuestEditForm::RichEdit1SelectionChange);
    connect(FontNameCombo, &QComboBox::activated, this, &TQuestEditForm::FontNameComboChange);
    connect(sizeCombo, &QComboBox::activated, this, &TQuestEditForm::sizeComboChange);
    connect(sizeCombo->lineEdit(), &QLineEdit::returnPressed, this, &TQuestEditForm::sizeComboTyped);
    connect(ColorCombo, &QComboBox::activated, this, &TQuestEditForm::ColorComboChange);
    connect(BtnB, &QPushButton::clicked, this, &TQuestEditForm::BtnBClick);
    connect(BtnI, &QPushButton::clicked, this, &TQuestEditForm::BtnIClick);
    connect(BtnH, &QPushButton::clicked, this, &TQuestEditForm::BtnHClick);
    connect(Button1, &QPushButton::clicked, this, &TQuestEditForm::Button1Click);
    connect(AllBtn, &QPushButton::clicked, this, &TQuestEditForm::AllBtnClick);
    connect(Button2, &QPushButton::clicked, this, &TQuestEditForm::Button2Click);
    connect(ImportBtn, &QPushButton::clicked, this, &TQuestEditForm::ImportBtnClick);
    connect(Button10, &QPushButton::clicked, this, &TQuestEditForm::Button10Click);
    connect(SaveBtn, &QPushButton::clicked, this, &TQuestEditForm::SaveBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::reject);

    RichEdit1SelectionChange();
    RichEdit1->SetModified(false);
    RichEdit1->setFocus();
}

void TQuestEditForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TQuestEditForm::Load(bool addMode, const TQuestionRecord& record)
{
    Record = record;
    AddMode = addMode;
    TextStored = false;
    RichEdit1->SetColor(ColourToQColor(Record.TextBackColor));
    QStringList lines;
    EntryFound = ReadQuestionEntry(EntryPath, Record.Identifier.str(), lines);
    if (EntryFound && !lines.isEmpty()) {
        try {
            RichEdit1->LoadFromLines(lines);
        } catch (const EQuendraError& e) {
            // A damaged text is shown as it is stored rather than lost.
            ShowError(e.Message());
            RichEdit1->SetText(lines.join(u'\n'));
        }
    }
    RichEdit1->SetModified(false);
    RichEdit1->SetSelStart(0);
    RichEdit1SelectionChange();
}

void TQuestEditForm::RichEdit1SelectionChange()
{
    const TTextAttributes a = RichEdit1->SelAttributes();
    const TAttributes same = RichEdit1->ConsistentAttributes();
    BtnB->setChecked(same.testFlag(TAttribute::Bold) && a.Bold);
    BtnI->setChecked(same.testFlag(TAttribute::Italic) && a.Italic);
    BtnH->setChecked(same.testFlag(TAttribute::Underline) && a.Underline);
    FontNameCombo->setCurrentIndex(same.testFlag(TAttribute::Name) ? FontNameCombo->findText(a.Name) : -1);
    if (same.testFlag(TAttribute::Size)) {
        const QString size = QString::number(a.Size);
        sizeCombo->setCurrentIndex(sizeCombo->findText(size));
        sizeCombo->setEditText(size);
    } else {
        sizeCombo->setCurrentIndex(-1);
        sizeCombo->setEditText(QString());
    }
    int colour = -1;
    if (same.testFlag(TAttribute::Color))
        colour = a.Color.isValid() ? ColorCombo->IndexOfColour(QColorToColour(a.Color)) : 0;
    ColorCombo->setCurrentIndex(colour);
}

void TQuestEditForm::ApplyAttributes(const TTextAttributes& attributes, TAttributes which)
{
    {
        TWaitCursor wait;
        RichEdit1->SetSelAttributes(attributes, which);
    }
    RichEdit1->setFocus();
    RichEdit1SelectionChange();
}

void TQuestEditForm::FontNameComboChange(int index)
{
    if (index < 0)
        return;
    TTextAttributes a;
    a.Name = FontNameCombo->itemText(index);
    ApplyAttributes(a, TAttribute::Name);
}

void TQuestEditForm::sizeComboChange(int index)
{
    if (index < 0)
        return;
    TTextAttributes a;
    if (!TryStrToInt(sizeCombo->itemText(index), a.Size))
        a.Size = 10;
    ApplyAttributes(a, TAttribute::Size);
}

void TQuestEditForm::sizeComboTyped()
{
    // A typed size is applied when it is a sensible point size; anything
    // else puts the box back to the selection's size.
    TTextAttributes a;
    if (TryStrToInt(sizeCombo->currentText(), a.Size) && a.Size >= 1 && a.Size <= 1638)
        ApplyAttributes(a, TAttribute::Size);
    else
        RichEdit1SelectionChange();
}

void TQuestEditForm::ColorComboChange(int index)
{
    if (index < 0)
        return;
    TTextAttributes a;
    a.Color = ColourToQColor(ColorCombo->ItemColour(index));
    ApplyAttributes(a, TAttribute::Color);
}

void TQuestEditForm::BtnBClick(bool down)
{
    TTextAttributes a;
    a.Bold = down;
    ApplyAttributes(a, TAttribute::Bold);
}

void TQuestEditForm::BtnIClick(bool down)
{
    TTextAttributes a;
    a.Italic = down;
    ApplyAttributes(a, TAttribute::Italic);
}

void TQuestEditForm::BtnHClick(bool down)
{
    TTextAttributes a;
    a.Underline = down;
    ApplyAttributes(a, TAttribute::Underline);
}

void TQuestEditForm::Button1Click()
{
    QColor colour = RichEdit1->Color();
    if (ExecuteColorDialog(colour))
        RichEdit1->SetColor(colour);
    RichEdit1->setFocus();
}

void TQuestEditForm::AllBtnClick()
{
    RichEdit1->Select(0, RichEdit1->TextLength());
    RichEdit1->setFocus();
    RichEdit1SelectionChange();
}

void TQuestEditForm::Button2Click()
{
    RichEdit1->Clear();
    RichEdit1->setFocus();
    RichEdit1SelectionChange();
}

void TQuestEditForm::ImportBtnClick()
{
    TFileDialogOptions options;
    options.Title = tr("Select a Text File");
    options.Filter = tr("All Files|*.*");
    options.HelpContext = 615;
    options.InitialDir = ProjectDir;
    QString file;
    if (ExecuteOpenDialog(options, file)) {
        try {
            const QByteArray bytes = ReadWholeFile(ResolveCase(file));
            if (LooksLikeRtf(bytes))
                RichEdit1->LoadFromStream(bytes);
            else
                RichEdit1->SetText(DecodePlainText(bytes));
            RichEdit1->SetModified(true);
        } catch (const EQuendraError& e) {
            // The text in the editor stays as it was.
            ShowError(e.Message());
        }
    }
    RichEdit1->setFocus();
    RichEdit1SelectionChange();
}

void TQuestEditForm::Button10Click() { done(mrHyperlinks); }

void TQuestEditForm::SaveBtnClick()
{
    if (RichEdit1->LineCount() > 0) {
        const QStringList lines = RichEdit1->SaveToLines();
        const QString identifier = Record.Identifier.str();
        try {
            if (EntryFound)
                ReplaceQuestionEntry(EntryPath, identifier, lines);
            else
                AppendQuestionEntry(EntryPath, identifier, lines);
        } catch (const EQuendraError& e) {
            // The editor stays open with its text, so nothing typed is lost.
            ShowError(e.Message());
            return;
        }
        Record.TextBackColor = QColorToColour(RichEdit1->Color());
        EntryFound = true;
        TextStored = true;
    }
    accept();
}

bool RunQuestionTextEditor(bool addMode, TQuestionRecord& record)
{
    TQuestEditForm form;
    form.Load(addMode, record);
    for (;;) {
        const int result = ShowModal(form);
        if (result == TQuestEditForm::mrHyperlinks) {
            DefineHyperlinks(form.RichEdit1->SaveToStream());
            form.RichEdit1->setFocus();
            continue;
        }
        if (result == QDialog::Accepted) {
            if (!form.TextStored)
                return false;
            record = form.Record;
            return true;
        }
        return form.EntryFound;
    }
}
