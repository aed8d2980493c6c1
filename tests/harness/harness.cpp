#include "harness.h"

#include "model/testconfig.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/testscript.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>

void QuendraTest::SetUp()
{
    ResetProcessValues();
    SetCurrentHelpFile(QString());
    SetScreenDepthOverride(0);
    TestScript::Activate([](const QString& what) { ADD_FAILURE() << what.toStdString(); });
}

void QuendraTest::TearDown()
{
    const QStringList left = TestScript::Unconsumed();
    for (const QString& l : left)
        ADD_FAILURE() << "scripted but never shown: " << l.toStdString();
    TestScript::Deactivate();
    SetScreenDepthOverride(0);
    QDir::setCurrent(QDir::tempPath());
}

void QuendraTest::OnModal(const QString& className, std::function<void(QDialog&)> handler)
{
    TestScript::OnModal(className, std::move(handler));
}

void QuendraTest::ExpectMessage(const QString& kind, int answer) { TestScript::AnswerMessage(kind, answer); }

QStringList QuendraTest::MessageTexts()
{
    QStringList out;
    for (const auto& m : TestScript::ShownMessages())
        out << m.Text;
    return out;
}

TScratchDir::TScratchDir() { EXPECT_TRUE(FDir.isValid()); }

QString TScratchDir::Path() const
{
    QString p = QFileInfo(FDir.path()).canonicalFilePath();
    if (!p.endsWith(u'/'))
        p += u'/';
    return p;
}

void TScratchDir::Write(const QString& name, const QByteArray& data) const
{
    QFile f(File(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
    ASSERT_EQ(f.write(data), data.size());
}

QByteArray TScratchDir::Read(const QString& name) const
{
    QFile f(File(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool TScratchDir::Exists(const QString& name) const { return QFileInfo::exists(File(name)); }

void TScratchDir::UseAsProject(const QString& base) const
{
    ProjectDir = Path();
    ProjectPath = Path() + base + QStringLiteral(".QXJ");
    EntryPath = Path() + base + QStringLiteral(".QXR");
    QuestionPath = Path() + base + QStringLiteral(".QXQ");
    QDir::setCurrent(Path());
}

void PumpEvents(int ms)
{
    QElapsedTimer t;
    t.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (t.elapsed() < ms);
}
