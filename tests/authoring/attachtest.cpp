#include "attachtest.h"

#include "model/entryfile.h"
#include "model/testconfig.h"
#include "platform/richedit.h"
#include "presentation/hypentryform.h"

#include <QPushButton>

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
