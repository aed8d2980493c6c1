#pragma once
// Stand-in window of the runtime programs until the run engine is built: it
// shows which compiled test was loaded (title, questions, entries).

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class TCompiledTestFile;

class TTestSummaryForm : public QWidget {
    Q_OBJECT
public:
    TTestSummaryForm(const TCompiledTestFile& test, const QString& fileName, QWidget* parent = nullptr);

    QLabel* TitleLbl;
    QLabel* CountLbl;
    QLabel* NoteLbl;
    QPushButton* CloseBtn;
};

// The top level of the player and the stub: loads the test with load(),
// shows it, and shows any failure in an error box. Answers the exit code.
int RunTestProgram(int argc, char** argv, const std::function<QString(TCompiledTestFile&)>& load);
