#pragma once
// TGetGrAudioForm: chooses a picture and a WAV or MIDI sound of the project
// directory and how long the picture stays; the command value is graphic ","
// sound "," duration.

#include "presentation/getmediaform.h"

class TGetGrAudioForm : public TGetMediaForm {
    Q_OBJECT
public:
    explicit TGetGrAudioForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;          // the graphic
    QListWidget* FileListBox1;
    QPushButton* FindFileBtn1;
    QGroupBox* GroupBox2;
    QLineEdit* Edit2;          // the sound
    QListWidget* FileListBox2;
    QPushButton* FindFileBtn2;
    QLineEdit* Edit3;          // the duration in tenths of a second

    QString CommandValue() const override;

protected:
    void Preview() override;
};
