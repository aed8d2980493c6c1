#include "harness.h"

#include "model/fileutil.h"
#include "model/processvalues.h"
#include "model/testconfig.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/testscript.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>

namespace {

// A modal window opened past ShowModal and the message routines (a direct
// exec()) would wait for a user forever. While a test runs, a watch looks at
// the active modal window every 100 ms; one the script does not run that is
// still there on the next look fails the test with its class and text, and
// is closed.
class TModalWatch : public QObject {
public:
    TModalWatch()
    {
        FTimer.setInterval(100);
        connect(&FTimer, &QTimer::timeout, this, &TModalWatch::Look);
    }
    void Start() { FSeen.clear(); if (QCoreApplication::instance()) FTimer.start(); }
    void Stop() { FTimer.stop(); FSeen.clear(); }

private:
    void Look()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w->property("quendraScriptedModal").toBool()) {
            FSeen.clear();
            return;
        }
        if (FSeen != w) {
            FSeen = w;
            return;
        }
        QString what = QStringLiteral("modal window %1 shown outside the test script").arg(
            QString::fromLatin1(w->metaObject()->className()));
        if (auto* box = qobject_cast<QMessageBox*>(w))
            what += QStringLiteral(": ") + box->text();
        else if (!w->windowTitle().isEmpty())
            what += QStringLiteral(" \"%1\"").arg(w->windowTitle());
        ADD_FAILURE() << what.toStdString();
        FSeen.clear();
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            w->close();
    }

    QTimer FTimer;
    QPointer<QWidget> FSeen;
};

TModalWatch& ModalWatch()
{
    static TModalWatch* watch = new TModalWatch;   // lives as long as the test program
    return *watch;
}

} // namespace

void QuendraTest::SetUp()
{
    ModalWatch().Start();
    ResetAllProcessValues();
    TestScript::Activate([](const QString& what) { ADD_FAILURE() << what.toStdString(); });
}

void QuendraTest::TearDown()
{
    const QStringList left = TestScript::Unconsumed();
    for (const QString& l : left)
        ADD_FAILURE() << "scripted but never shown: " << l.toStdString();
    TestScript::Deactivate();
    ModalWatch().Stop();
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
