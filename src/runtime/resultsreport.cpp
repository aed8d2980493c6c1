#include "runtime/resultsreport.h"
#include "runtime/results.h"

#include "model/ansi.h"
#include "model/testconfig.h"
#include "runtime/runstate.h"

#include <QStringDecoder>

namespace {

// The widths the file gives the title line and the head of a "WRONG" line.
constexpr int FileTitleWidth = 88;
constexpr int FileWrongHeadWidth = 36;

// Drops a byte-order mark at the start and a CR at the end, for the test of
// the first line.
QString Bare(QString line)
{
    // The mark as decoded from UTF-8, or as its three Windows-1252 bytes.
    if (line.startsWith(QChar(0xFEFF)))
        line.remove(0, 1);
    else if (line.startsWith(QStringLiteral("\u00EF\u00BB\u00BF")))
        line.remove(0, 3);
    if (line.endsWith(u'\r'))
        line.chop(1);
    return line;
}

} // namespace

QStringList ResultsReport(bool forFile)
{
    const TTestConfig& c = TestConfig;
    QStringList lines;
    if (forFile)
        lines << (c.EncryptData ? QStringLiteral("1") : QStringLiteral("0"));
    QString title = QStringLiteral("TITLE = ") + c.Program.ProgramTitle.str();
    if (forFile)
        title.truncate(FileTitleWidth);
    lines << title << QString();
    if (StudentInputGiven)
        for (const QString& answer : StudentAnswers)
            lines << answer;
    lines << QString();
    lines << QStringLiteral("NUMBER OF QUESTIONS = %1").arg(TakeCount);
    lines << QStringLiteral("QUESTIONS CORRECT = %1").arg(CorrectCount);
    lines << QStringLiteral("PERCENTAGE CORRECT = %1%").arg(ScorePercent);
    lines << QString();

    // Each run record falls into exactly one list: correct, else completed
    // (wrong), else not completed.
    QStringList correct, wrong, notCompleted;
    for (int i = 0; i < RunList.Count(); ++i) {
        TQuestionRecord r;
        RunList.Get(i, &r, int(sizeof r));
        const QString id = r.Identifier.str();
        if (r.Deleted != 0) {
            correct << id;
        } else if (r.Answered != 0) {
            QString head = id + QStringLiteral(" - [");
            if (forFile)
                head.truncate(FileWrongHeadWidth);
            wrong << head + QString::number(r.ChosenAnswer.get()) + u']';
        } else {
            notCompleted << id;
        }
    }
    lines << QStringLiteral("CORRECT") << correct << QString();
    lines << QStringLiteral("WRONG") << wrong << QString();
    lines << QStringLiteral("NOT COMPLETED") << notCompleted << QString();
    for (const auto& line : c.DataFileLine)
        lines << line.str();
    return lines;
}

QString ScrambleLine(const QString& line)
{
    if (!TestConfig.EncryptData || line.isEmpty())
        return line;
    QByteArray bytes = StringToAnsi(line);
    const int key = Random(5) + 1;
    for (char& b : bytes)
        b = char((quint8(b) - key) & 0xFF);
    // The key goes just before the last byte (first, for a single byte).
    bytes.insert(bytes.size() - 1, char(key));
    return AnsiToString(bytes);
}

QString UnscrambleLine(const QString& line)
{
    QByteArray bytes = StringToAnsi(line);
    if (bytes.size() < 2)
        return line;
    const int key = quint8(bytes.at(bytes.size() - 2));
    bytes.remove(bytes.size() - 2, 1);
    for (char& b : bytes)
        b = char((quint8(b) + key) & 0xFF);
    return AnsiToString(bytes);
}

QStringList UnscrambleResultsLines(const QStringList& lines)
{
    if (lines.isEmpty())
        return {};
    const bool plain = Bare(lines.first()) == u"0";
    QStringList out;
    out.reserve(lines.size());
    out << QString();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(u'\r'))
            line.chop(1);
        out << (plain || line.isEmpty() ? line : UnscrambleLine(line));
    }
    return out;
}

QStringList ResultsFileLines()
{
    Randomize();
    const QStringList report = ResultsReport(true);
    QStringList lines;
    lines.reserve(report.size());
    for (qsizetype i = 0; i < report.size(); ++i)
        lines << (i == 0 ? report.at(i) : ScrambleLine(report.at(i)));
    return lines;
}

QByteArray ResultsLinesToBytes(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines) {
        out += StringToAnsi(line);
        out += "\r\n";
    }
    return out;
}

QStringList ResultsBytesToLines(const QByteArray& data)
{
    QByteArray bytes = data;
    bool utf8 = false;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
        QStringDecoder probe(QStringDecoder::Utf8);
        (void)probe.decode(bytes);
        utf8 = !probe.hasError();
    }
    QStringList lines;
    if (bytes.isEmpty())
        return lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = bytes.size();
        qsizetype stop = end;
        if (stop > start && bytes.at(stop - 1) == '\r')
            --stop;
        const QByteArray line = bytes.mid(start, stop - start);
        lines << (utf8 ? QString::fromUtf8(line) : AnsiToString(line));
        start = end + 1;
    }
    return lines;
}
