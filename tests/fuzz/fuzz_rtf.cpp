// libFuzzer target for the RTF reader and writer (the rich-text library is
// built with the fuzzer's coverage instrumentation under QUENDRA_FUZZ).
//
// Checks: reading never crashes, hangs or leaks; the plain-text path and the
// document hold the same text; the written lines never begin with "[" and
// are never "]"; reading the lines back gives the same text, and writing that
// document again gives the same lines.

#include "model/errors.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_rtf: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qargc = 1;
    static char name[] = "fuzz_rtf";
    static char* qargv[] = {name, nullptr};
    new QGuiApplication(qargc, qargv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray rtf(reinterpret_cast<const char*>(data), qsizetype(size));
    QString plain;
    try {
        plain = RtfToPlainText(rtf);
    } catch (const EQuendraError&) {
        QTextDocument doc;
        bool threw = false;
        try {
            RtfToDocument(rtf, doc);
        } catch (const EQuendraError&) {
            threw = true;
        }
        Check(threw, "document path accepted what the plain path refused");
        return 0;
    }
    QTextDocument doc;
    RtfToDocument(rtf, doc);
    QString docText = doc.toPlainText();
    QString plainText = plain;
    Check(docText.size() == plainText.size(), "document and plain text differ in length");

    const QStringList lines = DocumentToRtfLines(doc);
    for (const QString& line : lines) {
        Check(!line.startsWith(QLatin1Char('[')), "a line begins with [");
        Check(line != QLatin1String("]"), "a line is ]");
        Check(line.size() <= 250, "a line is longer than 250 characters");
    }
    QTextDocument back;
    RtfToDocument(RtfLinesToStream(lines), back);
    Check(back.toPlainText() == doc.toPlainText(), "text changed in a round trip");
    Check(DocumentToRtfLines(back) == lines, "writing the read-back document changed the lines");
    return 0;
}
