#include "model/projectfiles.h"

#include "model/entryfile.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

TQuestionRecord QuestionBuffer;

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ProjectFiles", text); }

constexpr qint64 ConfigSize = qint64(sizeof(TTestConfig));
constexpr qint64 EarlierConfigSize = 3248;
constexpr qint64 RecordSize = qint64(sizeof(TQuestionRecord));

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error ? error : EIO)); }

QString gProjectName;
QString gProjectNameFor;

// Reads a device that must hold exactly one record of the given size.
QByteArray ReadOneRecord(QIODevice& in, const QString& what, qint64 size)
{
    // Never read more than one record plus a byte: enough to tell a file
    // that is too long, however large it is.
    QByteArray data(qsizetype(size + 1), '\0');
    qint64 have = 0;
    while (have < data.size()) {
        const qint64 got = in.read(data.data() + have, data.size() - have);
        if (got < 0)
            RaiseInOutError(Tr("read"), what, in.errorString());
        if (got == 0)
            break;
        have += got;
    }
    data.truncate(qsizetype(have));
    if (data.size() < size)
        RaiseInOutError(Tr("read"), what,
                        Tr("Read beyond end of file: the file holds %1 bytes, a project record %2.")
                            .arg(data.size()).arg(size));
    if (data.size() > size)
        RaiseInOutError(Tr("read"), what,
                        Tr("The file is not a test project file: it holds more than one record of %1 bytes.")
                            .arg(size));
    return data;
}

// Reads a file that must hold exactly one record of the given size.
QByteArray ReadOneRecord(const QString& path, qint64 size)
{
    const QString real = ResolveCase(path);
    QFile f(real);
    if (!f.open(QIODevice::ReadOnly))
        RaiseInOutError(Tr("open"), real, f.errorString());
    const QByteArray data = ReadOneRecord(f, real, size);
    if (f.error() != QFileDevice::NoError)
        RaiseInOutError(Tr("read"), real, f.errorString());
    return data;
}

// An earlier short string (length byte and oldCapacity bytes) into a new,
// wider field. A length byte beyond the old capacity (a damaged file) reads
// as the capacity.
template <int N>
void CopyShort(ShortString<N>& target, const char* source, int oldCapacity)
{
    const int len = std::min({int(quint8(source[0])), oldCapacity, N});
    target.Len = quint8(len);
    std::memcpy(target.Text, source + 1, size_t(len));
}

qint16 Le16(const char* p) { return qFromLittleEndian<qint16>(reinterpret_cast<const uchar*>(p)); }
qint32 Le32(const char* p) { return qFromLittleEndian<qint32>(reinterpret_cast<const uchar*>(p)); }

// Earlier command values separated their parts by spaces; the current
// format separates them by commas. Type 6 (graphic, sound, duration) has
// two separators; type 9 keeps its space, which is still its separator.
void ConvertCommandValue(ShortString<200>& value, int commandType)
{
    if (commandType == 9)
        return;
    int toReplace = commandType == 6 ? 2 : 1;
    for (int i = 0; i < value.Length() && toReplace > 0; ++i)
        if (value.Text[i] == ' ') {
            value.Text[i] = ',';
            --toReplace;
        }
}

void ConvertDisplay(TEntryDisplay& d, const char* old)
{
    d.VPBack = Le32(old + 0);
    d.FullScreen.Value = quint8(old[4]);
    d.DisplayType = Le32(old + 5);
    d.SBackColor = Le32(old + 9);
    CopyShort(d.SGraphic, old + 13, 12);
    CopyShort(d.SWallpaper, old + 26, 12);
    d.VPLeft = Le32(old + 39);
    d.VPTop = Le32(old + 43);
    d.VPWidth = Le32(old + 47);
    d.VPHeight = Le32(old + 51);
    d.RLTop = 1;
    d.RLLeft = 1;
    d.Print.Value = quint8(old[67]);
}

void ConvertCommand(TCommandSpec& c, const char* old)
{
    c.CommandType = Le16(old + 0);
    CopyShort(c.Graphic, old + 2, 12);
    CopyShort(c.MixGraphic, old + 15, 12);
    CopyShort(c.Voice, old + 28, 12);
    CopyShort(c.MixSound, old + 41, 12);
    CopyShort(c.ProgramText, old + 54, 50);
    c.Duration = Le16(old + 105);
    CopyShort(c.CommandValue, old + 107, 60);
    ConvertCommandValue(c.CommandValue, c.CommandType);
}

void ConvertAbout(TAboutSpec& a, const char* old)
{
    a.ShowWhen = Le16(old + 0);
    CopyShort(a.Caption, old + 2, 40);
    a.UseIcon.Value = quint8(old[43]);
    CopyShort(a.IconFile, old + 44, 12);
    CopyShort(a.ProgramName, old + 57, 32);
    CopyShort(a.VersionText, old + 90, 42);
    CopyShort(a.AuthorText, old + 133, 42);
    for (int i = 0; i < 4; ++i)
        CopyShort(a.Comment[i], old + 176 + 66 * i, 65);
}

void ConvertProgram(TProgramSettings& p, const char* old)
{
    CopyShort(p.ProgramTitle, old + 0, 80);
    p.UseIcon.Value = quint8(old[81]);
    CopyShort(p.IconFile, old + 82, 12);
    p.UseHelpFile.Value = quint8(old[95]);
    CopyShort(p.HelpFile, old + 96, 12);
    p.HelpContext = Le32(old + 109);
    p.VideoAdvisory.Value = quint8(old[113]);
    p.BackgroundKind = 1;
    p.BackgroundColor = quint32(clSilver);
    p.BackgroundGraphic.Len = 0;
    p.BackgroundWallpaper.Len = 0;
}

void ConvertPresentation(TPresentation& p, const char* old)
{
    p.IntroEnabled.Value = quint8(old[0]);
    static_assert(offsetof(TIntroDesign, Display) == 274);
    std::memcpy(&p.Intro, old + 1, 274);
    ConvertDisplay(p.Intro.Display, old + 275);
    p.Intro.UseMenuBar.Value = quint8(old[343]);
    p.OpeningEnabled.Value = quint8(old[344]);
    ConvertCommand(p.Opening, old + 345);
    p.ClosingEnabled.Value = quint8(old[513]);
    ConvertCommand(p.Closing, old + 514);
    p.AboutEnabled.Value = quint8(old[682]);
    ConvertAbout(p.About, old + 683);
    std::memcpy(&p.Captions, old + 1123, sizeof(TCaptionSet));
}

void WriteConfigRecord(const TTestConfig& config)
{
    SaveWholeFile(ProjectPath, QByteArray(reinterpret_cast<const char*>(&config), sizeof config));
}

// The whole question file, or an empty array when it does not exist.
bool ReadQuestionFile(QString& real, QByteArray& data)
{
    real = ResolveCase(QuestionPath);
    if (QuestionPath.isEmpty() || !QFileInfo(real).isFile())
        return false;
    QFile f(real);
    if (!f.open(QIODevice::ReadOnly))
        RaiseInOutError(Tr("open"), real, f.errorString());
    data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        RaiseInOutError(Tr("read"), real, f.errorString());
    return true;
}

} // namespace

// ---- project file ----

void SaveConfig() { WriteConfigRecord(TestConfig); }

void LoadConfig()
{
    const QByteArray data = ReadOneRecord(ProjectPath, ConfigSize);
    std::memcpy(&TestConfig, data.constData(), sizeof TestConfig);
    MediaPrompt = TestConfig.Presentation.Captions.MediaStartText.str();
}

QString ReadProjectVersion()
{
    const QString real = ResolveCase(ProjectPath);
    QFile f(real);
    if (!f.open(QIODevice::ReadOnly))
        RaiseInOutError(Tr("open"), real, f.errorString());
    const QByteArray head = f.read(5);
    if (f.error() != QFileDevice::NoError)
        RaiseInOutError(Tr("read"), real, f.errorString());
    if (head.size() < 5)
        RaiseInOutError(Tr("read"), real, Tr("Read beyond end of file: the file holds %1 bytes.").arg(head.size()));
    ShortString<4> version;
    std::memcpy(&version, head.constData(), 5);
    return version.str();
}

void ConvertEarlierRecord(QIODevice& in, const QString& what, TTestConfig& config)
{
    const QByteArray old = ReadOneRecord(in, what, EarlierConfigSize);
    const char* o = old.constData();
    std::memset(&config, 0, sizeof config);
    config.Version.assign(CurrentVersion);
    std::memcpy(reinterpret_cast<char*>(&config) + 5, o + 5, 1378);
    ConvertProgram(config.Program, o + 2634);
    ConvertPresentation(config.Presentation, o + 1383);
}

void ReadConfigRecord(QIODevice& in, const QString& what, TTestConfig& config)
{
    const QByteArray data = ReadOneRecord(in, what, ConfigSize);
    std::memcpy(&config, data.constData(), sizeof config);
}

void ConvertEarlierConfig()
{
    const QString real = ResolveCase(ProjectPath);
    QFile f(real);
    if (!f.open(QIODevice::ReadOnly))
        RaiseInOutError(Tr("open"), real, f.errorString());
    TTestConfig config;
    ConvertEarlierRecord(f, real, config);
    f.close();

    // The entry file first: if its rewrite fails, the project file is still
    // the earlier one and the conversion is offered again on the next open.
    if (!EntryPath.isEmpty() && QFileInfo::exists(ResolveCase(EntryPath)))
        ConvertEntryCommands(EntryPath);
    WriteConfigRecord(config);
    TestConfig = config;
}

// ---- question file ----

void ReadQuestion(int index)
{
    const QString real = ResolveCase(QuestionPath);
    QFile f(real);
    if (!f.open(QIODevice::ReadOnly))
        RaiseInOutError(Tr("open"), real, f.errorString());
    const qint64 count = f.size() / RecordSize;
    if (index < 0 || index >= count)
        RaiseInOutError(Tr("read"), real, Tr("Read beyond end of file: there is no question %1.").arg(index + 1));
    if (!f.seek(qint64(index) * RecordSize))
        RaiseInOutError(Tr("read"), real, f.errorString());
    TQuestionRecord record;
    if (f.read(reinterpret_cast<char*>(&record), RecordSize) != RecordSize)
        RaiseInOutError(Tr("read"), real, f.errorString());
    QuestionBuffer = record;
}

void WriteQuestion(int index)
{
    if (QuestionPath.isEmpty())
        RaiseInOutError(Tr("create"), QuestionPath, Tr("No test project is open."));
    const QString real = ResolveCase(QuestionPath);
    // One record written in place, unbuffered, every size checked. A failure
    // puts back the bytes it overwrote and the old length, so the file is
    // never left with part of a record.
    const int fd = ::open(QFile::encodeName(real).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        RaiseInOutError(Tr("open"), real, SystemReason(errno));
    const auto closeFd = qScopeGuard([fd] { ::close(fd); });
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        RaiseInOutError(Tr("open"), real, SystemReason(errno));
    const qint64 size = st.st_size;
    const qint64 count = size / RecordSize;
    const qint64 at = index == -1 ? count : qint64(index);
    if (at < 0 || at > count)
        RaiseInOutError(Tr("write"), real, Tr("There is no question %1 to write.").arg(index + 1));
    const qint64 offset = at * RecordSize;
    // What the record overwrites: a whole record, or the damaged tail.
    QByteArray old(qsizetype(std::min(RecordSize, size - offset)), '\0');
    if (!old.isEmpty() && ::pread(fd, old.data(), size_t(old.size()), off_t(offset)) != old.size())
        RaiseInOutError(Tr("read"), real, SystemReason(errno));
    const int error = WriteAllAt(fd, reinterpret_cast<const char*>(&QuestionBuffer), RecordSize, offset);
    if (error != 0) {
        // Neither step can need more room than the file had.
        WriteAllAt(fd, old.constData(), old.size(), offset);
        if (::ftruncate(fd, off_t(size)) != 0) {
            // Nothing more can be done; the error below still reports the write.
        }
        RaiseInOutError(Tr("write"), real, SystemReason(error));
    }
}

void CompactQuestionFile()
{
    QString real;
    QByteArray data;
    if (!ReadQuestionFile(real, data))
        RaiseInOutError(Tr("open"), real.isEmpty() ? QuestionPath : real, Tr("No such file or directory"));
    const qsizetype count = data.size() / RecordSize;
    QByteArray live;
    live.reserve(data.size());
    for (qsizetype i = 0; i < count; ++i) {
        const char* record = data.constData() + i * RecordSize;
        if (record[offsetof(TQuestionRecord, Deleted)] == 0)
            live.append(record, RecordSize);
    }

    if (live.isEmpty()) {
        // No question is left: the file goes, so the question commands are
        // disabled again.
        QFile f(real);
        if (!f.remove())
            RaiseInOutError(Tr("delete"), real, f.errorString());
        return;
    }
    if (live.size() == data.size())
        return;   // nothing marked deleted and no damaged tail: the file stays as it is
    // The old file stays whole until the compacted one is complete.
    SaveWholeFile(real, live);
}

QStringList ReadIdentifiers(QIODevice& in, const QString& what)
{
    QStringList list;
    TQuestionRecord record;
    for (;;) {
        qint64 have = 0;
        while (have < RecordSize) {
            const qint64 got = in.read(reinterpret_cast<char*>(&record) + have, RecordSize - have);
            if (got < 0)
                RaiseInOutError(Tr("read"), what, in.errorString());
            if (got == 0)
                return list;   // a damaged tail is not a record
            have += got;
        }
        list.append(record.Identifier.str());
    }
}

bool ListIdentifiers(QStringList& list)
{
    QString real;
    QByteArray data;
    if (!ReadQuestionFile(real, data))
        return false;
    const qsizetype count = data.size() / RecordSize;
    list.reserve(list.size() + count);
    for (qsizetype i = 0; i < count; ++i) {
        const auto* record = reinterpret_cast<const TQuestionRecord*>(data.constData() + i * RecordSize);
        list.append(record->Identifier.str());
    }
    return true;
}

int QuestionCount()
{
    if (QuestionPath.isEmpty())
        return 0;
    const QFileInfo fi(ResolveCase(QuestionPath));
    return fi.isFile() ? int(std::min<qint64>(fi.size() / RecordSize, INT_MAX)) : 0;
}

qint64 QuestionFileTrailingBytes()
{
    if (QuestionPath.isEmpty())
        return 0;
    const QFileInfo fi(ResolveCase(QuestionPath));
    return fi.isFile() ? fi.size() % RecordSize : 0;
}

QString QuestionFileDamageText(qint64 trailingBytes)
{
    return Tr("The question file %1 is damaged: its last %2 bytes are not a whole question.\n"
              "The questions before them can be used; the damaged bytes are ignored and will be "
              "dropped when the file is next written.")
        .arg(QFileInfo(QuestionPath).fileName())
        .arg(trailingBytes);
}

QString ProjectBaseName()
{
    if (ProjectPath.isEmpty())
        return QString();
    if (gProjectNameFor == ProjectPath && !gProjectName.isEmpty())
        return gProjectName;
    return BaseName(ProjectPath);
}

void SetProjectBaseName(const QString& name)
{
    gProjectName = name;
    gProjectNameFor = ProjectPath;
}

// ---- record list ----

int TRecList::Add(const void* data, int size)
{
    if (size < 0)
        throw EListError(Tr("Invalid record size (%1)").arg(size));
    FItems.emplace_back(static_cast<const char*>(data), qsizetype(size));
    return int(FItems.size()) - 1;
}

void TRecList::Get(int index, void* buffer, int size) const
{
    if (index < 0 || index >= Count())
        throw EListError(QCoreApplication::translate("RecList", "List index out of bounds (%1)").arg(index));
    const QByteArray& item = FItems[size_t(index)];
    const qsizetype n = std::clamp<qsizetype>(size, 0, item.size());
    if (n > 0)
        std::memcpy(buffer, item.constData(), size_t(n));
}

void TRecList::Put(int index, const void* buffer, int size)
{
    if (index < 0 || index >= Count())
        throw EListError(QCoreApplication::translate("RecList", "List index out of bounds (%1)").arg(index));
    QByteArray& item = FItems[size_t(index)];
    const qsizetype n = std::clamp<qsizetype>(size, 0, item.size());
    if (n > 0)
        std::memcpy(item.data(), buffer, size_t(n));
}

void TRecList::Clear()
{
    while (!FItems.empty())
        FItems.pop_back();
}
