// The embedded artwork decodes at the sizes the sheet and the windows lay
// out for, and the JPEG adapter reports damaged data instead of returning a
// grey or partial picture.
#include "uArtwork.h"
#include "uJpegImage.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QCoreApplication>
#include <QImageWriter>

#include <ostream>
#include <string>

using namespace halvane;

namespace {

struct TExpectedPicture {
    const char* path;
    int width;
    int height;
};

// Sizes as the sheet's picture table, the about window and the menus give them.
const TExpectedPicture JpegPictures[] = {
    {":/artwork/qriUpperBorder.jpg", 772, 62},
    {":/artwork/qriLogo.jpg", 222, 55},
    {":/artwork/qriEssence.jpg", 78, 56},
    {":/artwork/qriCorporealForcesTitle.jpg", 100, 22},
    {":/artwork/qriEtherealForcesTitle.jpg", 100, 23},
    {":/artwork/qriCelestialForcesTitle.jpg", 100, 23},
    {":/artwork/qriLowerBorder.jpg", 772, 76},
    {":/artwork/imgNoForcesCircle.jpg", 111, 107},
    {":/artwork/imgOneForcesCircle.jpg", 111, 107},
    {":/artwork/imgTwoForcesCircle.jpg", 111, 107},
    {":/artwork/imgThreeForcesCircle.jpg", 111, 107},
    {":/artwork/imgFourForcesCircle.jpg", 111, 107},
    {":/artwork/imgFiveForcesCircle.jpg", 111, 107},
    {":/artwork/imgSixForcesCircle.jpg", 111, 107},
    {":/artwork/imgAngel.jpg", 117, 154},
    {":/artwork/imgDemon.jpg", 117, 154},
    {":/artwork/aboutLogo.jpg", 220, 60},
};

const TExpectedPicture OtherPictures[] = {
    {":/artwork/qriDissonance.bmp", 61, 56},
    {":/artwork/miLoad.png", 20, 20},
    {":/artwork/miSave.png", 20, 20},
    {":/artwork/miPrint.png", 18, 18},
    {":/artwork/miQuit.png", 16, 16},
    {":/artwork/btNext.png", 16, 16},
};

void PrintTo(const TExpectedPicture& picture, std::ostream* out) { *out << picture.path; }

QByteArray ReadResource(const char* path) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// A small picture with a diagonal split, encoded by Qt, to damage in tests.
QByteArray SampleJpeg() {
    QImage image(64, 48, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, x > y ? QColor(200, 30, 30) : QColor(20, 20, 220));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

class ArtworkJpeg : public testing::TestWithParam<TExpectedPicture> {};

TEST_P(ArtworkJpeg, DecodesThroughLibjpegAtItsSize) {
    const TExpectedPicture expected = GetParam();
    const QImage image = LoadArtwork(QString::fromLatin1(expected.path));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(image.width(), expected.width);
    EXPECT_EQ(image.height(), expected.height);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ArtworkJpeg, testing::ValuesIn(JpegPictures));

class ArtworkOther : public testing::TestWithParam<TExpectedPicture> {};

TEST_P(ArtworkOther, LoadsAtItsSize) {
    const TExpectedPicture expected = GetParam();
    const QImage image = LoadArtwork(QString::fromLatin1(expected.path));
    EXPECT_EQ(image.width(), expected.width);
    EXPECT_EQ(image.height(), expected.height);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ArtworkOther, testing::ValuesIn(OtherPictures));

TEST(Artwork, DissonanceEmblemIsA24BitBitmap) {
    const QByteArray bmp = ReadResource(":/artwork/qriDissonance.bmp");
    ASSERT_GE(bmp.size(), 30);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    // biBitCount, little-endian, at offset 28 of the file.
    const int bits = static_cast<unsigned char>(bmp[28]) | (static_cast<unsigned char>(bmp[29]) << 8);
    EXPECT_EQ(bits, 24);
}

TEST(Artwork, SmallPicturesHaveTransparentCorners) {
    for (const TExpectedPicture& picture : OtherPictures) {
        if (std::string(picture.path).ends_with(".bmp")) continue;
        const QImage image = LoadArtwork(QString::fromLatin1(picture.path));
        EXPECT_TRUE(image.hasAlphaChannel()) << picture.path;
        EXPECT_EQ(image.pixelColor(0, image.height() - 1).alpha(), 0) << picture.path;
    }
}

TEST(Artwork, ForceCirclesDifferInTheirDarkSegments) {
    // Each circle must show one more dark segment than the one before: a
    // wrong or duplicated picture would print the wrong number of forces.
    double previous = -1.0;
    for (const TExpectedPicture& picture : JpegPictures) {
        if (!std::string(picture.path).ends_with("ForcesCircle.jpg")) continue;
        const QImage image = LoadArtwork(QString::fromLatin1(picture.path));
        double darkness = 0.0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) darkness += 255 - qGray(image.pixel(x, y));
        EXPECT_GT(darkness, previous) << picture.path;
        previous = darkness;
    }
}

TEST(JpegDecoder, DecodesASampleWithItsColours) {
    const QImage image = DecodeJpeg(SampleJpeg());
    ASSERT_EQ(image.size(), QSize(64, 48));
    const QColor red = image.pixelColor(60, 5);
    const QColor blue = image.pixelColor(5, 40);
    EXPECT_GT(red.red(), 150);
    EXPECT_LT(red.blue(), 80);
    EXPECT_GT(blue.blue(), 150);
    EXPECT_LT(blue.red(), 80);
}

TEST(JpegDecoder, DecodesGrayscaleAsRgb) {
    QImage gray(16, 16, QImage::Format_Grayscale8);
    gray.fill(128);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImageWriter(&buffer, "jpeg").write(gray));
    const QImage image = DecodeJpeg(bytes);
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_NEAR(image.pixelColor(8, 8).green(), 128, 3);
}

struct TDamage {
    const char* name;
    QByteArray (*make)(const QByteArray& good);
};

const TDamage Damages[] = {
    {"empty", [](const QByteArray&) { return QByteArray(); }},
    {"garbage", [](const QByteArray&) { return QByteArray(500, '\x5a'); }},
    {"header only", [](const QByteArray& good) { return good.left(20); }},
    // Cut inside the picture data: libjpeg fills the rest grey and only warns.
    {"truncated", [](const QByteArray& good) { return good.left(good.size() * 2 / 3); }},
    {"missing end marker", [](const QByteArray& good) { return good.left(good.size() - 2); }},
    {"scrambled data", [](const QByteArray& good) {
         QByteArray bad = good;
         for (qsizetype i = bad.size() / 2; i < bad.size() - 2; i += 7) bad[i] = '\xff';
         return bad;
     }},
};

void PrintTo(const TDamage& damage, std::ostream* out) { *out << damage.name; }

class JpegDamage : public testing::TestWithParam<TDamage> {};

TEST_P(JpegDamage, IsReportedAsAnError) {
    const QByteArray bad = GetParam().make(SampleJpeg());
    EXPECT_THROW(DecodeJpeg(bad), EJpegError);
}

INSTANTIATE_TEST_SUITE_P(Cases, JpegDamage, testing::ValuesIn(Damages),
                         [](const testing::TestParamInfo<TDamage>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (c == ' ') c = '_';
                             return name;
                         });

TEST(JpegDecoder, ErrorCarriesLibjpegMessage) {
    try {
        DecodeJpeg(QByteArray(100, '\0'));
        FAIL() << "garbage decoded";
    } catch (const EJpegError& e) {
        EXPECT_NE(std::string(e.what()), "");
    }
}

TEST(JpegDecoder, DecoderStillWorksAfterAFailure) {
    EXPECT_THROW(DecodeJpeg(QByteArray(64, '\x01')), EJpegError);
    EXPECT_EQ(DecodeJpeg(SampleJpeg()).size(), QSize(64, 48));
}

TEST(ArtworkLoader, MissingResourcesAreErrors) {
    EXPECT_THROW(LoadJpegResource(QStringLiteral(":/artwork/noSuchPicture.jpg")), EJpegError);
    EXPECT_THROW(LoadArtwork(QStringLiteral(":/artwork/noSuchPicture.png")), std::runtime_error);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
