#pragma once
// Thypermenuform: the hypertext utilities window, to view or delete any
// hyperlink entry of the project.

#include <QDialog>

class QGroupBox;
class QPushButton;

class Thypermenuform : public QDialog {
    Q_OBJECT
public:
    // The window is taken down while a list or an entry is shown.
    enum : int { mrView = 100, mrDelete = 101 };

    explicit Thypermenuform(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;       // " HyperLink Data "
    QPushButton* viewbtn;
    QPushButton* deleteBtn;
    QPushButton* BitBtn1;       // "&Close"

    // Both buttons are enabled exactly when the project has a HYPER entry.
    void UpdateButtons();
};
