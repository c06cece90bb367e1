#pragma once
// The printed character sheet: one landscape A4 page holding a title band of
// labels, memos and pictures placed in millimetres. One painting routine lays
// it out on any paint device: the print preview, a printer or a PDF file.

#include "uHalvaneCharacter.h"
#include "uSheetContent.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QPainter;
class QPrinter;

namespace halvane {

class TfrmCharacterSheet : public QWidget {
    Q_OBJECT
public:
    enum class TElementKind { Label, Memo, Picture };

    // One element of the report's band; places and sizes in millimetres from
    // the band's top-left corner. Labels have no size: they grow to fit.
    struct TElement {
        QString Name;
        TElementKind Kind = TElementKind::Label;
        double Left = 0, Top = 0, Width = 0, Height = 0;
        int FontPoints = 10;
        bool Bold = false;
        QString Text;        // labels
        QStringList Lines;   // memos
        QImage Picture;      // pictures; a null image prints nothing
    };

    static constexpr double PageWidthMm = 297.0;
    static constexpr double PageHeightMm = 210.0;
    static constexpr double MarginMm = 10.0;
    static constexpr double BandWidthMm = 277.0;
    static constexpr double BandHeightMm = 138.4;

    explicit TfrmCharacterSheet(QWidget* parent = nullptr);

    // Copies the record's content into the elements. Call once, on a fresh sheet.
    void FillCharacterSheet(const THalvaneCharacter& character);

    const std::vector<TElement>& Elements() const noexcept { return elements_; }
    const TElement* Element(const QString& name) const;
    const TSheetContent& Content() const noexcept { return content_; }

    // A4 landscape, 10 mm margins, one copy, no duplex.
    static void SetupPrinter(QPrinter& printer);
    // Paints the band with the painter's origin at the printable area's
    // top-left corner; dpi is the device's resolution.
    void PaintSheet(QPainter& painter, double dpiX, double dpiY) const;
    // The preview's and the printer's door.
    void Print(QPrinter* printer) const;
    // Writes the one-page sheet as a PDF file; throws on failure.
    void WritePdf(const QString& fileName) const;

private:
    TElement* Find(const QString& name);
    std::vector<TElement> elements_;
    TSheetContent content_;
    // Hidden holders of the pictures the fill chooses from.
    std::vector<QImage> circles_;
    QImage angel_, demon_;
};

} // namespace halvane
