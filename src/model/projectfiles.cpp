#include "model/projectfiles.h"

#include "model/errors.h"
#include "model/fileutil.h"

#include <QCoreApplication>

TQuestionRecord QuestionBuffer;

void SaveConfig()
{
    WriteWholeFile(ProjectPath, QByteArray(reinterpret_cast<const char*>(&TestConfig), sizeof TestConfig));
}

int TRecList::Add(const void* data, int size)
{
    FItems.emplace_back(static_cast<const char*>(data), size);
    return int(FItems.size()) - 1;
}

void TRecList::Get(int index, void* buffer, int size) const
{
    if (index < 0 || index >= Count())
        throw EListError(QCoreApplication::translate("RecList", "List index out of bounds (%1)").arg(index));
    const QByteArray& item = FItems[size_t(index)];
    std::memcpy(buffer, item.constData(), size_t(std::min<qsizetype>(item.size(), size)));
}

void TRecList::Put(int index, const void* buffer, int size)
{
    if (index < 0 || index >= Count())
        throw EListError(QCoreApplication::translate("RecList", "List index out of bounds (%1)").arg(index));
    QByteArray& item = FItems[size_t(index)];
    std::memcpy(item.data(), buffer, size_t(std::min<qsizetype>(item.size(), size)));
}

void TRecList::Clear()
{
    while (!FItems.empty())
        FItems.pop_back();
}
