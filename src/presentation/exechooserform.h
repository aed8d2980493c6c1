#pragma once
// TExeChooserForm: the base of the two choosers in front of the program
// dialogs. Each choice is a radio button with its own "Add" button, which
// runs the choice's dialog on top of the chooser (the chooser stays shown:
// a dialog hidden during its modal loop would end it). Each choice remembers
// the value last made for it. OK leaves with the type and value of the last
// successful "Add" (or the incoming ones); checking another choice alone
// changes neither.

#include <QDialog>
#include <QList>
#include <QMap>

class QGroupBox;
class QPushButton;
class QRadioButton;

class TExeChooserForm : public QDialog {
    Q_OBJECT
public:
    struct TChoice {
        int Type;           // 4, 9 or 10
        QString Caption;
    };
    TExeChooserForm(int helpContext, const QString& groupCaption, const QList<TChoice>& choices,
                    QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QList<QRadioButton*> Radios;   // RadioButton1, RadioButton2, ...
    QList<QPushButton*> Adds;      // AddBtn1, AddBtn2, ...
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    // The command value and type the chooser leaves with.
    QString Command;
    int Type = 4;
    // The value last made or brought in for each type.
    QMap<int, QString> Remembered;

    // Takes the incoming value and type; a type the chooser does not offer
    // counts as 4 with nothing remembered.
    void Open(const QString& command, int type);
    void RadioClick(int index);
    void AddClick(int index);

private:
    QList<TChoice> FChoices;
    int FHelpContext;
};

// Runs a chooser; true on OK with a non-empty command value.
bool RunExeChooser(TExeChooserForm& form, QString& command, int& type);
