#include "uSheetContent.h"

namespace halvane {

namespace {

std::string Decimal(std::int64_t value) { return std::to_string(value); }

std::string RealmName(std::uint8_t realm) {
    return realm < Realms.size() ? std::string(Realms[realm]) : std::string();
}

constexpr std::uint8_t StrengthOrAgility = (1u << 0) | (1u << 3);
constexpr std::uint8_t IntelligenceOrPrecision = (1u << 1) | (1u << 4);
constexpr std::uint8_t WillOrPerception = (1u << 2) | (1u << 5);

TSheetPicture Figure(const THalvaneCharacter& c) {
    if (!c.Concept) return TSheetPicture::None;
    switch (*c.Concept) {
    case 0: case 2: case 5: return TSheetPicture::Angel;
    case 1: case 3: case 6: case 7: return TSheetPicture::Demon;
    case 4:
        // A remnant that has not chosen its kind yet shows no side.
        if (!c.CelestialKind) return TSheetPicture::None;
        return IsAngelicKind(*c.CelestialKind) ? TSheetPicture::Angel : TSheetPicture::Demon;
    default: return TSheetPicture::None;
    }
}

} // namespace

TSheetPicture ForcesCircle(std::int64_t forces) noexcept {
    switch (forces) {
    case 1: return TSheetPicture::Circle1;
    case 2: return TSheetPicture::Circle2;
    case 3: return TSheetPicture::Circle3;
    case 4: return TSheetPicture::Circle4;
    case 5: return TSheetPicture::Circle5;
    case 6: return TSheetPicture::Circle6;
    default: return TSheetPicture::None;
    }
}

std::string AttributeAbbreviations(const TSkill& skill) {
    return JoinAttributeNames(skill.Attributes, AttributeShortNames, "/");
}

TSheetContent SheetContent(const THalvaneCharacter& c) {
    TSheetContent s;
    s.NameField = c.Name;
    s.WordField = c.Word;
    if (c.CelestialKind && *c.CelestialKind < CelestialKinds.size())
        s.CelestialKindField = std::string(CelestialKinds[*c.CelestialKind]);
    if (c.Superior() != nullptr) s.SuperiorField = c.Superior()->Name;
    s.EssencePointsField = Decimal(c.TotalForces());
    s.StrengthField = Decimal(c.CorporealForces.Characteristic1);
    s.AgilityField = Decimal(c.CorporealForces.Characteristic2);
    s.IntelligenceField = Decimal(c.EtherealForces.Characteristic1);
    s.PrecisionField = Decimal(c.EtherealForces.Characteristic2);
    s.WillField = Decimal(c.CelestialForces.Characteristic1);
    s.PerceptionField = Decimal(c.CelestialForces.Characteristic2);

    s.CelestialTypeImage = Figure(c);
    s.CorporealForcesCircle = ForcesCircle(c.CorporealForces.Forces);
    s.EtherealForcesCircle = ForcesCircle(c.EtherealForces.Forces);
    s.CelestialForcesCircle = ForcesCircle(c.CelestialForces.Forces);

    for (const TResource* r : c.Resources) {
        const std::string level = Decimal(r->Level);
        if (dynamic_cast<const TAttunement*>(r) != nullptr) {
            s.AttunementsAndDistinctions.push_back(r->Name);
        } else if (dynamic_cast<const TDiscord*>(r) != nullptr) {
            s.Discords.push_back(r->Name + ", lvl " + level);
        } else if (const auto* skill = dynamic_cast<const TSkill*>(r)) {
            const std::string line = skill->Name + " (" + AttributeAbbreviations(*skill) + "), lvl " + level;
            if (skill->Attributes & StrengthOrAgility)
                s.CorporealTraits.push_back(line);
            else if (skill->Attributes & IntelligenceOrPrecision)
                s.EtherealTraits.push_back(line);
            else if (skill->Attributes & WillOrPerception)
                s.CelestialTraits.push_back(line);
        } else if (const auto* song = dynamic_cast<const TSong*>(r)) {
            const std::string line = RealmName(song->Realm) + " Song of " + song->Name + ", lvl " + level;
            (song->Realm == 0 ? s.CorporealTraits : song->Realm == 1 ? s.EtherealTraits : s.CelestialTraits)
                .push_back(line);
        } else if (const auto* artifact = dynamic_cast<const TArtifact*>(r)) {
            // A file may name a skill or song no catalogue holds: the line then
            // carries an empty name in its place.
            if (artifact->Realm == 0) {
                s.CorporealTraits.push_back("Artifact: " + artifact->Name + ", lvl " + level);
            } else if (artifact->Realm == 1) {
                const std::string skillName = artifact->Skill ? artifact->Skill->Name : std::string();
                s.EtherealTraits.push_back("Talisman: " + artifact->Name + " (" + skillName + "), lvl " + level);
            } else {
                const std::string songRealm = artifact->Song ? RealmName(artifact->Song->Realm) : std::string();
                const std::string songName = artifact->Song ? artifact->Song->Name : std::string();
                s.CelestialTraits.push_back("Relic: " + artifact->Name + " (" + songRealm + " Song of " + songName +
                                            "), lvl " + level);
            }
        } else if (const auto* vessel = dynamic_cast<const TVessel*>(r)) {
            s.CorporealTraits.push_back("Vessel: " + vessel->Name + ", lvl " + level + ", cha " +
                                        Decimal(vessel->Charisma->Level) + ", role " + Decimal(vessel->Role->Level) +
                                        ", status " + Decimal(vessel->Role->Status));
        }
    }
    return s;
}

} // namespace halvane
