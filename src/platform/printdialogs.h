#pragma once
// Print and printer set-up dialogs over one printer shared by the whole
// session, so that a set-up made once holds for every later print.
//
// Test-script channels: "print" takes a file name (the job is printed to
// that PDF file), true (print as set up) or an invalid QVariant (Cancel);
// "printsetup" takes true (OK) or an invalid QVariant (Cancel).

class QPrinter;

// The session's printer (the default printer at first).
QPrinter& SessionPrinter();

// The print dialog. True when the author chose to print.
bool ExecutePrintDialog(QPrinter& printer);
// The printer set-up (page) dialog. True on OK.
bool ExecutePrinterSetupDialog(QPrinter& printer);
