#pragma once
// The results window of a test run: a vertical bar of the correct answers
// out of the questions taken, in the pass colour when the score reaches the
// pass percentage and in the fail colour below it, with the two counts.

#include <QDialog>

class QLabel;
class QPushButton;
class TScoreBar;

class TTResultsForm : public QDialog {
    Q_OBJECT
public:
    // Reads the run state and the test's texts and colours.
    explicit TTResultsForm(QWidget* parent = nullptr);

    TScoreBar* Gauge1;
    QLabel* Label1;   // questions answered: text
    QLabel* Label2;   //   and count
    QLabel* Label3;   // correct answers: text
    QLabel* Label4;   //   and count
    QPushButton* OKBtn;
};

// The fill colour of the results graph for a score (0x00BBGGRR).
quint32 ResultsGraphColour(int scorePercent);
