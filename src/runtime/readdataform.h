#pragma once
// The results reader: opens a results data file (.QXD), unscrambles it when
// it is scrambled, shows its lines and prints them. A file that is not a
// results file (binary, huge lines) is shown as far as it decodes.

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;
class QWidget;

class TReadDataForm : public QDialog {
    Q_OBJECT
public:
    explicit TReadDataForm(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;
    QWidget* BottomPnl;   // the bar along the bottom
    QWidget* ButtonPnl;   // the buttons, kept centred in the bar
    QPushButton* BitBtn4; // Help
    QPushButton* BitBtn1; // Print
    QPushButton* BitBtn2; // Open
    QPushButton* BitBtn3; // Close

    // The lines shown, the first one blank.
    QStringList Lines;
    QString FileName;

    // Loads, unscrambles and shows a file; false (after an error box) when it
    // cannot be read.
    bool LoadFile(const QString& fileName);

    void BitBtn1Click();   // Print
    void BitBtn2Click();   // Open
    void BitBtn4Click();   // Help

    // How much of a file is read, and how much of it is shown.
    static constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;
    static constexpr int MaxShownLine = 4096;
    static constexpr int MaxShownLines = 50000;   // a 5000-question report has about 5050

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CentreButtons();
};

// Opens the results reader (modal). With a file name it opens on that file;
// a file that cannot be read is reported and the reader is not shown.
void AnalyzeResults(const QString& fileName = QString());
