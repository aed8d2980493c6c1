#include "designtest.h"

#include "model/projectfiles.h"
#include "model/testconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>
#include <QWidget>

#include <cstring>

void DesignTest::SetUp()
{
    QuendraTest::SetUp();
    Dir.UseAsProject(QStringLiteral("MATHS"));
    UseRecord(DefaultRecord());
}

void DesignTest::UseRecord(const QByteArray& record)
{
    Dir.Write(QStringLiteral("MATHS.QXJ"), record);
    Before = record;
    LoadConfig();
}

QStringList DesignTest::Files() const
{
    return QDir(Dir.Path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

QByteArray DefaultRecord()
{
    const TTestConfig saved = TestConfig;
    const QString prompt = MediaPrompt;
    SetConfigDefaults();
    QByteArray bytes(reinterpret_cast<const char*>(&TestConfig), int(sizeof TestConfig));
    TestConfig = saved;
    MediaPrompt = prompt;
    return bytes;
}

void ExpectOnly(const QByteArray& before, const QByteArray& after, const QList<TChange>& changes)
{
    ASSERT_EQ(after.size(), 5428);
    ASSERT_EQ(before.size(), 5428);
    QByteArray expected = before;
    for (const TChange& c : changes)
        expected.replace(c.first, c.second.size(), c.second);
    for (int i = 0; i < 5428; ++i)
        EXPECT_EQ(int(quint8(after[i])), int(quint8(expected[i]))) << "byte " << i;
}

QByteArray Str(const QByteArray& text) { return QByteArray(1, char(text.size())) + text; }

void PutStr(QByteArray& record, int offset, const QByteArray& text)
{
    record.replace(offset, text.size() + 1, Str(text));
}

void LeaveField(QWidget* field)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &out);
}

TFileSizeLimit::TFileSizeLimit(rlim_t limit)
{
    ::getrlimit(RLIMIT_FSIZE, &FOld);
    FOldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit rl { limit, FOld.rlim_max };
    ::setrlimit(RLIMIT_FSIZE, &rl);
}

TFileSizeLimit::~TFileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &FOld);
    ::signal(SIGXFSZ, FOldHandler);
}
