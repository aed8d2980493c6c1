#include "platform/messages.h"

#include "platform/testscript.h"
#include "model/fileutil.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QFileInfo>
#include <QRegularExpression>

const char* const ColourWarningText =
    "Your video Display mode is set at 256 colors.\n\r\n\rThe graphics in this program need High Color\n\r"
    "or True Color. At the Start Menu select Settings\n\rthen Control Panel then Display - Settings to\n\r"
    "change the video Display mode";

namespace {

QString DisplayText(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

QWidget* Owner() { return QApplication::activeWindow(); }

void Box(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, DisplayText(text), QMessageBox::NoButton, Owner());
    box.addButton(QApplication::translate("Messages", "OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace

void ShowError(const QString& text)
{
    int answer;
    if (TestScript::Active()) {
        TestScript::TakeMessage(QStringLiteral("Error"), text, answer);
        return;
    }
    Box(QMessageBox::Critical, QApplication::translate("Messages", "Error"), text);
}

void ShowInfo(const QString& text)
{
    int answer;
    if (TestScript::Active()) {
        TestScript::TakeMessage(QStringLiteral("Information"), text, answer);
        return;
    }
    Box(QMessageBox::Information, QApplication::translate("Messages", "Information"), text);
}

bool Confirm(const QString& text)
{
    if (TestScript::Active()) {
        int answer = 0;
        if (!TestScript::TakeMessage(QStringLiteral("Confirm"), text, answer))
            return false;
        return answer != 0;
    }
    QMessageBox box(QMessageBox::Question, QApplication::translate("Messages", "Confirm"), DisplayText(text),
                    QMessageBox::NoButton, Owner());
    QPushButton* yes = box.addButton(QApplication::translate("Messages", "&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QApplication::translate("Messages", "&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

int YesNoCancel(const QString& text, const QString& title)
{
    if (TestScript::Active()) {
        int answer = mrCancel;
        if (!TestScript::TakeMessage(QStringLiteral("YesNoCancel"), text, answer))
            return mrCancel;
        return answer;
    }
    QMessageBox box(QMessageBox::Question, title, DisplayText(text), QMessageBox::NoButton, Owner());
    QPushButton* yes = box.addButton(QApplication::translate("Messages", "&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QApplication::translate("Messages", "&No"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QApplication::translate("Messages", "Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return mrYes;
    if (box.clickedButton() == no) return mrNo;
    return mrCancel;
}

void ShowColourWarning() { ShowInfo(QString::fromLatin1(ColourWarningText)); }

void OpenDocument(const QString& path)
{
    const QString text = path.left(255).trimmed();
    if (text.isEmpty())
        return;
    // A web address or mail link goes to the shell as it is; anything else
    // is a file, found ignoring letter case.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:(//|[^/\\\\])"));
    const bool isUrl = scheme.match(text).hasMatch();
    const QUrl url = isUrl ? QUrl(text) : QUrl::fromLocalFile(QFileInfo(ResolveCase(text)).absoluteFilePath());
    if (TestScript::Active()) {
        TestScript::Log(QStringLiteral("open-document"), isUrl ? url.toString() : url.toLocalFile());
        return;
    }
    QDesktopServices::openUrl(url);
}
