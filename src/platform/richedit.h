#pragma once
// TRichEdit: the rich-text control. A QTextEdit whose content moves in and
// out as RTF (through richtext/), with the selection and attribute interface
// the editors and displays use.
//
// Character positions: 0-based positions of Text(), where every paragraph
// break is ONE character ("\n"). SelStart/SelLength, Select, FindText and
// every other position of this class use the same numbering, so a position
// found in Text() can be selected directly (and the character at position p
// is Text()[p]).
//
// Stored form: a list of lines; the lines joined with CR LF are the RTF
// stream. SaveToLines gives the lines of DocumentToRtfLines, none of which
// begins with "[" or is "]" (safe inside an entry file).

#include <QColor>
#include <QFlags>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextEdit>

class QPrinter;

// Attributes of the selected characters (or, with an empty selection, of the
// text typed at the caret).
struct TTextAttributes {
    QString Name;          // font family
    int Size = 12;         // points
    QColor Color;          // text colour; invalid = the default (window text) colour
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
};

// Which attributes: for SetSelAttributes (which to apply) and
// ConsistentAttributes (which are the same over the whole selection).
enum class TAttribute : unsigned {
    Name = 1, Size = 2, Color = 4, Bold = 8, Italic = 16, Underline = 32, StrikeOut = 64,
};
Q_DECLARE_FLAGS(TAttributes, TAttribute)
Q_DECLARE_OPERATORS_FOR_FLAGS(TAttributes)
constexpr TAttributes AllAttributes = TAttributes(127);

class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);

    // --- Content -----------------------------------------------------------
    // Loads RTF given as lines (joined with CR LF). Throws EQuendraError when
    // the text is not RTF at all; the control keeps its content then. An
    // empty list clears the control. Clears the undo history and Modified.
    void LoadFromLines(const QStringList& lines);
    // The content as RTF lines (no line ends).
    QStringList SaveToLines() const;
    // The same as one stream: lines joined with CR LF.
    void LoadFromStream(const QByteArray& rtf);
    QByteArray SaveToStream() const;
    // Loads an RTF file (through ResolveCase); throws EInOutError when it
    // cannot be read, EQuendraError when it is not RTF.
    void LoadFromFile(const QString& fileName);
    // Empties the control.
    void Clear();
    // Plain text, one "\n" per paragraph break (see positions above).
    QString Text() const;
    // Replaces the content with plain text (lines separated by "\n").
    void SetText(const QString& text);
    int TextLength() const;
    // Number of paragraphs holding text ("lines" of the control); 0 when the
    // control is empty.
    int LineCount() const;
    bool Modified() const;
    void SetModified(bool modified);

    // --- Selection ---------------------------------------------------------
    int SelStart() const;
    // Moves the caret to pos (clamped) with an empty selection.
    void SetSelStart(int pos);
    int SelLength() const;
    // Extends the selection from SelStart over length characters.
    void SetSelLength(int length);
    // Selects length characters from start (both clamped); the caret is at
    // the end of the selection.
    void Select(int start, int length);
    void SelectAllText();
    // Selected text, paragraph breaks as "\n".
    QString SelText() const;
    // Replaces the selection with plain text in the current attributes.
    void SetSelText(const QString& text);

    // --- Attributes ----------------------------------------------------------
    // Attributes of the first selected character (or at the caret).
    TTextAttributes SelAttributes() const;
    // Applies the attributes named in which to the selection (or, with an
    // empty selection, to what is typed next).
    void SetSelAttributes(const TTextAttributes& attributes, TAttributes which = AllAttributes);
    // The attributes that are the same for every selected character (all of
    // them with an empty selection).
    TAttributes ConsistentAttributes() const;
    // True when the character at pos is underlined (hyperlink phrases).
    bool IsUnderlinedAt(int pos) const;
    // Toggle bold/italic/underline over the selection: on unless the whole
    // selection already has it (Ctrl+B, Ctrl+I, Ctrl+U).
    void ToggleBold();
    void ToggleItalic();
    void ToggleUnderline();

    // --- Appearance ----------------------------------------------------------
    // Background colour of the text area.
    QColor Color() const;
    void SetColor(const QColor& colour);
    // Read-only display: no editing, but selection, copy and find work.
    void SetReadOnlyDisplay(bool readOnly);
    // Scroll bars: vertical and horizontal shown as needed or never.
    void SetScrollBars(bool vertical, bool horizontal);
    // Inner border between the frame and the text, in pixels.
    void SetInnerBorder(int pixels);
    // When true (the default), the selection is hidden while the control has
    // no focus; when false, it stays visible (a viewer with a find dialog).
    void SetHideSelection(bool hide);
    bool HideSelection() const { return FHideSelection; }

    // --- Find and print --------------------------------------------------------
    // Position of the first occurrence of text at or after from (and ending
    // at or before to, -1 = end of text), or -1. A plain substring search;
    // caseSensitive false ignores letter case.
    int FindText(const QString& text, int from, int to = -1, bool caseSensitive = false) const;
    // Prints the whole document; title is the print job's name.
    void Print(QPrinter& printer, const QString& title = QString()) const;

Q_SIGNALS:
    // The selection or the caret moved (after every change).
    void SelectionChange();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void ToggleFlag(TAttribute attribute);
    void UpdateSelectionPalette();
    QTextCursor CursorAt(int start, int length) const;
    bool FHideSelection = true;
};
