// Every attachment, hyperlink and feedback of the PLANETS sample shown by the
// run time from the compiled test, as a student's click shows it: texts in
// their displays, pictures in the picture window, sounds played, the video
// and the tune in the media player, the web page opened, the notepad on its
// file. Programs are not started: their commands must name a program and a
// file that are there.
#include "planetstest.h"

#include "model/compiledtest.h"
#include "model/entryfile.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/media.h"
#include "platform/process.h"
#include "platform/testscript.h"
#include "runtime/compiledtestfile.h"
#include "runtime/entrystore.h"
#include "runtime/hnotesform.h"
#include "runtime/mediaplayform.h"
#include "runtime/multimedia.h"
#include "runtime/showentry.h"
#include "runtime/showmultform.h"

#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

QStringList gShownTexts;

void RecordText(int typeCode, const TEntryDisplay& display, const QStringList& text)
{
    gShownTexts << QStringLiteral("%1:%2:%3").arg(typeCode).arg(display.DisplayType.get()).arg(text.join(QString()));
}

TEST_F(PlanetsTest, EveryAttachmentShowsFromTheCompiledTest)
{
    OpenSampleCopy();
    ASSERT_TRUE(BuildCompiledTest());
    TCompiledTestFile test;
    test.Open(Dir.File(QStringLiteral("PLANETS.QXC")));
    const auto store = test.EntryStore();

    gShownTexts.clear();
    SetTextEntryDisplay(RecordText);
    QStringList sounds;
    SetAudioOutputOverride(1);
    SetWaveSink([&](const QString& file, const QByteArray& data) { sounds << file + u':' + QString::number(data.size()); });

    int pictures = 0, players = 0, notepads = 0, programs = 0, texts = 0;
    for (const QString& source : {SourceInfo, SourceHyper, SourceComms}) {
        QStringList names;
        store->ListEntryNames(names, source);
        for (const QString& name : names) {
            SCOPED_TRACE((name + u'/' + source).toStdString());
            QStringList lines;
            ASSERT_TRUE(store->ReadEntry(name, source, lines));
            const int type = EntryTypeCode(lines);
            const QString value = lines.value(3).mid(8);
            if (type == 4 || type == 9) {
                const TProgramCommand c = ParseProgramCommand(type, value);
                if (type == 4)
                    EXPECT_FALSE(FindProgram(c.Program).isEmpty()) << c.Program.toStdString();
                else
                    EXPECT_TRUE(QFileInfo::exists(ResolveCase(c.File))) << c.File.toStdString();
                ++programs;
                continue;
            }
            switch (type) {
            case 1:
            case 5:
                ++texts;
                break;
            case 2:
            case 6:
                TestScript::OnModal(QStringLiteral("TShowMultForm"), [&](QDialog& d) {
                    auto& f = static_cast<TShowMultForm&>(d);
                    EXPECT_FALSE(f.Image1->pixmap().isNull());
                    EXPECT_EQ(f.windowTitle(), name);
                    ++pictures;
                    d.accept();
                });
                break;
            case 7:
            case 8:
                TestScript::OnModal(QStringLiteral("TMediaPlayForm"), [&](QDialog& d) {
                    auto& f = static_cast<TMediaPlayForm&>(d);
                    EXPECT_GT(f.MediaPlayer1->Length(), 4000);
                    EXPECT_EQ(f.MediaPlayer1->HasVideo(), type == 7);
                    ++players;
                    d.accept();
                });
                break;
            case 13:
                TestScript::OnModal(QStringLiteral("THNotesForm"), [&](QDialog& d) {
                    EXPECT_TRUE(static_cast<THNotesForm&>(d).Memo1->toPlainText().startsWith(
                        QStringLiteral("MY PLANET NOTES")));
                    ++notepads;
                    d.reject();
                });
                break;
            default:
                break;
            }
            ShowEntry(lines);
        }
    }
    SetTextEntryDisplay(nullptr);
    SetWaveSink({});
    SetAudioOutputOverride(-1);

    EXPECT_EQ(texts, 9);
    EXPECT_EQ(gShownTexts.size(), 9);
    for (const QString& t : gShownTexts)
        EXPECT_TRUE(t.contains(QStringLiteral("{\\rtf1"))) << t.toStdString();
    EXPECT_EQ(pictures, 11);
    EXPECT_EQ(players, 2);
    EXPECT_EQ(notepads, 1);
    EXPECT_EQ(programs, 3);
    EXPECT_EQ(sounds.size(), 9);
    for (const QString& s : sounds)
        EXPECT_FALSE(s.endsWith(QStringLiteral(":0"))) << s.toStdString();
    // The web page of the Venus question and of the "dwarf planet" link.
    EXPECT_EQ(TestScript::Logged(QStringLiteral("open-document")),
              QStringList({Dir.File(QStringLiteral("planets.htm")), Dir.File(QStringLiteral("planets.htm"))}));
}

} // namespace
