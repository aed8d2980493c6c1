#pragma once
// The question text editor: a rich-text editor for the text of one question
// with font, size, colour, bold, italic and hyperlink-underline controls and
// the background colour of the text.

#include <QComboBox>
#include <QDialog>

#include "model/projectfiles.h"
#include "platform/colorcombo.h"
#include "platform/richedit.h"

class QFrame;
class QLabel;
class QPushButton;

class TQuestEditForm : public QDialog {
    Q_OBJECT
public:
    explicit TQuestEditForm(QWidget* parent = nullptr);

    // Result of one showing while the hyperlink definition is open.
    enum : int { mrHyperlinks = 100 };

    // The colour names of the colour list, in order.
    static QStringList ColourNames();

    QFrame* TopPnl;
    QLabel* Label1;
    QComboBox* FontNameCombo;
    QLabel* Label2;
    QComboBox* sizeCombo;
    QLabel* Label3;
    TColorCombo* ColorCombo;
    QLabel* Label4;
    QPushButton* BtnB;
    QPushButton* BtnI;
    QLabel* Label5;
    QPushButton* BtnH;
    QLabel* Label6;
    QPushButton* Button1;   // background "Select"
    QPushButton* AllBtn;
    QPushButton* Button2;   // "Clear Text"
    QPushButton* ImportBtn;
    TRichEdit* RichEdit1;
    QFrame* BottomPnl;
    QPushButton* Button10;  // "Define HyperText Information"
    QPushButton* SaveBtn;
    QPushButton* OKBtn;     // "&Cancel"

    // The record copy and what loading found.
    TQuestionRecord Record{};
    bool AddMode = false;
    bool EntryFound = false;
    // True once Save has stored the text.
    bool TextStored = false;

    // Copies the record, sets the background and loads the question text
    // entry named by the identifier (an empty editor when there is none).
    void Load(bool addMode, const TQuestionRecord& record);

    void RichEdit1SelectionChange();
    void FontNameComboChange(int index);
    void sizeComboChange(int index);
    void sizeComboTyped();
    void ColorComboChange(int index);
    void BtnBClick(bool down);
    void BtnIClick(bool down);
    void BtnHClick(bool down);
    void Button1Click();
    void AllBtnClick();
    void Button2Click();
    void ImportBtnClick();
    void Button10Click();
    void SaveBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ApplyAttributes(const TTextAttributes& attributes, TAttributes which);
    bool FSyncing = false;
};

// Edits the question text of the record (read and updated in place); see
// TQuestEditForm. True when the text was stored, or when the editor was
// closed without saving and the question already had a text.
bool RunQuestionTextEditor(bool addMode, TQuestionRecord& record);
