#include "authoringtest.h"

#include "platform/help.h"
#include "platform/testscript.h"

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QListWidget>
#include <QPushButton>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

void AuthoringTest::SetUp()
{
    QuendraTest::SetUp();
    Dir.UseAsProject(QStringLiteral("MATHS"));
}

namespace {

void PutInt(QByteArray& b, int offset, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[offset + i] = char((v >> (8 * i)) & 0xFF);
}

} // namespace

QByteArray RecordBytes(const TRecordSpec& rec)
{
    QByteArray b(55, '\0');
    b[6] = char(rec.Identifier.size());
    for (int i = 0; i < rec.Identifier.size(); ++i)
        b[7 + i] = rec.Identifier[i];
    PutInt(b, 39, quint32(rec.AnswerCount));
    PutInt(b, 43, quint32(rec.CorrectAnswer));
    PutInt(b, 47, rec.Back);
    b[51] = rec.Explanation ? 1 : 0;
    b[52] = rec.Information ? 1 : 0;
    b[53] = rec.Right ? 1 : 0;
    b[54] = rec.Wrong ? 1 : 0;
    return b;
}

QByteArray RecordIdentifier(const QByteArray& file, int i)
{
    const QByteArray r = file.mid(55 * i, 55);
    if (r.size() < 55)
        return QByteArray("<missing>");
    return r.mid(7, quint8(r[6]));
}

qint32 RecordInt(const QByteArray& file, int i, int offset)
{
    const QByteArray r = file.mid(55 * i + offset, 4);
    quint32 v = 0;
    for (int k = 0; k < r.size(); ++k)
        v |= quint32(quint8(r[k])) << (8 * k);
    return qint32(v);
}

QByteArray QuestEntryBytes(const QByteArray& identifier, const QList<QByteArray>& rtfLines)
{
    QByteArray b = "[" + identifier + "]\r\nsource=QUEST\r\ntext=\r\n";
    for (const QByteArray& l : rtfLines)
        b += l + "\r\n";
    return b + "]\r\n\r\n";
}

QByteArray CommandEntryBytes(const QByteArray& name, const QByteArray& source, int type, const QByteArray& command)
{
    return "[" + name + "]\r\nsource=" + source + "\r\ntype=" + QByteArray::number(type) + "\r\ncommand=" + command
           + "\r\n]\r\n\r\n";
}

QStringList EntryNames(const QByteArray& file)
{
    QStringList out;
    const QList<QByteArray> lines = file.split('\n');
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray l = lines[i].trimmed();
        if (l.startsWith('[') && l.endsWith(']') && lines[i + 1].startsWith("source="))
            out << QString::fromLatin1(l.mid(1, l.size() - 2) + "/" + lines[i + 1].trimmed().mid(7));
    }
    return out;
}

void ChooseFromList(int index, QStringList* shown, QString* caption, int* helpContext)
{
    TestScript::OnModal(QStringLiteral("TButtListForm"), [=](QDialog& d) {
        auto* list = d.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        if (shown) {
            shown->clear();
            for (int i = 0; i < list->count(); ++i)
                *shown << list->item(i)->text();
        }
        if (caption)
            *caption = d.windowTitle();
        if (helpContext)
            *helpContext = HelpContextOf(&d);
        if (index < 0) {
            d.reject();
            return;
        }
        list->setCurrentRow(index);
        for (QPushButton* b : d.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("&Select")) {
                b->click();
                return;
            }
        ADD_FAILURE() << "no Select button";
        d.reject();
    });
}

void LeaveField(QWidget* field)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &out);
}

TImmutableFile::TImmutableFile(const QString& path) : FPath(path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY);
    if (fd < 0)
        return;
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags |= FS_IMMUTABLE_FL;
        FActive = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
}

TImmutableFile::~TImmutableFile()
{
    if (!FActive)
        return;
    const int fd = ::open(FPath.toLocal8Bit().constData(), O_RDONLY);
    if (fd < 0)
        return;
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags &= ~FS_IMMUTABLE_FL;
        ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    ::close(fd);
}
