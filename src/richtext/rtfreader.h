#pragma once
// RTF reader: RTF 1.x as word processors write it, into a QTextDocument or
// into plain text.
//
// The reader is a single pass over the bytes with an explicit group stack
// (no recursion); groups nested deeper than the stack's limit share the
// innermost state, so any nesting depth is read in bounded memory. Broken
// input (unbalanced braces, truncation, huge parameters, huge \bin, NUL
// bytes, invalid escapes) is read as far as it goes: the text that can be
// recovered is kept and nothing throws. Only input that does not start with
// "{\rtf" (after blanks) is refused with an EQuendraError.
//
// What is kept: the text of the body, fields' result text, list labels
// (\listtext) and table cells in order (each cell a paragraph); character
// formats (font, size, bold, italic, underline and its styles, strike,
// colour, background, super/subscript) and paragraph formats (alignment,
// indents, spacing). What is skipped: the font and colour tables (used),
// the style sheet, document information, headers and footers, pictures,
// objects, field instructions and every ignorable ({\*\...}) destination.
//
// Paragraphs: every \par ends one; a \par at the very end of the document
// does not open an empty last paragraph, so "a\par" is the one paragraph
// "a" (the writer relies on this: it ends every paragraph with \par).

#include <QByteArray>
#include <QString>

class QTextDocument;

// Replaces the content of doc with the RTF document.
void RtfToDocument(const QByteArray& rtf, QTextDocument& doc);

// The text of the RTF document, one line per paragraph: paragraphs are
// separated by "\n" (no final "\n"); \line gives "\n" too, \tab a tab.
QString RtfToPlainText(const QByteArray& rtf);
