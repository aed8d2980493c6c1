#pragma once
// The tool's own about box: "&About Quendra" shows the product information,
// "&Close" closes it.

#include <QDialog>

class QLabel;
class QPushButton;

class TQuizaboutform : public QDialog {
    Q_OBJECT
public:
    explicit TQuizaboutform(QWidget* parent = nullptr);
    QLabel* Image1;
    QPushButton* AboutBtn;
    QPushButton* CloseBtn;
    void AboutBtnClick();
};
