#include "uFrmCharacterSheet.h"

#include "uArtwork.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextLayout>

#include <algorithm>
#include <stdexcept>

namespace halvane {

namespace {

using Kind = TfrmCharacterSheet::TElementKind;

TfrmCharacterSheet::TElement Pic(const char* name, double l, double t, double w, double h, const char* artwork = nullptr) {
    TfrmCharacterSheet::TElement e;
    e.Name = QString::fromLatin1(name);
    e.Kind = Kind::Picture;
    e.Left = l, e.Top = t, e.Width = w, e.Height = h;
    if (artwork != nullptr) e.Picture = LoadArtwork(QString::fromLatin1(artwork));
    return e;
}

TfrmCharacterSheet::TElement Lbl(const char* name, double l, double t, int points, bool bold, const char* text = "") {
    TfrmCharacterSheet::TElement e;
    e.Name = QString::fromLatin1(name);
    e.Kind = Kind::Label;
    e.Left = l, e.Top = t;
    e.FontPoints = points;
    e.Bold = bold;
    e.Text = QString::fromUtf8(text);
    return e;
}

TfrmCharacterSheet::TElement Memo(const char* name, double l, double t, double w, double h, int points) {
    TfrmCharacterSheet::TElement e;
    e.Name = QString::fromLatin1(name);
    e.Kind = Kind::Memo;
    e.Left = l, e.Top = t, e.Width = w, e.Height = h;
    e.FontPoints = points;
    return e;
}

QFont SheetFont(int points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

QStringList Q(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out << Q(line);
    return out;
}

} // namespace

TfrmCharacterSheet::TfrmCharacterSheet(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmCharacterSheet"));
    setWindowTitle(QStringLiteral("Halvane Character Sheet"));
    setGeometry(120, 127, 863, 628);
    setVisible(false);

    for (const char* path : artwork::ForcesCircles) circles_.push_back(LoadArtwork(QString::fromLatin1(path)));
    angel_ = LoadArtwork(QString::fromLatin1(artwork::Angel));
    demon_ = LoadArtwork(QString::fromLatin1(artwork::Demon));

    elements_ = {
        Pic("qriUpperBorder", 0.5, 0.0, 205.6, 17.2, artwork::UpperBorder),
        Pic("qriLogo", 12.7, 21.2, 59.5, 15.1, artwork::Logo),
        Lbl("qrlName", 78.3, 21.2, 10, true, "Name:"),
        Lbl("qrlNameField", 91.0, 21.2, 10, false),
        Lbl("qrlSuperior", 78.3, 29.6, 10, true, "Superior:"),
        Lbl("qrlSuperiorField", 95.2, 29.6, 10, false),
        Lbl("qrlCelestialGroup", 135.5, 21.2, 10, true, "Kind:"),
        Lbl("qrlCelestialKindField", 148.2, 21.2, 10, false),
        Lbl("qrlWord", 135.5, 29.6, 10, true, "Word:"),
        Lbl("qrlWordField", 147.4, 29.6, 10, false),
        Pic("qriEssence", 182.0, 19.1, 21.4, 15.1, artwork::Essence),
        Lbl("qrlEssencePointsField", 191.3, 24.3, 10, false),
        Pic("qriCorporealForcesTitle", 38.1, 40.2, 27.8, 6.6, artwork::CorporealForcesTitle),
        Pic("qriEtherealForcesTitle", 83.9, 40.2, 23.5, 6.6, artwork::EtherealForcesTitle),
        Pic("qriCelestialForcesTitle", 129.1, 40.2, 25.7, 6.6, artwork::CelestialForcesTitle),
        Lbl("qrlAttunementsAndDistinctions", 163.0, 40.2, 8, true, "Attunements & Distinctions"),
        Memo("qrmAttunementsAndDistinctions", 167.2, 46.6, 34.4, 44.7, 10),
        Pic("qriCorporealForcesCircle", 36.0, 48.7, 29.9, 29.9),
        Pic("qriEtherealForcesCircle", 81.8, 48.7, 29.9, 29.9),
        Pic("qriCelestialForcesCircle", 127.0, 48.7, 29.9, 29.9),
        Lbl("qrlStrength", 46.0, 55.0, 7, false, "Strength"),
        Lbl("qrlStrengthField", 48.4, 59.3, 7, false),
        Lbl("qrlAgility", 47.1, 63.2, 7, false, "Agility"),
        Lbl("qrlAgilityField", 48.2, 66.9, 7, false),
        Lbl("qrlIntelligence", 90.5, 55.6, 7, false, "Intelligence"),
        Lbl("qrlIntelligenceField", 94.2, 59.3, 7, false),
        Lbl("qrlPrecision", 91.5, 63.2, 7, false, "Precision"),
        Lbl("qrlPrecisionField", 94.2, 66.9, 7, false),
        Pic("qriDissonance", 111.1, 63.5, 15.1, 15.1, artwork::Dissonance),
        Lbl("qrlWill", 139.4, 55.0, 7, false, "Will"),
        Lbl("qrlWillField", 139.2, 59.3, 7, false),
        Lbl("qrlPerception", 135.5, 63.2, 7, false, "Perception"),
        Lbl("qrlPerceptionField", 139.2, 66.9, 7, false),
        Pic("qriCelestialTypeImage", 2.1, 78.3, 32.0, 40.5),
        Memo("qrmCorporealTraits", 25.4, 80.4, 47.6, 37.0, 8),
        Memo("qrmEtherealTraits", 76.2, 80.4, 42.3, 37.0, 8),
        Memo("qrmCelestialTraits", 122.8, 80.4, 42.3, 37.0, 8),
        Lbl("qrlDiscord", 177.5, 91.0, 10, true, "Discords"),
        Memo("qrmDiscords", 167.2, 97.4, 34.4, 20.1, 10),
        Pic("qriLowerBorder", 0.5, 118.5, 205.6, 19.3, artwork::LowerBorder),
    };
}

TfrmCharacterSheet::TElement* TfrmCharacterSheet::Find(const QString& name) {
    for (TElement& e : elements_)
        if (e.Name == name) return &e;
    throw std::logic_error("the sheet has no element " + name.toStdString());
}

const TfrmCharacterSheet::TElement* TfrmCharacterSheet::Element(const QString& name) const {
    for (const TElement& e : elements_)
        if (e.Name == name) return &e;
    return nullptr;
}

void TfrmCharacterSheet::FillCharacterSheet(const THalvaneCharacter& character) {
    content_ = SheetContent(character);
    const TSheetContent& c = content_;
    const std::pair<const char*, const std::string*> fields[] = {
        {"qrlNameField", &c.NameField},
        {"qrlSuperiorField", &c.SuperiorField},
        {"qrlCelestialKindField", &c.CelestialKindField},
        {"qrlWordField", &c.WordField},
        {"qrlEssencePointsField", &c.EssencePointsField},
        {"qrlStrengthField", &c.StrengthField},
        {"qrlAgilityField", &c.AgilityField},
        {"qrlIntelligenceField", &c.IntelligenceField},
        {"qrlPrecisionField", &c.PrecisionField},
        {"qrlWillField", &c.WillField},
        {"qrlPerceptionField", &c.PerceptionField},
    };
    for (const auto& [name, text] : fields) Find(QString::fromLatin1(name))->Text = Q(*text);

    auto picture = [this](TSheetPicture p) -> QImage {
        switch (p) {
        case TSheetPicture::Angel: return angel_;
        case TSheetPicture::Demon: return demon_;
        case TSheetPicture::None: return {};
        default: return circles_.at(static_cast<std::size_t>(p) - static_cast<std::size_t>(TSheetPicture::Circle1));
        }
    };
    Find(QStringLiteral("qriCelestialTypeImage"))->Picture = picture(c.CelestialTypeImage);
    Find(QStringLiteral("qriCorporealForcesCircle"))->Picture = picture(c.CorporealForcesCircle);
    Find(QStringLiteral("qriEtherealForcesCircle"))->Picture = picture(c.EtherealForcesCircle);
    Find(QStringLiteral("qriCelestialForcesCircle"))->Picture = picture(c.CelestialForcesCircle);

    Find(QStringLiteral("qrmAttunementsAndDistinctions"))->Lines << Q(c.AttunementsAndDistinctions);
    Find(QStringLiteral("qrmCorporealTraits"))->Lines << Q(c.CorporealTraits);
    Find(QStringLiteral("qrmEtherealTraits"))->Lines << Q(c.EtherealTraits);
    Find(QStringLiteral("qrmCelestialTraits"))->Lines << Q(c.CelestialTraits);
    Find(QStringLiteral("qrmDiscords"))->Lines << Q(c.Discords);
}

void TfrmCharacterSheet::SetupPrinter(QPrinter& printer) {
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter));
    printer.setCopyCount(1);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPaperSource(QPrinter::Auto);
}

void TfrmCharacterSheet::PaintSheet(QPainter& painter, double dpiX, double dpiY) const {
    // Millimetres are converted to device units here, and fonts keep their
    // point sizes: scaling the painter instead would scale the fonts too.
    auto x = [dpiX](double mm) { return mm * dpiX / 25.4; };
    auto y = [dpiY](double mm) { return mm * dpiY / 25.4; };

    painter.save();
    painter.fillRect(QRectF(0, 0, x(BandWidthMm), y(BandHeightMm)), Qt::white);
    for (const TElement& e : elements_) {
        const QPointF origin(x(e.Left), y(e.Top));
        switch (e.Kind) {
        case Kind::Picture: {
            if (e.Picture.isNull()) break;
            // Pictures are drawn at their own size, 96 pixels to the inch.
            const QRectF target(origin, QSizeF(e.Picture.width() * dpiX / 96.0, e.Picture.height() * dpiY / 96.0));
            painter.save();
            painter.setClipRect(QRectF(origin, QSizeF(x(e.Width), y(e.Height))));
            painter.drawImage(target, e.Picture);
            painter.restore();
            break;
        }
        case Kind::Label: {
            if (e.Text.isEmpty()) break;
            const QFont font = SheetFont(e.FontPoints, e.Bold);
            painter.setFont(font);
            const QRectF bounds = painter.boundingRect(QRectF(origin, QSizeF(x(BandWidthMm) - origin.x(), y(BandHeightMm))),
                                                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, e.Text);
            painter.fillRect(bounds, Qt::white);
            painter.setPen(Qt::black);
            painter.drawText(bounds, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, e.Text);
            break;
        }
        case Kind::Memo: {
            const QRectF box(origin, QSizeF(x(e.Width), y(e.Height)));
            const QFont font = SheetFont(e.FontPoints, false);
            painter.save();
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.setClipRect(box);
            const QFontMetricsF metrics(font, painter.device());
            double top = box.top();
            for (const QString& line : e.Lines) {
                // Each line wraps at word boundaries; a line whose wrapped
                // height does not fit is cut off with everything after it.
                const QRectF needed = painter.boundingRect(QRectF(box.left(), top, box.width(), 1e9),
                                                           Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
                const double height = std::max(needed.height(), metrics.height());
                if (top + height > box.bottom() + 0.5) break;
                painter.drawText(QRectF(box.left(), top, box.width(), height),
                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
                top += height;
            }
            painter.restore();
            break;
        }
        }
    }
    painter.restore();
}

void TfrmCharacterSheet::Print(QPrinter* printer) const {
    QPainter painter;
    if (!painter.begin(printer)) throw std::runtime_error("The printer could not be started.");
    PaintSheet(painter, printer->logicalDpiX(), printer->logicalDpiY());
    painter.end();
}

void TfrmCharacterSheet::WritePdf(const QString& fileName) const {
    {
        QFile probe(fileName);
        if (!probe.open(QIODevice::WriteOnly))
            throw std::runtime_error("Cannot write '" + fileName.toStdString() + "': " + probe.errorString().toStdString());
    }
    QPdfWriter writer(fileName);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter));
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Halvane Character Generator"));
    writer.setTitle(content_.NameField.empty() ? QStringLiteral("Halvane character") : Q(content_.NameField));
    QPainter painter;
    if (!painter.begin(&writer)) throw std::runtime_error("Cannot write '" + fileName.toStdString() + "'.");
    PaintSheet(painter, writer.logicalDpiX(), writer.logicalDpiY());
    if (!painter.end()) throw std::runtime_error("Cannot finish '" + fileName.toStdString() + "'.");
}

} // namespace halvane
