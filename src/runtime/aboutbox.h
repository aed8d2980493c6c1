#pragma once
// The about display: the author's about box of a test (mode 0) and the
// tool's own about box (any other mode).

#include "model/testconfig.h"

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

enum TAboutMode : int { AboutModeAuthor = 0, AboutModeTool = 1 };

// The comment paragraph built from the four comment lines: a non-empty line
// adds itself and one space, an empty line adds CR LF CR LF.
QString AboutCommentText(const TAboutSpec& about);

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    // Fills the box from the record. False, after the message "The Icon file
    // NAME is missing", when mode 0 asks for an icon the project lacks; the
    // box is then not to be shown.
    bool Prepare(const TAboutSpec& about, int mode);

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* AuthorLbl;
    QLabel* Comms;
    QPushButton* OKButton;

private:
    void PlaceTextLabels(bool withIcon);
};

// Shows the about display of the record in the given mode (modal).
void ShowAbout(const TAboutSpec& about, int mode);
