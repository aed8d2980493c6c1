#pragma once
// The compiled entry block read where it lies (a mapped file), for the
// runtime programs: opening it reads the block's index and nothing else, so a
// test of thousands of questions starts as fast as a small one; each entry's
// lines are read when the entry is asked for. It answers exactly as
// TCompiledEntryBlock over the same bytes (the tests hold the two together).

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>
#include <vector>

#include "runtime/entrystore.h"

class TMappedEntryStore final : public TEntryStore {
public:
    // data/size: the block; keeper keeps the bytes alive. Throws EInOutError
    // naming what when the block's header or index does not fit its size.
    TMappedEntryStore(const char* data, qint64 size, std::shared_ptr<void> keeper, const QString& what);

    int Count() const { return int(FItems.size()); }
    bool ReadEntry(const QString& name, const QString& source, QStringList& lines) const override;
    bool ReadQuestionText(const QString& identifier, QStringList& text) const override;
    bool ReadIntroduction(QStringList& text) const override;
    void ListEntryNames(QStringList& names, const QString& source) const override;

private:
    struct TItem {
        quint32 Offset = 0;
        quint32 Size = 0;
        QByteArray Header;
        QByteArray Source;
        QString Name;
        QString SourceKey;
        bool Bracketed = false;
    };
    void BodyLines(const TItem& item, int skip, QStringList& out) const;

    const char* FData;
    qint64 FSize;
    std::shared_ptr<void> FKeeper;
    std::vector<TItem> FItems;
    QHash<QString, std::vector<int>> FByName;
};
