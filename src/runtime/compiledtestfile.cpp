#include "runtime/compiledtestfile.h"

#include "model/errors.h"
#include "model/fileutil.h"
#include "runtime/entrystore.h"
#include "runtime/mappedentrystore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstring>
#include <limits>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CompiledTest", text); }

[[noreturn]] void Damaged(const QString& what, const QString& reason)
{
    throw EInOutError(Tr("The compiled test %1 cannot be read: %2").arg(QDir::toNativeSeparators(what), reason));
}

QByteArray ReadAt(QIODevice& device, qint64 at, qint64 size, const QString& what)
{
    if (!device.seek(at))
        Damaged(what, device.errorString());
    QByteArray data = device.read(size);
    if (data.size() != size)
        Damaged(what, Tr("the file is shorter than its header says."));
    return data;
}

} // namespace

void TCompiledTestFile::Load(QIODevice& device, qint64 start, qint64 length, const QString& what)
{
    LazyStore.reset();
    Questions.clear();
    Entries.reset();
    HasEntries = false;
    if (length < CompiledDataOffset)
        Damaged(what, Tr("it is too short to be a compiled test."));
    const QByteArray head = ReadAt(device, start, CompiledDataOffset, what);
    std::memcpy(&Config, head.constData(), sizeof Config);
    std::memcpy(&Header, head.constData() + CompiledHeaderOffset, sizeof Header);
    const qint64 entryOffset = Header.EntryBlockOffset.get();
    const qint64 questionsOffset = Header.QuestionsOffset.get();
    const qint64 count = Header.QuestionCount.get();
    if (questionsOffset < CompiledDataOffset || questionsOffset > length)
        Damaged(what, Tr("the questions lie outside the file."));
    if (count < 0 || count > (length - questionsOffset) / qint64(sizeof(TQuestionRecord))
        || questionsOffset + count * qint64(sizeof(TQuestionRecord)) != length)
        Damaged(what, Tr("the number of questions does not fit the file."));
    if (entryOffset != 0 && (entryOffset < CompiledDataOffset || entryOffset > questionsOffset))
        Damaged(what, Tr("the entries lie outside the file."));

    if (entryOffset != 0) {
        auto block = std::make_shared<TCompiledEntryBlock>();
        block->Load(ReadAt(device, start + entryOffset, questionsOffset - entryOffset, what), what);
        Entries = std::move(block);
        HasEntries = true;
    }
    const QByteArray records = ReadAt(device, start + questionsOffset, count * qint64(sizeof(TQuestionRecord)), what);
    Questions.resize(size_t(count));
    if (count > 0)
        std::memcpy(Questions.data(), records.constData(), size_t(records.size()));
}

void TCompiledTestFile::LoadMapped(const char* data, qint64 length, const QString& what, std::shared_ptr<void> keeper)
{
    // The header, the counts and the question records as Load checks them;
    // the entry block stays where it lies.
    Questions.clear();
    Entries.reset();
    HasEntries = false;
    if (length < CompiledDataOffset)
        Damaged(what, Tr("it is too short to be a compiled test."));
    std::memcpy(&Config, data, sizeof Config);
    std::memcpy(&Header, data + CompiledHeaderOffset, sizeof Header);
    const qint64 entryOffset = Header.EntryBlockOffset.get();
    const qint64 questionsOffset = Header.QuestionsOffset.get();
    const qint64 count = Header.QuestionCount.get();
    if (questionsOffset < CompiledDataOffset || questionsOffset > length)
        Damaged(what, Tr("the questions lie outside the file."));
    if (count < 0 || count > (length - questionsOffset) / qint64(sizeof(TQuestionRecord))
        || questionsOffset + count * qint64(sizeof(TQuestionRecord)) != length)
        Damaged(what, Tr("the number of questions does not fit the file."));
    if (entryOffset != 0 && (entryOffset < CompiledDataOffset || entryOffset > questionsOffset))
        Damaged(what, Tr("the entries lie outside the file."));
    LazyStore.reset();
    if (entryOffset != 0 && LazyEntries) {
        LazyStore = std::make_shared<TMappedEntryStore>(data + entryOffset, questionsOffset - entryOffset, keeper, what);
        HasEntries = true;
    } else if (entryOffset != 0) {
        struct THolder {
            std::shared_ptr<void> Keeper;
            TCompiledEntryBlock Block;
        };
        auto holder = std::make_shared<THolder>();
        holder->Keeper = std::move(keeper);
        const qint64 size = questionsOffset - entryOffset;
        if (size > std::numeric_limits<int>::max())
            Damaged(what, Tr("its entry block is too large."));
        holder->Block.Load(QByteArray::fromRawData(data + entryOffset, int(size)), what);
        Entries = std::shared_ptr<TCompiledEntryBlock>(holder, &holder->Block);
        HasEntries = true;
    }
    Questions.resize(size_t(count));
    if (count > 0)
        std::memcpy(Questions.data(), data + questionsOffset, size_t(count) * sizeof(TQuestionRecord));
}

namespace {

// Maps the whole file; null (and the file left open) when it cannot be mapped.
std::shared_ptr<QFile> MapFile(const QString& path, const QString& shown, const uchar*& data)
{
    auto f = std::make_shared<QFile>(path);
    if (!f->open(QIODevice::ReadOnly))
        RaiseInOutError(Tr("open"), shown, f->errorString());
    data = f->size() > 0 ? f->map(0, f->size()) : nullptr;
    return f;
}

} // namespace

void TCompiledTestFile::Open(const QString& path)
{
    const uchar* data = nullptr;
    const std::shared_ptr<QFile> f = MapFile(ResolveCase(path), path, data);
    if (data) {
        LoadMapped(reinterpret_cast<const char*>(data), f->size(), path, f);
        return;
    }
    Load(*f, 0, f->size(), path);
}

qint64 ElfImageEnd(QIODevice& device, const QString& what)
{
    const qint64 size = device.size();
    if (size < 52)
        Damaged(what, Tr("it is not a program."));
    const QByteArray h = ReadAt(device, 0, std::min<qint64>(size, 64), what);
    if (!h.startsWith("\x7f" "ELF"))
        Damaged(what, Tr("it is not a program."));
    const bool is64 = h[4] == 2;
    const bool little = h[5] == 1;
    if ((h[4] != 1 && !is64) || (h[5] != 1 && h[5] != 2) || (is64 && h.size() < 64))
        Damaged(what, Tr("it is not a program."));
    auto u16 = [&](int at) {
        return little ? qFromLittleEndian<quint16>(h.constData() + at) : qFromBigEndian<quint16>(h.constData() + at);
    };
    auto u32 = [&](const char* p) { return little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p); };
    auto u64 = [&](const char* p) { return little ? qFromLittleEndian<quint64>(p) : qFromBigEndian<quint64>(p); };
    const quint64 shoff = is64 ? u64(h.constData() + 0x28) : u32(h.constData() + 0x20);
    const quint64 shentsize = is64 ? u16(0x3A) : u16(0x2E);
    quint64 shnum = is64 ? u16(0x3C) : u16(0x30);
    if (shoff == 0 || shentsize < (is64 ? 64u : 40u) || shoff > quint64(size))
        Damaged(what, Tr("its program image has no section table."));
    if (shnum == 0) {
        // More sections than fit the header: the count is in section 0's size field.
        if (shoff + shentsize > quint64(size))
            Damaged(what, Tr("its section table lies outside the file."));
        const QByteArray s0 = ReadAt(device, qint64(shoff), qint64(shentsize), what);
        shnum = is64 ? u64(s0.constData() + 0x20) : u32(s0.constData() + 0x14);
    }
    if (shnum > quint64(size) / shentsize || shoff + shnum * shentsize > quint64(size))
        Damaged(what, Tr("its section table lies outside the file."));
    return qint64(shoff + shnum * shentsize);
}

void TCompiledTestFile::OpenAppended(const QString& executable)
{
    const uchar* data = nullptr;
    const std::shared_ptr<QFile> f = MapFile(executable, executable, data);
    const qint64 end = ElfImageEnd(*f, executable);
    if (end == f->size())
        throw EInOutError(Tr("The program %1 holds no test. Create it with \"Create Executable\".")
                              .arg(QDir::toNativeSeparators(executable)));
    if (data) {
        LoadMapped(reinterpret_cast<const char*>(data) + end, f->size() - end, executable, f);
        return;
    }
    Load(*f, end, f->size() - end, executable);
}

std::shared_ptr<const TEntryStore> TCompiledTestFile::EntryStore() const
{
    if (LazyStore)
        return LazyStore;
    return std::make_shared<TCompiledEntryStore>(Entries);
}
