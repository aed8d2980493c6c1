#pragma once
// Media files built byte by byte for the tests: metafiles, WAV sounds, MIDI
// files and a small MJPEG video.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QtEndian>

namespace TestMedia {

inline void Put16(QByteArray& b, int v) { char c[2]; qToLittleEndian<quint16>(quint16(v), c); b.append(c, 2); }
inline void Put32(QByteArray& b, quint32 v) { char c[4]; qToLittleEndian<quint32>(v, c); b.append(c, 4); }
inline void PutBE16(QByteArray& b, int v) { char c[2]; qToBigEndian<quint16>(quint16(v), c); b.append(c, 2); }
inline void PutBE32(QByteArray& b, quint32 v) { char c[4]; qToBigEndian<quint32>(v, c); b.append(c, 4); }

// Metafile records: function code and 16-bit parameters.
struct TWmf {
    QByteArray Records;
    int MaxRecord = 3;
    int Objects = 0;
    void Rec(int function, const QList<int>& params)
    {
        const int words = 3 + int(params.size());
        Put32(Records, quint32(words));
        Put16(Records, function);
        for (int p : params) Put16(Records, p);
        MaxRecord = qMax(MaxRecord, words);
    }
    static QList<int> Colour(QRgb c) { return {qRed(c) | (qGreen(c) << 8), qBlue(c)}; }
    void WindowOrg(int x, int y) { Rec(0x020B, {y, x}); }
    void WindowExt(int w, int h) { Rec(0x020C, {h, w}); }
    void Brush(QRgb c) { Rec(0x02FC, QList<int>{0} + Colour(c) + QList<int>{0}); ++Objects; }
    void NullPen() { Rec(0x02FA, QList<int>{5, 0, 0} + Colour(0)); ++Objects; }
    void Pen(QRgb c, int width) { Rec(0x02FA, QList<int>{0, width, 0} + Colour(c)); ++Objects; }
    void Select(int index) { Rec(0x012D, {index}); }
    void Rectangle(int l, int t, int r, int b) { Rec(0x041B, {b, r, t, l}); }
    void Ellipse(int l, int t, int r, int b) { Rec(0x0418, {b, r, t, l}); }
    void Polygon(const QList<QPoint>& pts)
    {
        QList<int> p{int(pts.size())};
        for (const QPoint& q : pts) p << q.x() << q.y();
        Rec(0x0324, p);
    }
    // The whole file: placeable header (bounds in units, unitsPerInch),
    // metafile header, records, end record.
    QByteArray Bytes(bool placeable, int width, int height, int unitsPerInch = 1440, bool end = true) const
    {
        QByteArray out;
        if (placeable) {
            QByteArray p;
            Put32(p, 0x9AC6CDD7u);
            Put16(p, 0);
            Put16(p, 0); Put16(p, 0); Put16(p, width); Put16(p, height);
            Put16(p, unitsPerInch);
            Put32(p, 0);
            quint16 sum = 0;
            for (int i = 0; i < 10; ++i) sum ^= qFromLittleEndian<quint16>(p.constData() + 2 * i);
            Put16(p, sum);
            out += p;
        }
        QByteArray body = Records;
        if (end) { Put32(body, 3); Put16(body, 0); }
        Put16(out, 1); Put16(out, 9); Put16(out, 0x0300);
        Put32(out, quint32((18 + body.size()) / 2));
        Put16(out, Objects);
        Put32(out, quint32(MaxRecord));
        Put16(out, 0);
        return out + body;
    }
};

// A 1000 x 1000 unit metafile: red left half; in the right half a blue
// rectangle at the top, a green triangle below it and a blue circle outline.
inline QByteArray SampleWmf(bool placeable = true)
{
    TWmf w;
    w.WindowOrg(0, 0);
    w.WindowExt(1000, 1000);
    w.NullPen();                      // object 0
    w.Brush(qRgb(255, 0, 0));         // object 1
    w.Brush(qRgb(0, 0, 255));         // object 2
    w.Pen(qRgb(0, 0, 128), 20);       // object 3
    w.Brush(qRgb(0, 160, 0));         // object 4
    w.Select(0);
    w.Select(1);
    w.Rectangle(0, 0, 500, 1000);
    w.Select(2);
    w.Rectangle(550, 100, 950, 400);
    w.Select(4);
    w.Polygon({{600, 600}, {900, 600}, {750, 950}});
    w.Select(3);
    w.Ellipse(520, 450, 980, 990);
    return w.Bytes(placeable, 1000, 1000, 1000);
}

inline QByteArray Encode(const QImage& image, const char* format, int quality = -1)
{
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    image.save(&b, format, quality);
    return out;
}

inline QImage Pattern(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0, 128, 0));
    for (int y = 0; y < h / 2; ++y)
        for (int x = 0; x < w / 2; ++x)
            img.setPixel(x, y, qRgb(255, 255, 0));
    return img;
}

// A mono 16-bit PCM WAV of the given length (a 440 Hz square wave).
inline QByteArray Wav(int ms, int rate = 8000)
{
    const int samples = rate * ms / 1000;
    QByteArray data;
    for (int i = 0; i < samples; ++i)
        Put16(data, ((i * 440 * 2 / rate) % 2) ? 8000 : -8000);
    QByteArray out("RIFF");
    Put32(out, quint32(36 + data.size()));
    out += "WAVEfmt ";
    Put32(out, 16); Put16(out, 1); Put16(out, 1); Put32(out, quint32(rate)); Put32(out, quint32(rate * 2));
    Put16(out, 2); Put16(out, 16);
    out += "data";
    Put32(out, quint32(data.size()));
    return out + data;
}

// A format-0 MIDI file: notes of `noteMs` each at 120 bpm (480 ticks a beat).
inline QByteArray Midi(int notes = 4, int noteTicks = 480)
{
    QByteArray track;
    auto delta = [&](int v) {
        QByteArray d;
        d.prepend(char(v & 0x7F));
        while (v >>= 7) d.prepend(char((v & 0x7F) | 0x80));
        track += d;
    };
    delta(0); track += QByteArray("\xFF\x51\x03\x07\xA1\x20", 6);   // 500000 us a beat
    delta(0); track += QByteArray("\xC0\x00", 2);                    // piano
    for (int i = 0; i < notes; ++i) {
        delta(0); track += char(0x90); track += char(60 + i); track += char(100);
        delta(noteTicks); track += char(0x80); track += char(60 + i); track += char(0);
    }
    delta(0); track += QByteArray("\xFF\x2F\x00", 3);
    QByteArray out("MThd");
    PutBE32(out, 6); PutBE16(out, 0); PutBE16(out, 1); PutBE16(out, 480);
    out += "MTrk";
    PutBE32(out, quint32(track.size()));
    return out + track;
}

// An MJPEG AVI of the given frames (all of one size), 10 frames a second.
inline QByteArray Avi(const QList<QImage>& frames)
{
    const int w = frames.first().width(), h = frames.first().height();
    QList<QByteArray> jpegs;
    for (const QImage& f : frames) jpegs << Encode(f, "JPEG", 90);
    auto chunk = [](const char* id, const QByteArray& data) {
        QByteArray c(id, 4);
        Put32(c, quint32(data.size()));
        c += data;
        if (data.size() % 2) c += '\0';
        return c;
    };
    auto list = [](const char* type, const QByteArray& data) {
        QByteArray c("LIST");
        Put32(c, quint32(data.size() + 4));
        c += QByteArray(type, 4);
        return c + data;
    };
    int maxFrame = 0;
    for (const QByteArray& j : jpegs) maxFrame = qMax(maxFrame, int(j.size()));
    QByteArray avih;
    Put32(avih, 100000); Put32(avih, quint32(maxFrame * 10)); Put32(avih, 0); Put32(avih, 0x10);
    Put32(avih, quint32(jpegs.size())); Put32(avih, 0); Put32(avih, 1); Put32(avih, quint32(maxFrame));
    Put32(avih, quint32(w)); Put32(avih, quint32(h)); for (int i = 0; i < 4; ++i) Put32(avih, 0);
    QByteArray strh("vidsMJPG", 8);
    Put32(strh, 0); Put16(strh, 0); Put16(strh, 0); Put32(strh, 0);
    Put32(strh, 1); Put32(strh, 10); Put32(strh, 0); Put32(strh, quint32(jpegs.size()));
    Put32(strh, quint32(maxFrame)); Put32(strh, 0xFFFFFFFFu); Put32(strh, 0);
    Put16(strh, 0); Put16(strh, 0); Put16(strh, w); Put16(strh, h);
    QByteArray strf;
    Put32(strf, 40); Put32(strf, quint32(w)); Put32(strf, quint32(h)); Put16(strf, 1); Put16(strf, 24);
    strf += "MJPG"; Put32(strf, quint32(w * h * 3)); Put32(strf, 0); Put32(strf, 0); Put32(strf, 0); Put32(strf, 0);
    const QByteArray hdrl = list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));
    QByteArray movi, idx;
    int offset = 4;
    for (const QByteArray& j : jpegs) {
        const QByteArray c = chunk("00dc", j);
        idx += "00dc"; Put32(idx, 0x10); Put32(idx, quint32(offset)); Put32(idx, quint32(j.size()));
        offset += int(c.size());
        movi += c;
    }
    const QByteArray body = QByteArray("AVI ") + hdrl + list("movi", movi) + chunk("idx1", idx);
    QByteArray out("RIFF");
    Put32(out, quint32(body.size()));
    return out + body;
}

} // namespace TestMedia
