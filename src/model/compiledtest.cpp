#include "model/compiledtest.h"

#include "model/entryfile.h"
#include "model/entrylines.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/projectfiles.h"
#include "model/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

using namespace EntryLines;

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CompiledTest", text); }

// The directory that holds the project file: the project file's own
// directory when its path names one, else the project directory.
QString ProjectFolder()
{
    const qsizetype cut = std::max(ProjectPath.lastIndexOf(u'/'), ProjectPath.lastIndexOf(u'\\'));
    QString dir = cut >= 0 ? ProjectPath.left(cut + 1) : ProjectDir;
    if (dir.isEmpty())
        dir = QStringLiteral("./");
    dir = ResolveCase(dir);
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

void CopyInto(TSaveFile& out, const QString& path)
{
    QFile in(ResolveCase(path));
    if (!in.open(QIODevice::ReadOnly))
        RaiseInOutError(Tr("open"), path, in.errorString());
    out.WriteFrom(in, path);
}

quint32 Le32At(const QByteArray& b, qint64 at) { return qFromLittleEndian<quint32>(b.constData() + at); }

} // namespace

QString DerivedFilePath(const QString& extension)
{
    return ResolveCase(ProjectFolder() + BaseName(ProjectPath) + extension);
}

QString DerivedFileName(const QString& extension) { return QFileInfo(DerivedFilePath(extension)).fileName(); }

QString CompiledTestPath() { return DerivedFilePath(QStringLiteral(".QXC")); }

QString ExecutablePath() { return DerivedFilePath(QStringLiteral(".EXE")); }

bool BuildCompiledTest(QString* failure)
{
    try {
        const QString target = CompiledTestPath();
        // The whole question records; bytes after the last whole record (a
        // damaged file) are ignored, as opening the project promised.
        QByteArray questions = ReadWholeFile(QuestionPath);
        questions.truncate(questions.size() - questions.size() % qsizetype(sizeof(TQuestionRecord)));

        // The compiled test is made again from its sources whenever needed.
        TSaveFile out(target, TSaveFile::Rebuildable);
        out.Open();
        QIODevice& dev = out.Device();
        out.Write(reinterpret_cast<const char*>(&TestConfig), sizeof TestConfig);
        TCompiledHeader header;
        std::memset(&header, 0, sizeof header);
        out.Write(reinterpret_cast<const char*>(&header), sizeof header);
        dev.seek(CompiledDataOffset);

        qint32 entryOffset = CompiledDataOffset;
        if (EntryPath.isEmpty() || !WriteCompiledEntryBlock(EntryPath, dev, target))
            entryOffset = 0;
        const qint64 questionsOffset = dev.pos();
        if (questionsOffset + questions.size() > qint64(INT32_MAX))
            throw EInOutError(Tr("The compiled test %1 would be larger than 2 GB.").arg(target));
        header.EntryBlockOffset = entryOffset;
        header.QuestionsOffset = qint32(questionsOffset);
        header.QuestionCount = qint32(questions.size() / qsizetype(sizeof(TQuestionRecord)));
        if (!dev.seek(CompiledHeaderOffset))
            RaiseInOutError(Tr("write"), target, dev.errorString());
        out.Write(reinterpret_cast<const char*>(&header), sizeof header);
        if (!dev.seek(questionsOffset))
            RaiseInOutError(Tr("write"), target, dev.errorString());
        out.Write(questions);
        out.Commit();
        return true;
    } catch (const EQuendraError& e) {
        if (failure)
            *failure = e.Message();
        return false;
    }
}

void WriteExecutable(const QString& stub, const QString& compiled, const QString& exe)
{
    // A program, made again from the stub and the compiled test whenever needed.
    TSaveFile out(ResolveCase(exe), TSaveFile::Rebuildable);
    out.SetMode(0755, true);
    out.Open();
    CopyInto(out, stub);
    CopyInto(out, compiled);
    out.Commit();
}

// ---- the compiled entry block -------------------------------------------------

void TCompiledEntryBlock::Load(const QByteArray& block, const QString& what)
{
    Clear();
    const auto damaged = [&](const QString& reason) {
        throw EInOutError(Tr("The compiled test %1 is damaged: %2").arg(what, reason));
    };
    const qint64 size = block.size();
    if (size < 13)
        damaged(Tr("its entry block is too short."));
    if (block[0] != 3 || block.mid(1, 3) != "XR1")
        damaged(Tr("its entry block does not begin with XR1."));
    const quint32 count = Le32At(block, 5);
    const quint32 indexOffset = Le32At(block, 9);
    if (count > 0) {
        if (quint64(count) > quint64(size) / 80 || indexOffset < 13
            || quint64(indexOffset) + quint64(count) * 80 > quint64(size))
            damaged(Tr("its entry index does not fit the file."));
    }
    std::vector<TEntryTable::TSpan> spans;
    spans.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        const qint64 rec = qint64(indexOffset) + qint64(i) * 80;
        const quint32 offset = qFromLittleEndian<quint32>(block.constData() + rec + 61);
        const quint32 length = qFromLittleEndian<quint32>(block.constData() + rec + 65);
        if (offset < 13 || quint64(offset) + quint64(length) > quint64(indexOffset))
            damaged(Tr("entry %1 lies outside its block.").arg(i + 1));
        // The entry's own first two lines hold its full header and its bare
        // source; the index copies are cut to 60 and 10 characters and stand
        // in only for lines the entry lacks.
        TEntryTable::TSpan span;
        span.HeaderStart = rec + 1;
        span.HeaderLen = std::min<int>(quint8(block[rec]), 60);
        span.SourceStart = rec + 70;
        span.SourceLen = std::min<int>(quint8(block[rec + 69]), 10);
        span.BodyEnd = qint64(offset) + length;
        span.BodyStart = span.BodyEnd;
        int line = 0;
        ForEachLine(block.constData() + offset, length, offset, [&](qint64 start, const char*, qint64 n, qint64 next) {
            if (line == 0) {
                span.HeaderStart = start;
                span.HeaderLen = n;
            } else if (line == 1) {
                span.SourceStart = start;
                span.SourceLen = n;
                span.BodyStart = next;
            }
            ++line;
        });
        spans.push_back(span);
    }
    FTable = TEntryTable(block, spans);
}
