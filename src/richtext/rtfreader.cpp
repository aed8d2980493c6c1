#include "rtfreader.h"

#include "codepages.h"
#include "rtfformat.h"
#include "model/errors.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Control words

enum TKeyword : quint8 {
    KwNone,
    // document
    KwRtf, KwAnsi, KwMac, KwPc, KwPca, KwAnsiCpg, KwDeff, KwUc, KwU, KwBin,
    // destinations
    KwFontTbl, KwColorTbl, KwField, KwFldInst, KwFldRslt, KwListText, KwSkipDest,
    // font table
    KwFCharset, KwCpg, KwRed, KwGreen, KwBlue,
    // breaks and special characters
    KwPar, KwSect, KwPage, KwLine, KwTab, KwCell, KwRow, KwEmDash, KwEnDash, KwEmSpace,
    KwEnSpace, KwQmSpace, KwBullet, KwLQuote, KwRQuote, KwLDblQuote, KwRDblQuote, KwZwj,
    KwZwnj, KwLtrMark, KwRtlMark,
    // character formats
    KwPlain, KwF, KwFs, KwB, KwI, KwUl, KwUlDotted, KwUlDash, KwUlWave, KwUlNone,
    KwStrike, KwCf, KwCb, KwHighlight, KwSuper, KwSub, KwNoSuperSub,
    // paragraph formats
    KwPard, KwQl, KwQc, KwQr, KwQj, KwLi, KwRi, KwFi, KwSb, KwSa,
};

struct TKeywordEntry {
    const char* Name;
    TKeyword Kw;
};

const TKeywordEntry Keywords[] = {
    {"rtf", KwRtf}, {"urtf", KwRtf}, {"ansi", KwAnsi}, {"mac", KwMac}, {"pc", KwPc}, {"pca", KwPca},
    {"ansicpg", KwAnsiCpg}, {"deff", KwDeff}, {"uc", KwUc}, {"u", KwU}, {"bin", KwBin},
    {"fonttbl", KwFontTbl}, {"colortbl", KwColorTbl}, {"field", KwField}, {"fldinst", KwFldInst},
    {"fldrslt", KwFldRslt}, {"listtext", KwListText}, {"pntext", KwListText},
    {"fcharset", KwFCharset}, {"cpg", KwCpg}, {"red", KwRed}, {"green", KwGreen}, {"blue", KwBlue},
    {"par", KwPar}, {"sect", KwSect}, {"page", KwPage}, {"line", KwLine}, {"lbr", KwLine},
    {"tab", KwTab}, {"cell", KwCell}, {"nestcell", KwCell}, {"row", KwRow}, {"nestrow", KwRow},
    {"emdash", KwEmDash}, {"endash", KwEnDash}, {"emspace", KwEmSpace}, {"enspace", KwEnSpace},
    {"qmspace", KwQmSpace}, {"bullet", KwBullet}, {"lquote", KwLQuote}, {"rquote", KwRQuote},
    {"ldblquote", KwLDblQuote}, {"rdblquote", KwRDblQuote}, {"zwj", KwZwj}, {"zwnj", KwZwnj},
    {"ltrmark", KwLtrMark}, {"rtlmark", KwRtlMark},
    {"plain", KwPlain}, {"f", KwF}, {"fs", KwFs}, {"b", KwB}, {"i", KwI},
    {"ul", KwUl}, {"uldb", KwUl}, {"ulth", KwUl}, {"ulw", KwUl}, {"ulthd", KwUlDotted},
    {"uld", KwUlDotted}, {"uldash", KwUlDash}, {"uldashd", KwUlDash}, {"uldashdd", KwUlDash},
    {"ulldash", KwUlDash}, {"ulthdash", KwUlDash}, {"ulthdashd", KwUlDash},
    {"ulthdashdd", KwUlDash}, {"ulthldash", KwUlDash}, {"ulwave", KwUlWave},
    {"ulhwave", KwUlWave}, {"ululdbwave", KwUlWave}, {"ulnone", KwUlNone},
    {"strike", KwStrike}, {"striked", KwStrike}, {"cf", KwCf}, {"cb", KwCb},
    {"highlight", KwHighlight}, {"chcbpat", KwCb}, {"super", KwSuper}, {"sub", KwSub},
    {"nosupersub", KwNoSuperSub},
    {"pard", KwPard}, {"ql", KwQl}, {"qc", KwQc}, {"qr", KwQr}, {"qj", KwQj}, {"qd", KwQj},
    {"li", KwLi}, {"lin", KwLi}, {"ri", KwRi}, {"rin", KwRi}, {"fi", KwFi}, {"sb", KwSb},
    {"sa", KwSa},
    // Destinations whose content is not text of the document.
    {"info", KwSkipDest}, {"stylesheet", KwSkipDest}, {"header", KwSkipDest},
    {"headerl", KwSkipDest}, {"headerr", KwSkipDest}, {"headerf", KwSkipDest},
    {"footer", KwSkipDest}, {"footerl", KwSkipDest}, {"footerr", KwSkipDest},
    {"footerf", KwSkipDest}, {"pict", KwSkipDest}, {"object", KwSkipDest},
    {"footnote", KwSkipDest}, {"annotation", KwSkipDest}, {"atnid", KwSkipDest},
    {"atnauthor", KwSkipDest}, {"xe", KwSkipDest}, {"tc", KwSkipDest}, {"tcn", KwSkipDest},
    {"txe", KwSkipDest}, {"bkmkstart", KwSkipDest}, {"bkmkend", KwSkipDest},
    {"listtable", KwSkipDest}, {"listoverridetable", KwSkipDest}, {"revtbl", KwSkipDest},
    {"rsidtbl", KwSkipDest}, {"generator", KwSkipDest}, {"pgdsctbl", KwSkipDest},
    {"themedata", KwSkipDest}, {"colorschememapping", KwSkipDest}, {"datastore", KwSkipDest},
    {"latentstyles", KwSkipDest}, {"xmlnstbl", KwSkipDest}, {"pn", KwSkipDest},
    {"pnseclvl", KwSkipDest}, {"pntxta", KwSkipDest}, {"pntxtb", KwSkipDest},
    {"nonshppict", KwSkipDest}, {"shp", KwSkipDest}, {"shpinst", KwSkipDest},
    {"template", KwSkipDest}, {"printim", KwSkipDest}, {"userprops", KwSkipDest},
    {"docvar", KwSkipDest}, {"ftnsep", KwSkipDest}, {"ftnsepc", KwSkipDest},
    {"aftnsep", KwSkipDest}, {"aftnsepc", KwSkipDest}, {"ftncn", KwSkipDest},
    {"aftncn", KwSkipDest}, {"objdata", KwSkipDest}, {"company", KwSkipDest},
    {"operator", KwSkipDest}, {"title", KwSkipDest}, {"subject", KwSkipDest},
    {"author", KwSkipDest}, {"keywords", KwSkipDest}, {"comment", KwSkipDest},
    {"doccomm", KwSkipDest}, {"filetbl", KwSkipDest}, {"falt", KwSkipDest},
    {"panose", KwSkipDest}, {"fontemb", KwSkipDest}, {"fontfile", KwSkipDest},
    {"mmathPr", KwSkipDest}, {"do", KwSkipDest}, {"listpicture", KwSkipDest},
};

// Open-addressing hash of the control words (built once).
class TKeywordTable {
public:
    TKeywordTable()
    {
        for (const TKeywordEntry& e : Keywords) {
            const std::string_view name(e.Name);
            unsigned h = Hash(name.data(), name.size()) & Mask;
            while (FSlots[h].Kw != KwNone)
                h = (h + 1) & Mask;
            FSlots[h].Kw = e.Kw;
            FSlots[h].Len = quint8(name.size());
            std::memcpy(FSlots[h].Name, name.data(), name.size());
        }
    }
    TKeyword Find(const char* word, size_t len) const
    {
        if (len == 0 || len > MaxWord)
            return KwNone;
        unsigned h = Hash(word, len) & Mask;
        while (FSlots[h].Kw != KwNone) {
            if (FSlots[h].Len == len && std::memcmp(FSlots[h].Name, word, len) == 0)
                return FSlots[h].Kw;
            h = (h + 1) & Mask;
        }
        return KwNone;
    }
    static constexpr size_t MaxWord = 31;

private:
    static unsigned Hash(const char* s, size_t n)
    {
        unsigned h = 2166136261u;
        for (size_t i = 0; i < n; ++i)
            h = (h ^ quint8(s[i])) * 16777619u;
        return h;
    }
    static constexpr unsigned Mask = 511;
    struct TSlot {
        TKeyword Kw = KwNone;
        quint8 Len = 0;
        char Name[MaxWord + 1] = {};
    };
    TSlot FSlots[Mask + 1];
};

const TKeywordTable& KeywordTable()
{
    static const TKeywordTable table;
    return table;
}

// ---------------------------------------------------------------------------
// Group state

enum TDest : quint8 { DestText, DestSkip, DestFontTbl, DestColorTbl };

enum TUnderline : quint8 { UlNone, UlSingle, UlDotted, UlDash, UlWave };
enum TVAlign : quint8 { VaNormal, VaSuper, VaSub };

struct TCharProps {
    int Font = -1;        // index into the font table; -1: none given
    int Size = 24;        // half-points
    int Fg = 0;           // colour table index; 0: automatic
    int Bg = 0;           // colour table index; 0: none
    quint8 Bold = 0, Italic = 0, Strike = 0, Underline = UlNone, VAlign = VaNormal;
    bool operator==(const TCharProps& o) const
    {
        return Font == o.Font && Size == o.Size && Fg == o.Fg && Bg == o.Bg && Bold == o.Bold &&
               Italic == o.Italic && Strike == o.Strike && Underline == o.Underline &&
               VAlign == o.VAlign;
    }
    bool operator!=(const TCharProps& o) const { return !(*this == o); }
};

size_t qHash(const TCharProps& p, size_t seed = 0)
{
    return qHashMulti(seed, p.Font, p.Size, p.Fg, p.Bg, p.Bold, p.Italic, p.Strike, p.Underline,
                      p.VAlign);
}

using TParaProps = TRtfParaFormat;

struct TState {
    TCharProps Char;
    TParaProps Para;
    int Uc = 1;           // fallback characters after \uN
    TDest Dest = DestText;
};

struct TFont {
    QString Name;
    int Charset = 0;
    int CodePage = 0;     // from \cpg, 0: from the charset
};

// Deeper groups than this share the innermost state.
constexpr int MaxDepth = 4096;
// Parameters are clamped to this magnitude (every digit is read).
constexpr qint64 MaxParam = qint64(1) << 40;

int ClampInt(qint64 v, int lo, int hi) { return int(v < lo ? lo : v > hi ? hi : v); }

// ---------------------------------------------------------------------------
// The reader

class TRtfReader {
public:
    TRtfReader(const QByteArray& rtf, QTextDocument* doc) : FData(rtf), FDoc(doc)
    {
        FP = FData.constData();
        FEnd = FP + FData.size();
        FStack.reserve(64);
        FStack.push_back(TState());
        if (FDoc)
            FRun.reserve(256);
        else
            FOut.reserve(int(FData.size() / 2));
    }

    void Run();
    QString PlainText() { return FOut; }

private:
    TState& St() { return FStack.back(); }

    // Text
    void EmitChar(char16_t c);
    void EmitLatin1(const char* s, qsizetype n);
    // Adds text in the current character format: to the open run (a new run
    // starts where the format changes), or to the plain-text output.
    template <typename Text>
    void AppendText(const Text& text)
    {
        if (FDoc) {
            if (FRun.isEmpty())
                FRunProps = St().Char;
            else if (FRunProps != St().Char) {
                FlushRun();
                FRunProps = St().Char;
            }
            FRun += text;
        } else {
            FOut += text;
        }
        FParaHasContent = true;
        FEndsWithBreak = false;
        FAnyContent = true;
    }
    void EmitByte(quint8 b);
    void EmitCodePoint(qint64 value);
    void FlushLead();
    void FlushRun();
    void ParagraphBreak(bool onlyIfContent);
    void Finish();
    bool Skipping() const { return FSkip > 0; }

    // Tokens
    void ControlWord();
    void ControlSymbol(char c);
    void Keyword(TKeyword kw, bool hasParam, qint64 param);
    void OpenGroup();
    void CloseGroup();
    void SkipGroupFast();

    // Tables
    void FontTableText(const char* s, qsizetype n);
    void FontTableByte(quint8 b);
    void CommitFont();
    void CommitColour();
    int CodePageFor(int font);
    const char16_t* TableFor(int codePage);
    QStringDecoder* DecoderFor(int codePage);

    // Formats
    QTextCharFormat CharFormat(const TCharProps& p);
    QTextBlockFormat BlockFormat(const TParaProps& p) const;

    const QByteArray& FData;
    const char* FP = nullptr;
    const char* FEnd = nullptr;
    QTextDocument* FDoc = nullptr;
    QTextCursor FCursor;

    std::vector<TState> FStack;
    int FOverDepth = 0;          // groups opened beyond MaxDepth
    bool FStarred = false;       // "\*" seen at the start of the current group
    bool FGroupStart = false;    // no token yet in the current group
    int FSkip = 0;               // fallback characters still to skip after \uN
    char16_t FHighSurrogate = 0;
    bool FLineBreak = false;     // plain text: the "\n" of a \line is coming

    int FDocCodePage = 1252;
    int FDefaultFont = -1;
    QHash<int, TFont> FFonts;
    int FCachedFont = -2, FCachedCodePage = 1252;
    std::vector<QColor> FColours;   // index 0 is "automatic" when the table starts with ";"
    int FRed = -1, FGreen = -1, FBlue = -1;

    // Font table entry being read
    int FEntryFont = -1, FEntryCharset = 0, FEntryCpg = 0;
    QByteArray FEntryName;

    // Pending lead byte of a double-byte character
    int FLeadByte = -1;
    int FLeadCodePage = 0;
    QHash<int, std::shared_ptr<QStringDecoder>> FDecoders;
    QHash<int, std::shared_ptr<std::vector<char16_t>>> FTables;

    // Output
    QString FOut;                // plain text
    QString FRun;                // document: text run with FRunProps
    TCharProps FRunProps;
    bool FParaHasContent = false;
    bool FEndsWithBreak = false; // the last thing emitted was a paragraph break
    bool FAnyContent = false;
    QHash<TCharProps, QTextCharFormat> FFormatCache;
};

void TRtfReader::Run()
{
    // Leading blanks, NULs and a UTF-8 byte order mark are tolerated.
    const char* p = FP;
    if (FEnd - p >= 3 && quint8(p[0]) == 0xEF && quint8(p[1]) == 0xBB && quint8(p[2]) == 0xBF)
        p += 3;
    while (p < FEnd && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == '\0'))
        ++p;
    const bool isRtf = (FEnd - p >= 5 && std::memcmp(p, "{\\rtf", 5) == 0) ||
                       (FEnd - p >= 6 && std::memcmp(p, "{\\urtf", 6) == 0);
    if (!isRtf)
        throw EQuendraError(QCoreApplication::translate("RichText", "The text is not in Rich Text Format."));
    FP = p;
    if (FDoc) {
        FDoc->clear();
        FCursor = QTextCursor(FDoc);
        // Inside one edit block the cursor does not lay out the block after
        // every insertion (which makes long paragraphs quadratic).
        FCursor.beginEditBlock();
    }

    while (FP < FEnd) {
        const char c = *FP;
        switch (c) {
        case '{':
            ++FP;
            OpenGroup();
            break;
        case '}':
            ++FP;
            CloseGroup();
            break;
        case '\\':
            ++FP;
            if (FP >= FEnd)
                break;
            if ((*FP >= 'a' && *FP <= 'z') || (*FP >= 'A' && *FP <= 'Z')) {
                ControlWord();
                FStarred = false;
                FGroupStart = false;
            } else {
                const char symbol = *FP++;
                ControlSymbol(symbol);
                if (symbol != '*') {
                    FStarred = false;
                    FGroupStart = false;
                }
            }
            break;
        case '\r':
        case '\n':
        case '\0':
            ++FP;
            break;
        default: {
            FGroupStart = false;
            FStarred = false;
            if (St().Dest == DestSkip) {
                SkipGroupFast();
                break;
            }
            if (St().Dest == DestColorTbl) {
                if (c == ';')
                    CommitColour();
                ++FP;
                break;
            }
            // A run of plain ASCII text.
            const char* s = FP;
            while (FP < FEnd) {
                const char d = *FP;
                if (d == '\\' || d == '{' || d == '}' || quint8(d) < 0x20 || quint8(d) >= 0x80)
                    break;
                ++FP;
            }
            if (FP > s) {
                if (St().Dest == DestFontTbl)
                    FontTableText(s, FP - s);
                else
                    EmitLatin1(s, FP - s);
            } else {
                // One control or 8-bit byte.
                const quint8 b = quint8(*FP++);
                if (St().Dest == DestFontTbl)
                    FontTableByte(b);
                else if (b == '\t')
                    EmitChar(u'\t');
                else if (b >= 0x80)
                    EmitByte(b);
                else if (Skipping())
                    --FSkip;
            }
            break;
        }
        }
    }
    Finish();
}

// Skips the rest of a group that carries no text, fast: only braces, \bin
// and escaped braces or backslashes matter.
void TRtfReader::SkipGroupFast()
{
    while (FP < FEnd) {
        const char c = *FP;
        if (c == '{' || c == '}')
            return;
        if (c == '\\') {
            if (FEnd - FP >= 2 && (FP[1] == '\\' || FP[1] == '{' || FP[1] == '}')) {
                FP += 2;
                continue;
            }
            if (FEnd - FP >= 4 && FP[1] == 'b' && FP[2] == 'i' && FP[3] == 'n')
                return;   // let the tokenizer read \bin and its data
            FP += 1;
            continue;
        }
        ++FP;
    }
}

void TRtfReader::OpenGroup()
{
    FlushLead();
    FSkip = 0;
    FStarred = false;
    FGroupStart = true;
    if (int(FStack.size()) >= MaxDepth) {
        ++FOverDepth;
        return;
    }
    FStack.push_back(FStack.back());
}

void TRtfReader::CloseGroup()
{
    FlushLead();
    FSkip = 0;
    FStarred = false;
    FGroupStart = false;
    if (FOverDepth > 0) {
        --FOverDepth;
        return;
    }
    if (FStack.back().Dest == DestFontTbl)
        CommitFont();
    if (FStack.size() > 1)
        FStack.pop_back();
    // A "}" too many: the root state stays; reading goes on.
}

void TRtfReader::ControlSymbol(char c)
{
    switch (c) {
    case '\\': case '{': case '}':
        if (St().Dest == DestFontTbl)
            FontTableByte(quint8(c));
        else if (St().Dest == DestText)
            EmitChar(char16_t(c));
        return;
    case '*':
        if (FGroupStart)
            FStarred = true;
        return;
    case '\'': {
        auto hex = [](char h) -> int {
            if (h >= '0' && h <= '9') return h - '0';
            if (h >= 'a' && h <= 'f') return h - 'a' + 10;
            if (h >= 'A' && h <= 'F') return h - 'A' + 10;
            return -1;
        };
        if (FEnd - FP < 2)   // truncated: nothing to decode
            return;
        const int hi = hex(FP[0]), lo = hex(FP[1]);
        if (hi < 0 || lo < 0)
            return;   // broken escape: dropped; the characters after it stay text
        FP += 2;
        const quint8 b = quint8(hi * 16 + lo);
        if (St().Dest == DestFontTbl)
            FontTableByte(b);
        else if (St().Dest == DestText)
            EmitByte(b);
        return;
    }
    case '\r': case '\n':
        Keyword(KwPar, false, 0);
        return;
    case '\t':
        Keyword(KwTab, false, 0);
        return;
    case '~':
        if (St().Dest == DestText) EmitChar(u'\u00A0');
        return;
    case '-':
        if (St().Dest == DestText) EmitChar(u'\u00AD');
        return;
    case '_':
        if (St().Dest == DestText) EmitChar(u'\u2011');
        return;
    default:
        // \| \: and unknown symbols carry no text; a skipped fallback
        // character counts them as one.
        if (Skipping())
            --FSkip;
        return;
    }
}

void TRtfReader::ControlWord()
{
    const char* w = FP;
    while (FP < FEnd && ((*FP >= 'a' && *FP <= 'z') || (*FP >= 'A' && *FP <= 'Z')))
        ++FP;
    const size_t len = size_t(FP - w);
    bool hasParam = false, negative = false;
    qint64 param = 0;
    if (FP < FEnd && *FP == '-' && FEnd - FP >= 2 && FP[1] >= '0' && FP[1] <= '9') {
        negative = true;
        ++FP;
    }
    while (FP < FEnd && *FP >= '0' && *FP <= '9') {
        hasParam = true;
        if (param < MaxParam)
            param = param * 10 + (*FP - '0');
        ++FP;
    }
    if (param > MaxParam)
        param = MaxParam;
    if (negative)
        param = -param;
    if (FP < FEnd && *FP == ' ')
        ++FP;
    const TKeyword kw = KeywordTable().Find(w, len);
    Keyword(kw, hasParam, param);
}

void TRtfReader::Keyword(TKeyword kw, bool hasParam, qint64 param)
{
    TState& st = St();
    const bool starred = FStarred;

    // \bin is binary data in every destination.
    if (kw == KwBin) {
        if (hasParam && param > 0) {
            const qint64 left = FEnd - FP;
            FP += param < left ? param : left;
        }
        if (Skipping())
            --FSkip;
        return;
    }
    if (st.Dest == DestSkip)
        return;

    // An ignorable destination: skipped unless it is one whose text we keep.
    if (starred) {
        if (kw == KwFldRslt) {
            st.Dest = DestText;
        } else {
            st.Dest = DestSkip;
        }
        return;
    }

    if (Skipping() && kw != KwU) {
        // Fallback text after \uN: a control word counts as one character.
        --FSkip;
        return;
    }

    auto onOff = [&]() -> quint8 { return hasParam && param == 0 ? 0 : 1; };
    auto idx = [&]() { return ClampInt(param, 0, 1 << 24); };
    auto twips = [&]() { return ClampInt(param, -31680 * 4, 31680 * 4); };

    switch (kw) {
    case KwNone:
    case KwRtf:
        return;   // an unknown word is ignored; its group's text stays text
    case KwAnsi: FDocCodePage = 1252; FCachedFont = -2; return;
    case KwMac: FDocCodePage = 10000; FCachedFont = -2; return;
    case KwPc: FDocCodePage = 437; FCachedFont = -2; return;
    case KwPca: FDocCodePage = 850; FCachedFont = -2; return;
    case KwAnsiCpg:
        if (hasParam && param > 0 && param < 100000) {
            FDocCodePage = int(param);
            FCachedFont = -2;
        }
        return;
    case KwDeff:
        FDefaultFont = idx();
        if (st.Char.Font < 0) {
            for (TState& s : FStack)
                if (s.Char.Font < 0)
                    s.Char.Font = FDefaultFont;
        }
        return;
    case KwUc:
        st.Uc = hasParam ? ClampInt(param, 0, 16) : 1;
        return;
    case KwU: {
        if (!hasParam)
            return;   // a bare "\u" (truncated input): nothing
        if (st.Dest == DestText)
            EmitCodePoint(param);
        FSkip = st.Uc;
        return;
    }
    case KwFontTbl:
        st.Dest = DestFontTbl;
        FEntryFont = -1;
        FEntryName.clear();
        return;
    case KwColorTbl:
        st.Dest = DestColorTbl;
        FColours.clear();
        FRed = FGreen = FBlue = -1;
        return;
    case KwFldInst:
    case KwSkipDest:
        FlushLead();
        st.Dest = DestSkip;
        return;
    case KwField:
    case KwFldRslt:
    case KwListText:
        return;
    default:
        break;
    }

    if (st.Dest == DestFontTbl) {
        switch (kw) {
        case KwF: CommitFont(); FEntryFont = idx(); FEntryCharset = 0; FEntryCpg = 0; return;
        case KwFCharset: FEntryCharset = ClampInt(param, 0, 255); return;
        case KwCpg: FEntryCpg = ClampInt(param, 0, 100000); return;
        default: return;
        }
    }
    if (st.Dest == DestColorTbl) {
        switch (kw) {
        case KwRed: FRed = ClampInt(param, 0, 255); return;
        case KwGreen: FGreen = ClampInt(param, 0, 255); return;
        case KwBlue: FBlue = ClampInt(param, 0, 255); return;
        default: return;
        }
    }

    TCharProps& ch = st.Char;
    TParaProps& pa = st.Para;
    switch (kw) {
    case KwPar: ParagraphBreak(false); return;
    case KwSect: ParagraphBreak(true); return;
    case KwPage: ParagraphBreak(true); return;
    case KwCell: ParagraphBreak(true); return;
    case KwRow: ParagraphBreak(true); return;
    case KwLine:
        if (FDoc) {
            EmitChar(u'\u2028');
        } else {
            FLineBreak = true;
            EmitChar(u'\n');
            FLineBreak = false;
        }
        return;
    case KwTab: EmitChar(u'\t'); return;
    case KwEmDash: EmitChar(u'\u2014'); return;
    case KwEnDash: EmitChar(u'\u2013'); return;
    case KwEmSpace: EmitChar(u'\u2003'); return;
    case KwEnSpace: EmitChar(u'\u2002'); return;
    case KwQmSpace: EmitChar(u'\u2005'); return;
    case KwBullet: EmitChar(u'\u2022'); return;
    case KwLQuote: EmitChar(u'\u2018'); return;
    case KwRQuote: EmitChar(u'\u2019'); return;
    case KwLDblQuote: EmitChar(u'\u201C'); return;
    case KwRDblQuote: EmitChar(u'\u201D'); return;
    case KwZwj: EmitChar(u'\u200D'); return;
    case KwZwnj: EmitChar(u'\u200C'); return;
    case KwLtrMark: EmitChar(u'\u200E'); return;
    case KwRtlMark: EmitChar(u'\u200F'); return;
    case KwPlain: ch = TCharProps(); ch.Font = FDefaultFont; return;
    case KwF: ch.Font = idx(); return;
    case KwFs: if (hasParam && param > 0) ch.Size = ClampInt(param, 2, 3276); return;
    case KwB: ch.Bold = onOff(); return;
    case KwI: ch.Italic = onOff(); return;
    case KwUl: ch.Underline = onOff() ? UlSingle : UlNone; return;
    case KwUlDotted: ch.Underline = onOff() ? UlDotted : UlNone; return;
    case KwUlDash: ch.Underline = onOff() ? UlDash : UlNone; return;
    case KwUlWave: ch.Underline = onOff() ? UlWave : UlNone; return;
    case KwUlNone: ch.Underline = UlNone; return;
    case KwStrike: ch.Strike = onOff(); return;
    case KwCf: ch.Fg = idx(); return;
    case KwCb: case KwHighlight: ch.Bg = idx(); return;
    case KwSuper: ch.VAlign = onOff() ? VaSuper : VaNormal; return;
    case KwSub: ch.VAlign = onOff() ? VaSub : VaNormal; return;
    case KwNoSuperSub: ch.VAlign = VaNormal; return;
    case KwPard: pa = TParaProps(); return;
    case KwQl: pa.Align = 0; return;
    case KwQc: pa.Align = 1; return;
    case KwQr: pa.Align = 2; return;
    case KwQj: pa.Align = 3; return;
    case KwLi: pa.Left = twips(); return;
    case KwRi: pa.Right = twips(); return;
    case KwFi: pa.First = twips(); return;
    case KwSb: pa.Before = twips(); return;
    case KwSa: pa.After = twips(); return;
    default: return;
    }
}

// ---------------------------------------------------------------------------
// Font and colour tables

void TRtfReader::FontTableText(const char* s, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i)
        FontTableByte(quint8(s[i]));
}

void TRtfReader::FontTableByte(quint8 b)
{
    if (b == ';') {
        CommitFont();
        return;
    }
    if (b < 0x20)
        return;
    if (FEntryName.size() < 1024)
        FEntryName.append(char(b));
}

void TRtfReader::CommitFont()
{
    if (FEntryFont < 0)
        return;
    TFont font;
    font.Charset = FEntryCharset;
    font.CodePage = FEntryCpg;
    // The name is in the font's own code page.
    int page = FEntryCpg ? FEntryCpg : CodePageOfCharset(FEntryCharset);
    if (page <= 0)
        page = FDocCodePage;
    QString name;
    if (IsDoubleByteCodePage(page) && DecoderFor(page)) {
        QStringDecoder* d = DecoderFor(page);
        name = d->decode(FEntryName);
        d->resetState();
    } else if (const char16_t* table = TableFor(page)) {
        name.reserve(FEntryName.size());
        for (char b : FEntryName)
            name += quint8(b) < 0x80 ? QChar(quint8(b)) : QChar(table[quint8(b) - 0x80]);
    } else {
        name = QString::fromLatin1(FEntryName);
    }
    font.Name = name.trimmed();
    FFonts.insert(FEntryFont, font);
    FCachedFont = -2;
    FFormatCache.clear();
    FEntryFont = -1;
    FEntryName.clear();
}

void TRtfReader::CommitColour()
{
    if (FColours.size() < 100000) {
        if (FRed < 0 && FGreen < 0 && FBlue < 0)
            FColours.push_back(QColor());   // "automatic"
        else
            FColours.push_back(QColor(qMax(FRed, 0), qMax(FGreen, 0), qMax(FBlue, 0)));
    }
    FRed = FGreen = FBlue = -1;
    FFormatCache.clear();
}

int TRtfReader::CodePageFor(int font)
{
    if (font == FCachedFont)
        return FCachedCodePage;
    int page = FDocCodePage;
    auto it = FFonts.constFind(font);
    if (it != FFonts.constEnd()) {
        if (it->CodePage > 0) {
            page = it->CodePage;
        } else {
            const int p = CodePageOfCharset(it->Charset);
            if (p > 0)
                page = p;
        }
    }
    FCachedFont = font;
    FCachedCodePage = page;
    return page;
}

const char16_t* TRtfReader::TableFor(int codePage)
{
    if (const char16_t* t = SingleByteCodePage(codePage))
        return t;
    if (IsDoubleByteCodePage(codePage))
        return nullptr;
    auto it = FTables.constFind(codePage);
    if (it != FTables.constEnd())
        return *it ? (*it)->data() : nullptr;
    // Another single-byte page: decode its upper half once.
    std::shared_ptr<std::vector<char16_t>> table;
    if (const char* name = CodePageName(codePage)) {
        QStringDecoder d(name);
        if (d.isValid() && codePage != 65001) {
            table = std::make_shared<std::vector<char16_t>>(128);
            for (int b = 0x80; b < 0x100; ++b) {
                const char byte = char(b);
                const QString s = d.decode(QByteArrayView(&byte, 1));
                (*table)[b - 0x80] = s.size() == 1 ? s[0].unicode() : char16_t(0xFFFD);
                d.resetState();
            }
        }
    }
    if (!table) {
        FTables.insert(codePage, nullptr);
        return SingleByteCodePage(1252);   // unknown page: read as Windows-1252
    }
    FTables.insert(codePage, table);
    return table->data();
}

QStringDecoder* TRtfReader::DecoderFor(int codePage)
{
    auto it = FDecoders.constFind(codePage);
    if (it != FDecoders.constEnd())
        return it->get();
    std::shared_ptr<QStringDecoder> d;
    if (const char* name = CodePageName(codePage)) {
        d = std::make_shared<QStringDecoder>(name);
        if (!d->isValid())
            d.reset();
    }
    FDecoders.insert(codePage, d);
    return d.get();
}

// ---------------------------------------------------------------------------
// Text

void TRtfReader::EmitChar(char16_t c)
{
    if (Skipping()) {
        --FSkip;
        return;
    }
    if (St().Dest != DestText)
        return;
    if (c < 0x20 && c != '\t' && !(c == '\n' && FLineBreak))
        return;   // control characters (from any code page) give no text
    if (FLeadByte >= 0)
        FlushLead();
    if (FHighSurrogate) {
        // A high surrogate not followed by its low half.
        const char16_t r = 0xFFFD;
        FHighSurrogate = 0;
        EmitChar(r);
    }
    AppendText(QChar(c));
}

void TRtfReader::EmitLatin1(const char* s, qsizetype n)
{
    if (St().Dest != DestText)
        return;
    if (Skipping() || FLeadByte >= 0 || FHighSurrogate) {
        for (qsizetype i = 0; i < n; ++i) {
            if (FLeadByte >= 0)
                EmitByte(quint8(s[i]));
            else
                EmitChar(char16_t(quint8(s[i])));
        }
        return;
    }
    AppendText(QLatin1StringView(s, n));
}

void TRtfReader::EmitByte(quint8 b)
{
    if (Skipping()) {
        --FSkip;
        return;
    }
    const int page = CodePageFor(St().Char.Font);
    if (FLeadByte >= 0) {
        // The trail byte of a double-byte character.
        const char pair[2] = {char(FLeadByte), char(b)};
        const int leadPage = FLeadCodePage;
        FLeadByte = -1;
        QStringDecoder* d = DecoderFor(leadPage);
        const QString s = d ? d->decode(QByteArrayView(pair, 2)) : QString(QChar(0xFFFD));
        if (d)
            d->resetState();
        for (QChar c : s)
            EmitChar(c.unicode());
        return;
    }
    if (b < 0x80) {
        if (b >= 0x20 || b == '\t')
            EmitChar(b);   // \'hh of a control character gives no text
        return;
    }
    if (IsDoubleByteCodePage(page)) {
        bool lead = false;
        if (page == 932)
            lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        else
            lead = b >= 0x81 && b <= 0xFE;
        if (lead && DecoderFor(page)) {
            FLeadByte = b;
            FLeadCodePage = page;
            return;
        }
        if (QStringDecoder* d = DecoderFor(page)) {
            const char one = char(b);
            const QString s = d->decode(QByteArrayView(&one, 1));
            d->resetState();
            for (QChar c : s)
                EmitChar(c.unicode());
            return;
        }
    }
    const char16_t* table = TableFor(page);
    if (!table)
        table = SingleByteCodePage(1252);
    EmitChar(table[b - 0x80]);
}

// A lead byte with no trail byte before the next token: a broken character.
void TRtfReader::FlushLead()
{
    if (FLeadByte < 0)
        return;
    FLeadByte = -1;
    EmitChar(0xFFFD);
}

void TRtfReader::EmitCodePoint(qint64 value)
{
    const bool valid = value >= -32768 && value <= 65535;
    if (value < 0)
        value += 65536;
    if (!valid) {
        if (FHighSurrogate) {
            FHighSurrogate = 0;
            EmitChar(0xFFFD);
        }
        EmitChar(0xFFFD);
        return;
    }
    const char16_t c = char16_t(value);
    if (QChar::isHighSurrogate(c)) {
        if (FHighSurrogate) {
            FHighSurrogate = 0;
            EmitChar(0xFFFD);
        }
        FHighSurrogate = c;
        return;
    }
    if (QChar::isLowSurrogate(c)) {
        if (!FHighSurrogate) {
            EmitChar(0xFFFD);
            return;
        }
        const char16_t high = FHighSurrogate;
        FHighSurrogate = 0;
        // Both halves go out together (a run never splits a pair).
        if (St().Dest != DestText)
            return;
        if (FLeadByte >= 0)
            FlushLead();
        const char16_t pair[2] = {high, c};
        AppendText(QStringView(pair, 2));
        return;
    }
    if (c == 0x2029) {
        ParagraphBreak(false);
        return;
    }
    if (c < 0x20 && c != '\t') {
        // Control characters given as \uN carry no text.
        return;
    }
    EmitChar(c);
}

QTextCharFormat TRtfReader::CharFormat(const TCharProps& p)
{
    auto it = FFormatCache.constFind(p);
    if (it != FFormatCache.constEnd())
        return *it;
    QTextCharFormat f;
    auto font = FFonts.constFind(p.Font);
    if (font != FFonts.constEnd() && !font->Name.isEmpty())
        f.setFontFamilies({font->Name});
    f.setFontPointSize(p.Size / 2.0);
    if (p.Bold)
        f.setFontWeight(QFont::Bold);
    if (p.Italic)
        f.setFontItalic(true);
    if (p.Strike)
        f.setFontStrikeOut(true);
    switch (p.Underline) {
    case UlSingle: f.setUnderlineStyle(QTextCharFormat::SingleUnderline); break;
    case UlDotted: f.setUnderlineStyle(QTextCharFormat::DotLine); break;
    case UlDash: f.setUnderlineStyle(QTextCharFormat::DashUnderline); break;
    case UlWave: f.setUnderlineStyle(QTextCharFormat::WaveUnderline); break;
    default: break;
    }
    if (p.VAlign == VaSuper)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (p.VAlign == VaSub)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (p.Fg > 0 && size_t(p.Fg) < FColours.size() && FColours[size_t(p.Fg)].isValid())
        f.setForeground(FColours[size_t(p.Fg)]);
    if (p.Bg > 0 && size_t(p.Bg) < FColours.size() && FColours[size_t(p.Bg)].isValid())
        f.setBackground(FColours[size_t(p.Bg)]);
    if (FFormatCache.size() < 4096)
        FFormatCache.insert(p, f);
    return f;
}

QTextBlockFormat TRtfReader::BlockFormat(const TParaProps& p) const
{
    // Twips to pixels at 96 dots per inch (1440 twips an inch).
    QTextBlockFormat f;
    static const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                           Qt::AlignJustify};
    if (p.Align != 0)
        f.setAlignment(aligns[p.Align & 3]);
    if (p.Left) f.setLeftMargin(p.Left / 15.0);
    if (p.Right) f.setRightMargin(p.Right / 15.0);
    if (p.First) f.setTextIndent(p.First / 15.0);
    if (p.Before) f.setTopMargin(p.Before / 15.0);
    if (p.After) f.setBottomMargin(p.After / 15.0);
    return f;
}

void TRtfReader::FlushRun()
{
    if (FRun.isEmpty())
        return;
    FCursor.insertText(FRun, CharFormat(FRunProps));
    FRun.clear();
}

void TRtfReader::ParagraphBreak(bool onlyIfContent)
{
    if (St().Dest != DestText)
        return;
    if (FHighSurrogate) {
        FHighSurrogate = 0;
        EmitChar(0xFFFD);
    }
    FlushLead();
    if (onlyIfContent && !FParaHasContent)
        return;
    if (FDoc) {
        FlushRun();
        FCursor.setBlockFormat(BlockFormat(St().Para));
        FCursor.setBlockCharFormat(CharFormat(St().Char));
        FCursor.insertBlock(BlockFormat(St().Para), CharFormat(St().Char));
    } else {
        FOut += QLatin1Char('\n');
    }
    FParaHasContent = false;
    FEndsWithBreak = true;
    FAnyContent = true;
}

void TRtfReader::Finish()
{
    FlushLead();
    if (FHighSurrogate) {
        FHighSurrogate = 0;
        if (St().Dest == DestText)
            EmitChar(0xFFFD);
    }
    if (FDoc) {
        FlushRun();
        if (FEndsWithBreak) {
            // The final \par closes the last paragraph; it opens no new one.
            FCursor.deletePreviousChar();
        } else if (FAnyContent) {
            FCursor.setBlockFormat(BlockFormat(St().Para));
        }
        FCursor.endEditBlock();
    } else if (FEndsWithBreak && FOut.endsWith(QLatin1Char('\n'))) {
        FOut.chop(1);
    }
}

}  // namespace

void RtfToDocument(const QByteArray& rtf, QTextDocument& doc)
{
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    try {
        TRtfReader reader(rtf, &doc);
        reader.Run();   // throws before doc is touched when the input is not RTF
    } catch (...) {
        doc.setUndoRedoEnabled(undo);
        throw;
    }
    doc.setUndoRedoEnabled(undo);
}

QString RtfToPlainText(const QByteArray& rtf)
{
    TRtfReader reader(rtf, nullptr);
    reader.Run();
    return reader.PlainText();
}
