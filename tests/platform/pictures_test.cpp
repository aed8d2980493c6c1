#include "harness.h"
#include "testmedia.h"

#include "model/errors.h"
#include "platform/pictures.h"

#include <QtEndian>
#include <QDir>

namespace {

class PicturesTest : public QuendraTest {};

bool Near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) < 40 && qAbs(qGreen(a) - qGreen(b)) < 40 && qAbs(qBlue(a) - qBlue(b)) < 40;
}

QString Thrown(const std::function<void()>& f)
{
    try {
        f();
    } catch (const EQuendraError& e) {
        return e.Message();
    }
    return QString();
}

TEST_F(PicturesTest, BitmapsByContentAndCase)
{
    TScratchDir dir;
    QDir::setCurrent(dir.Path());
    const QImage pattern = TestMedia::Pattern(64, 48);
    dir.Write(QStringLiteral("pic.bmp"), TestMedia::Encode(pattern, "BMP"));
    dir.Write(QStringLiteral("photo.jpg"), TestMedia::Encode(pattern, "JPEG", 95));
    // A JPEG under a BMP name is still decoded: the content decides.
    dir.Write(QStringLiteral("odd.bmp"), TestMedia::Encode(pattern, "JPEG", 95));

    const QImage bmp = LoadPicture(QStringLiteral("PIC.BMP"));   // found through its lower-case name
    ASSERT_EQ(bmp.size(), QSize(64, 48));
    EXPECT_EQ(bmp.pixel(5, 5) & 0xFFFFFF, qRgb(255, 255, 0) & 0xFFFFFF);
    EXPECT_EQ(bmp.pixel(60, 40) & 0xFFFFFF, qRgb(0, 128, 0) & 0xFFFFFF);
    const QImage jpg = LoadPicture(dir.File(QStringLiteral("photo.jpg")));
    ASSERT_EQ(jpg.size(), QSize(64, 48));
    EXPECT_TRUE(Near(jpg.pixel(5, 5), qRgb(255, 255, 0)));
    EXPECT_EQ(LoadPicture(QStringLiteral("odd.bmp")).size(), QSize(64, 48));

    EXPECT_EQ(Thrown([] { LoadPicture(QStringLiteral("NONE.BMP")); }), QStringLiteral("The file NONE.BMP is missing"));
}

TEST_F(PicturesTest, LargePhotographsKeepTheirPixelsInCopies)
{
    // Over 8 MB of pixels: the picture lives in memory mapped for it alone.
    TScratchDir dir;
    const QImage pattern = TestMedia::Pattern(2100, 1100);
    dir.Write(QStringLiteral("BIG.JPG"), TestMedia::Encode(pattern, "JPEG", 90));
    QImage copy;
    {
        const QImage big = LoadPicture(dir.File(QStringLiteral("BIG.JPG")));
        ASSERT_EQ(big.size(), QSize(2100, 1100));
        EXPECT_TRUE(Near(big.pixel(10, 10), qRgb(255, 255, 0)));
        EXPECT_TRUE(Near(big.pixel(2090, 1090), qRgb(0, 128, 0)));
        EXPECT_TRUE(Near(big.pixel(1040, 540), qRgb(255, 255, 0)));
        copy = big;
    }
    // The copy outlives the first picture, and a change to it stays its own.
    EXPECT_TRUE(Near(copy.pixel(2090, 1090), qRgb(0, 128, 0)));
    QImage changed = copy;
    changed.setPixel(0, 0, qRgb(1, 2, 3));
    EXPECT_EQ(changed.pixel(0, 0) & 0xFFFFFF, qRgb(1, 2, 3) & 0xFFFFFF);
    EXPECT_TRUE(Near(copy.pixel(0, 0), qRgb(255, 255, 0)));
}

TEST_F(PicturesTest, MetafileRendered)
{
    TScratchDir dir;
    dir.Write(QStringLiteral("draw.wmf"), TestMedia::SampleWmf(true));
    const QImage at = LoadPicture(dir.File(QStringLiteral("draw.wmf")), QSize(200, 100));
    ASSERT_EQ(at.size(), QSize(200, 100));
    EXPECT_TRUE(Near(at.pixel(50, 50), qRgb(255, 0, 0))) << std::hex << at.pixel(50, 50);
    EXPECT_TRUE(Near(at.pixel(150, 25), qRgb(0, 0, 255))) << std::hex << at.pixel(150, 25);
    EXPECT_TRUE(Near(at.pixel(150, 72), qRgb(0, 160, 0))) << std::hex << at.pixel(150, 72);
    EXPECT_FALSE(Near(at.pixel(198, 2), qRgb(255, 0, 0)));
    EXPECT_FALSE(Near(at.pixel(198, 2), qRgb(0, 0, 255)));

    // Its own size: one inch at 96 dpi.
    const QImage own = LoadPicture(dir.File(QStringLiteral("draw.wmf")));
    EXPECT_NEAR(own.width(), 96, 2);
    EXPECT_NEAR(own.height(), 96, 2);

    // A plain metafile without the placeable header, and one without its
    // end record, are shown too.
    const QImage plain = DecodePicture(TestMedia::SampleWmf(false), QStringLiteral("P.WMF"), QSize(100, 100));
    EXPECT_TRUE(Near(plain.pixel(20, 50), qRgb(255, 0, 0)));
    TestMedia::TWmf w;
    w.WindowExt(100, 100);
    w.NullPen();
    w.Brush(qRgb(0, 255, 0));
    w.Select(0);
    w.Select(1);
    w.Rectangle(0, 0, 100, 100);
    const QImage noEnd = DecodePicture(w.Bytes(true, 100, 100, 100, false), QStringLiteral("N.WMF"), QSize(50, 50));
    EXPECT_TRUE(Near(noEnd.pixel(25, 25), qRgb(0, 255, 0)));
}

TEST_F(PicturesTest, DamagedFilesGiveAMessage)
{
    const QString cannot = QStringLiteral("The file X.WMF cannot be shown");
    const QByteArray good = TestMedia::SampleWmf(true);
    // Truncated inside a record, inside the header, garbage, a record whose
    // size runs past the end, a zero-sized record.
    EXPECT_EQ(Thrown([&] { DecodePicture(good.left(good.size() - 17), QStringLiteral("X.WMF")); }), cannot);
    EXPECT_EQ(Thrown([&] { DecodePicture(good.left(30), QStringLiteral("X.WMF")); }), cannot);
    EXPECT_EQ(Thrown([&] { DecodePicture(good.left(4) + QByteArray(200, 'z'), QStringLiteral("X.WMF")); }), cannot);
    QByteArray bad = good;
    bad[22 + 18] = char(0xFF);
    bad[22 + 19] = char(0xFF);
    EXPECT_EQ(Thrown([&] { DecodePicture(bad, QStringLiteral("X.WMF")); }), cannot);
    bad = good;
    bad[22 + 18] = 0;
    EXPECT_EQ(Thrown([&] { DecodePicture(bad, QStringLiteral("X.WMF")); }), cannot);

    const QByteArray jpeg = TestMedia::Encode(TestMedia::Pattern(64, 48), "JPEG");
    EXPECT_EQ(Thrown([&] { DecodePicture(jpeg.left(3), QStringLiteral("A.JPG")); }),
              QStringLiteral("The file A.JPG cannot be shown"));
    EXPECT_EQ(Thrown([&] { DecodePicture(QByteArray("BM") + QByteArray(10, '\0'), QStringLiteral("B.BMP")); }),
              QStringLiteral("The file B.BMP cannot be shown"));
    EXPECT_EQ(Thrown([&] { DecodePicture(QByteArray(), QStringLiteral("E.BMP")); }),
              QStringLiteral("The file E.BMP cannot be shown"));
}

} // namespace

namespace {

// A damaged header's largest-record size used to make the renderer ask for
// gigabytes (found by fuzzing); one that understates it could let a record
// outgrow the renderer's buffer. Either way the picture shows as the good one.
TEST_F(PicturesTest, MetafileHeaderRecordSizeIsNotTrusted)
{
    const QByteArray good = TestMedia::SampleWmf(true);
    const QImage expected = DecodePicture(good, QStringLiteral("G.WMF"), QSize(64, 48));
    ASSERT_FALSE(expected.isNull());
    for (quint32 words : {0x46464569u, 0u, 1u}) {
        QByteArray bad = good;
        qToLittleEndian<quint32>(words, bad.data() + 22 + 12);   // after the placeable header
        const QImage shown = DecodePicture(bad, QStringLiteral("B.WMF"), QSize(64, 48));
        EXPECT_EQ(shown, expected) << words;
    }
}

} // namespace
