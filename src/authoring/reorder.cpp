#include "authoring/reorder.h"

#include "model/errors.h"
#include "model/fileutil.h"
#include "model/projectfiles.h"
#include "model/savefile.h"
#include "model/testconfig.h"

#include <QCoreApplication>

#include <cstring>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Reorder", text); }

constexpr qsizetype RecordSize = sizeof(TQuestionRecord);

QString RecordIdentifier(const QByteArray& data, qsizetype index)
{
    TQuestionRecord r;
    std::memcpy(&r, data.constData() + index * RecordSize, RecordSize);
    return r.Identifier.str();
}

} // namespace

void MoveQuestionBefore(int source, int target)
{
    const QString file = ResolveCase(QuestionPath);
    const QByteArray data = ReadWholeFile(file);
    if (data.size() % RecordSize != 0)
        throw EInOutError(QuestionFileDamageText(data.size() % RecordSize) + QStringLiteral("\n")
                          + Tr("The questions were not re-ordered."));
    const qsizetype count = data.size() / RecordSize;
    if (source < 0 || target < 0 || source >= count || target >= count)
        throw EInOutError(Tr("The question file %1 has changed; the questions were not re-ordered.").arg(file));
    if (source == target || source + 1 == target)
        return;
    QByteArray out;
    out.reserve(data.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (i == source)
            continue;
        if (i == target)
            out.append(data.constData() + source * RecordSize, RecordSize);
        out.append(data.constData() + i * RecordSize, RecordSize);
    }
    Q_ASSERT(out.size() == data.size());
    SaveWholeFile(file, out);
}

void MoveQuestionBefore(const QString& source, const QString& target)
{
    const QByteArray data = ReadWholeFile(ResolveCase(QuestionPath));
    const qsizetype count = data.size() / RecordSize;
    int from = -1, to = -1;
    for (qsizetype i = 0; i < count; ++i) {
        const QString id = RecordIdentifier(data, i);
        if (id == source)
            from = int(i);
        if (id == target && to < 0)
            to = int(i);
    }
    if (from < 0 || to < 0)
        return;   // as designed: nothing matches, nothing moves
    MoveQuestionBefore(from, to);
}
