#pragma once
// "&Test Presentation": the menu of test presentation and scoring dialogs,
// and the dialogs it leads to. Each dialog works on a private copy of the
// settings; Save copies it into TestConfig and writes the project file,
// Cancel drops it. The parent, when given, is the window the dialog is
// centred on (the menu that opened it).

#include "model/testconfig.h"

class QWidget;

void TestPresentationMenu();

void CustomizeTexts(QWidget* parent = nullptr);
void CustomizeFunctions(QWidget* parent = nullptr);
void CustomizeQuestionDisplay(QWidget* parent = nullptr);
void CustomizeStudentInput(QWidget* parent = nullptr);

// The results menu and its dialogs.
void CustomizeResults(QWidget* parent = nullptr);
void DesignResultsGraph(QWidget* parent = nullptr);
void DesignScoreGroups(QWidget* parent = nullptr);
void DesignDataFileLines(QWidget* parent = nullptr);
// The score bar colours of the caller's copy of the question screen block;
// true when the author chose OK (the caller saves the record).
bool DesignScoreBar(TQuestionScreenColors& block, QWidget* parent = nullptr);

// The score-group feedback comments window, opened by "Customize Results
// &Feedback".
void CustomizeResultsFeedback(QWidget* parent = nullptr);
