#pragma once
// The program's pictures, embedded as Qt resources by the halvane_artwork
// target and drawn by artwork/generator. Sizes are the pixel sizes the sheet
// and the windows lay out for; the pictures are drawn at 96 pixels per inch.

#include <QImage>
#include <QString>

namespace halvane::artwork {

// Character sheet.
inline constexpr const char* UpperBorder = ":/artwork/qriUpperBorder.jpg";   // 772 x 62
inline constexpr const char* Logo = ":/artwork/qriLogo.jpg";                 // 222 x 55
inline constexpr const char* Essence = ":/artwork/qriEssence.jpg";           // 78 x 56
inline constexpr const char* CorporealForcesTitle = ":/artwork/qriCorporealForcesTitle.jpg";  // 100 x 22
inline constexpr const char* EtherealForcesTitle = ":/artwork/qriEtherealForcesTitle.jpg";    // 100 x 23
inline constexpr const char* CelestialForcesTitle = ":/artwork/qriCelestialForcesTitle.jpg";  // 100 x 23
inline constexpr const char* Dissonance = ":/artwork/qriDissonance.bmp";     // 61 x 56, 24-bit
inline constexpr const char* LowerBorder = ":/artwork/qriLowerBorder.jpg";   // 772 x 76
inline constexpr const char* NoForcesCircle = ":/artwork/imgNoForcesCircle.jpg";  // 111 x 107
// The circles of 1 to 6 forces, index 0 for one force.
inline constexpr const char* ForcesCircles[6] = {
    ":/artwork/imgOneForcesCircle.jpg",   ":/artwork/imgTwoForcesCircle.jpg",
    ":/artwork/imgThreeForcesCircle.jpg", ":/artwork/imgFourForcesCircle.jpg",
    ":/artwork/imgFiveForcesCircle.jpg",  ":/artwork/imgSixForcesCircle.jpg"};
inline constexpr const char* Angel = ":/artwork/imgAngel.jpg";  // 117 x 154
inline constexpr const char* Demon = ":/artwork/imgDemon.jpg";  // 117 x 154

// About window.
inline constexpr const char* AboutLogo = ":/artwork/aboutLogo.jpg";  // 220 x 60

// Menu items and Next buttons, with transparency.
inline constexpr const char* MenuLoad = ":/artwork/miLoad.png";    // 20 x 20
inline constexpr const char* MenuSave = ":/artwork/miSave.png";    // 20 x 20
inline constexpr const char* MenuPrint = ":/artwork/miPrint.png";  // 18 x 18
inline constexpr const char* MenuQuit = ":/artwork/miQuit.png";    // 16 x 16
inline constexpr const char* NextArrow = ":/artwork/btNext.png";   // 16 x 16

}  // namespace halvane::artwork

namespace halvane {

// Loads one of the pictures above: JPEGs through our libjpeg adapter
// (DecodeJpeg), the others through QImage. Throws EJpegError for a JPEG
// that fails and std::runtime_error for any other picture that is missing.
QImage LoadArtwork(const QString& path);

}  // namespace halvane
