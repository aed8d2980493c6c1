#pragma once
// TCommandTypeForm: the opening or the closing command of a test: a
// program (or, for the closing command, an HTML page), a graphic, a voice
// or a graphic with a sound. Each kind has its "Define" button, which runs
// the media dialog of the kind.

#include <QDialog>

#include "model/testconfig.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

class TCommandTypeForm : public QDialog {
    Q_OBJECT
public:
    TCommandTypeForm(const QString& groupCaption, int helpContext, bool opening, QWidget* parent = nullptr);
    void Load(const TCommandSpec& command);
    TCommandSpec Command{};
    // A "Define" of this form returned a command.
    bool DefinedHere = false;

    QGroupBox* GroupBox1;
    QRadioButton* RBType4;
    QRadioButton* RBType2;
    QRadioButton* RBType3;
    QRadioButton* RBType6;
    QPushButton* ExeBtn;
    QPushButton* GraphBtn;
    QPushButton* VoiceBtn;
    QPushButton* GraphAudioBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void TypeChanged();
    void ExeBtnClick();
    void GraphBtnClick();
    void VoiceBtnClick();
    void GraphAudioBtnClick();
    void OKBtnClick();

    // The radio button a stored type checks: 4, 9, 10 (and 0, never
    // chosen) check " Executable".
    static int RadioTypeOf(int commandType);

    // Takes what a media dialog returned for the type: clears the other
    // kinds' fields, sets the type's, the value and the type. An empty value
    // defines nothing. False, after a message, when the value or a name does
    // not fit its field: nothing is cut and the command stays as it was.
    bool TakeDefinition(int type, const QString& value, const QString& graphic, const QString& sound,
                        int duration);

private:
    bool FOpening;
};

// Defines the command; true (the record written back) on OK.
bool DefineCommand(TCommandSpec& command, const QString& groupCaption, int helpContext, bool opening);
// The two callers' settings.
bool DefineOpeningCommand(TCommandSpec& command);
bool DefineClosingCommand(TCommandSpec& command);
