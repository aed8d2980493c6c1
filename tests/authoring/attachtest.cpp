#include "attachtest.h"

#include "model/entryfile.h"
#include "model/testconfig.h"
#include "platform/richedit.h"
#include "presentation/hypentryform.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextCursor>

void AttachTest::Menu(const char* className, std::function<void(TAttachMenuForm&)> act)
{
    OnModal(QString::fromLatin1(className), [act](QDialog& d) {
        auto* form = qobject_cast<TAttachMenuForm*>(&d);
        ASSERT_NE(form, nullptr);
        act(*form);
    });
}

void AttachTest::TypeText(const QString& text, int mode)
{
    OnModal(QStringLiteral("THypEntryForm"), [text, mode](QDialog& d) {
        auto& e = static_cast<THypEntryForm&>(d);
        EXPECT_EQ(e.Mode(), mode);
        if (text.isEmpty())
            e.RichEdit1->Clear();
        else
            e.RichEdit1->SetText(text);
        e.OKBtn->click();
    });
}

QStringList AttachTest::Stored(const QString& name, const QString& source)
{
    QStringList lines;
    ReadEntry(EntryPath, name, source, lines);
    return lines;
}

void PressAt(TRichEdit* edit, int pos)
{
    QTextCursor c(edit->document());
    c.setPosition(pos);
    const QPoint at = edit->cursorRect(c).center() + QPoint(2, 0);
    const QPoint global = edit->viewport()->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit->viewport(), &release);
    PumpEvents();
}
