#pragma once
// TEntryTextForm: the rich-text editing panel the introduction editor and
// the display-entry editor share: font name, size and colour boxes, bold
// and italic, select all, clear, import, the background colour, "&View",
// the design button, "&OK" and "&Cancel".

#include <QComboBox>
#include <QDialog>
#include <QStringList>

#include "platform/colorcombo.h"

class QGroupBox;
class QPushButton;
class TRichEdit;

class TEntryTextForm : public QDialog {
    Q_OBJECT
public:
    explicit TEntryTextForm(QWidget* parent = nullptr);

    TRichEdit* RichEdit1;
    QComboBox* ComboBox1;      // font name
    QComboBox* ComboBox2;      // size
    TColorCombo* ComboBox3;   // colour
    QPushButton* BtnB;
    QPushButton* BtnI;
    QPushButton* Button1;      // "&Select All Text"
    QPushButton* Button2;      // "Clear All &Text"
    QPushButton* ImportBtn;
    QGroupBox* GroupBox1;      // "Background"
    QPushButton* Button3;      // "Color"
    QPushButton* ViewBtn;
    QPushButton* AdjustBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // Loads the lines into the editor (text that is not RTF is shown as it
    // is stored) and clears the modified flag.
    void LoadText(const QStringList& lines);
    // The editor's text as RTF lines.
    QStringList EditorLines() const;
    // True when the editor holds at least one line of text: judged on the
    // plain text, since streamed RTF is never empty.
    bool HasText() const;

    void RichEdit1SelectionChange();
    void ComboBox1Change(int index);
    void ComboBox2Change(int index);
    void ComboBox3Change(int index);
    void BtnBClick(bool down);
    void BtnIClick(bool down);
    void Button1Click();
    void Button2Click();
    void ImportBtnClick();
    // The background colour of the text: the editor shows it; the caller
    // stores it as VPBack.
    void Button3Click();

protected:
    void showEvent(QShowEvent* event) override;
    virtual void BackgroundChosen(quint32 colour) = 0;
    QString FImportTitle;
    QString FImportFilter;
    int FHelpContext = 0;

private:
    bool FPlaced = false;
};
