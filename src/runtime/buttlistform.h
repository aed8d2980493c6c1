#pragma once
// The entry selection list: a list of texts with "&Select", "&Close" and a
// "&Find" that searches the texts.

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

class TButtListForm : public QDialog {
    Q_OBJECT
public:
    explicit TButtListForm(QWidget* parent = nullptr);

    QListWidget* ListBox1;
    QPushButton* SelectBtn;
    QPushButton* CloseBtn;
    QPushButton* FindBtn;

    // Fills the list and selects the initial index (none when out of range).
    void SetItems(const QStringList& items, int initial);
    // The selected index when the form was closed with a choice, else -1.
    int Chosen() const { return FChosen; }

    void SelectBtnClick();
    void CloseBtnClick();
    void FindBtnClick();
    // The search behind "&Find": mode 1 starts at the first item, 2 after the
    // item found last; the first item whose text contains the text, ignoring
    // case, is selected and remembered. A miss selects the first item.
    // Answers the index found or -1.
    int FindItem(const QString& text, int mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int FChosen = -1;
    int FFoundLast = -1;
    QString FSearchText;
};

// Shows the list; answers the chosen index, or -1 when closed without a
// choice or with nothing selected. An empty caption keeps "Select an Entry ".
int SelectFromList(const QStringList& items, int initial, int helpContext, const QString& caption);
