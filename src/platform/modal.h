#pragma once
// Every modal form and dialog of every program is shown through ShowModal.

class QDialog;

// Runs the form modally and answers its result (QDialog::Accepted or
// Rejected, or the code given to done()). Under a test script it runs the
// handler queued for the form's class instead of waiting for a user.
int ShowModal(QDialog& dialog);
