#include "platform/printdialogs.h"

#include "platform/modal.h"
#include "platform/testscript.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

namespace {
std::unique_ptr<QPrinter> gPrinter;
// The printer goes with the application, not after it.
void DropSessionPrinter() { gPrinter.reset(); }
} // namespace

QPrinter& SessionPrinter()
{
    if (!gPrinter) {
        gPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        qAddPostRoutine(DropSessionPrinter);
    }
    return *gPrinter;
}

bool ExecutePrintDialog(QPrinter& printer)
{
    if (TestScript::Active()) {
        QVariant v;
        if (!TestScript::TakeAnswer(QStringLiteral("print"), v) || !v.isValid())
            return false;
        if (v.typeId() == QMetaType::Bool)
            return v.toBool();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(v.toString());
        return true;
    }
    QPrintDialog dlg(&printer, QApplication::activeWindow());
    dlg.setObjectName(QStringLiteral("PrintDialog"));
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return ShowModal(dlg) == QDialog::Accepted;
}

bool ExecutePrinterSetupDialog(QPrinter& printer)
{
    if (TestScript::Active()) {
        QVariant v;
        if (!TestScript::TakeAnswer(QStringLiteral("printsetup"), v) || !v.isValid())
            return false;
        return v.toBool();
    }
    QPageSetupDialog dlg(&printer, QApplication::activeWindow());
    dlg.setObjectName(QStringLiteral("PrinterSetupDialog"));
    return ShowModal(dlg) == QDialog::Accepted;
}
