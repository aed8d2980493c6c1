#include "platform/process.h"

#include "model/fileutil.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>

QStringList SplitCommandWords(const QString& text)
{
    QStringList words;
    QString word;
    bool inWord = false;
    enum { None, Single, Double } quote = None;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quote == Single) {
            if (c == u'\'')
                quote = None;
            else
                word += c;
        } else if (quote == Double) {
            if (c == u'"')
                quote = None;
            else if (c == u'\\' && i + 1 < text.size()
                     && QStringLiteral("\"\\$`").contains(text[i + 1]))
                word += text[++i];
            else
                word += c;
        } else if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r') {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            if (c == u'\'')
                quote = Single;
            else if (c == u'"')
                quote = Double;
            else if (c == u'\\' && i + 1 < text.size())
                word += text[++i];
            else
                word += c;
        }
    }
    if (inWord)
        words << word;
    return words;
}

QString FindProgram(const QString& program)
{
    if (program.isEmpty())
        return QString();
    QStringList names{program};
    if (program.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        names << program.left(program.size() - 4);
    for (const QString& n : QStringList(names))
        if (n.toLower() != n)
            names << n.toLower();
    for (const QString& n : names) {
        if (n.contains(u'/') || n.contains(u'\\')) {
            QString path = n;
            path.replace(u'\\', u'/');
            const QFileInfo fi(ResolveCase(path));
            if (fi.isFile() && fi.isExecutable())
                return fi.absoluteFilePath();
            continue;
        }
        const QString found = QStandardPaths::findExecutable(n);
        if (!found.isEmpty())
            return found;
    }
    // A bare name not on PATH: a program of the current (project) directory.
    for (const QString& n : names) {
        if (n.contains(u'/') || n.contains(u'\\'))
            continue;
        const QFileInfo fi(ResolveCase(n));
        if (fi.isFile() && fi.isExecutable())
            return fi.absoluteFilePath();
    }
    return QString();
}

bool RunAndWait(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            loop.quit();
    });
    if (QCoreApplication::instance())
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    process.start();
    if (!process.waitForStarted(10000)) {
        std::fprintf(stderr, "Cannot start %s: %s\n", qPrintable(program), qPrintable(process.errorString()));
        return false;
    }
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    // When the application quits first, the program is ended with it.
    return true;
}
