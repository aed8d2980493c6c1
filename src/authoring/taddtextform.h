#pragma once
// The question dialog: a question's text (through the question text editor),
// its number of answers, its correct answer and its four optional
// information entries.

#include <QDialog>
#include <functional>

#include "model/projectfiles.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TTAddTextForm : public QDialog {
    Q_OBJECT
public:
    explicit TTAddTextForm(QWidget* parent = nullptr);

    // Results of one showing besides Accepted and Rejected: the dialog is
    // taken down while the text editor or an attachment menu is open and
    // shown again afterwards.
    enum : int { mrTextEditor = 100, mrAttachment = 110 };   // mrAttachment + row

    // The optional rows, in the order Information, Explanation, Right
    // Feedback, Wrong Feedback.
    static constexpr int RowCount = 4;
    static QString RowSuffix(int row);
    static bool RowFlag(const TQuestionRecord& record, int row);
    static void SetRowFlag(TQuestionRecord& record, int row, bool set);
    // The mark of an attached row.
    static QString CheckMark();

    QGroupBox* GroupBox1;
    QLabel* Label1;
    QPushButton* Button1;
    QLabel* Label2;
    QLineEdit* Edit1;
    QLabel* Label3;
    QLineEdit* Edit2;
    QGroupBox* GroupBox2;
    QLabel* Label4;
    QLabel* Panel1;
    QPushButton* Button3;
    QPushButton* Button6;
    QLabel* Label5;
    QLabel* Panel2;
    QPushButton* Button2;
    QPushButton* Button7;
    QLabel* Label6;
    QLabel* Panel3;
    QPushButton* Button4;
    QPushButton* Button8;
    QLabel* Label7;
    QLabel* Panel4;
    QPushButton* Button5;
    QPushButton* Button9;
    QPushButton* BitBtn1;   // "&Save"
    QPushButton* BitBtn2;   // "&Cancel"

    // The dialog's private copy of the current record, the mode, and
    // whether the question text has been stored by the editor.
    TQuestionRecord Record{};
    bool AddMode = false;
    bool TextEntered = false;
    // Rows whose entry this dialog created (add mode), removed again when a
    // new question is cancelled even if their row was cleared since.
    bool RowCreated[RowCount] = {false, false, false, false};

    void Load(const TQuestionRecord& record, bool addMode);
    QLabel* RowMark(int row) const;
    QPushButton* RowEditButton(int row) const;
    QPushButton* RowDeleteButton(int row) const;
    void ShowRow(int row, bool attached);

    // Field checks when the focus leaves a number field; true when the
    // field may keep its text.
    bool Edit1Exit();
    bool Edit2Exit();
    // The checks of Save, in order; true when the dialog may close.
    bool SaveChecks();

    void Button1Click();
    void RowEditClick(int row);
    void RowDeleteClick(int row);
    void BitBtn1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refuse(QLineEdit* field, const QString& message, bool empty);
    bool FChecking = false;
};

// Edits the current record (QuestionBuffer, its Identifier already set) in
// the question dialog; true when it was saved, the record then copied back.
// When storeRecord is given it is called on Save once the record is copied
// back, before the entries of cleared rows are removed, so that a record that
// could not be stored never loses an entry it names; if it throws, the
// current record is restored, a new question's entries are removed, and the
// error propagates.
bool RunQuestionDialog(bool addMode, const std::function<void()>& storeRecord = {});

// Removes the entries a new question created: its text entry when
// textEntered, then each information entry whose row is marked in created.
void RemoveNewQuestionEntries(const QString& identifier, bool textEntered, const bool created[4]);
