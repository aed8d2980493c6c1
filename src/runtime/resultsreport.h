#pragma once
// The results report as bytes on disk and back. The report lines themselves
// (ResultsReport), the scrambling of one line (ScrambleLine) and the reading
// of a written file (UnscrambleResultsLines) are declared in results.h.
//
// File layout: every line in Windows-1252 followed by CR LF. Line 1 is "1"
// when the other lines are scrambled, "0" when they are plain. A scrambled
// line of n >= 1 bytes holds each byte shifted down by a key k (1..5) and k
// itself inserted just before the last byte; empty lines stay empty.

#include <QByteArray>
#include <QString>
#include <QStringList>

// The lines of the results data file exactly as written: seeds the run's
// generator from the clock, then line 1 plain and every other line through
// ScrambleLine.
QStringList ResultsFileLines();

// Each line in Windows-1252 followed by CR LF.
QByteArray ResultsLinesToBytes(const QStringList& lines);

// The lines of a file read back: split at LF, a CR before each LF and a
// UTF-8 byte-order mark at the start dropped; Windows-1252 decoded, except a
// file with a byte-order mark whose bytes are valid UTF-8 (a text editor saved
// it). An empty file has no lines; a final line without an end is kept.
QStringList ResultsBytesToLines(const QByteArray& bytes);

// One scrambled line read back: the key (the second-to-last byte) removed and
// added to every other byte. Lines shorter than two bytes carry no key and
// come back unchanged.
QString UnscrambleLine(const QString& line);
