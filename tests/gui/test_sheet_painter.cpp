// The character sheet's report: what the fill puts into each element, and
// what the one painting routine lays out on an image and in a PDF file.

#include "uArtwork.h"
#include "uFrmCharacterSheet.h"
#include "uHalvaneXMLDAO.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace halvane;

namespace {

std::unique_ptr<THalvaneCharacter> LoadFixture(const char* name) {
    THalvaneXMLDAO store;
    store.FileName = std::string(HALVANE_TEST_DATA_DIR) + "/" + name;
    return store.Load();
}

QImage Render(const TfrmCharacterSheet& sheet, double dpi) {
    const auto mm = [dpi](double v) { return static_cast<int>(v * dpi / 25.4 + 0.5); };
    QImage image(mm(TfrmCharacterSheet::BandWidthMm), mm(TfrmCharacterSheet::BandHeightMm), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    sheet.PaintSheet(painter, dpi, dpi);
    painter.end();
    return image;
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestSheetPainter : public QObject {
    Q_OBJECT

private slots:
    void fillPutsTheRecordsPicturesInTheirPlaces() {
        auto record = LoadFixture("sample/nathaniel.hcs");
        TfrmCharacterSheet sheet;
        sheet.FillCharacterSheet(*record);
        QCOMPARE(sheet.Element(QStringLiteral("qriCorporealForcesCircle"))->Picture,
                 LoadArtwork(QString::fromLatin1(artwork::ForcesCircles[1])));
        QCOMPARE(sheet.Element(QStringLiteral("qriCelestialForcesCircle"))->Picture,
                 LoadArtwork(QString::fromLatin1(artwork::ForcesCircles[3])));
        QCOMPARE(sheet.Element(QStringLiteral("qriCelestialTypeImage"))->Picture,
                 LoadArtwork(QString::fromLatin1(artwork::Angel)));
        QCOMPARE(sheet.Element(QStringLiteral("qrlSuperiorField"))->Text, QStringLiteral("Blandine"));
        QCOMPARE(sheet.Element(QStringLiteral("qrmDiscords"))->Lines,
                 (QStringList{QStringLiteral("Merciful, lvl 1"), QStringLiteral("Fear, lvl 1")}));

        THalvaneCharacter mundane;
        mundane.Concept = 8;
        TfrmCharacterSheet empty;
        empty.FillCharacterSheet(mundane);
        for (const char* place : {"qriCorporealForcesCircle", "qriEtherealForcesCircle", "qriCelestialForcesCircle",
                                  "qriCelestialTypeImage"})
            QVERIFY2(empty.Element(QString::fromLatin1(place))->Picture.isNull(), place);
        QVERIFY(!empty.Element(QStringLiteral("qriUpperBorder"))->Picture.isNull());
    }

    void overfilledMemoStaysInsideItsBox() {
        auto record = LoadFixture("sample/nathaniel.hcs");
        TfrmCharacterSheet plain;
        plain.FillCharacterSheet(*record);
        for (int i = 0; i < 60; ++i) {
            auto discord = std::make_unique<TDiscord>();
            discord->Name = "A discord with a rather long name number " + std::to_string(i);
            discord->Level = 1;
            record->Resources.Add(std::move(discord));
        }
        TfrmCharacterSheet full;
        full.FillCharacterSheet(*record);
        QCOMPARE(full.Element(QStringLiteral("qrmDiscords"))->Lines.size(), 62);

        const double dpi = 150;
        const QImage before = Render(plain, dpi);
        const QImage after = Render(full, dpi);
        const TfrmCharacterSheet::TElement* memo = full.Element(QStringLiteral("qrmDiscords"));
        const QRectF box(memo->Left * dpi / 25.4, memo->Top * dpi / 25.4, memo->Width * dpi / 25.4,
                         memo->Height * dpi / 25.4);
        int changedInside = 0, changedOutside = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y)) {
                    (box.adjusted(-1, -1, 1, 1).contains(QPointF(x + 0.5, y + 0.5)) ? changedInside : changedOutside)++;
                }
        QVERIFY(changedInside > 0);
        QCOMPARE(changedOutside, 0);
    }

    void labelsArePaintedOpaqueAndTheBandWhite() {
        auto record = LoadFixture("store/example.hcs");
        TfrmCharacterSheet sheet;
        sheet.FillCharacterSheet(*record);
        const QImage image = Render(sheet, 96);
        QCOMPARE(QColor(image.pixel(image.width() - 2, image.height() - 2)), QColor(Qt::white));
        // The name field starts at 91.0 mm, 21.2 mm: dark text inside it.
        int dark = 0;
        for (int y = 81; y < 95; ++y)
            for (int x = 344; x < 420; ++x) dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
        QVERIFY2(dark > 20, qPrintable(QString::number(dark)));
    }

    void pdfOfTheExampleIsOneLandscapeA4Page() {
        auto record = LoadFixture("store/example.hcs");
        TfrmCharacterSheet sheet;
        sheet.FillCharacterSheet(*record);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("nathaniel.pdf"));
        sheet.WritePdf(pdf);
        const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("842 x 595 pts (A4)")), qPrintable(info));
        // A memo line may wrap; read the text in reading order with its blanks joined.
        const QString text = Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
        for (const char* expected : {"Nathaniel", "Blandine", "Seraphim", "Lucid Dreams", "Seraphim of Dreams",
                                     "Knowledge (Int), lvl 2", "Celestial Song of Dreams, lvl 2",
                                     "Vessel: Human, lvl 1, cha 0, role 0, status 0", "Attunements & Distinctions",
                                     "Discords", "Strength", "Perception"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);

        QVERIFY_THROWS_EXCEPTION(std::runtime_error, sheet.WritePdf(folder.filePath(QStringLiteral("no/such/dir/x.pdf"))));
    }
};

QTEST_MAIN(TestSheetPainter)
#include "test_sheet_painter.moc"
