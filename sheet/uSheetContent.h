#pragma once
// What the printed character sheet shows, computed from the record alone so
// that it can be checked without any painting. It only reads the record.

#include "uHalvaneCharacter.h"

#include <string>
#include <vector>

namespace halvane {

enum class TSheetPicture {
    None,
    Angel,
    Demon,
    Circle1,
    Circle2,
    Circle3,
    Circle4,
    Circle5,
    Circle6,
};

struct TSheetContent {
    // Field labels.
    std::string NameField;
    std::string SuperiorField;
    std::string CelestialKindField;
    std::string WordField;
    std::string EssencePointsField;
    std::string StrengthField, AgilityField;
    std::string IntelligenceField, PrecisionField;
    std::string WillField, PerceptionField;

    // Picture places filled from the record.
    TSheetPicture CelestialTypeImage = TSheetPicture::None;
    TSheetPicture CorporealForcesCircle = TSheetPicture::None;
    TSheetPicture EtherealForcesCircle = TSheetPicture::None;
    TSheetPicture CelestialForcesCircle = TSheetPicture::None;

    // Memo lines, in the order of the record's resources.
    std::vector<std::string> AttunementsAndDistinctions;
    std::vector<std::string> CorporealTraits;
    std::vector<std::string> EtherealTraits;
    std::vector<std::string> CelestialTraits;
    std::vector<std::string> Discords;
};

TSheetContent SheetContent(const THalvaneCharacter& character);

// The short names of the characteristics that govern a skill, joined by "/".
std::string AttributeAbbreviations(const TSkill& skill);

// The circle of n forces, or none outside 1 to 6.
TSheetPicture ForcesCircle(std::int64_t forces) noexcept;

} // namespace halvane
