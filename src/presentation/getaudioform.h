#pragma once
// TGetAudioForm: chooses a WAV sound of the project directory; the command value is
// the file name.

#include "presentation/getmediaform.h"

class TGetAudioForm : public TGetMediaForm {
    Q_OBJECT
public:
    explicit TGetAudioForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;
    QListWidget* FileListBox1;
    QPushButton* FindFileBtn1;

    QString CommandValue() const override;

protected:
    void Preview() override;
};
