#pragma once
// Small helpers the presentation forms are built with: named, accessible
// controls in one line each.

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The accessible name of a control: its caption without the accelerator
// marks and the surrounding blanks and colons.
QString AccessibleCaption(const QString& caption);

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption);
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption);
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption);
QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& caption);
QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption);
QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& accessible, int maxLength = 0);
// Centres a top-level window on its screen.
void CentreOnScreen(QWidget* window);
