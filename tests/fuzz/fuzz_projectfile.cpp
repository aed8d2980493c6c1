// libFuzzer target: the bytes are a project file, current or earlier, read
// from a buffer; the readers refuse or load, and every text field of what
// they load converts.
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"

#include <QBuffer>

namespace {

void Touch(const TTestConfig& c)
{
    volatile qsizetype n = 0;
    n += c.Version.str().size();
    n += c.Program.ProgramTitle.str().size();
    n += c.Program.IconFile.str().size();
    n += c.Program.HelpFile.str().size();
    n += c.Presentation.About.Caption.str().size();
    for (const auto& comment : c.Presentation.About.Comment)
        n += comment.str().size();
    n += c.Presentation.Opening.CommandValue.str().size();
    n += c.Presentation.Closing.ProgramText.str().size();
    n += c.Presentation.Captions.MediaStartText.str().size();
    n += c.Presentation.Intro.Display.SGraphic.str().size();
    TFontDesc font;
    try {
        FontFromText(c.Program.ProgramTitle.str(), font);
    } catch (const EQuendraError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer in;
    in.setData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    in.open(QIODevice::ReadOnly);
    TTestConfig config;
    try {
        ReadConfigRecord(in, QStringLiteral("T.QXJ"), config);
        Touch(config);
    } catch (const EQuendraError&) {
    }
    in.seek(0);
    try {
        ConvertEarlierRecord(in, QStringLiteral("T.QXJ"), config);
        Touch(config);
    } catch (const EQuendraError&) {
    }
    return 0;
}
