#pragma once
// RTF writer: a QTextDocument as the compact RTF 1.x document a desktop
// rich-text control streams out, split into the lines that are stored.
//
// Shape: "{\rtf1\ansi\ansicpg1252\deff0" with the font table (fonts in order
// of first use, \f0 the font of the first character) and the colour table
// (colours in order of first use), then the text with \b \i \ul \strike \f
// \fs \cf (and \highlight, \super/\sub, alignment and indents where the
// document has them), "\par" after every paragraph, and "}".
//
// Characters: printable ASCII as is; "\", "{", "}" escaped; other
// Windows-1252 characters as \'hh; everything else as \uN? (signed 16-bit
// N, surrogate halves for characters beyond the BMP). "[" and "]" are
// written as \'5b and \'5d.
//
// Lines: a line ends after each \par and, inside a long paragraph, before
// it would pass 250 characters, always between two tokens (a control word
// keeps its delimiting space). So no line begins with "[" and none is "]",
// which would end or start an entry of an entry file.
//
// Reading the lines back (RtfToDocument) gives the same text and character
// formats, and writing that document again gives the same lines.

#include <QStringList>

class QTextDocument;

QStringList DocumentToRtfLines(const QTextDocument& doc);

// The lines joined with CR LF: the RTF stream.
QByteArray RtfLinesToStream(const QStringList& lines);
