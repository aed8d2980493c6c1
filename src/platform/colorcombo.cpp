#include "platform/colorcombo.h"

#include "model/entryfile.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace {

const char* const ColourNameList[] = {"clWindowText", "clBlack", "clMaroon", "clGreen", "clOlive", "clNavy",
                                      "clPurple", "clTeal", "clGray", "clSilver", "clRed", "clLime", "clYellow",
                                      "clBlue", "clFuchsia", "clAqua", "clWhite"};

const char* const SizeList[] = {"8", "9", "10", "11", "12", "14", "16", "18", "20", "24", "36", "48", "72"};

// The swatch of one colour item: the item rectangle in the list background,
// the colour inside it 2 pixels in from every side and 3 more from the left.
void PaintSwatch(QPainter& painter, const QRect& item, quint32 colour)
{
    const QRect r = item.adjusted(2 + 3, 2, -2, -2);
    painter.fillRect(r, ColourToQColor(colour));
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

class TColorSwatchDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
        PaintSwatch(*painter, option.rect, index.data(Qt::UserRole).toUInt());
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return QSize(48, 18); }
};

} // namespace

TColorCombo::TColorCombo(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new TColorSwatchDelegate(this));
    const quint32 windowText = QColorToColour(QApplication::palette().color(QPalette::Text));
    for (const char* name : ColourNameList) {
        quint32 value = TextToColor(QString::fromLatin1(name));
        if (value & 0x80000000u)   // a system colour: its value on this desktop
            value = windowText;
        addItem(QString());
        const int i = count() - 1;
        setItemData(i, value, Qt::UserRole);
        setItemData(i, QString::fromLatin1(name), Qt::ToolTipRole);
        setItemData(i, QString::fromLatin1(name), Qt::AccessibleTextRole);
    }
    setMinimumWidth(54);
}

QStringList TColorCombo::ColourNames()
{
    QStringList out;
    for (const char* n : ColourNameList)
        out << QString::fromLatin1(n);
    return out;
}

quint32 TColorCombo::ItemColour(int index) const { return itemData(index, Qt::UserRole).toUInt(); }

int TColorCombo::IndexOfColour(quint32 colour) const
{
    for (int i = 1; i < count(); ++i)
        if (ItemColour(i) == colour)
            return i;
    return count() > 0 && ItemColour(0) == colour ? 0 : -1;
}

void TColorCombo::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    if (currentIndex() >= 0) {
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
        PaintSwatch(painter, field, ItemColour(currentIndex()));
    }
}

QStringList FontSizeList()
{
    QStringList out;
    for (const char* s : SizeList)
        out << QString::fromLatin1(s);
    return out;
}
