#pragma once
// Printing plain text lines (the results report, a results file in the
// reader): one printed line per text line in a fixed-pitch 10 point font
// inside the page margins, a new page whenever one is full, and a line wider
// than the page wrapped onto the next printed lines instead of cut off.

#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPrinter;

// The pieces a line of text is printed as, at most columns characters each:
// broken after the last blank that fits when there is one in the second half
// of the piece, else at the width. Tabs become blanks to the next multiple of
// eight. An empty line is one empty piece.
QStringList WrapPrintLine(const QString& line, int columns);

// Paints the lines on the device, starting on its current page. Throws
// EQuendraError when the device cannot be painted on.
void PaintTextLines(QPagedPaintDevice& device, const QStringList& lines);

// Prints the lines on the printer as the print dialog set it up. Printing to
// a PDF file writes that file through the save helper (never half a file).
// Throws EQuendraError (naming the file, for a PDF file) on a failure.
void PrintReportLines(QPrinter& printer, const QStringList& lines);

// The print dialog (scripted channel "print"), then the printout. When no
// printer is installed the dialog offers a PDF file, suggested as pdfName.
// A failure is shown in an error box, never thrown. True when printed.
bool PrintLinesWithDialog(const QStringList& lines, const QString& pdfName);
