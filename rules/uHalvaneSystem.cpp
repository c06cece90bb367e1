#include "uHalvaneSystem.h"

#include "uHalvaneDiscords.h"
#include "uHalvaneSkills.h"
#include "uHalvaneSongs.h"
#include "uHalvaneSuperiors.h"

#include <stdexcept>

namespace halvane {

bool IsCelestialConcept(std::int64_t conceptRow) noexcept { return conceptRow >= 0 && conceptRow <= 4; }
bool IsMortalConcept(std::int64_t conceptRow) noexcept { return !IsCelestialConcept(conceptRow); }
bool IsAngelicKind(std::int64_t kindRow) noexcept { return kindRow < 8; }

std::string JoinAttributeNames(std::uint8_t attributes, const std::array<std::string_view, 6>& names,
                               std::string_view separator) {
    std::string text;
    for (std::size_t row = 0; row < names.size(); ++row) {
        if ((attributes & (1u << row)) == 0) continue;
        if (!text.empty()) text += separator;
        text += names[row];
    }
    return text;
}

std::int32_t& TForces::Characteristic(std::int32_t number) {
    if (number == 1) return Characteristic1;
    if (number == 2) return Characteristic2;
    throw std::out_of_range("characteristic number " + std::to_string(number) + " is not 1 or 2");
}

std::int32_t TForces::Characteristic(std::int32_t number) const {
    return const_cast<TForces*>(this)->Characteristic(number);
}

namespace {

// The mathematical ceiling of n / 2. Integer division truncates toward zero,
// which already is the ceiling for negative n.
constexpr TCost CeilHalf(TCost n) { return n >= 0 ? (n + 1) / 2 : n / 2; }

} // namespace

TCost TSkill::GetCost() const { return Level; }

std::unique_ptr<TSkill> TSkill::CreateCopy(const TSkill& source) {
    auto copy = std::make_unique<TSkill>();
    copy->Name = source.Name;
    copy->Level = source.Level;
    copy->Attributes = source.Attributes;
    copy->Default = source.Default;
    copy->SpecificationRequired = source.SpecificationRequired;
    return copy;
}

TCost TSong::GetCost() const { return Level; }

std::unique_ptr<TSong> TSong::CreateCopy(const TSong& source) {
    auto copy = std::make_unique<TSong>();
    copy->Name = source.Name;
    copy->Level = source.Level;
    copy->Realm = source.Realm;
    return copy;
}

TCost TServant::GetCost() const { return CeilHalf((TCost{ServantClass} + 1) * TCost{Level}); }

TCost TCharisma::GetCost() const { return 2 * TCost{Level}; }

TCost TRole::GetCost() const {
    if (Vessel != nullptr && Vessel->Granted) return 2 * TCost{Status};
    return CeilHalf(TCost{Status} * TCost{Level});
}

TVessel::TVessel() {
    Role = std::make_unique<TRole>();
    Role->Vessel = this;
    Charisma = std::make_unique<TCharisma>();
    Charisma->Vessel = this;
}

TVessel::~TVessel() {
    Role.reset();
    Charisma.reset();
}

TCost TVessel::GetCost() const {
    TCost cost = Charisma->GetCost() + Role->GetCost();
    if (!Granted) cost += 3 * TCost{Level};
    return cost;
}

TCost TArtifact::GetCost() const {
    switch (Realm) {
    case 1: return 2 * TCost{Level};
    case 2:
        switch (ReliquaryType) {
        case 1: return 5 * TCost{Level};
        case 2: return 6 * TCost{Level};
        // Only a hand-edited file carries another type; like an unknown realm
        // reads as corporeal, an unknown type is priced as no reliquary at all.
        default: return 3 * TCost{Level};
        }
    default: return TCost{Level};
    }
}

TCost TDiscord::GetCost() const { return -3 * TCost{Level}; }

std::unique_ptr<TDiscord> TDiscord::CreateCopy(const TDiscord& source) {
    auto copy = std::make_unique<TDiscord>();
    copy->Name = source.Name;
    copy->Level = source.Level;
    copy->Specification = source.Specification;
    copy->Realm = source.Realm;
    copy->SpecificationRequired = source.SpecificationRequired;
    return copy;
}

TCost TChoirAttunement::GetCost() const { return Granted ? 0 : 5; }

std::unique_ptr<TChoirAttunement> TChoirAttunement::CreateCopy(const TChoirAttunement& source) {
    auto copy = std::make_unique<TChoirAttunement>();
    copy->Name = source.Name;
    copy->Level = source.Level;
    copy->Superior = source.Superior;
    copy->CelestialKind = source.CelestialKind;
    return copy;
}

TCost TServitorAttunement::GetCost() const { return 10; }

std::unique_ptr<TServitorAttunement>
TServitorAttunement::CreateCopy(const TServitorAttunement& source) {
    auto copy = std::make_unique<TServitorAttunement>();
    copy->Name = source.Name;
    copy->Level = source.Level;
    copy->Superior = source.Superior;
    return copy;
}

bool TSuperior::IsAngelic() const {
    if (!CelestialKind) return Name == "Yves";
    return *CelestialKind < 8;
}

// ---------------------------------------------------------------- catalogues

namespace {

// Owns every catalogue entry for the whole run; the public arrays only hand
// out const pointers, so nothing outside the builders can change an entry.
struct TCatalogueStore {
    std::array<std::unique_ptr<TSuperior>, SuperiorCount> superiors;
    std::array<std::unique_ptr<TSong>, SongCount> songs;
    std::array<std::unique_ptr<TSkill>, SkillCount> skills;
    std::array<std::unique_ptr<TDiscord>, DiscordCount> discords;

    TSuperiorCatalogue superiorView{};
    TSongCatalogue songView{};
    TSkillCatalogue skillView{};
    TDiscordCatalogue discordView{};

    TCatalogueStore() {
        BuildSuperiors(superiors);
        BuildSongs(songs);
        BuildSkills(skills);
        BuildDiscords(discords);
        for (std::size_t i = 0; i < SuperiorCount; ++i) superiorView[i] = superiors[i].get();
        for (std::size_t i = 0; i < SongCount; ++i) songView[i] = songs[i].get();
        for (std::size_t i = 0; i < SkillCount; ++i) skillView[i] = skills[i].get();
        for (std::size_t i = 0; i < DiscordCount; ++i) discordView[i] = discords[i].get();
    }
};

const TCatalogueStore& Store() {
    static const TCatalogueStore store;
    return store;
}

} // namespace

void BuildCatalogues() { (void)Store(); }

const TSuperiorCatalogue& Superiors() { return Store().superiorView; }
const TSongCatalogue& Songs() { return Store().songView; }
const TSkillCatalogue& Skills() { return Store().skillView; }
const TDiscordCatalogue& Discords() { return Store().discordView; }

} // namespace halvane
