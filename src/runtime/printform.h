#pragma once
// Asks the student whether to print the test results: the test's question
// text with "Yes" (accept) and "No" (reject).

#include <QDialog>

class QLabel;
class QPushButton;

class Tprintform : public QDialog {
    Q_OBJECT
public:
    explicit Tprintform(QWidget* parent = nullptr);

    QLabel* Panel1;
    QPushButton* YesBtn;
    QPushButton* NoBtn;
};
