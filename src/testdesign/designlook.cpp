#include "testdesign/designlook.h"

#include "model/ansi.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/projectfiles.h"
#include "platform/help.h"
#include "platform/messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include <cstring>

namespace {

const QColor Teal(0, 128, 128);

struct TNamedColour {
    quint32 Value;   // 0x00BBGGRR
    const char* Name;
};

const TNamedColour NamedColours[] = {
    {0x000000, QT_TRANSLATE_NOOP("Colours", "Black")},   {0x000080, QT_TRANSLATE_NOOP("Colours", "Maroon")},
    {0x008000, QT_TRANSLATE_NOOP("Colours", "Green")},   {0x008080, QT_TRANSLATE_NOOP("Colours", "Olive")},
    {0x800000, QT_TRANSLATE_NOOP("Colours", "Navy")},    {0x800080, QT_TRANSLATE_NOOP("Colours", "Purple")},
    {0x808000, QT_TRANSLATE_NOOP("Colours", "Teal")},    {0x808080, QT_TRANSLATE_NOOP("Colours", "Gray")},
    {0xC0C0C0, QT_TRANSLATE_NOOP("Colours", "Silver")},  {0x0000FF, QT_TRANSLATE_NOOP("Colours", "Red")},
    {0x00FF00, QT_TRANSLATE_NOOP("Colours", "Lime")},    {0x00FFFF, QT_TRANSLATE_NOOP("Colours", "Yellow")},
    {0xFF0000, QT_TRANSLATE_NOOP("Colours", "Blue")},    {0xFF00FF, QT_TRANSLATE_NOOP("Colours", "Fuchsia")},
    {0xFFFF00, QT_TRANSLATE_NOOP("Colours", "Aqua")},    {0xFFFFFF, QT_TRANSLATE_NOOP("Colours", "White")},
};

} // namespace

void SetDesignLook(QDialog& form, int helpContext)
{
    form.setWindowTitle(QCoreApplication::translate("TestDesign", "Press F1 for Help"));
    form.setToolTip(QCoreApplication::translate("TestDesign", " Press F1 for Help"));
    QPalette pal = form.palette();
    pal.setColor(QPalette::Window, Teal);
    pal.setColor(QPalette::WindowText, Qt::white);
    form.setPalette(pal);
    form.setAutoFillBackground(true);
    SetHelpContext(&form, helpContext);
    if (form.layout()) {
        form.layout()->setSizeConstraint(QLayout::SetFixedSize);
        form.layout()->activate();
    }
    form.adjustSize();
    // Centred on the screen of the program's main window, whatever opened it.
    const QWidget* top = &form;
    while (top->parentWidget())
        top = top->parentWidget()->window();
    const QScreen* screen = top->screen() ? top->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        form.move(area.center() - QPoint(form.width() / 2, form.height() / 2));
    }
}

QString PlainCaption(const QString& caption)
{
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    out = out.trimmed();
    if (out.endsWith(u':'))
        out.chop(1);
    return out.trimmed();
}

void NameControl(QWidget* control, const char* objectName, const QString& caption)
{
    control->setObjectName(QString::fromLatin1(objectName));
    control->setAccessibleName(PlainCaption(caption));
}

QLabel* NewBuddyLabel(const QString& caption, QWidget* control, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(control);
    control->setAccessibleName(PlainCaption(caption));
    return label;
}

QString RecordText(const TTestConfig& record, int offset, int capacity)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record) + offset;
    const int length = bytes[0] > capacity ? capacity : bytes[0];
    return AnsiToString(reinterpret_cast<const char*>(bytes + 1), length);
}

void SetRecordText(TTestConfig& record, int offset, int capacity, const QString& text)
{
    auto* bytes = reinterpret_cast<unsigned char*>(&record) + offset;
    const QByteArray ansi = StringToAnsi(text).left(capacity);
    std::memcpy(bytes + 1, ansi.constData(), size_t(ansi.size()));
    bytes[0] = static_cast<unsigned char>(ansi.size());
}

QColor RecordColour(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 RecordValue(const QColor& colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

QString ColourName(const QColor& colour)
{
    const quint32 v = RecordValue(colour);
    for (const TNamedColour& c : NamedColours)
        if (c.Value == v)
            return QCoreApplication::translate("Colours", c.Name);
    return QCoreApplication::translate("Colours", "red %1, green %2, blue %3")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

void ShowFormError(QWidget* form, const QString& text)
{
    ShowError(text);
    if (form && form->window()->isVisible())
        form->window()->activateWindow();
}

bool SaveRecord(const TTestConfig& record)
{
    const TTestConfig old = TestConfig;
    const QString oldPrompt = MediaPrompt;
    TestConfig = record;
    try {
        SaveConfig();
        return true;
    } catch (const EQuendraError& e) {
        TestConfig = old;
        MediaPrompt = oldPrompt;
        ShowFormError(QApplication::activeModalWidget(), e.Message());
        return false;
    }
}

// ---- menus ----

void RunFromMenu(QDialog& menu, QPushButton* from, const std::function<void()>& form)
{
    // Out of sight while the dialog runs, but not hidden: hiding would end
    // the menu's modal loop. Where windows cannot be placed (a window
    // manager that refuses), the menu simply stays behind the dialog.
    const QPoint home = menu.pos();
    const QScreen* screen = menu.screen() ? menu.screen() : QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect(0, 0, 640, 480);
    menu.move(desktop.left() - menu.frameGeometry().width() - 200, desktop.top() - menu.frameGeometry().height() - 200);
    try {
        form();
    } catch (const EQuendraError& e) {
        menu.move(home);
        ShowError(e.Message());
    } catch (const std::exception& e) {
        menu.move(home);
        ShowError(QString::fromLocal8Bit(e.what()));
    }
    menu.move(home);
    if (menu.isVisible()) {
        menu.raise();
        menu.activateWindow();
    }
    if (from && from->isEnabled())
        from->setFocus(Qt::OtherFocusReason);
}
