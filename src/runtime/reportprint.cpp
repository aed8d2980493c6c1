#include "runtime/reportprint.h"

#include "model/errors.h"
#include "model/savefile.h"
#include "platform/messages.h"
#include "platform/printdialogs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Printing", text); }

constexpr int TabWidth = 8;
constexpr int PointSize = 10;
constexpr qreal MarginMillimetres = 20;

QString ExpandTabs(const QString& line)
{
    if (!line.contains(u'\t'))
        return line;
    QString out;
    for (QChar c : line) {
        if (c == u'\t')
            out += QString(TabWidth - out.size() % TabWidth, u' ');
        else
            out += c;
    }
    return out;
}

QFont PrintFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(PointSize);
    return font;
}

} // namespace

QStringList WrapPrintLine(const QString& text, int columns)
{
    const QString line = ExpandTabs(text);
    if (columns < 1)
        columns = 1;
    QStringList pieces;
    qsizetype start = 0;
    while (line.size() - start > columns) {
        qsizetype cut = start + columns;
        // Break after a blank when one lies in the second half of the piece.
        const qsizetype blank = line.lastIndexOf(u' ', cut - 1);
        if (blank >= start + columns / 2)
            cut = blank + 1;
        pieces << line.mid(start, cut - start);
        start = cut;
    }
    pieces << line.mid(start);
    return pieces;
}

void PaintTextLines(QPagedPaintDevice& device, const QStringList& lines)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw EInOutError(Tr("The printer could not be started."));
    painter.setFont(QFont(PrintFont(), &device));
    const QFontMetrics metrics(painter.font(), &device);
    // The painter's window is the printable area inside the margins.
    const QRect page = painter.window();
    const int advance = qMax(1, metrics.horizontalAdvance(u'M'));
    const int columns = qMax(1, page.width() / advance);
    const int step = qMax(1, metrics.lineSpacing());
    int y = page.top();
    for (const QString& line : lines) {
        for (const QString& piece : WrapPrintLine(line, columns)) {
            if (y + step > page.bottom() + 1 && y > page.top()) {
                if (!device.newPage()) {
                    painter.end();
                    throw EInOutError(Tr("The printer could not start a new page."));
                }
                y = page.top();
            }
            painter.drawText(page.left(), y + metrics.ascent(), piece);
            y += step;
        }
    }
    if (!painter.end())
        throw EInOutError(Tr("The printout could not be finished."));
}

void PrintReportLines(QPrinter& printer, const QStringList& lines)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // The PDF is made in memory and saved whole, so a failing disk leaves
        // no half-written file and an older file of that name intact.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setCreator(QStringLiteral("Quendra"));
            writer.setTitle(QFileInfo(printer.outputFileName()).completeBaseName());
            writer.setPageLayout(printer.pageLayout());
            PaintTextLines(writer, lines);
        }
        SaveWholeFile(printer.outputFileName(), buffer.data());
        return;
    }
    PaintTextLines(printer, lines);
}

bool PrintLinesWithDialog(const QStringList& lines, const QString& pdfName)
{
    QPrinter& printer = SessionPrinter();
    // At least the report's margins; wider ones set up by the user stay.
    const QMarginsF m = printer.pageLayout().margins(QPageLayout::Millimeter);
    printer.setPageMargins(QMarginsF(qMax(m.left(), MarginMillimetres), qMax(m.top(), MarginMillimetres),
                                     qMax(m.right(), MarginMillimetres), qMax(m.bottom(), MarginMillimetres)),
                           QPageLayout::Millimeter);
    // Without a printer the dialog's choice is a PDF file, named after what
    // is printed.
    if (!pdfName.isEmpty() && QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QFileInfo(pdfName).absoluteFilePath());
    }
    if (!ExecutePrintDialog(printer))
        return false;
    try {
        PrintReportLines(printer, lines);
    } catch (const EQuendraError& e) {
        ShowError(e.Message());
        return false;
    }
    return true;
}
