#include "runtime/savedrun.h"

#include "model/errors.h"
#include "model/fileutil.h"
#include "model/savefile.h"
#include "runtime/runstate.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("SavedRun", text); }

} // namespace

QString SavedRunPath() { return RunFilePath(RunBaseName + QStringLiteral(".sav")); }

QString RunRecordFault(const TQuestionRecord& r)
{
    const int count = r.AnswerCount.get();
    const int correct = r.CorrectAnswer.get();
    const int chosen = r.ChosenAnswer.get();
    if (count < 2 || count > 6)
        return Tr("it has %1 answers (2 to 6 are possible)").arg(count);
    if (correct < 1 || correct > count)
        return Tr("its correct answer %1 is not one of its %2 answers").arg(correct).arg(count);
    if (r.Identifier.Len > 32)
        return Tr("its identifier is longer than 32 characters");
    if (chosen < 0 || chosen > count)
        return Tr("its chosen answer %1 is not one of its %2 answers").arg(chosen).arg(count);
    return QString();
}

TSavedRunState ReadSavedRun(std::vector<TQuestionRecord>& records, QString& reason)
{
    records.clear();
    reason.clear();
    const QString path = ResolveCase(SavedRunPath());
    const QFileInfo info(path);
    // Something other than a plain file (a folder of that name) is no saved run.
    if (!info.isFile() || info.size() < qint64(sizeof(TQuestionRecord)))
        return TSavedRunState::Absent;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        RaiseInOutError(Tr("open"), path, f.errorString());
    // A saved run holds at most one record per question a test can have; a
    // larger file is not a saved run.
    constexpr qint64 Limit = 64LL * 1024 * 1024;
    if (f.size() > Limit) {
        reason = Tr("it is far larger than a saved test run can be");
        return TSavedRunState::Damaged;
    }
    const QByteArray data = f.readAll();
    if (data.size() != f.size())
        RaiseInOutError(Tr("read"), path, f.errorString());
    if (data.size() % qint64(sizeof(TQuestionRecord)) != 0) {
        reason = Tr("its size is not a whole number of questions");
        return TSavedRunState::Damaged;
    }
    const int n = int(data.size() / qint64(sizeof(TQuestionRecord)));
    records.resize(size_t(n));
    std::memcpy(records.data(), data.constData(), size_t(data.size()));
    for (int i = 0; i < n; ++i) {
        const TQuestionRecord& r = records[size_t(i)];
        QString fault = RunRecordFault(r);
        if (fault.isEmpty() && (r.Deleted > 1 || r.Answered > 1))
            fault = Tr("its flags are not those of a test run");
        if (fault.isEmpty() && r.Deleted == 1 && (r.Answered != 1 || r.ChosenAnswer.get() != r.CorrectAnswer.get()))
            fault = Tr("it is marked correct without its correct answer");
        if (!fault.isEmpty()) {
            reason = Tr("question %1: %2").arg(i + 1).arg(fault);
            records.clear();
            return TSavedRunState::Damaged;
        }
    }
    return TSavedRunState::Valid;
}

void WriteSavedRun()
{
    QByteArray data;
    data.reserve(RunList.Count() * int(sizeof(TQuestionRecord)));
    TQuestionRecord r;
    for (int i = 0; i < RunList.Count(); ++i) {
        RunList.Get(i, &r, sizeof r);
        data.append(reinterpret_cast<const char*>(&r), sizeof r);
    }
    SaveWholeFile(SavedRunPath(), data);
}

void DeleteSavedRun()
{
    const QString path = ResolveCase(SavedRunPath());
    if (QFileInfo(path).isFile())
        QFile::remove(path);
}
