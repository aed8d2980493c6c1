#include "rtfwriter.h"

#include "codepages.h"
#include "rtfformat.h"
#include "model/ansi.h"

#include <QColor>
#include <QHash>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>

namespace {

constexpr int MaxLine = 250;

// What the writer emits of a character format.
struct TRunFormat {
    int Font = 0;
    int HalfPoints = 24;
    int Fg = 0;           // colour table index, 0 = automatic
    int Bg = 0;
    bool Bold = false, Italic = false, Strike = false;
    int Underline = 0;    // 0 none, 1 single, 2 dotted, 3 dash, 4 wave
    int VAlign = 0;       // 0 normal, 1 super, 2 sub
};

using TParaFormat = TRtfParaFormat;

class TRtfWriter {
public:
    explicit TRtfWriter(const QTextDocument& doc) : FDoc(doc)
    {
        FDefaultFamily = doc.defaultFont().family();
        FDefaultSize = doc.defaultFont().pointSizeF() > 0 ? doc.defaultFont().pointSizeF() : 12.0;
    }
    QStringList Write();

private:
    QString Family(const QTextCharFormat& f) const
    {
        const QStringList families = f.fontFamilies().toStringList();
        if (!families.isEmpty() && !families.first().isEmpty())
            return families.first();
        return FDefaultFamily;
    }
    // The font name as the font table holds it (RTF-escaped): without the
    // characters a name cannot hold, at most 100 characters (and 200 once
    // escaped), cp1252.
    static QString TableName(const QString& family)
    {
        QString name;
        for (QChar c : family.left(100).trimmed()) {
            if (name.size() > 200)
                break;   // the entry stays within one line
            const char16_t u = c.unicode();
            if (u == ';' || u == '{' || u == '}' || u == '\\' || u < 0x20)
                continue;
            if (u == '[')
                name += QStringLiteral("\\'5b");
            else if (u == ']')
                name += QStringLiteral("\\'5d");
            else if (u < 0x80)
                name += c;
            else if (const char b = CharToAnsi(c); b == '?')
                name += QLatin1Char('?');
            else
                name += QStringLiteral("\\'%1").arg(quint8(b), 2, 16, QLatin1Char('0'));
        }
        return name.trimmed();
    }
    int FontIndex(const QString& familyName)
    {
        QString family = TableName(familyName);
        if (family.isEmpty())
            family = TableName(FDefaultFamily);
        auto it = FFontIndex.constFind(family);
        if (it != FFontIndex.constEnd())
            return *it;
        const int i = int(FFonts.size());
        FFonts.append(family);
        FFontIndex.insert(family, i);
        return i;
    }
    int ColourIndex(const QColor& c)
    {
        const QRgb rgb = c.rgb() & 0xFFFFFF;
        auto it = FColourIndex.constFind(rgb);
        if (it != FColourIndex.constEnd())
            return *it;
        FColours.append(rgb);
        const int i = int(FColours.size());   // index 0 is "automatic"
        FColourIndex.insert(rgb, i);
        return i;
    }
    TRunFormat RunFormat(const QTextCharFormat& f);
    static TParaFormat ParaFormat(const QTextBlockFormat& f);

    // Token output with line splitting.
    void Token(const QString& t)
    {
        if (FLine.size() + t.size() > MaxLine && !FLine.isEmpty())
            EndLine();
        FLine += t;
        FNeedSpace = false;
    }
    // A control word; it gets its delimiting space only when text follows.
    void Word(const QString& w)
    {
        if (FLine.size() + w.size() + 1 > MaxLine && !FLine.isEmpty())
            EndLine();
        FLine += w;
        FNeedSpace = true;
    }
    void Text(QChar c);
    void EndLine()
    {
        FBody.append(FLine);
        FLine.clear();
    }
    void FormatChange(const TRunFormat& f, bool force);
    void ParagraphStart(const TParaFormat& p, bool force);

    const QTextDocument& FDoc;
    QString FDefaultFamily;
    qreal FDefaultSize = 12.0;
    QStringList FFonts;
    QHash<QString, int> FFontIndex;
    QList<QRgb> FColours;
    QHash<QRgb, int> FColourIndex;
    QStringList FBody;
    QString FLine;
    bool FNeedSpace = false;
    TRunFormat FCurrent;
    TParaFormat FPara;
};

TRunFormat TRtfWriter::RunFormat(const QTextCharFormat& f)
{
    TRunFormat r;
    r.Font = FontIndex(Family(f));
    const qreal size = f.fontPointSize() > 0 ? f.fontPointSize() : FDefaultSize;
    r.HalfPoints = qBound(2, int(std::lround(size * 2)), 3276);
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        r.Fg = ColourIndex(f.foreground().color());
    if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
        r.Bg = ColourIndex(f.background().color());
    r.Bold = f.fontWeight() > QFont::Medium;
    r.Italic = f.fontItalic();
    r.Strike = f.fontStrikeOut();
    switch (f.underlineStyle()) {
    case QTextCharFormat::NoUnderline: r.Underline = f.fontUnderline() ? 1 : 0; break;
    case QTextCharFormat::DotLine: r.Underline = 2; break;
    case QTextCharFormat::DashUnderline:
    case QTextCharFormat::DashDotLine:
    case QTextCharFormat::DashDotDotLine: r.Underline = 3; break;
    case QTextCharFormat::WaveUnderline:
    case QTextCharFormat::SpellCheckUnderline: r.Underline = 4; break;
    default: r.Underline = 1; break;
    }
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        r.VAlign = 1;
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        r.VAlign = 2;
    return r;
}

TParaFormat TRtfWriter::ParaFormat(const QTextBlockFormat& f)
{
    TParaFormat p;
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignJustify)
        p.Align = 3;
    else if (a & Qt::AlignHCenter)
        p.Align = 1;
    else if (a & Qt::AlignRight)
        p.Align = 2;
    // Pixels at 96 dots per inch to twips.
    auto twips = [](qreal px) { return qBound(-126720, int(std::lround(px * 15)), 126720); };
    p.Left = twips(f.leftMargin());
    p.Right = twips(f.rightMargin());
    p.First = twips(f.textIndent());
    p.Before = twips(f.topMargin());
    p.After = twips(f.bottomMargin());
    return p;
}

void TRtfWriter::FormatChange(const TRunFormat& f, bool force)
{
    const TRunFormat& c = FCurrent;
    if (force || f.Font != c.Font) Word(QStringLiteral("\\f%1").arg(f.Font));
    if (force || f.HalfPoints != c.HalfPoints) Word(QStringLiteral("\\fs%1").arg(f.HalfPoints));
    if (force ? f.Fg != 0 : f.Fg != c.Fg) Word(QStringLiteral("\\cf%1").arg(f.Fg));
    if (force ? f.Bg != 0 : f.Bg != c.Bg) Word(QStringLiteral("\\highlight%1").arg(f.Bg));
    if (force ? f.Bold : f.Bold != c.Bold) Word(f.Bold ? QStringLiteral("\\b") : QStringLiteral("\\b0"));
    if (force ? f.Italic : f.Italic != c.Italic) Word(f.Italic ? QStringLiteral("\\i") : QStringLiteral("\\i0"));
    if (force ? f.Underline != 0 : f.Underline != c.Underline) {
        static const char* const words[] = {"\\ulnone", "\\ul", "\\uld", "\\uldash", "\\ulwave"};
        Word(QString::fromLatin1(words[qBound(0, f.Underline, 4)]));
    }
    if (force ? f.Strike : f.Strike != c.Strike)
        Word(f.Strike ? QStringLiteral("\\strike") : QStringLiteral("\\strike0"));
    if (force ? f.VAlign != 0 : f.VAlign != c.VAlign) {
        static const char* const words[] = {"\\nosupersub", "\\super", "\\sub"};
        Word(QString::fromLatin1(words[qBound(0, f.VAlign, 2)]));
    }
    FCurrent = f;
}

void TRtfWriter::ParagraphStart(const TParaFormat& p, bool force)
{
    if (!force && p == FPara)
        return;
    Word(QStringLiteral("\\pard"));
    static const char* const aligns[] = {nullptr, "\\qc", "\\qr", "\\qj"};
    if (p.Align > 0 && p.Align <= 3)
        Word(QString::fromLatin1(aligns[p.Align]));
    if (p.Left) Word(QStringLiteral("\\li%1").arg(p.Left));
    if (p.Right) Word(QStringLiteral("\\ri%1").arg(p.Right));
    if (p.First) Word(QStringLiteral("\\fi%1").arg(p.First));
    if (p.Before) Word(QStringLiteral("\\sb%1").arg(p.Before));
    if (p.After) Word(QStringLiteral("\\sa%1").arg(p.After));
    FPara = p;
}

void TRtfWriter::Text(QChar c)
{
    const char16_t u = c.unicode();
    QString t;
    if (u == '\\' || u == '{' || u == '}') {
        t = QLatin1Char('\\') + c;
    } else if (u == '[') {
        t = QStringLiteral("\\'5b");
    } else if (u == ']') {
        t = QStringLiteral("\\'5d");
    } else if (u == '\t') {
        Word(QStringLiteral("\\tab"));
        return;
    } else if (u == 0x2028 || u == '\n' || u == '\r') {
        Word(QStringLiteral("\\line"));
        return;
    } else if (u < 0x20 || u == 0x2029) {
        return;   // no text: controls
    } else if (u < 0x80) {
        if (FNeedSpace) {
            // The control word's delimiter stays on its line.
            FLine += QLatin1Char(' ');
            FNeedSpace = false;
        }
        if (FLine.size() + 1 > MaxLine)
            EndLine();
        FLine += c;
        return;
    } else {
        const char b = CharToAnsi(c);
        if (b != '?' && AnsiToChar(quint8(b)) == c) {
            t = QStringLiteral("\\'%1").arg(quint8(b), 2, 16, QLatin1Char('0'));
        } else {
            // Signed 16-bit value, as RTF writers do; "?" is the fallback.
            t = QStringLiteral("\\u%1?").arg(int(qint16(u)));
        }
    }
    Token(t);
}

QStringList TRtfWriter::Write()
{
    // First pass over the content fixes the font and colour tables: the
    // font of the first character is \f0.
    const bool empty = FDoc.characterCount() <= 1;
    if (empty) {
        // Nothing to format: the table holds the document's default font.
        FontIndex(FDefaultFamily);
    } else {
        const QTextBlock first = FDoc.begin();
        QTextCharFormat f = first.charFormat();
        for (QTextBlock::iterator it = first.begin(); !it.atEnd(); ++it) {
            if (it.fragment().isValid()) {
                f = it.fragment().charFormat();
                break;
            }
        }
        FontIndex(Family(f));
    }
    for (QTextBlock b = FDoc.begin(); b.isValid() && !empty; b = b.next()) {
        bool any = false;
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().isValid()) {
                RunFormat(it.fragment().charFormat());
                any = true;
            }
        }
        if (!any)
            RunFormat(b.charFormat());
    }

    bool firstPara = true;
    if (!empty) {
        Word(QStringLiteral("\\uc1"));
        for (QTextBlock b = FDoc.begin(); b.isValid(); b = b.next()) {
            ParagraphStart(ParaFormat(b.blockFormat()), firstPara);
            bool any = false;
            for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment frag = it.fragment();
                if (!frag.isValid())
                    continue;
                FormatChange(RunFormat(frag.charFormat()), firstPara);
                firstPara = false;
                any = true;
                const QString text = frag.text();
                for (QChar c : text)
                    Text(c);
            }
            if (!any) {
                FormatChange(RunFormat(b.charFormat()), firstPara);
                firstPara = false;
            }
            Word(QStringLiteral("\\par"));
            FNeedSpace = false;
            EndLine();
        }
    }
    if (!FLine.isEmpty())
        EndLine();

    // Header: font table and colour table, split at entries.
    QStringList lines;
    QString line = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl");
    auto add = [&](const QString& token) {
        if (line.size() + token.size() > MaxLine && !line.isEmpty()) {
            lines.append(line);
            line.clear();
        }
        line += token;
    };
    for (int i = 0; i < FFonts.size(); ++i) {
        add(QStringLiteral("{\\f%1\\fnil\\fcharset0 %2;}").arg(i).arg(FFonts[i]));
    }
    add(QStringLiteral("}"));
    lines.append(line);
    if (!FColours.isEmpty()) {
        line = QStringLiteral("{\\colortbl ;");
        for (QRgb rgb : FColours)
            add(QStringLiteral("\\red%1\\green%2\\blue%3;").arg(qRed(rgb)).arg(qGreen(rgb)).arg(qBlue(rgb)));
        add(QStringLiteral("}"));
        lines.append(line);
    }
    if (FBody.isEmpty()) {
        lines.append(QStringLiteral("}"));
        return lines;
    }
    lines += FBody;
    lines.append(QStringLiteral("}"));
    return lines;
}

}  // namespace

QStringList DocumentToRtfLines(const QTextDocument& doc)
{
    TRtfWriter writer(doc);
    return writer.Write();
}

QByteArray RtfLinesToStream(const QStringList& lines)
{
    return StringToAnsi(lines.join(QStringLiteral("\r\n")));
}
