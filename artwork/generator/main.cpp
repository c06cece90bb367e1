// Draws every picture of the program: the character sheet's borders, logo,
// emblems, force titles, force circles and figures, the about window's logo,
// the small menu and Next pictures, and the desktop icons of the program and
// of its character files (PNGs and SVGs under icons/hicolor/). Run through
// scripts/make-artwork, which writes them into artwork/ where artwork.qrc
// embeds the pictures and the install rules pick up the icons.
//
// The drawing is deterministic: fixed geometry, no randomness, fonts loaded
// by family and checked, fixed encoder settings. Running it twice writes the
// same bytes.
//
// Usage: halvane_artwork_generator OUTPUT_FOLDER [--contact-sheet FILE.png]

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr double Pi = std::numbers::pi;
// The sheet lays pictures out at 96 pixels to the inch.
constexpr int DotsPerMeter = 3780;

const QColor Ink(0x14, 0x12, 0x10);
const QColor Paper(0xff, 0xff, 0xff);

enum class EStorage { Jpeg, Bmp24, Png };

struct TPicture {
    QString file;
    int width;
    int height;
    EStorage storage;
    std::function<void(QPainter&, int, int)> draw;
};

// ------------------------------------------------------------------ fonts

// Lettering uses the Liberation fonts; a silent fallback to another family
// would change every picture, so a missing family stops the run.
QFont Font(const QString& family, double pixelSize, QFont::Weight weight = QFont::Normal,
           bool italic = false) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setWeight(weight);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    const QFontInfo info(font);
    if (info.family() != family)
        throw std::runtime_error("font family " + family.toStdString() +
                                 " is not installed (got " + info.family().toStdString() +
                                 "); install fonts-liberation");
    return font;
}

QFont Serif(double px, QFont::Weight w = QFont::Bold, bool italic = false) {
    return Font(QStringLiteral("Liberation Serif"), px, w, italic);
}
QFont Sans(double px, QFont::Weight w = QFont::Bold) {
    return Font(QStringLiteral("Liberation Sans"), px, w);
}

// Text as a path, centred on a point, with extra spacing between letters.
QPainterPath TextPath(const QString& text, const QFont& font, QPointF centre,
                      double letterSpacing = 0.0) {
    QPainterPath path;
    const QFontMetricsF metrics(font);
    double x = 0.0;
    for (const QChar c : text) {
        path.addText(x, 0.0, font, QString(c));
        x += metrics.horizontalAdvance(c) + letterSpacing;
    }
    x -= letterSpacing;
    path.translate(centre.x() - x / 2.0, centre.y() + metrics.capHeight() / 2.0);
    return path;
}

// ------------------------------------------------------------------ shapes

QPointF Polar(QPointF centre, double radius, double degrees) {
    const double a = degrees * Pi / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a)};
}

// A flight feather lying along the x axis, quill at 0, tip at length. The
// leading vane is narrower than the trailing one, as on a real wing.
QPainterPath FeatherOutline(double length, double width) {
    QPainterPath p;
    p.moveTo(0.0, 0.0);
    p.cubicTo(length * 0.18, -width * 0.42, length * 0.70, -width * 0.40, length, 0.0);
    p.cubicTo(length * 0.80, width * 0.50, length * 0.25, width * 0.62, length * 0.08,
              width * 0.18);
    p.closeSubpath();
    return p;
}

// Draws one white feather with its shaft and barbs, in the painter's frame
// after moving to base and turning to the given angle.
void DrawFeather(QPainter& p, QPointF base, double degrees, double length, double width,
                 const QColor& fill, const QColor& line, double lineWidth) {
    p.save();
    p.translate(base);
    p.rotate(degrees);
    const QPainterPath outline = FeatherOutline(length, width);
    p.setPen(QPen(line, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(outline);
    // Barbs: slanted strokes from the shaft toward the tip, clipped to the vane.
    p.setClipPath(outline);
    QPen barb(line, lineWidth * 0.45);
    p.setPen(barb);
    const int count = std::max(4, static_cast<int>(length / 5.5));
    for (int i = 1; i < count; ++i) {
        const double x = length * (0.10 + 0.85 * i / count);
        p.drawLine(QPointF(x, 0.0), QPointF(x + width * 0.55, -width * 0.55));
        p.drawLine(QPointF(x, 0.0), QPointF(x + width * 0.65, width * 0.75));
    }
    // A few splits in the trailing vane make it read as a feather, not a leaf.
    QPen split(line, lineWidth * 0.9);
    p.setPen(split);
    for (double t : {0.38, 0.62, 0.80}) {
        const double x = length * t;
        p.drawLine(QPointF(x + width * 0.10, width * 0.10), QPointF(x + width * 0.75, width * 0.80));
    }
    p.setClipping(false);
    // Shaft.
    p.setPen(QPen(line, lineWidth * 1.1, Qt::SolidLine, Qt::RoundCap));
    QPainterPath shaft;
    shaft.moveTo(-length * 0.04, 0.0);
    shaft.quadTo(length * 0.5, width * 0.05, length * 0.96, 0.0);
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    p.restore();
}

// A many-pointed star, used for halos and sigils.
QPainterPath Star(QPointF centre, int points, double outer, double inner, double turn = -90.0) {
    QPainterPath p;
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const QPointF q = Polar(centre, r, turn + 180.0 * i / points);
        if (i == 0) p.moveTo(q); else p.lineTo(q);
    }
    p.closeSubpath();
    return p;
}

// A bat wing: finger bones from the wrist, scalloped membrane between them.
// side is +1 for a wing spreading to the right, -1 to the left.
QPainterPath BatWing(QPointF shoulder, double span, double height, int side) {
    const double s = side;
    const QPointF wrist(shoulder.x() + s * span * 0.45, shoulder.y() - height * 0.55);
    const QPointF tips[4] = {
        {shoulder.x() + s * span * 1.00, shoulder.y() - height * 0.30},
        {shoulder.x() + s * span * 0.92, shoulder.y() + height * 0.12},
        {shoulder.x() + s * span * 0.68, shoulder.y() + height * 0.40},
        {shoulder.x() + s * span * 0.34, shoulder.y() + height * 0.50}};
    QPainterPath p;
    p.moveTo(shoulder);
    p.quadTo(QPointF(shoulder.x() + s * span * 0.20, shoulder.y() - height * 0.62), wrist);
    p.quadTo(QPointF(wrist.x() + s * span * 0.30, wrist.y() - height * 0.20), tips[0]);
    QPointF previous = tips[0];
    for (int i = 1; i < 4; ++i) {
        // Each scallop bows in toward the wrist.
        const QPointF mid((previous.x() + tips[i].x()) / 2.0, (previous.y() + tips[i].y()) / 2.0);
        const QPointF bow(mid.x() + (wrist.x() - mid.x()) * 0.32, mid.y() + (wrist.y() - mid.y()) * 0.32);
        p.quadTo(bow, tips[i]);
        previous = tips[i];
    }
    const QPointF base(shoulder.x() + s * span * 0.05, shoulder.y() + height * 0.30);
    const QPointF mid((previous.x() + base.x()) / 2.0, (previous.y() + base.y()) / 2.0);
    p.quadTo(QPointF(mid.x(), mid.y() - height * 0.12), base);
    p.closeSubpath();
    return p;
}

void DrawBatWingBones(QPainter& p, QPointF shoulder, double span, double height, int side,
                      const QColor& colour, double width) {
    const double s = side;
    const QPointF wrist(shoulder.x() + s * span * 0.45, shoulder.y() - height * 0.55);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(shoulder, wrist);
    const QPointF tips[3] = {{shoulder.x() + s * span * 0.92, shoulder.y() + height * 0.12},
                             {shoulder.x() + s * span * 0.68, shoulder.y() + height * 0.40},
                             {shoulder.x() + s * span * 0.34, shoulder.y() + height * 0.50}};
    for (const QPointF& t : tips) p.drawLine(wrist, t);
    p.drawLine(wrist, QPointF(shoulder.x() + s * span * 1.00, shoulder.y() - height * 0.30));
    // The claw at the wrist.
    QPainterPath claw;
    claw.moveTo(wrist);
    claw.quadTo(QPointF(wrist.x() + s * 2.0, wrist.y() - 5.0), QPointF(wrist.x() - s * 1.5, wrist.y() - 6.0));
    p.drawPath(claw);
}

// ------------------------------------------------------------------ borders

// A black band with wings of white feathers spreading from a haloed star.
void DrawUpperBorder(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, Ink);
    const QPointF centre(w / 2.0, h / 2.0 - 1.0);
    const QColor feather(0xfb, 0xfa, 0xf6);
    const QColor barb(0x55, 0x55, 0x58);

    // Fine rules along both edges, broken where the wings cross them.
    p.setPen(QPen(QColor(0xd8, 0xd4, 0xc8), 1.0));
    p.drawLine(QPointF(6, 3.5), QPointF(w - 6, 3.5));
    p.drawLine(QPointF(6, h - 3.5), QPointF(w - 6, h - 3.5));

    for (int side : {-1, 1}) {
        const double s = side;
        // Primaries: long feathers, nearly level toward the wing tip.
        const int primaries = 15;
        for (int i = primaries - 1; i >= 0; --i) {
            const double t = static_cast<double>(i) / (primaries - 1);
            const double along = 40.0 + t * (w / 2.0 - 120.0);
            const QPointF base(centre.x() + s * along, 17.0 + 4.0 * t);
            const double length = 52.0 + 58.0 * t;
            const double droop = 30.0 - 24.0 * t;  // degrees below level
            const double angle = side > 0 ? droop : 180.0 - droop;
            // Mirror the feather for the left wing so the wide vane hangs down.
            p.save();
            if (side < 0) {
                p.translate(base);
                p.scale(1.0, -1.0);
                p.translate(-base);
            }
            DrawFeather(p, base, side > 0 ? angle : -angle, length, 13.0 + 3.0 * t, feather, barb,
                        0.9);
            p.restore();
        }
        // Coverts: a row of short feathers over the roots of the primaries.
        const int coverts = 12;
        for (int i = coverts - 1; i >= 0; --i) {
            const double t = static_cast<double>(i) / (coverts - 1);
            const double along = 26.0 + t * (w / 2.0 - 170.0);
            const QPointF base(centre.x() + s * along, 10.0 + 3.0 * t);
            const double length = 28.0 + 22.0 * t;
            const double droop = 40.0 - 25.0 * t;
            p.save();
            if (side < 0) {
                p.translate(base);
                p.scale(1.0, -1.0);
                p.translate(-base);
            }
            DrawFeather(p, base, side > 0 ? droop : -(180.0 - droop), length, 10.0, feather, barb,
                        0.8);
            p.restore();
        }
        // The wing's leading edge.
        QPainterPath edge;
        edge.moveTo(centre.x() + s * 20.0, 12.0);
        edge.cubicTo(centre.x() + s * 120.0, 5.0, centre.x() + s * 250.0, 9.0,
                     centre.x() + s * (w / 2.0 - 70.0), 20.0);
        p.setPen(QPen(feather, 3.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(edge);
    }

    // The medallion: a ring with an eight-pointed star.
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(centre, 24.0, 24.0);
    p.setPen(QPen(feather, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 21.0, 21.0);
    p.setPen(QPen(feather, 0.8));
    p.drawEllipse(centre, 17.5, 17.5);
    p.setPen(Qt::NoPen);
    p.setBrush(feather);
    p.drawPath(Star(centre, 8, 15.5, 5.5));
    p.setBrush(Ink);
    p.drawEllipse(centre, 3.2, 3.2);
}

// Flames rising from a black band, with a medallion of horns in the middle:
// the infernal half of the page, under the heavenly wings of the top.
void DrawLowerBorder(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, Paper);
    const double base = 34.0;  // where the solid band begins
    const QPointF centre(w / 2.0, base + 17.0);

    // Tongues of flame along the top edge, taller toward the middle.
    auto flameRow = [&](double height, double period, double phase, const QColor& colour) {
        QPainterPath flames;
        flames.moveTo(0, h);
        flames.lineTo(0, base + 4);
        const int count = static_cast<int>(w / period) + 2;
        for (int i = 0; i < count; ++i) {
            const double x0 = i * period - phase;
            const double x1 = x0 + period;
            const double mid = (x0 + x1) / 2.0;
            const double fromCentre = std::abs(mid - w / 2.0) / (w / 2.0);
            const double tall = height * (0.55 + 0.45 * (1.0 - fromCentre)) *
                                (0.80 + 0.20 * std::sin(i * 2.3));
            const double lean = 4.0 * std::sin(i * 1.7);
            flames.cubicTo(QPointF(x0 + period * 0.15, base - tall * 0.25),
                           QPointF(mid - period * 0.20 + lean, base - tall * 0.55),
                           QPointF(mid + lean * 1.5, base - tall));
            flames.cubicTo(QPointF(mid + period * 0.10 + lean, base - tall * 0.50),
                           QPointF(x1 - period * 0.05, base - tall * 0.20), QPointF(x1, base + 4));
        }
        flames.lineTo(w, h);
        flames.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(flames);
    };
    flameRow(30.0, 23.0, 5.0, QColor(0x9a, 0x98, 0x95));
    flameRow(26.0, 19.0, 0.0, Ink);
    p.fillRect(QRectF(0, base, w, h - base), Ink);

    // Pale inner tongues inside the band.
    QPainterPath inner;
    const double period = 38.0;
    for (int i = 0; i * period < w; ++i) {
        const double x0 = i * period + 6.0;
        const double x1 = x0 + 12.0;
        const double tall = 9.0 + 4.0 * std::sin(i * 1.9);
        inner.moveTo(x0, base + 14.0);
        inner.quadTo(QPointF(x0 + 2.0, base + 6.0), QPointF(x0 + 7.0, base + 14.0 - tall));
        inner.quadTo(QPointF(x1 + 1.0, base + 8.0), QPointF(x1, base + 14.0));
        inner.closeSubpath();
    }
    p.setBrush(QColor(0x3a, 0x37, 0x34));
    p.drawPath(inner);

    p.setPen(QPen(QColor(0xd8, 0xd4, 0xc8), 1.0));
    p.drawLine(QPointF(6, base + 20.5), QPointF(w - 6, base + 20.5));
    p.drawLine(QPointF(6, h - 3.5), QPointF(w - 6, h - 3.5));

    // The medallion: a ring crowned with two curved horns and a crescent.
    const QColor pale(0xfb, 0xfa, 0xf6);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(centre, 25.0, 25.0);
    for (int side : {-1, 1}) {
        const double s = side;
        QPainterPath horn;
        horn.moveTo(centre.x() + s * 8.0, centre.y() - 15.0);
        horn.cubicTo(QPointF(centre.x() + s * 20.0, centre.y() - 22.0),
                     QPointF(centre.x() + s * 30.0, centre.y() - 30.0),
                     QPointF(centre.x() + s * 26.0, centre.y() - 44.0));
        horn.cubicTo(QPointF(centre.x() + s * 24.0, centre.y() - 32.0),
                     QPointF(centre.x() + s * 16.0, centre.y() - 26.0),
                     QPointF(centre.x() + s * 4.0, centre.y() - 22.0));
        horn.closeSubpath();
        p.setBrush(Ink);
        p.setPen(QPen(pale, 1.4));
        p.drawPath(horn);
    }
    p.setPen(QPen(pale, 2.0));
    p.setBrush(Ink);
    p.drawEllipse(centre, 21.0, 21.0);
    p.setPen(QPen(pale, 0.8));
    p.drawEllipse(centre, 17.5, 17.5);
    // A crescent holding a small flame.
    QPainterPath moon;
    moon.addEllipse(centre + QPointF(0, 3.0), 12.0, 12.0);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(0, -2.0), 11.0, 10.0);
    p.setPen(Qt::NoPen);
    p.setBrush(pale);
    p.drawPath(moon.subtracted(bite));
    QPainterPath flame;
    flame.moveTo(centre + QPointF(0, 6.0));
    flame.cubicTo(centre + QPointF(-7.0, 2.0), centre + QPointF(-2.0, -6.0), centre + QPointF(0, -12.0));
    flame.cubicTo(centre + QPointF(2.5, -5.0), centre + QPointF(7.0, 1.0), centre + QPointF(0, 6.0));
    p.drawPath(flame);
}

// ------------------------------------------------------------------ logo

// The game's name, flanked by a feathered wing and a bat wing.
void DrawLogo(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, Paper);
    const double scale = h / 55.0;
    const QPointF centre(w / 2.0, h * 0.47);
    const QFont font = Serif(26.0 * scale, QFont::Bold);
    const QPainterPath word = TextPath(QStringLiteral("HALVANE"), font, centre, 1.2 * scale);
    const QRectF box = word.boundingRect();

    // A soft grey shadow, then the letters in black with a fine white inline.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0xc6, 0xc2));
    p.drawPath(word.translated(1.4 * scale, 1.4 * scale));
    QLinearGradient ink(box.topLeft(), box.bottomLeft());
    ink.setColorAt(0.0, QColor(0x44, 0x40, 0x3c));
    ink.setColorAt(1.0, Ink);
    p.setBrush(ink);
    p.drawPath(word);

    // A halo tilted over the first A.
    const QFontMetricsF metrics(font);
    const double firstA = box.left() + metrics.horizontalAdvance(QStringLiteral("H")) +
                          1.2 * scale + metrics.horizontalAdvance(QStringLiteral("A")) / 2.0;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xb8, 0x8a, 0x1e), 1.8 * scale));
    p.drawEllipse(QPointF(firstA, box.top() - 3.2 * scale), 8.0 * scale, 2.4 * scale);

    // Rules under the name with a diamond in the middle.
    const double ruleY = box.bottom() + 6.0 * scale;
    p.setPen(QPen(Ink, 1.0 * scale));
    p.drawLine(QPointF(box.left() + 4 * scale, ruleY), QPointF(centre.x() - 6 * scale, ruleY));
    p.drawLine(QPointF(centre.x() + 6 * scale, ruleY), QPointF(box.right() - 4 * scale, ruleY));
    QPainterPath diamond;
    diamond.moveTo(centre.x(), ruleY - 3 * scale);
    diamond.lineTo(centre.x() + 4 * scale, ruleY);
    diamond.lineTo(centre.x(), ruleY + 3 * scale);
    diamond.lineTo(centre.x() - 4 * scale, ruleY);
    diamond.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPath(diamond);

    // Wings at both ends: white feathers on the angels' side, a bat wing on
    // the demons'.
    const double wingSpan = box.left() - 4.0 * scale;
    const QPointF leftRoot(box.left() - 1.0 * scale, centre.y() + 3.0 * scale);
    for (int i = 5; i >= 0; --i) {
        const double t = i / 5.0;
        // From raised toward the top to level, longest in the middle.
        const double angle = 180.0 + 50.0 - 55.0 * t;
        const double length = wingSpan * (0.70 + 0.30 * std::sin(t * Pi));
        DrawFeather(p, leftRoot + QPointF(0, -2.0 * scale * t), angle, length, 7.5 * scale, Paper,
                    Ink, 0.8 * scale);
    }
    const QPointF rightRoot(box.right() + 1.0 * scale, centre.y() + 4.0 * scale);
    const double batSpan = w - box.right() - 4.0 * scale;
    const QPainterPath bat = BatWing(rightRoot, batSpan, 30.0 * scale, 1);
    p.setPen(QPen(Ink, 0.8 * scale));
    p.setBrush(QColor(0x2a, 0x26, 0x24));
    p.drawPath(bat);
    DrawBatWingBones(p, rightRoot, batSpan, 30.0 * scale, 1, QColor(0x9a, 0x96, 0x90), 0.7 * scale);
}

// ------------------------------------------------------------------ emblems

// A frame with the word Essence on a black banner beneath a white panel that
// the essence number is printed into.
void DrawEssence(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, Paper);
    const QRectF outer(1.0, 1.0, w - 2.0, h - 2.0);
    p.setPen(QPen(Ink, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer, 6.0, 6.0);
    p.setPen(QPen(Ink, 0.8));
    p.drawRoundedRect(outer.adjusted(3.0, 3.0, -3.0, -3.0), 4.0, 4.0);

    // The banner with the lettering.
    const QRectF banner(5.0, h - 18.0, w - 10.0, 13.0);
    QPainterPath ribbon;
    ribbon.moveTo(banner.left(), banner.top());
    ribbon.lineTo(banner.right(), banner.top());
    ribbon.lineTo(banner.right() - 3.0, banner.center().y());
    ribbon.lineTo(banner.right(), banner.bottom());
    ribbon.lineTo(banner.left(), banner.bottom());
    ribbon.lineTo(banner.left() + 3.0, banner.center().y());
    ribbon.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPath(ribbon);
    p.setBrush(Paper);
    p.drawPath(TextPath(QStringLiteral("ESSENCE"), Serif(10.0), banner.center(), 1.0));

    // Little stars in the upper corners, clear of the number.
    p.setBrush(Ink);
    p.drawPath(Star(QPointF(13.0, 13.0), 4, 5.0, 1.5));
    p.drawPath(Star(QPointF(w - 13.0, 13.0), 4, 5.0, 1.5));
}

// An empty frame for writing by hand, the word Dissonance on its header.
void DrawDissonance(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, Paper);
    const QRectF outer(1.0, 1.0, w - 2.0, h - 2.0);
    p.setPen(QPen(Ink, 2.0));
    p.setBrush(Paper);
    p.drawRect(outer);
    const QRectF header(1.0, 1.0, w - 2.0, 12.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawRect(header);
    p.setBrush(Paper);
    p.drawPath(TextPath(QStringLiteral("Dissonance"),
                        Font(QStringLiteral("Liberation Sans Narrow"), 9.5, QFont::Bold),
                        header.center() + QPointF(0, 0.3), 0.3));
    // A fine inner rule, with small diamonds in the lower corners.
    p.setPen(QPen(Ink, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4.5, 15.5, w - 9.0, h - 20.0));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    for (const QPointF corner : {QPointF(4.5, h - 4.5), QPointF(w - 4.5, h - 4.5)}) {
        QPainterPath diamond;
        diamond.moveTo(corner + QPointF(0, -3.0));
        diamond.lineTo(corner + QPointF(3.0, 0));
        diamond.lineTo(corner + QPointF(0, 3.0));
        diamond.lineTo(corner + QPointF(-3.0, 0));
        diamond.closeSubpath();
        p.drawPath(diamond);
    }
}

// The name of a force group as lettering; centred in the part of the picture
// that the sheet's box shows (the ethereal box is narrower than the picture).
void DrawForceTitle(QPainter& p, int w, int h, const QString& word, double visibleWidth) {
    p.fillRect(0, 0, w, h, Paper);
    const QFont font = Serif(17.0, QFont::Bold, true);
    const QPointF centre(visibleWidth / 2.0, h / 2.0 - 2.0);
    const QPainterPath text = TextPath(word, font, centre, 0.4);
    const QRectF box = text.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0xc6, 0xc2));
    p.drawPath(text.translated(0.9, 0.9));
    p.setBrush(Ink);
    p.drawPath(text);
    // A swash under the word that ends in two small dots.
    const double y = box.bottom() + 2.5;
    QPainterPath swash;
    swash.moveTo(box.left() + 2.0, y);
    swash.cubicTo(QPointF(box.left() + box.width() * 0.35, y + 2.0),
                  QPointF(box.left() + box.width() * 0.65, y - 2.0), QPointF(box.right() - 2.0, y));
    p.setPen(QPen(Ink, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(swash);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(box.left() - 1.0, y), 1.2, 1.2);
    p.drawEllipse(QPointF(box.right() + 1.0, y), 1.2, 1.2);
}

// ------------------------------------------------------------------ force circles

// A ring of six segments, the first `dark` of them (clockwise from the top)
// filled, around two white ovals. The sheet prints each group's two
// characteristic names and values inside the ovals, so they sit where those
// labels fall: the upper oval over rows 20 to 53, the lower over 53 to 86.
void DrawForcesCircle(QPainter& p, int w, int h, int dark) {
    p.fillRect(0, 0, w, h, Paper);
    const QPointF centre(w / 2.0, h / 2.0);
    const double outer = 52.0;
    const double inner = 40.5;
    const double gap = 5.0;  // degrees between segments

    for (int i = 0; i < 6; ++i) {
        const double start = -90.0 + i * 60.0 + gap / 2.0;
        const double sweep = 60.0 - gap;
        QPainterPath segment;
        const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
        const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
        // Qt's arcs turn counter-clockwise for positive angles; ours go clockwise.
        segment.arcMoveTo(outerBox, -start);
        segment.arcTo(outerBox, -start, -sweep);
        segment.arcTo(innerBox, -(start + sweep), sweep);
        segment.closeSubpath();
        const bool filled = i < dark;
        p.setPen(QPen(Ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (filled) {
            QRadialGradient shade(centre, outer);
            shade.setColorAt(0.75, QColor(0x3a, 0x36, 0x33));
            shade.setColorAt(1.0, Ink);
            p.setBrush(shade);
        } else {
            p.setBrush(Paper);
        }
        p.drawPath(segment);
        // A small stud in the middle of each segment, pale on the dark ones.
        const QPointF stud = Polar(centre, (outer + inner) / 2.0, start + sweep / 2.0);
        p.setPen(Qt::NoPen);
        p.setBrush(filled ? QColor(0xe8, 0xe4, 0xdc) : QColor(0xb0, 0xac, 0xa6));
        p.drawEllipse(stud, 1.6, 1.6);
    }

    p.setPen(QPen(Ink, 1.0));
    p.setBrush(Paper);
    p.drawEllipse(centre, inner - 3.0, inner - 3.0);
    // The two oval fields.
    p.setPen(QPen(Ink, 1.1));
    p.setBrush(Paper);
    p.drawEllipse(QPointF(centre.x() + 1.0, 36.5), 29.0, 16.5);
    p.drawEllipse(QPointF(centre.x() + 1.0, 69.5), 28.0, 16.0);
}

// ------------------------------------------------------------------ figures

// A standing angel seen from the front: raised feathered wings, halo, robe,
// a sword held point down before it.
void DrawAngel(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, Paper);
    const double cx = w / 2.0;

    // Soft glory behind the figure.
    QRadialGradient glory(QPointF(cx, 40.0), 70.0);
    glory.setColorAt(0.0, QColor(0xfb, 0xf1, 0xd2));
    glory.setColorAt(1.0, Paper);
    p.setPen(Qt::NoPen);
    p.setBrush(glory);
    p.drawEllipse(QPointF(cx, 40.0), 70.0, 70.0);

    // Wings: three tiers of feathers fanning up and out from the shoulders.
    const QColor feather(0xff, 0xff, 0xff);
    const QColor line(0x3a, 0x38, 0x36);
    for (int side : {-1, 1}) {
        const double s = side;
        const QPointF shoulder(cx + s * 9.0, 52.0);
        const int count = 9;
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / (count - 1);
            // From pointing straight up-and-out at the top to down-and-out.
            const double angle = -72.0 + 94.0 * t;
            const double length = 42.0 - 12.0 * t;
            const QPointF base = shoulder + QPointF(s * (6.0 + 7.0 * t), -10.0 + 22.0 * t);
            p.save();
            p.translate(base);
            if (side < 0) p.scale(-1.0, 1.0);
            DrawFeather(p, QPointF(0, 0), angle, length, 11.0, feather, line, 0.8);
            p.restore();
        }
        for (int i = 0; i < 6; ++i) {
            const double t = i / 5.0;
            const double angle = -70.0 + 80.0 * t;
            const QPointF base = shoulder + QPointF(s * (4.0 + 4.0 * t), -6.0 + 14.0 * t);
            p.save();
            p.translate(base);
            if (side < 0) p.scale(-1.0, 1.0);
            DrawFeather(p, QPointF(0, 0), angle, 26.0 - 5.0 * t, 9.0, feather, line, 0.7);
            p.restore();
        }
        // Leading edge of the wing.
        QPainterPath edge;
        edge.moveTo(shoulder + QPointF(s * 2.0, -2.0));
        edge.cubicTo(shoulder + QPointF(s * 10.0, -28.0), shoulder + QPointF(s * 22.0, -42.0),
                     shoulder + QPointF(s * 16.0, -54.0));
        p.setPen(QPen(line, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(edge);
    }

    // Robe: a long gown widening to the hem, with folds.
    QPainterPath robe;
    robe.moveTo(cx - 4.0, 45.0);
    robe.lineTo(cx + 4.0, 45.0);
    robe.quadTo(QPointF(cx + 14.0, 46.0), QPointF(cx + 15.0, 54.0));
    robe.cubicTo(QPointF(cx + 16.0, 76.0), QPointF(cx + 22.0, 110.0), QPointF(cx + 28.0, 146.0));
    robe.quadTo(QPointF(cx, 150.0), QPointF(cx - 28.0, 146.0));
    robe.cubicTo(QPointF(cx - 22.0, 110.0), QPointF(cx - 16.0, 76.0), QPointF(cx - 15.0, 54.0));
    robe.quadTo(QPointF(cx - 14.0, 46.0), QPointF(cx - 4.0, 45.0));
    robe.closeSubpath();
    QLinearGradient cloth(QPointF(cx - 28.0, 0), QPointF(cx + 28.0, 0));
    cloth.setColorAt(0.0, QColor(0xd8, 0xd6, 0xd2));
    cloth.setColorAt(0.45, QColor(0xff, 0xff, 0xff));
    cloth.setColorAt(1.0, QColor(0xc4, 0xc2, 0xbe));
    p.setPen(QPen(line, 1.2));
    p.setBrush(cloth);
    p.drawPath(robe);
    p.setPen(QPen(QColor(0x8a, 0x88, 0x84), 0.8));
    for (double fx : {-14.0, -6.0, 3.0, 12.0}) {
        QPainterPath fold;
        fold.moveTo(cx + fx * 0.3, 80.0);
        fold.quadTo(QPointF(cx + fx * 0.8, 115.0), QPointF(cx + fx * 1.5, 146.0));
        p.drawPath(fold);
    }
    // Girdle.
    p.setPen(QPen(QColor(0xb8, 0x8a, 0x1e), 1.6));
    p.drawLine(QPointF(cx - 12.0, 68.0), QPointF(cx + 12.0, 68.0));

    // Sleeves and hands meeting on the sword's hilt.
    p.setPen(QPen(line, 1.1));
    p.setBrush(cloth);
    for (int side : {-1, 1}) {
        const double s = side;
        QPainterPath sleeve;
        sleeve.moveTo(cx + s * 14.0, 50.0);
        sleeve.cubicTo(QPointF(cx + s * 20.0, 60.0), QPointF(cx + s * 17.0, 72.0),
                       QPointF(cx + s * 6.0, 78.0));
        sleeve.lineTo(cx + s * 3.0, 72.0);
        sleeve.cubicTo(QPointF(cx + s * 9.0, 67.0), QPointF(cx + s * 9.0, 60.0),
                       QPointF(cx + s * 8.0, 53.0));
        sleeve.closeSubpath();
        p.drawPath(sleeve);
    }
    // Neckline.
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - 5.0, 40.0, 10.0, 9.0), 200 * 16, 140 * 16);

    // The sword, point down, blade before the robe.
    p.setPen(QPen(line, 1.0));
    QLinearGradient steel(QPointF(cx - 2.5, 0), QPointF(cx + 2.5, 0));
    steel.setColorAt(0.0, QColor(0xa8, 0xae, 0xb4));
    steel.setColorAt(0.5, QColor(0xf4, 0xf6, 0xf8));
    steel.setColorAt(1.0, QColor(0x88, 0x8e, 0x94));
    p.setBrush(steel);
    QPainterPath blade;
    blade.moveTo(cx - 2.6, 82.0);
    blade.lineTo(cx + 2.6, 82.0);
    blade.lineTo(cx + 2.6, 132.0);
    blade.lineTo(cx, 139.0);
    blade.lineTo(cx - 2.6, 132.0);
    blade.closeSubpath();
    p.drawPath(blade);
    p.setBrush(QColor(0xb8, 0x8a, 0x1e));
    p.drawRoundedRect(QRectF(cx - 10.0, 79.0, 20.0, 3.6), 1.5, 1.5);
    p.drawRect(QRectF(cx - 1.6, 71.0, 3.2, 8.0));
    p.setBrush(QColor(0xf2, 0xe2, 0xcc));
    p.drawEllipse(QPointF(cx, 74.0), 4.5, 3.2);

    // Head with hair on a neck, and the halo above it.
    p.setPen(QPen(line, 1.0));
    p.setBrush(QColor(0xf6, 0xe4, 0xd0));
    p.drawRect(QRectF(cx - 2.5, 41.0, 5.0, 5.5));
    p.setPen(QPen(line, 1.1));
    p.setBrush(QColor(0xe0, 0xc0, 0x78));
    p.drawEllipse(QPointF(cx, 33.0), 9.0, 10.0);
    p.setBrush(QColor(0xf6, 0xe4, 0xd0));
    p.drawEllipse(QPointF(cx, 35.5), 6.6, 8.0);
    p.setPen(QPen(QColor(0x4a, 0x40, 0x38), 0.9));
    p.drawLine(QPointF(cx - 3.5, 34.5), QPointF(cx - 1.5, 34.5));
    p.drawLine(QPointF(cx + 1.5, 34.5), QPointF(cx + 3.5, 34.5));
    p.drawLine(QPointF(cx - 1.2, 39.5), QPointF(cx + 1.2, 39.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xc8, 0x96, 0x20), 2.2));
    p.drawEllipse(QPointF(cx, 20.0), 11.0, 3.2);
    p.setPen(QPen(QColor(0xf8, 0xe0, 0x90), 0.8));
    p.drawEllipse(QPointF(cx, 20.0), 11.0, 3.2);
}

// A horned demon with bat wings, a barbed tail and a trident.
void DrawDemon(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, Paper);
    const double cx = w / 2.0;
    const QColor body(0x2a, 0x14, 0x12);
    const QColor edge(0x0c, 0x06, 0x06);
    const QColor bone(0x9a, 0x6a, 0x60);

    // A smoky red glow behind.
    QRadialGradient glow(QPointF(cx, 70.0), 72.0);
    glow.setColorAt(0.0, QColor(0xf2, 0xc8, 0xb8));
    glow.setColorAt(1.0, Paper);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(cx, 70.0), 72.0, 72.0);

    for (int side : {-1, 1}) {
        const QPointF shoulder(cx + side * 8.0, 52.0);
        const QPainterPath wing = BatWing(shoulder, 50.0, 58.0, side);
        QLinearGradient membrane(shoulder, shoulder + QPointF(side * 50.0, 0));
        membrane.setColorAt(0.0, QColor(0x3c, 0x1a, 0x18));
        membrane.setColorAt(1.0, QColor(0x6a, 0x2a, 0x24));
        p.setPen(QPen(edge, 1.2));
        p.setBrush(membrane);
        p.drawPath(wing);
        DrawBatWingBones(p, shoulder, 50.0, 58.0, side, bone, 1.3);
    }

    // Tail curling out to the right with an arrow-head.
    QPainterPath tail;
    tail.moveTo(cx + 4.0, 100.0);
    tail.cubicTo(QPointF(cx + 30.0, 112.0), QPointF(cx + 46.0, 128.0), QPointF(cx + 36.0, 142.0));
    p.setPen(QPen(body, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    QPainterPath barb;
    barb.moveTo(cx + 36.0, 142.0);
    barb.lineTo(cx + 30.0, 139.0);
    barb.lineTo(cx + 33.0, 150.0);
    barb.lineTo(cx + 42.0, 143.0);
    barb.closeSubpath();
    p.setPen(QPen(edge, 0.8));
    p.setBrush(body);
    p.drawPath(barb);

    // Body: broad shoulders, narrow waist, legs apart, hoofed.
    QPainterPath figure;
    figure.moveTo(cx - 6.0, 44.0);
    figure.lineTo(cx + 6.0, 44.0);
    figure.cubicTo(QPointF(cx + 16.0, 48.0), QPointF(cx + 20.0, 54.0), QPointF(cx + 17.0, 68.0));
    figure.cubicTo(QPointF(cx + 14.0, 80.0), QPointF(cx + 9.0, 88.0), QPointF(cx + 11.0, 100.0));
    figure.cubicTo(QPointF(cx + 16.0, 116.0), QPointF(cx + 14.0, 130.0), QPointF(cx + 18.0, 144.0));
    figure.lineTo(cx + 10.0, 146.0);
    figure.cubicTo(QPointF(cx + 8.0, 130.0), QPointF(cx + 5.0, 116.0), QPointF(cx + 1.0, 106.0));
    figure.lineTo(cx - 1.0, 106.0);
    figure.cubicTo(QPointF(cx - 5.0, 116.0), QPointF(cx - 8.0, 130.0), QPointF(cx - 10.0, 146.0));
    figure.lineTo(cx - 18.0, 144.0);
    figure.cubicTo(QPointF(cx - 14.0, 130.0), QPointF(cx - 16.0, 116.0), QPointF(cx - 11.0, 100.0));
    figure.cubicTo(QPointF(cx - 9.0, 88.0), QPointF(cx - 14.0, 80.0), QPointF(cx - 17.0, 68.0));
    figure.cubicTo(QPointF(cx - 20.0, 54.0), QPointF(cx - 16.0, 48.0), QPointF(cx - 6.0, 44.0));
    figure.closeSubpath();
    QLinearGradient skin(QPointF(cx - 18.0, 0), QPointF(cx + 18.0, 0));
    skin.setColorAt(0.0, QColor(0x22, 0x10, 0x0e));
    skin.setColorAt(0.5, QColor(0x5a, 0x24, 0x1e));
    skin.setColorAt(1.0, QColor(0x1a, 0x0c, 0x0a));
    p.setPen(QPen(edge, 1.2));
    p.setBrush(skin);
    p.drawPath(figure);
    // Muscles drawn in faint lines.
    p.setPen(QPen(QColor(0x12, 0x08, 0x06), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(cx, 52.0), QPointF(cx, 84.0));
    p.drawArc(QRectF(cx - 12.0, 52.0, 11.0, 9.0), 200 * 16, 140 * 16);
    p.drawArc(QRectF(cx + 1.0, 52.0, 11.0, 9.0), 200 * 16, 140 * 16);

    // Arms: the left one hanging with claws, the right holding the trident.
    p.setPen(QPen(edge, 1.0));
    p.setBrush(skin);
    QPainterPath armL;
    armL.moveTo(cx - 16.0, 50.0);
    armL.cubicTo(QPointF(cx - 26.0, 62.0), QPointF(cx - 27.0, 76.0), QPointF(cx - 24.0, 90.0));
    armL.lineTo(cx - 19.0, 90.0);
    armL.cubicTo(QPointF(cx - 20.0, 76.0), QPointF(cx - 18.0, 64.0), QPointF(cx - 13.0, 58.0));
    armL.closeSubpath();
    p.drawPath(armL);
    p.setPen(QPen(edge, 1.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(cx - 24.0 + i * 2.2, 90.0), QPointF(cx - 25.0 + i * 2.6, 95.0));

    // Trident staff in the right hand.
    const double tx = cx + 27.0;
    p.setPen(QPen(QColor(0x30, 0x2c, 0x2a), 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(tx, 30.0), QPointF(tx, 146.0));
    p.setPen(QPen(QColor(0x30, 0x2c, 0x2a), 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath prongs;
    prongs.moveTo(tx - 7.0, 16.0);
    prongs.quadTo(QPointF(tx - 7.0, 30.0), QPointF(tx, 30.0));
    prongs.quadTo(QPointF(tx + 7.0, 30.0), QPointF(tx + 7.0, 16.0));
    prongs.moveTo(tx, 30.0);
    prongs.lineTo(tx, 12.0);
    p.setBrush(Qt::NoBrush);
    p.drawPath(prongs);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x2c, 0x2a));
    for (double px : {tx - 7.0, tx, tx + 7.0}) {
        const double top = px == tx ? 12.0 : 16.0;
        QPainterPath head;
        head.moveTo(px - 2.4, top + 2.0);
        head.lineTo(px, top - 5.0);
        head.lineTo(px + 2.4, top + 2.0);
        head.closeSubpath();
        p.drawPath(head);
    }
    p.setPen(QPen(edge, 1.0));
    p.setBrush(skin);
    QPainterPath armR;
    armR.moveTo(cx + 16.0, 50.0);
    armR.cubicTo(QPointF(cx + 24.0, 56.0), QPointF(cx + 26.0, 64.0), QPointF(tx + 1.0, 70.0));
    armR.lineTo(tx - 2.0, 76.0);
    armR.cubicTo(QPointF(cx + 20.0, 70.0), QPointF(cx + 16.0, 64.0), QPointF(cx + 13.0, 58.0));
    armR.closeSubpath();
    p.drawPath(armR);
    p.drawEllipse(QPointF(tx, 72.0), 3.6, 4.2);

    // Head: horns curling up and out, pointed ears, glowing eyes.
    for (int side : {-1, 1}) {
        const double s = side;
        QPainterPath horn;
        horn.moveTo(cx + s * 3.0, 28.0);
        horn.cubicTo(QPointF(cx + s * 10.0, 22.0), QPointF(cx + s * 16.0, 18.0),
                     QPointF(cx + s * 14.0, 6.0));
        horn.cubicTo(QPointF(cx + s * 19.0, 16.0), QPointF(cx + s * 14.0, 27.0),
                     QPointF(cx + s * 7.0, 32.0));
        horn.closeSubpath();
        QLinearGradient ivory(QPointF(cx, 30.0), QPointF(cx + s * 14.0, 6.0));
        ivory.setColorAt(0.0, QColor(0x5a, 0x4a, 0x40));
        ivory.setColorAt(1.0, QColor(0xe8, 0xdc, 0xc8));
        p.setPen(QPen(edge, 0.9));
        p.setBrush(ivory);
        p.drawPath(horn);
        QPainterPath ear;
        ear.moveTo(cx + s * 7.0, 33.0);
        ear.lineTo(cx + s * 13.0, 30.0);
        ear.lineTo(cx + s * 7.5, 38.0);
        ear.closeSubpath();
        p.setBrush(skin);
        p.drawPath(ear);
    }
    QPainterPath headShape;
    headShape.moveTo(cx, 27.0);
    headShape.cubicTo(QPointF(cx + 9.0, 27.0), QPointF(cx + 9.0, 38.0), QPointF(cx + 5.0, 42.0));
    headShape.lineTo(cx, 46.0);
    headShape.lineTo(cx - 5.0, 42.0);
    headShape.cubicTo(QPointF(cx - 9.0, 38.0), QPointF(cx - 9.0, 27.0), QPointF(cx, 27.0));
    p.setPen(QPen(edge, 1.0));
    p.setBrush(skin);
    p.drawPath(headShape);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xc8, 0x30));
    QPainterPath eyes;
    eyes.moveTo(cx - 5.5, 34.0);
    eyes.lineTo(cx - 1.5, 35.5);
    eyes.lineTo(cx - 5.0, 36.2);
    eyes.closeSubpath();
    eyes.moveTo(cx + 5.5, 34.0);
    eyes.lineTo(cx + 1.5, 35.5);
    eyes.lineTo(cx + 5.0, 36.2);
    eyes.closeSubpath();
    p.drawPath(eyes);
    p.setPen(QPen(QColor(0xe8, 0xdc, 0xc8), 0.8));
    p.drawLine(QPointF(cx - 2.5, 41.0), QPointF(cx + 2.5, 41.0));
}

// ------------------------------------------------------------------ small pictures

void DrawLoad(QPainter& p, int w, int h) {
    (void)w;
    (void)h;
    const QColor outline(0x6a, 0x4a, 0x10);
    // The folder's back with its tab.
    QPainterPath back;
    back.moveTo(1.5, 5.5);
    back.lineTo(7.0, 5.5);
    back.lineTo(8.5, 3.5);
    back.lineTo(14.5, 3.5);
    back.lineTo(14.5, 17.5);
    back.lineTo(1.5, 17.5);
    back.closeSubpath();
    p.setPen(QPen(outline, 1.0));
    p.setBrush(QColor(0xd8, 0xa8, 0x3a));
    p.drawPath(back);
    // A sheet of paper inside.
    p.setBrush(Paper);
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 0.8));
    p.drawRect(QRectF(4.5, 2.0, 8.0, 10.0));
    // The open front, tipped forward.
    QPainterPath front;
    front.moveTo(1.5, 17.5);
    front.lineTo(4.0, 8.5);
    front.lineTo(17.5, 8.5);
    front.lineTo(14.5, 17.5);
    front.closeSubpath();
    QLinearGradient gold(QPointF(0, 8), QPointF(0, 18));
    gold.setColorAt(0.0, QColor(0xfc, 0xd8, 0x6a));
    gold.setColorAt(1.0, QColor(0xe0, 0xa8, 0x30));
    p.setPen(QPen(outline, 1.0));
    p.setBrush(gold);
    p.drawPath(front);
    // An arrow coming out of the folder.
    p.setPen(QPen(QColor(0x1a, 0x6a, 0x2a), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath arrow;
    arrow.moveTo(13.0, 7.0);
    arrow.quadTo(QPointF(14.0, 2.0), QPointF(18.5, 2.5));
    arrow.moveTo(16.0, 0.8);
    arrow.lineTo(18.5, 2.5);
    arrow.lineTo(16.5, 4.8);
    p.drawPath(arrow);
}

void DrawSave(QPainter& p, int w, int h) {
    (void)w;
    (void)h;
    // A diskette: dark body, metal shutter at the top, white label below.
    QPainterPath body;
    body.moveTo(2.0, 2.0);
    body.lineTo(16.0, 2.0);
    body.lineTo(18.0, 4.0);
    body.lineTo(18.0, 18.0);
    body.lineTo(2.0, 18.0);
    body.closeSubpath();
    QLinearGradient blue(QPointF(0, 2), QPointF(0, 18));
    blue.setColorAt(0.0, QColor(0x4a, 0x6a, 0xb8));
    blue.setColorAt(1.0, QColor(0x22, 0x36, 0x78));
    p.setPen(QPen(QColor(0x10, 0x1a, 0x40), 1.0));
    p.setBrush(blue);
    p.drawPath(body);
    p.setPen(QPen(QColor(0x60, 0x66, 0x70), 0.8));
    p.setBrush(QColor(0xd4, 0xd8, 0xde));
    p.drawRect(QRectF(5.5, 2.5, 8.0, 5.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x36, 0x78));
    p.drawRect(QRectF(10.5, 3.3, 2.0, 3.4));
    p.setPen(QPen(QColor(0x90, 0x96, 0xa0), 0.8));
    p.setBrush(Paper);
    p.drawRect(QRectF(4.5, 10.5, 11.0, 6.5));
    p.setPen(QPen(QColor(0xa0, 0x30, 0x30), 0.8));
    p.drawLine(QPointF(6.0, 12.5), QPointF(14.0, 12.5));
    p.setPen(QPen(QColor(0x90, 0x96, 0xa0), 0.6));
    p.drawLine(QPointF(6.0, 14.5), QPointF(14.0, 14.5));
}

void DrawPrint(QPainter& p, int w, int h) {
    (void)w;
    (void)h;
    // The paper waiting at the back.
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 0.8));
    p.setBrush(Paper);
    p.drawRect(QRectF(4.5, 1.5, 9.0, 6.0));
    // The printer's body.
    QLinearGradient grey(QPointF(0, 6), QPointF(0, 14));
    grey.setColorAt(0.0, QColor(0xe4, 0xe4, 0xe2));
    grey.setColorAt(1.0, QColor(0x9a, 0x9a, 0x98));
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.0));
    p.setBrush(grey);
    p.drawRoundedRect(QRectF(1.5, 6.5, 15.0, 7.5), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0xa0, 0x3a));
    p.drawEllipse(QPointF(13.8, 9.0), 0.9, 0.9);
    // The printed page coming out at the front.
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 0.8));
    p.setBrush(Paper);
    p.drawRect(QRectF(4.5, 11.5, 9.0, 5.5));
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.6));
    p.drawLine(QPointF(6.0, 13.5), QPointF(12.0, 13.5));
    p.drawLine(QPointF(6.0, 15.2), QPointF(10.5, 15.2));
}

void DrawQuit(QPainter& p, int w, int h) {
    (void)w;
    (void)h;
    // An open door with an arrow leaving through it.
    p.setPen(QPen(QColor(0x40, 0x30, 0x20), 1.0));
    p.setBrush(QColor(0x3a, 0x2a, 0x1c));
    p.drawRect(QRectF(2.5, 1.5, 8.0, 13.0));
    QPainterPath door;
    door.moveTo(2.5, 1.5);
    door.lineTo(7.5, 3.0);
    door.lineTo(7.5, 15.5);
    door.lineTo(2.5, 14.5);
    door.closeSubpath();
    QLinearGradient wood(QPointF(2, 0), QPointF(8, 0));
    wood.setColorAt(0.0, QColor(0xc8, 0x8a, 0x4a));
    wood.setColorAt(1.0, QColor(0x9a, 0x5a, 0x2a));
    p.setBrush(wood);
    p.drawPath(door);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xd0, 0x60));
    p.drawEllipse(QPointF(6.3, 8.8), 0.8, 0.8);
    p.setPen(QPen(QColor(0xb0, 0x20, 0x20), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath arrow;
    arrow.moveTo(9.0, 8.0);
    arrow.lineTo(15.0, 8.0);
    arrow.moveTo(12.5, 5.3);
    arrow.lineTo(15.0, 8.0);
    arrow.lineTo(12.5, 10.7);
    p.drawPath(arrow);
}

void DrawNext(QPainter& p, int w, int h) {
    (void)w;
    (void)h;
    QPainterPath arrow;
    arrow.moveTo(1.5, 5.5);
    arrow.lineTo(8.0, 5.5);
    arrow.lineTo(8.0, 1.5);
    arrow.lineTo(14.8, 8.0);
    arrow.lineTo(8.0, 14.5);
    arrow.lineTo(8.0, 10.5);
    arrow.lineTo(1.5, 10.5);
    arrow.closeSubpath();
    QLinearGradient green(QPointF(0, 1), QPointF(0, 15));
    green.setColorAt(0.0, QColor(0x6a, 0xc8, 0x5a));
    green.setColorAt(1.0, QColor(0x1e, 0x7a, 0x2a));
    p.setPen(QPen(QColor(0x10, 0x4a, 0x18), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(green);
    p.drawPath(arrow);
}

// ------------------------------------------------------------------ icons

// The desktop icons are drawn once as a list of vector shapes on a square of
// 256 units. The same list is painted into every PNG size and written out as
// the scalable SVG, so the bitmaps and the vector icon cannot drift apart.

// These names must match the launcher and the file type in desktop/.
const QString AppIconName = QStringLiteral("org.example.HalvaneCharacterSheet");
const QString FileIconName = QStringLiteral("application-x-halvane-character");
constexpr double IconUnits = 256.0;
constexpr int IconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

struct TShape {
    QPainterPath path;
    // A solid fill, or a linear gradient from fill at from to fillEnd at to
    // when fillEnd is valid. An invalid fill leaves the inside empty.
    QColor fill;
    QColor fillEnd;
    QPointF from;
    QPointF to;
    // An invalid stroke draws no outline.
    QColor stroke;
    double strokeWidth = 0.0;
};
using TShapes = std::vector<TShape>;

TShape Solid(const QPainterPath& path, const QColor& fill, const QColor& stroke = QColor(),
             double strokeWidth = 0.0) {
    return {path, fill, QColor(), {}, {}, stroke, strokeWidth};
}
TShape Shaded(const QPainterPath& path, const QColor& top, QPointF from, const QColor& bottom,
              QPointF to, const QColor& stroke = QColor(), double strokeWidth = 0.0) {
    return {path, top, bottom, from, to, stroke, strokeWidth};
}
TShape Line(const QPainterPath& path, const QColor& stroke, double strokeWidth) {
    return {path, QColor(), QColor(), {}, {}, stroke, strokeWidth};
}

// Moves and scales shapes, line widths included.
TShapes Transformed(const TShapes& shapes, QPointF offset, double scale) {
    QTransform t;
    t.translate(offset.x(), offset.y());
    t.scale(scale, scale);
    TShapes out;
    for (TShape s : shapes) {
        s.path = t.map(s.path);
        s.from = t.map(s.from);
        s.to = t.map(s.to);
        s.strokeWidth *= scale;
        out.push_back(s);
    }
    return out;
}

// The emblem: a disc split into a blue angelic and an ember demonic half, a
// white feathered wing and a dark bat wing meeting at a gold star under a
// halo. pixel is the size of one output pixel in units; small sizes drop the
// fine lines and keep every outline at least about a pixel wide.
TShapes Emblem(double pixel) {
    const bool fine = pixel <= IconUnits / 48.0;
    const auto width = [pixel](double units, double pixels) { return std::max(units, pixel * pixels); };
    const QColor ink(0x14, 0x12, 0x10);
    const QColor gold(0xe0, 0xb0, 0x30);
    const QColor darkGold(0x6e, 0x4c, 0x0e);
    TShapes shapes;

    const QPointF centre(128.0, 128.0);
    const double radius = 118.0;
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath leftHalf;
    leftHalf.addRect(0.0, 0.0, 128.0, IconUnits);
    QPainterPath rightHalf;
    rightHalf.addRect(128.0, 0.0, 128.0, IconUnits);
    shapes.push_back(Shaded(disc.intersected(leftHalf), QColor(0x4a, 0x72, 0xb0), {0.0, 20.0},
                            QColor(0x14, 0x22, 0x4a), {0.0, 236.0}));
    shapes.push_back(Shaded(disc.intersected(rightHalf), QColor(0xe8, 0x70, 0x30), {0.0, 20.0},
                            QColor(0x64, 0x10, 0x0c), {0.0, 236.0}));
    if (fine) {
        QPainterPath ring;
        ring.addEllipse(centre, radius - 9.0, radius - 9.0);
        shapes.push_back(Line(ring, QColor(0xe0, 0xb0, 0x30, 0xa0), 2.5));
    }
    shapes.push_back(Line(disc, ink, width(6.0, 1.0)));

    // The halo, with a dark rim so it reads on both halves.
    QPainterPath halo;
    halo.addEllipse(QPointF(128.0, 60.0), 42.0, 13.0);
    shapes.push_back(Line(halo, darkGold, width(15.0, 2.0)));
    shapes.push_back(Line(halo, gold, width(9.0, 1.2)));
    if (fine) shapes.push_back(Line(halo, QColor(0xfb, 0xe8, 0xa0), 3.0));

    // The bat wing on the demons' side: membrane, then finger bones and claw.
    const QPointF shoulder(138.0, 150.0);
    const double span = 96.0;
    const double height = 112.0;
    shapes.push_back(Solid(BatWing(shoulder, span, height, 1), QColor(0x1e, 0x19, 0x18), ink,
                           width(4.0, 0.8)));
    if (fine) {
        const QPointF wrist(shoulder.x() + span * 0.45, shoulder.y() - height * 0.55);
        QPainterPath bones;
        bones.moveTo(shoulder);
        bones.lineTo(wrist);
        for (const QPointF tip : {QPointF(span * 1.00, -height * 0.30), QPointF(span * 0.92, height * 0.12),
                                  QPointF(span * 0.68, height * 0.40), QPointF(span * 0.34, height * 0.50)}) {
            bones.moveTo(wrist);
            bones.lineTo(shoulder + tip);
        }
        bones.moveTo(wrist);
        bones.quadTo(wrist + QPointF(4.0, -11.0), wrist + QPointF(-4.0, -13.0));
        shapes.push_back(Line(bones, QColor(0x9a, 0x8a, 0x80), 3.5));
    }

    // The feathered wing on the angels' side, as on the logo: a fan of flight
    // feathers, lowest first so the upper ones overlap it as on a real wing.
    const QPointF root(118.0, 150.0);
    const auto feather = [&](QPointF base, double degrees, double length, double featherWidth,
                             bool detailed) {
        QTransform place;
        place.translate(base.x(), base.y());
        place.rotate(degrees);
        const QPainterPath outline = FeatherOutline(length, featherWidth);
        shapes.push_back(Shaded(place.map(outline), QColor(0xff, 0xff, 0xff), place.map(QPointF(length, 0.0)),
                                QColor(0xd4, 0xd9, 0xe4), place.map(QPointF(0.0, 0.0)), ink,
                                width(3.5, 0.8)));
        if (!detailed) return;
        // Barbs, clipped to the vane, and the shaft.
        QPainterPath barbs;
        const int count = 6;
        for (int b = 1; b < count; ++b) {
            const double x = length * (0.14 + 0.80 * b / count);
            barbs.moveTo(x, 0.0);
            barbs.lineTo(x + featherWidth * 0.55, -featherWidth * 0.55);
            barbs.moveTo(x, 0.0);
            barbs.lineTo(x + featherWidth * 0.65, featherWidth * 0.75);
        }
        QPainterPathStroker stroker;
        stroker.setWidth(1.4);
        stroker.setCapStyle(Qt::FlatCap);
        shapes.push_back(Solid(place.map(stroker.createStroke(barbs).intersected(outline)),
                               QColor(0xa4, 0xac, 0xbe)));
        QPainterPath shaft;
        shaft.moveTo(length * 0.02, 0.0);
        shaft.quadTo(length * 0.5, featherWidth * 0.05, length * 0.94, 0.0);
        shapes.push_back(Line(place.map(shaft), QColor(0x3a, 0x3c, 0x44), 2.5));
    };
    const int primaries = fine ? 6 : 4;
    for (int i = primaries - 1; i >= 0; --i) {
        const double t = static_cast<double>(i) / (primaries - 1);
        feather(root + QPointF(0.0, -6.0 * t), 246.0 - 76.0 * t,
                108.0 * (0.74 + 0.26 * std::sin(t * Pi)), fine ? 34.0 : 40.0, fine);
    }

    // Where the wings meet: a gold star.
    shapes.push_back(Shaded(Star(QPointF(128.0, 152.0), 4, fine ? 22.0 : 28.0, fine ? 7.0 : 10.0),
                            QColor(0xff, 0xf0, 0xb0), {128.0, 130.0}, gold, {128.0, 174.0}, darkGold,
                            width(3.0, 0.7)));
    return shapes;
}

// The character file: a page with a folded corner, a few lines of writing
// and the emblem.
TShapes FileIcon(double pixel) {
    const auto width = [pixel](double units, double pixels) { return std::max(units, pixel * pixels); };
    const QColor edge(0x50, 0x4c, 0x48);
    TShapes shapes;
    const double left = 40.0, right = 216.0, top = 10.0, bottom = 246.0, fold = 48.0;
    QPainterPath page;
    page.moveTo(left, top);
    page.lineTo(right - fold, top);
    page.lineTo(right, top + fold);
    page.lineTo(right, bottom);
    page.lineTo(left, bottom);
    page.closeSubpath();
    shapes.push_back(Shaded(page, QColor(0xff, 0xff, 0xff), {0.0, top}, QColor(0xe6, 0xe1, 0xd6),
                            {0.0, bottom}, edge, width(5.0, 1.0)));
    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    corner.closeSubpath();
    shapes.push_back(Solid(corner, QColor(0xcf, 0xc8, 0xba), edge, width(5.0, 1.0)));
    if (pixel <= IconUnits / 32.0) {
        // The upper two lines stop short of the folded corner.
        for (const auto& [y, length] : {std::pair{34.0, 90.0}, {56.0, 72.0}, {78.0, 120.0}}) {
            QPainterPath line;
            line.addRoundedRect(QRectF(left + 22.0, y, length, 9.0), 4.5, 4.5);
            shapes.push_back(Solid(line, QColor(0xb4, 0xad, 0xa0)));
        }
    }
    const double scale = 0.60;
    const TShapes emblem = Transformed(Emblem(pixel / scale), {128.0 - 128.0 * scale, 168.0 - 128.0 * scale}, scale);
    shapes.insert(shapes.end(), emblem.begin(), emblem.end());
    return shapes;
}

void PaintShapes(QPainter& p, const TShapes& shapes, double scale) {
    p.save();
    p.scale(scale, scale);
    for (const TShape& s : shapes) {
        if (!s.fill.isValid()) {
            p.setBrush(Qt::NoBrush);
        } else if (s.fillEnd.isValid()) {
            QLinearGradient gradient(s.from, s.to);
            gradient.setColorAt(0.0, s.fill);
            gradient.setColorAt(1.0, s.fillEnd);
            p.setBrush(gradient);
        } else {
            p.setBrush(s.fill);
        }
        if (s.stroke.isValid())
            p.setPen(QPen(s.stroke, s.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        else
            p.setPen(Qt::NoPen);
        p.drawPath(s.path);
    }
    p.restore();
}

// Fixed precision and no trailing zeros keep the SVG small and identical on
// every run.
QString SvgNumber(double v) {
    QString s = QString::number(v, 'f', 2);
    while (s.endsWith(QLatin1Char('0'))) s.chop(1);
    if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

QString SvgPoint(QPointF q) { return SvgNumber(q.x()) + QLatin1Char(' ') + SvgNumber(q.y()); }

QString SvgColour(const QColor& c) { return c.name(QColor::HexRgb); }

// QPainterPath closes a subpath by drawing back to its start; SVG needs a Z
// there, or the outline's first corner would be left open.
QString SvgPathData(const QPainterPath& path) {
    QString d;
    QPointF start;
    const int count = path.elementCount();
    const auto endsSubpath = [&](int next) {
        return next >= count || path.elementAt(next).type == QPainterPath::MoveToElement;
    };
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            start = e;
            d += QLatin1Char('M') + SvgPoint(e);
            break;
        case QPainterPath::LineToElement:
            if (QPointF(e) == start && endsSubpath(i + 1))
                d += QLatin1Char('Z');
            else
                d += QLatin1Char('L') + SvgPoint(e);
            break;
        case QPainterPath::CurveToElement: {
            const QPointF end = path.elementAt(i + 2);
            d += QLatin1Char('C') + SvgPoint(e) + QLatin1Char(' ') + SvgPoint(path.elementAt(i + 1)) +
                 QLatin1Char(' ') + SvgPoint(end);
            i += 2;
            if (end == start && endsSubpath(i + 1)) d += QLatin1Char('Z');
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return d;
}

QString SvgOpacity(const char* attribute, const QColor& c) {
    if (c.alpha() == 255) return {};
    return QStringLiteral(" %1=\"%2\"").arg(QLatin1String(attribute), SvgNumber(c.alphaF()));
}

void WriteSvg(const TShapes& shapes, const QString& title, const QString& path) {
    QString defs;
    QString body;
    int gradients = 0;
    for (const TShape& s : shapes) {
        QString fill = QStringLiteral("none");
        if (s.fill.isValid() && s.fillEnd.isValid()) {
            const QString id = QStringLiteral("g%1").arg(++gradients);
            defs += QStringLiteral("<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                                   "x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">"
                                   "<stop offset=\"0\" stop-color=\"%6\"/>"
                                   "<stop offset=\"1\" stop-color=\"%7\"/></linearGradient>\n")
                        .arg(id, SvgNumber(s.from.x()), SvgNumber(s.from.y()), SvgNumber(s.to.x()),
                             SvgNumber(s.to.y()), SvgColour(s.fill), SvgColour(s.fillEnd));
            fill = QStringLiteral("url(#%1)").arg(id);
        } else if (s.fill.isValid()) {
            fill = SvgColour(s.fill);
        }
        body += QStringLiteral("<path d=\"%1\" fill=\"%2\"").arg(SvgPathData(s.path), fill);
        if (s.fill.isValid()) {
            body += SvgOpacity("fill-opacity", s.fill);
            if (s.path.fillRule() == Qt::OddEvenFill) body += QStringLiteral(" fill-rule=\"evenodd\"");
        }
        if (s.stroke.isValid())
            body += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\" "
                                   "stroke-linejoin=\"round\"")
                        .arg(SvgColour(s.stroke), SvgNumber(s.strokeWidth)) +
                    SvgOpacity("stroke-opacity", s.stroke);
        body += QStringLiteral("/>\n");
    }
    const QString svg =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                       "viewBox=\"0 0 256 256\">\n<title>%1</title>\n<defs>\n%2</defs>\n%3</svg>\n")
            .arg(title, defs, body);
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + path.toStdString());
    const QByteArray bytes = svg.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QString IconFile(int size, const char* context, const QString& name, const char* suffix) {
    const QString folder = size > 0 ? QStringLiteral("%1x%1").arg(size) : QStringLiteral("scalable");
    return QStringLiteral("icons/hicolor/%1/%2/%3.%4")
        .arg(folder, QLatin1String(context), name, QLatin1String(suffix));
}

// ------------------------------------------------------------------ output

QImage Render(const TPicture& picture) {
    const QImage::Format format = picture.storage == EStorage::Png
                                      ? QImage::Format_ARGB32_Premultiplied
                                      : QImage::Format_RGB32;
    QImage image(picture.width, picture.height, format);
    image.fill(picture.storage == EStorage::Png ? QColor(Qt::transparent) : Paper);
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    picture.draw(painter, picture.width, picture.height);
    painter.end();
    return image;
}

void Save(const QImage& image, const TPicture& picture, const QString& folder) {
    const QString path = QDir(folder).filePath(picture.file);
    if (!QDir().mkpath(QFileInfo(path).path()))
        throw std::runtime_error("cannot create the folder of " + path.toStdString());
    QImageWriter writer(path);
    QImage out;
    switch (picture.storage) {
    case EStorage::Jpeg:
        writer.setFormat("jpeg");
        writer.setQuality(92);
        writer.setOptimizedWrite(true);
        out = image.convertToFormat(QImage::Format_RGB888);
        break;
    case EStorage::Bmp24:
        // Qt writes every image without a palette as 24 bits per pixel.
        writer.setFormat("bmp");
        out = image.convertToFormat(QImage::Format_RGB888);
        break;
    case EStorage::Png:
        writer.setFormat("png");
        // Qt takes a ratio from 0 to 100 and maps it onto zlib's levels.
        writer.setCompression(100);
        out = image.convertToFormat(QImage::Format_ARGB32);
        break;
    }
    if (!writer.write(out))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 writer.errorString().toStdString());
}

std::vector<TPicture> Pictures() {
    std::vector<TPicture> list = {
        {"qriUpperBorder.jpg", 772, 62, EStorage::Jpeg, DrawUpperBorder},
        {"qriLogo.jpg", 222, 55, EStorage::Jpeg, DrawLogo},
        {"qriEssence.jpg", 78, 56, EStorage::Jpeg, DrawEssence},
        // The sheet's title boxes are 105, 89 and 97 pixels wide.
        {"qriCorporealForcesTitle.jpg", 100, 22, EStorage::Jpeg,
         [](QPainter& p, int w, int h) { DrawForceTitle(p, w, h, QStringLiteral("Corporeal"), 100.0); }},
        {"qriEtherealForcesTitle.jpg", 100, 23, EStorage::Jpeg,
         [](QPainter& p, int w, int h) { DrawForceTitle(p, w, h, QStringLiteral("Ethereal"), 88.0); }},
        {"qriCelestialForcesTitle.jpg", 100, 23, EStorage::Jpeg,
         [](QPainter& p, int w, int h) { DrawForceTitle(p, w, h, QStringLiteral("Celestial"), 97.0); }},
        {"qriDissonance.bmp", 61, 56, EStorage::Bmp24, DrawDissonance},
        {"qriLowerBorder.jpg", 772, 76, EStorage::Jpeg, DrawLowerBorder},
    };
    const char* names[7] = {"No", "One", "Two", "Three", "Four", "Five", "Six"};
    for (int dark = 0; dark <= 6; ++dark)
        list.push_back({QStringLiteral("img%1ForcesCircle.jpg").arg(QLatin1String(names[dark])), 111,
                        107, EStorage::Jpeg,
                        [dark](QPainter& p, int w, int h) { DrawForcesCircle(p, w, h, dark); }});
    list.push_back({"imgAngel.jpg", 117, 154, EStorage::Jpeg, DrawAngel});
    list.push_back({"imgDemon.jpg", 117, 154, EStorage::Jpeg, DrawDemon});
    list.push_back({"aboutLogo.jpg", 220, 60, EStorage::Jpeg, DrawLogo});
    list.push_back({"miLoad.png", 20, 20, EStorage::Png, DrawLoad});
    list.push_back({"miSave.png", 20, 20, EStorage::Png, DrawSave});
    list.push_back({"miPrint.png", 18, 18, EStorage::Png, DrawPrint});
    list.push_back({"miQuit.png", 16, 16, EStorage::Png, DrawQuit});
    list.push_back({"btNext.png", 16, 16, EStorage::Png, DrawNext});
    for (const int size : IconSizes) {
        const double pixel = IconUnits / size;
        list.push_back({IconFile(size, "apps", AppIconName, "png"), size, size, EStorage::Png,
                        [pixel](QPainter& p, int w, int) { PaintShapes(p, Emblem(pixel), w / IconUnits); }});
        list.push_back({IconFile(size, "mimetypes", FileIconName, "png"), size, size, EStorage::Png,
                        [pixel](QPainter& p, int w, int) { PaintShapes(p, FileIcon(pixel), w / IconUnits); }});
    }
    return list;
}

// All pictures at twice their size on a grey table, each with its file name,
// for looking at the whole set at once.
void WriteContactSheet(const std::vector<std::pair<TPicture, QImage>>& rendered, const QString& path) {
    const int zoom = 2;
    const int pad = 16;
    const int widthLimit = 772 * zoom + 2 * pad;
    int x = pad;
    int y = pad;
    int rowHeight = 0;
    std::vector<QPoint> places;
    for (const auto& [picture, image] : rendered) {
        const int pw = std::max(picture.width * zoom, 130);
        const int ph = picture.height * zoom + 14;
        if (x + pw > widthLimit - pad) {
            x = pad;
            y += rowHeight + pad;
            rowHeight = 0;
        }
        places.emplace_back(x, y);
        x += pw + pad;
        rowHeight = std::max(rowHeight, ph);
    }
    QImage sheet(widthLimit, y + rowHeight + pad, QImage::Format_RGB32);
    sheet.fill(QColor(0x8a, 0x8e, 0x92));
    QPainter p(&sheet);
    p.setFont(Sans(11.0, QFont::Normal));
    for (std::size_t i = 0; i < rendered.size(); ++i) {
        const auto& [picture, image] = rendered[i];
        const QPoint at = places[i];
        p.setPen(Qt::black);
        // Icons are told apart by their theme folder; their paths would not fit.
        const QString label = picture.file.startsWith(QLatin1String("icons/"))
                                  ? picture.file.section(QLatin1Char('/'), 2, 3)
                                  : picture.file;
        p.drawText(at + QPoint(0, 11),
                   QStringLiteral("%1  %2 x %3").arg(label).arg(picture.width).arg(picture.height));
        const QRect target(at + QPoint(0, 14), QSize(picture.width * zoom, picture.height * zoom));
        // Transparent pictures over a checkerboard so their edges show.
        if (picture.storage == EStorage::Png)
            for (int cy = 0; cy < target.height(); cy += 4)
                for (int cx = 0; cx < target.width(); cx += 4)
                    p.fillRect(target.x() + cx, target.y() + cy, 4, 4,
                               ((cx + cy) / 4) % 2 ? QColor(0xcc, 0xcc, 0xcc) : QColor(0xff, 0xff, 0xff));
        p.drawImage(target, image);
    }
    p.end();
    if (!sheet.save(path, "png")) throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QStringLiteral("--contact-sheet"))) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [--contact-sheet FILE.png]\n",
                     qPrintable(args.value(0)));
        return 2;
    }
    try {
        const QString folder = args[1];
        if (!QDir().mkpath(folder)) throw std::runtime_error("cannot create " + folder.toStdString());
        std::vector<std::pair<TPicture, QImage>> rendered;
        for (const TPicture& picture : Pictures()) {
            const QImage image = Render(picture);
            Save(image, picture, folder);
            // Show what was stored, JPEG losses included.
            rendered.emplace_back(picture, QImage(QDir(folder).filePath(picture.file)));
        }
        WriteSvg(Emblem(1.0), QStringLiteral("Halvane Character Generator"),
                 QDir(folder).filePath(IconFile(0, "apps", AppIconName, "svg")));
        WriteSvg(FileIcon(1.0), QStringLiteral("Halvane character"),
                 QDir(folder).filePath(IconFile(0, "mimetypes", FileIconName, "svg")));
        if (args.size() == 4) WriteContactSheet(rendered, args[3]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "halvane_artwork_generator: %s\n", e.what());
        return 1;
    }
    return 0;
}
