#include "richedit.h"

#include "model/fileutil.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPageLayout>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>

#include <memory>

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    setTabChangesFocus(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QTextEdit::selectionChanged, this, &TRichEdit::SelectionChange);
    connect(this, &QTextEdit::cursorPositionChanged, this, &TRichEdit::SelectionChange);
    UpdateSelectionPalette();
}

// ---------------------------------------------------------------------------
// Content

void TRichEdit::LoadFromStream(const QByteArray& rtf)
{
    if (rtf.trimmed().isEmpty()) {
        Clear();
        return;
    }
    RtfToDocument(rtf, *document());   // throws before touching the document
    document()->clearUndoRedoStacks();
    moveCursor(QTextCursor::Start);
    document()->setModified(false);
}

void TRichEdit::LoadFromLines(const QStringList& lines)
{
    LoadFromStream(RtfLinesToStream(lines));
}

QStringList TRichEdit::SaveToLines() const
{
    return DocumentToRtfLines(*document());
}

QByteArray TRichEdit::SaveToStream() const
{
    return RtfLinesToStream(SaveToLines());
}

void TRichEdit::LoadFromFile(const QString& fileName)
{
    LoadFromStream(ReadWholeFile(ResolveCase(fileName)));
}

void TRichEdit::Clear()
{
    document()->clear();
    document()->clearUndoRedoStacks();
    document()->setModified(false);
}

QString TRichEdit::Text() const
{
    return document()->toPlainText();
}

void TRichEdit::SetText(const QString& text)
{
    setPlainText(text);
}

int TRichEdit::TextLength() const
{
    return document()->characterCount() - 1;
}

int TRichEdit::LineCount() const
{
    return TextLength() == 0 ? 0 : document()->blockCount();
}

bool TRichEdit::Modified() const
{
    return document()->isModified();
}

void TRichEdit::SetModified(bool modified)
{
    document()->setModified(modified);
}

// ---------------------------------------------------------------------------
// Selection

int TRichEdit::SelStart() const
{
    return textCursor().selectionStart();
}

void TRichEdit::SetSelStart(int pos)
{
    QTextCursor c = textCursor();
    c.setPosition(qBound(0, pos, TextLength()));
    setTextCursor(c);
}

int TRichEdit::SelLength() const
{
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TRichEdit::SetSelLength(int length)
{
    Select(SelStart(), length);
}

QTextCursor TRichEdit::CursorAt(int start, int length) const
{
    const int n = TextLength();
    start = qBound(0, start, n);
    const int end = qBound(start, start + qMax(0, length), n);
    QTextCursor c(document());
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    return c;
}

void TRichEdit::Select(int start, int length)
{
    setTextCursor(CursorAt(start, length));
}

void TRichEdit::SelectAllText()
{
    selectAll();
}

QString TRichEdit::SelText() const
{
    QString s = textCursor().selectedText();
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    s.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return s;
}

void TRichEdit::SetSelText(const QString& text)
{
    textCursor().insertText(text);
}

// ---------------------------------------------------------------------------
// Attributes

namespace {

TTextAttributes AttributesOf(const QTextCharFormat& f, const QFont& defaultFont)
{
    TTextAttributes a;
    const QStringList families = f.fontFamilies().toStringList();
    a.Name = !families.isEmpty() && !families.first().isEmpty() ? families.first() : defaultFont.family();
    const qreal size = f.fontPointSize() > 0 ? f.fontPointSize() : defaultFont.pointSizeF();
    a.Size = size > 0 ? qRound(size) : 12;
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        a.Color = f.foreground().color();
    a.Bold = f.fontWeight() > QFont::Medium;
    a.Italic = f.fontItalic();
    a.Underline = f.underlineStyle() != QTextCharFormat::NoUnderline || f.fontUnderline();
    a.StrikeOut = f.fontStrikeOut();
    return a;
}

TAttributes Differences(const TTextAttributes& a, const TTextAttributes& b)
{
    TAttributes d;
    if (a.Name != b.Name) d |= TAttribute::Name;
    if (a.Size != b.Size) d |= TAttribute::Size;
    if (a.Color != b.Color) d |= TAttribute::Color;
    if (a.Bold != b.Bold) d |= TAttribute::Bold;
    if (a.Italic != b.Italic) d |= TAttribute::Italic;
    if (a.Underline != b.Underline) d |= TAttribute::Underline;
    if (a.StrikeOut != b.StrikeOut) d |= TAttribute::StrikeOut;
    return d;
}

// Calls fn(format) for the format of every character in [start, end).
template <typename Fn>
void ForEachFormat(const QTextDocument& doc, int start, int end, Fn fn)
{
    for (QTextBlock b = doc.findBlock(start); b.isValid() && b.position() < end; b = b.next()) {
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (!frag.isValid())
                continue;
            const int fs = frag.position(), fe = fs + frag.length();
            if (fe <= start || fs >= end)
                continue;
            if (!fn(frag.charFormat()))
                return;
        }
    }
}

}  // namespace

TTextAttributes TRichEdit::SelAttributes() const
{
    const QTextCursor c = textCursor();
    if (!c.hasSelection())
        return AttributesOf(c.charFormat(), document()->defaultFont());
    QTextCharFormat first;
    bool found = false;
    ForEachFormat(*document(), c.selectionStart(), c.selectionEnd(), [&](const QTextCharFormat& f) {
        first = f;
        found = true;
        return false;
    });
    if (!found) {
        // Only paragraph breaks selected: the format of the block.
        first = document()->findBlock(c.selectionStart()).charFormat();
    }
    return AttributesOf(first, document()->defaultFont());
}

TAttributes TRichEdit::ConsistentAttributes() const
{
    const QTextCursor c = textCursor();
    if (!c.hasSelection())
        return AllAttributes;
    TAttributes differ;
    bool haveFirst = false;
    TTextAttributes first;
    const QFont def = document()->defaultFont();
    ForEachFormat(*document(), c.selectionStart(), c.selectionEnd(), [&](const QTextCharFormat& f) {
        const TTextAttributes a = AttributesOf(f, def);
        if (!haveFirst) {
            first = a;
            haveFirst = true;
        } else {
            differ |= Differences(first, a);
        }
        return differ != AllAttributes;
    });
    return AllAttributes & ~differ;
}

void TRichEdit::SetSelAttributes(const TTextAttributes& a, TAttributes which)
{
    auto apply = [&](QTextCharFormat& f) {
        if (which & TAttribute::Name)
            f.setFontFamilies({a.Name});
        if (which & TAttribute::Size)
            f.setFontPointSize(qBound(1, a.Size, 1638));
        if (which & TAttribute::Color) {
            if (a.Color.isValid())
                f.setForeground(a.Color);
            else
                f.clearForeground();
        }
        if (which & TAttribute::Bold)
            f.setFontWeight(a.Bold ? QFont::Bold : QFont::Normal);
        if (which & TAttribute::Italic)
            f.setFontItalic(a.Italic);
        if (which & TAttribute::Underline)
            f.setUnderlineStyle(a.Underline ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline);
        if (which & TAttribute::StrikeOut)
            f.setFontStrikeOut(a.StrikeOut);
    };
    QTextCursor c = textCursor();
    if (!c.hasSelection()) {
        QTextCharFormat f = c.charFormat();
        apply(f);
        c.setCharFormat(f);
        setTextCursor(c);
        return;
    }
    // Each run keeps what it has of the attributes not named in which.
    const int start = c.selectionStart(), end = c.selectionEnd();
    struct TPiece { int Start, End; QTextCharFormat Format; };
    QList<TPiece> pieces;
    for (QTextBlock b = document()->findBlock(start); b.isValid() && b.position() < end; b = b.next()) {
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (!frag.isValid())
                continue;
            const int fs = qMax(start, frag.position()), fe = qMin(end, frag.position() + frag.length());
            if (fs < fe)
                pieces.append({fs, fe, frag.charFormat()});
        }
        if (b.length() == 1 && b.position() >= start && b.position() < end) {
            // An empty paragraph: its own format, for what is typed there.
            QTextCursor bc(b);
            QTextCharFormat f = b.charFormat();
            apply(f);
            bc.setBlockCharFormat(f);
        }
    }
    QTextCursor edit(document());
    edit.beginEditBlock();
    for (TPiece& p : pieces) {
        apply(p.Format);
        edit.setPosition(p.Start);
        edit.setPosition(p.End, QTextCursor::KeepAnchor);
        edit.setCharFormat(p.Format);
    }
    edit.endEditBlock();
}

bool TRichEdit::IsUnderlinedAt(int pos) const
{
    if (pos < 0 || pos >= TextLength())
        return false;
    bool underlined = false;
    ForEachFormat(*document(), pos, pos + 1, [&](const QTextCharFormat& f) {
        underlined = f.underlineStyle() != QTextCharFormat::NoUnderline || f.fontUnderline();
        return false;
    });
    return underlined;
}

void TRichEdit::ToggleFlag(TAttribute attribute)
{
    if (isReadOnly())
        return;
    const TTextAttributes now = SelAttributes();
    const bool consistent = ConsistentAttributes() & attribute;
    TTextAttributes a = now;
    switch (attribute) {
    case TAttribute::Bold: a.Bold = !(consistent && now.Bold); break;
    case TAttribute::Italic: a.Italic = !(consistent && now.Italic); break;
    case TAttribute::Underline: a.Underline = !(consistent && now.Underline); break;
    default: return;
    }
    SetSelAttributes(a, attribute);
    Q_EMIT SelectionChange();
}

void TRichEdit::ToggleBold() { ToggleFlag(TAttribute::Bold); }
void TRichEdit::ToggleItalic() { ToggleFlag(TAttribute::Italic); }
void TRichEdit::ToggleUnderline() { ToggleFlag(TAttribute::Underline); }

// ---------------------------------------------------------------------------
// Appearance

QColor TRichEdit::Color() const
{
    return palette().color(QPalette::Base);
}

void TRichEdit::SetColor(const QColor& colour)
{
    QPalette p = palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(g, QPalette::Base, colour);
    setPalette(p);
    UpdateSelectionPalette();
}

void TRichEdit::SetReadOnlyDisplay(bool readOnly)
{
    setReadOnly(readOnly);
    setTextInteractionFlags(readOnly ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                     : Qt::TextEditorInteraction);
}

void TRichEdit::SetScrollBars(bool vertical, bool horizontal)
{
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setLineWrapMode(horizontal ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
}

void TRichEdit::SetInnerBorder(int pixels)
{
    document()->setDocumentMargin(qMax(0, pixels));
}

void TRichEdit::SetHideSelection(bool hide)
{
    FHideSelection = hide;
    UpdateSelectionPalette();
}

void TRichEdit::UpdateSelectionPalette()
{
    // The inactive colour group is what a control without focus shows.
    QPalette p = palette();
    if (FHideSelection) {
        p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Inactive, QPalette::Base));
        p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Inactive, QPalette::Text));
    } else {
        p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
        p.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   p.color(QPalette::Active, QPalette::HighlightedText));
    }
    setPalette(p);
}

// ---------------------------------------------------------------------------
// Find and print

int TRichEdit::FindText(const QString& text, int from, int to, bool caseSensitive) const
{
    if (text.isEmpty())
        return -1;
    const QString all = Text();
    if (to < 0 || to > all.size())
        to = int(all.size());
    from = qMax(0, from);
    if (from >= to)
        return -1;
    const int pos = int(all.indexOf(text, from, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive));
    if (pos < 0 || pos + text.size() > to)
        return -1;
    return pos;
}

void TRichEdit::Print(QPrinter& printer, const QString& title) const
{
    if (!title.isEmpty())
        printer.setDocName(title);
    // Printed on white, whatever the screen background.
    // A document with a page size prints as laid out on those pages (an
    // unpaginated one would get page numbers added). 96 dots per inch.
    std::unique_ptr<QTextDocument> copy(document()->clone());
    const QSizeF page = printer.pageLayout().paintRectPoints().size() * (96.0 / 72.0);
    copy->setPageSize(page);
    copy->print(&printer);
}

// ---------------------------------------------------------------------------
// Keyboard

void TRichEdit::keyPressEvent(QKeyEvent* event)
{
    if (!isReadOnly() && (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) ==
                             Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_B: ToggleBold(); event->accept(); return;
        case Qt::Key_I: ToggleItalic(); event->accept(); return;
        case Qt::Key_U: ToggleUnderline(); event->accept(); return;
        default: break;
        }
    }
    QTextEdit::keyPressEvent(event);
}

bool TRichEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText() || source->hasHtml();
}

void TRichEdit::insertFromMimeData(const QMimeData* source)
{
    // Pasted rich text is flattened to what RTF of this control holds
    // (paragraphs and character formats; no tables, images or lists), so
    // character positions keep agreeing with Text().
    if (source->hasHtml() && acceptRichText()) {
        QTextDocument pasted;
        pasted.setDefaultFont(document()->defaultFont());
        pasted.setHtml(source->html());
        QTextDocument flat;
        flat.setDefaultFont(document()->defaultFont());
        RtfToDocument(RtfLinesToStream(DocumentToRtfLines(pasted)), flat);
        textCursor().insertFragment(QTextDocumentFragment(&flat));
        ensureCursorVisible();
        return;
    }
    if (source->hasText()) {
        textCursor().insertText(source->text());
        ensureCursorVisible();
    }
}
