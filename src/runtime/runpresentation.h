#pragma once
// The program presentation screens a test run shows around its questions.

#include <QStringList>

class QWidget;

// The full-screen backdrop behind every window of a test run, showing the
// test's screen background. The caller shows it and deletes it when the run
// ends. Null when no backdrop can be made.
QWidget* CreateProgramBackdrop();
// The introduction screen with the introduction's text lines, modal.
void ShowIntroductionDisplay(const QStringList& text);
