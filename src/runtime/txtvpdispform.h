#pragma once
// TTxtVPDispForm: the view-port display of a type-5 ("Graphic and Text")
// entry: its text in a rectangle over a coloured, pictured or papered
// screen. Esc, a right click on the screen area or the window's close
// button closes it.

#include "runtime/screendisplayform.h"

class TTxtVPDispForm : public TScreenDisplayForm {
    Q_OBJECT
public:
    explicit TTxtVPDispForm(QWidget* parent = nullptr);
    // Copies the record and the text, applies the background, sets the
    // caption to CurrentEntryName.
    void SetUp(const TEntryDisplay& display, const QStringList& text);
};
