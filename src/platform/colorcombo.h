#pragma once
// The colour chooser of the rich-text editors: 17 colours shown as swatches
// only, each announced by its colour name. The font size list beside it.

#include <QComboBox>
#include <QStringList>

class TColorCombo : public QComboBox {
    Q_OBJECT
public:
    explicit TColorCombo(QWidget* parent = nullptr);
    // The colour names of the list, in order.
    static QStringList ColourNames();
    // The colour value (0x00BBGGRR) stored with item index.
    quint32 ItemColour(int index) const;
    // The item showing this colour, or -1. An exact basic colour is
    // preferred over the window-text colour at the head of the list.
    int IndexOfColour(quint32 colour) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The point sizes the editors offer.
QStringList FontSizeList();
