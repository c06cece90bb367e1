#include "uCreationRules.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <stdexcept>

namespace halvane {

namespace {

const std::string MortalVesselName = "Mortal Vessel";

template <class T>
const T& At(const std::vector<T>& list, std::int64_t index) {
    if (index < 0 || index >= static_cast<std::int64_t>(list.size())) throw EListError(index);
    return list[static_cast<std::size_t>(index)];
}

// Realm names for lines of text; a realm no table row names prints as nothing
// rather than reading past the table.
std::string RealmName(std::uint8_t realm) {
    return realm < Realms.size() ? std::string(Realms[realm]) : std::string();
}

std::string Decimal(std::int64_t value) { return std::to_string(value); }

// A held skill's or discord's line: the detail in brackets shows only where one is required.
std::string SpecifiedLine(const std::string& name, bool specificationRequired, const std::string& specification,
                          std::int32_t level) {
    return specificationRequired ? name + " (" + specification + ") - Lvl: " + Decimal(level)
                                 : name + " - Lvl: " + Decimal(level);
}

std::int32_t ClampTo32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

const TSong* CatalogueSong(const std::string& name, std::uint8_t realm) {
    for (const TSong* song : Songs())
        if (song->Name == name && song->Realm == realm) return song;
    return nullptr;
}

struct DiscordRealmRows {
    std::int32_t Offset;
    std::int32_t Count;
};

DiscordRealmRows DiscordRows(std::uint8_t realm) {
    switch (realm) {
    case 0: return {0, 10};
    case 1: return {10, 8};
    case 2: return {18, 8};
    default: throw std::out_of_range("realm " + std::to_string(realm) + " is not 0, 1 or 2");
    }
}

} // namespace

std::string HitsText(THitsValue value) {
    if (value == 0) return "0";
    const bool negative = value < 0;
    std::string digits;
    while (value != 0) {
        const int digit = static_cast<int>(value % 10);
        digits.push_back(static_cast<char>('0' + (negative ? -digit : digit)));
        value /= 10;
    }
    if (negative) digits.push_back('-');
    return {digits.rbegin(), digits.rend()};
}

std::int32_t ReadWholeNumber(std::string_view text) noexcept {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-' || text.front() == '+') return 0;
    }
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (ec != std::errc() || ptr != end) return 0;
    return value;
}

std::string TrimText(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

bool TConceptLayout::TabVisible(std::int32_t step) const noexcept {
    switch (step) {
    case StepAttunements: return AttunementsTab;
    case StepSongs: return SongsTab;
    case StepArtifacts: return ArtifactsTab;
    default: return step >= 0 && step < static_cast<std::int32_t>(Steps.size());
    }
}

// ------------------------------------------------------------ rules object

TCreationRules::TCreationRules() : character_(std::make_unique<THalvaneCharacter>()) {}

void TCreationRules::ReplaceCharacter(std::unique_ptr<THalvaneCharacter> record) {
    if (!record) throw std::invalid_argument("a loaded character must exist");
    character_ = std::move(record);
}

template <class R>
std::vector<R*> TCreationRules::ResourcesOf() const {
    std::vector<R*> out;
    for (TResource* resource : character_->Resources)
        if (auto* typed = dynamic_cast<R*>(resource)) out.push_back(typed);
    return out;
}

TLeaveResult TCreationRules::CanLeaveStep(std::int32_t step, const TAskUser& ask) {
    const THalvaneCharacter& c = *character_;
    switch (step) {
    case StepConcept:
        if (!c.Concept) return {false, "You must choose a character concept!"};
        if (IsMortalConcept(*c.Concept)) return {};
        if (!c.CelestialKind) return {false, "You must choose a character celestial kind!"};
        if (c.Superior() == nullptr) return {false, "You must choose a superior!"};
        return {};
    case StepForces: {
        if (c.Concept && *c.Concept < StartingForces.size() &&
            c.TotalForces() < StartingForces[*c.Concept] &&
            !ask("You didn't spend all your force points. Do you want to proceed anyway?"))
            return {false, {}};
        bool pointsLeft = false;
        for (std::int32_t g = 0; g < 3; ++g) pointsLeft = pointsLeft || RemainingCharacteristicPoints(g) > 0;
        if (pointsLeft &&
            !ask("You didn't spend all your characteristics points. Do you want to proceed anyway?"))
            return {false, {}};
        FixResourcePoints();
        return {};
    }
    default:
        if (step < 0 || step >= static_cast<std::int32_t>(Steps.size()))
            throw std::out_of_range("step " + std::to_string(step) + " does not exist");
        return {};
    }
}

// ---------------------------------------------------------------- points

void TCreationRules::FixResourcePoints() noexcept {
    // The budget is stored and saved as a 32-bit number; forces beyond any
    // game's reach saturate rather than wrap into a wrong budget.
    character_->ResourcePoints = ClampTo32(4 * character_->TotalForces());
}

std::int64_t TCreationRules::RemainingResourcePoints() const noexcept {
    return std::int64_t{character_->ResourcePoints} - character_->TotalResourceCost();
}

bool TCreationRules::RemoveResource(const TResource* resource) {
    if (resource == nullptr) return false;
    return character_->Resources.Remove(resource);
}

// --------------------------------------------------------------- concept

std::vector<std::uint8_t> TCreationRules::KindChoices() const {
    std::vector<std::uint8_t> rows;
    const auto& concept_ = character_->Concept;
    if (!concept_) return rows;
    std::uint8_t first = 0, last = 0;
    switch (*concept_) {
    case 0: case 2: first = 0; last = 7; break;
    case 1: case 3: first = 8; last = 14; break;
    case 4: first = 0; last = 14; break;
    default: return rows;
    }
    for (int r = first; r <= last; ++r) rows.push_back(static_cast<std::uint8_t>(r));
    return rows;
}

bool TCreationRules::IsAngelicSide() const noexcept {
    const THalvaneCharacter& c = *character_;
    if (!c.Concept) return false;
    switch (*c.Concept) {
    case 0: case 2: return true;
    case 4: return c.CelestialKind.has_value() && IsAngelicKind(*c.CelestialKind);
    default: return false;
    }
}

std::vector<std::uint8_t> TCreationRules::SuperiorChoices() const {
    std::vector<std::uint8_t> rows;
    const THalvaneCharacter& c = *character_;
    if (!c.Concept || !IsCelestialConcept(*c.Concept)) return rows;
    if (*c.Concept == 4 && !c.CelestialKind) return rows;
    const int first = IsAngelicSide() ? 0 : 13;
    const int last = IsAngelicSide() ? 12 : 26;
    for (int r = first; r <= last; ++r) rows.push_back(static_cast<std::uint8_t>(r));
    return rows;
}

std::optional<std::int32_t> TCreationRules::SuperiorChoicePosition() const {
    const TSuperior* superior = character_->Superior();
    if (superior == nullptr) return std::nullopt;
    const std::vector<std::uint8_t> rows = SuperiorChoices();
    for (std::size_t p = 0; p < rows.size(); ++p)
        if (SuperiorNames[rows[p]] == superior->Name) return static_cast<std::int32_t>(p);
    return std::nullopt;
}

void TCreationRules::SelectConcept(std::int32_t row) {
    if (row < 0 || row >= static_cast<std::int32_t>(Concepts.size()))
        throw std::out_of_range("concept row " + std::to_string(row) + " does not exist");
    THalvaneCharacter& c = *character_;
    c.Resources.Clear();
    c.Concept = static_cast<std::uint8_t>(row);
    if (IsMortalConcept(row)) AddMortalVessel();
    c.Name.clear();
    c.Word.clear();
    c.SetSuperior(nullptr);
    c.CelestialKind.reset();
}

void TCreationRules::SelectKind(std::int32_t position) {
    character_->CelestialKind = At(KindChoices(), position);
}

void TCreationRules::SelectSuperior(std::int32_t position) {
    character_->SetSuperior(Superiors()[At(SuperiorChoices(), position)]);
    GrantChoirAttunement();
}

void TCreationRules::GrantChoirAttunement() {
    THalvaneCharacter& c = *character_;
    if (!c.CelestialKind) return;
    c.Resources.Clear();
    const TSuperior* superior = c.Superior();
    if (superior == nullptr) return;
    const std::uint8_t kind = *c.CelestialKind;
    const std::int32_t position = IsAngelicKind(kind) ? kind : kind - 8;
    // "Grigori" has no attunement of any superior, and a superior of the other
    // side offers none of this kind: then nothing is granted.
    if (position < 0 || position >= superior->ChoirAttunements.Count()) return;
    const auto* source = dynamic_cast<const TChoirAttunement*>(superior->ChoirAttunements.Items(position));
    if (source == nullptr || source->CelestialKind != kind) return;
    // The record's own copy carries the mark, so the catalogue entry stays as built.
    auto granted = TChoirAttunement::CreateCopy(*source);
    granted->Granted = true;
    c.Resources.Add(std::move(granted));
}

void TCreationRules::SetCharacterName(const std::string& text) { character_->Name = text; }
void TCreationRules::SetCharacterWord(const std::string& text) { character_->Word = text; }

void TCreationRules::SetMortalSuperior(const std::string& text) {
    if (text.empty()) {
        character_->SetSuperior(nullptr);
        return;
    }
    auto own = std::make_unique<TSuperior>();
    own->Name = text;
    character_->SetOwnSuperior(std::move(own));
}

TVessel& TCreationRules::AddMortalVessel() {
    auto vessel = std::make_unique<TVessel>();
    vessel->Name = MortalVesselName;
    vessel->Granted = true;
    vessel->Charisma->Level = 0;
    vessel->Role->Level = 1;
    vessel->Role->Status = 0;
    return character_->Resources.Append(std::move(vessel));
}

TVessel* TCreationRules::FindMortalVessel() const noexcept {
    for (TResource* resource : character_->Resources)
        if (auto* vessel = dynamic_cast<TVessel*>(resource); vessel && vessel->Name == MortalVesselName)
            return vessel;
    return nullptr;
}

TConceptLayout TCreationRules::ConceptLayout() const noexcept {
    TConceptLayout layout;
    const auto& concept_ = character_->Concept;
    if (!concept_) return layout;
    layout.Designed = false;
    const std::uint8_t row = *concept_;
    if (row <= 3) return layout;
    if (row == 4) {
        layout.WordShown = false;
        return layout;
    }
    layout.KindShown = layout.WordShown = layout.SuperiorShown = false;
    layout.MortalSuperiorShown = true;
    layout.AttunementsTab = false;
    if (row == 8) layout.SongsTab = layout.ArtifactsTab = false;
    return layout;
}

// ---------------------------------------------------------------- forces

std::int64_t TCreationRules::RemainingForces() const {
    const auto& concept_ = character_->Concept;
    if (!concept_) return 0;
    return std::int64_t{StartingForces.at(*concept_)} - character_->TotalForces();
}

std::int64_t TCreationRules::CharacteristicPoints(std::int32_t group) const {
    return 4 * std::int64_t{character_->GetForces(group).Forces};
}

std::int64_t TCreationRules::RemainingCharacteristicPoints(std::int32_t group) const {
    const TForces& forces = character_->GetForces(group);
    return CharacteristicPoints(group) - forces.Characteristic1 - forces.Characteristic2;
}

void TCreationRules::SetForces(std::int32_t group, std::int32_t value) {
    THalvaneCharacter& c = *character_;
    if (!c.Concept) return;
    c.GetForces(group).Forces = value;
    if (group == 0 && IsMortalConcept(*c.Concept))
        if (TVessel* body = FindMortalVessel()) body->Level = value;
}

void TCreationRules::SetCharacteristic(std::int32_t group, std::int32_t which, std::int32_t value) {
    character_->GetForces(group).Characteristic(which) = value;
}

std::optional<THitsValue> TCreationRules::BodyHits() const {
    const THalvaneCharacter& c = *character_;
    if (!c.Concept) return std::nullopt;
    const THitsValue forces = c.CorporealForces.Forces;
    const THitsValue strength = c.CorporealForces.Characteristic1;
    if (IsCelestialConcept(*c.Concept)) return forces * strength;
    // A mortal without its body (only a hand-edited file) counts the body's
    // levels as its corporeal forces, as the wizard would have kept them.
    const TVessel* body = FindMortalVessel();
    const THitsValue bodyLevel = body != nullptr ? THitsValue{body->Level} : forces;
    return forces * bodyLevel * strength;
}

THitsValue TCreationRules::MindHits() const noexcept {
    return THitsValue{character_->EtherealForces.Forces} * character_->EtherealForces.Characteristic1;
}

THitsValue TCreationRules::SoulHits() const noexcept {
    return THitsValue{character_->CelestialForces.Forces} * character_->CelestialForces.Characteristic1;
}

// ----------------------------------------------------------- attunements

std::vector<const TChoirAttunement*> TCreationRules::ChoirAttunementChoices() const {
    std::vector<const TChoirAttunement*> out;
    if (const TSuperior* superior = character_->Superior())
        for (const TResource* r : superior->ChoirAttunements)
            if (auto* a = dynamic_cast<const TChoirAttunement*>(r)) out.push_back(a);
    return out;
}

std::vector<const TServitorAttunement*>
TCreationRules::ServitorAttunementChoices(std::int32_t superiorRow) const {
    if (superiorRow < 0 || superiorRow >= static_cast<std::int32_t>(SuperiorCount)) throw EListError(superiorRow);
    std::vector<const TServitorAttunement*> out;
    for (const TResource* r : Superiors()[static_cast<std::size_t>(superiorRow)]->ServitorAttunements)
        if (auto* a = dynamic_cast<const TServitorAttunement*>(r)) out.push_back(a);
    return out;
}

const TServitorAttunement* TCreationRules::FindServitorAttunement(const std::string& name) const {
    for (const TSuperior* superior : Superiors())
        for (const TResource* r : superior->ServitorAttunements)
            if (r->Name == name) return dynamic_cast<const TServitorAttunement*>(r);
    return nullptr;
}

bool TCreationRules::HasAttunement(const std::string& name) const {
    for (const TAttunement* a : ResourcesOf<TAttunement>())
        if (a->Name == name) return true;
    return false;
}

TRuleResult TCreationRules::BuyChoirAttunement(std::optional<std::int32_t> position) {
    const THalvaneCharacter& c = *character_;
    if (!c.CelestialKind || c.Superior() == nullptr || !position) return TRuleResult::MakeNothing();
    auto copy = TChoirAttunement::CreateCopy(*At(ChoirAttunementChoices(), *position));
    if (HasAttunement(copy->Name)) return TRuleResult::MakeRefused("You already have this choir attunement.");
    character_->Resources.Add(std::move(copy));
    return TRuleResult::MakeDone();
}

TRuleResult TCreationRules::BuyServitorAttunement(const std::string& name) {
    if (!character_->CelestialKind) return TRuleResult::MakeNothing();
    const TServitorAttunement* found = FindServitorAttunement(name);
    if (found == nullptr) return TRuleResult::MakeNothing();
    auto copy = TServitorAttunement::CreateCopy(*found);
    if (HasAttunement(copy->Name)) return TRuleResult::MakeRefused("You already have this servitor attunement.");
    character_->Resources.Add(std::move(copy));
    return TRuleResult::MakeDone();
}

TRuleResult TCreationRules::RemoveAttunement(const TAttunement* attunement) {
    if (attunement == nullptr || character_->Resources.IndexOf(attunement) < 0) return TRuleResult::MakeNothing();
    const auto* choir = dynamic_cast<const TChoirAttunement*>(attunement);
    const bool mayRemove = choir == nullptr || choir->Superior != character_->Superior() ||
                           choir->CelestialKind != character_->CelestialKind;
    if (!mayRemove) return TRuleResult::MakeRefused("You cannot remove this attunement.");
    character_->Resources.Remove(attunement);
    return TRuleResult::MakeDone();
}

std::vector<TOwnedLine<TAttunement>> TCreationRules::OwnedAttunements() const {
    std::vector<TOwnedLine<TAttunement>> lines;
    for (TAttunement* a : ResourcesOf<TAttunement>()) lines.push_back({a->Name, a});
    return lines;
}

// ----------------------------------------------------------------- songs

std::vector<std::uint8_t> TCreationRules::SongRealmChoices() const {
    const auto& concept_ = character_->Concept;
    if (concept_ && IsMortalConcept(*concept_)) return {0};
    return {0, 1, 2};
}

std::vector<std::string> TCreationRules::SongChoices(std::uint8_t realm) const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < 42; ++i) {
        const TSong* song = Songs()[i];
        if (song->Realm == realm) out.push_back(RealmName(song->Realm) + " Song of " + song->Name);
    }
    if (realm == 0)
        for (std::size_t i = 42; i < SongCount; ++i) out.push_back(Songs()[i]->Name);
    return out;
}

std::string TCreationRules::BuySong(std::int32_t position, std::uint8_t realm, const std::string& levelText) {
    if (position < 0 || position >= static_cast<std::int32_t>(SongChoices(realm).size())) throw EListError(position);
    const TSong* source = CatalogueSong(std::string(SongNames[static_cast<std::size_t>(position)]), realm);
    if (source == nullptr) throw EListError(position);
    auto copy = TSong::CreateCopy(*source);
    copy->Level = ReadWholeNumber(levelText);
    if (copy->Level < 1) return "The song level must be greater than 0.";
    if (TSong* held = FindSong(copy->Name, copy->Realm))
        held->Level = copy->Level;
    else
        character_->Resources.Add(std::move(copy));
    return {};
}

TSong* TCreationRules::FindSong(const std::string& name, std::uint8_t realm) const {
    for (TSong* song : ResourcesOf<TSong>())
        if (song->Name == name && song->Realm == realm) return song;
    return nullptr;
}

std::vector<TOwnedLine<TSong>> TCreationRules::OwnedSongs() const {
    std::vector<TOwnedLine<TSong>> lines;
    for (TSong* song : ResourcesOf<TSong>())
        lines.push_back({RealmName(song->Realm) + " Song of " + song->Name + " - Lvl: " + Decimal(song->Level), song});
    return lines;
}

TSongInputs TCreationRules::SongInputsFor(const TSong& song) const {
    TSongInputs inputs;
    inputs.Realm = song.Realm;
    const std::size_t offered = SongChoices(song.Realm).size();
    for (std::size_t row = 0; row < SongNames.size() && row < offered; ++row)
        if (SongNames[row] == song.Name) {
            inputs.SongPosition = static_cast<std::int32_t>(row);
            break;
        }
    inputs.Level = Decimal(song.Level);
    return inputs;
}

// ---------------------------------------------------------------- skills

std::vector<std::string> TCreationRules::SkillChoices() const {
    std::vector<std::string> out;
    for (const TSkill* skill : Skills()) out.push_back(skill->Name);
    return out;
}

std::string TCreationRules::AttributeText(const TSkill& skill) {
    return JoinAttributeNames(skill.Attributes, AttributeNames, " or ");
}

TSkillDetails TCreationRules::SkillDetails(std::int32_t position) const {
    if (position < 0 || position >= static_cast<std::int32_t>(SkillCount)) throw EListError(position);
    const TSkill& skill = *Skills()[static_cast<std::size_t>(position)];
    return {skill.SpecificationRequired, AttributeText(skill), Decimal(skill.Default)};
}

std::string TCreationRules::BuySkill(std::int32_t position, const std::string& levelText,
                                     const std::string& specificationText) {
    if (position < 0 || position >= static_cast<std::int32_t>(SkillCount)) throw EListError(position);
    auto copy = TSkill::CreateCopy(*Skills()[static_cast<std::size_t>(position)]);
    copy->Level = ReadWholeNumber(levelText);
    copy->Specification = TrimText(specificationText);
    if (copy->Level <= 0) return "The skill level must be greater than 0.";
    if (copy->SpecificationRequired && copy->Specification.empty())
        return "You must detail a specification for this skill.";
    if (TSkill* held = FindSkill(copy->Name, copy->Specification))
        held->Level = copy->Level;
    else
        character_->Resources.Add(std::move(copy));
    return {};
}

TSkill* TCreationRules::FindSkill(const std::string& name, const std::string& specification) const {
    for (TSkill* skill : ResourcesOf<TSkill>())
        if (skill->Name == name && skill->Specification == specification) return skill;
    return nullptr;
}

std::vector<TOwnedLine<TSkill>> TCreationRules::OwnedSkills() const {
    std::vector<TOwnedLine<TSkill>> lines;
    for (TSkill* skill : ResourcesOf<TSkill>())
        lines.push_back({SpecifiedLine(skill->Name, skill->SpecificationRequired, skill->Specification, skill->Level),
                         skill});
    return lines;
}

TSkillInputs TCreationRules::SkillInputsFor(const TSkill& skill) const {
    TSkillInputs inputs;
    for (std::size_t p = 0; p < SkillCount; ++p)
        if (Skills()[p]->Name == skill.Name) {
            inputs.SkillPosition = static_cast<std::int32_t>(p);
            inputs.Details = SkillDetails(static_cast<std::int32_t>(p));
            break;
        }
    if (skill.SpecificationRequired) inputs.Specification = skill.Specification;
    inputs.Level = Decimal(skill.Level);
    return inputs;
}

// ---------------------------------------------------- vessels and servants

std::string TCreationRules::BuyVessel(const std::string& description, const std::string& levelText,
                                      const std::string& charismaText, const std::string& roleLevelText,
                                      const std::string& statusText) {
    auto vessel = std::make_unique<TVessel>();
    vessel->Name = description;
    vessel->Level = ReadWholeNumber(levelText);
    if (vessel->Level < 1) return "You must take at least 1 level on each vessel.";
    vessel->Charisma->Level = ReadWholeNumber(charismaText);
    if (vessel->Charisma->Level > 3 || vessel->Charisma->Level < -2)
        return "You cannot take more than 3 and less than -2 points on charisma.";
    vessel->Role->Level = ReadWholeNumber(roleLevelText);
    if (vessel->Role->Level < 0) return "You cannot take a role level lesser than 0.";
    vessel->Role->Status = ReadWholeNumber(statusText);
    if (vessel->Role->Status > vessel->Role->Level) return "You cannot take a status greater than your role level.";
    if (TVessel* held = FindVessel(description)) {
        held->Level = vessel->Level;
        held->Charisma->Level = vessel->Charisma->Level;
        held->Role->Level = vessel->Role->Level;
        held->Role->Status = vessel->Role->Status;
    } else {
        character_->Resources.Add(std::move(vessel));
    }
    return {};
}

std::string TCreationRules::AlterMortalVessel(const std::string& charismaText, const std::string& statusText) {
    TVessel* body = FindMortalVessel();
    if (body == nullptr) return {};
    const std::int32_t charisma = ReadWholeNumber(charismaText);
    if (charisma > 3 || charisma < -2) return "You cannot take more than 3 and less than -2 points on charisma.";
    body->Charisma->Level = charisma;
    body->Role->Status = ReadWholeNumber(statusText);
    return {};
}

std::string TCreationRules::BuyServant(std::optional<std::int32_t> classRow, const std::string& description,
                                       const std::string& levelText) {
    if (!classRow) return "You must choose a servant class!";
    if (*classRow < 0 || *classRow >= static_cast<std::int32_t>(ServantClasses.size())) throw EListError(*classRow);
    auto servant = std::make_unique<TServant>();
    servant->ServantClass = static_cast<std::uint8_t>(*classRow);
    servant->Name = description;
    servant->Level = ReadWholeNumber(levelText);
    if (servant->Level < 1) return "You must take at least 1 level on each servant.";
    if (TServant* held = FindServant(description, servant->ServantClass))
        held->Level = servant->Level;
    else
        character_->Resources.Add(std::move(servant));
    return {};
}

TVessel* TCreationRules::FindVessel(const std::string& description) const {
    for (TVessel* vessel : ResourcesOf<TVessel>())
        if (vessel->Name == description) return vessel;
    return nullptr;
}

TServant* TCreationRules::FindServant(const std::string& description, std::uint8_t classRow) const {
    for (TServant* servant : ResourcesOf<TServant>())
        if (servant->Name == description && servant->ServantClass == classRow) return servant;
    return nullptr;
}

std::vector<TOwnedLine<TVessel>> TCreationRules::OwnedVessels() const {
    std::vector<TOwnedLine<TVessel>> lines;
    for (TVessel* v : ResourcesOf<TVessel>())
        lines.push_back({v->Name + " - Lvl: " + Decimal(v->Level) + " / Cha: " + Decimal(v->Charisma->Level) +
                             " / Role: " + Decimal(v->Role->Level) + " / Status: " + Decimal(v->Role->Status),
                         v});
    return lines;
}

std::vector<TOwnedLine<TServant>> TCreationRules::OwnedServants() const {
    std::vector<TOwnedLine<TServant>> lines;
    for (TServant* s : ResourcesOf<TServant>())
        lines.push_back({s->Name + " - Lvl: " + Decimal(s->Level) + " / Cls: " + Decimal(s->ServantClass + 1), s});
    return lines;
}

std::optional<TVesselEditorLayout> TCreationRules::VesselEditorLayout(TVesselMode mode) const {
    const auto& concept_ = character_->Concept;
    if (!concept_) return std::nullopt;
    TVesselEditorLayout layout;
    if (mode == TVesselMode::Servant) {
        layout.CharismaShown = layout.RoleLevelShown = layout.StatusShown = false;
        layout.ClassShown = true;
        layout.BuyCaption = "Buy Servant";
        layout.RemoveCaption = "Remove Servant";
    } else if (IsMortalConcept(*concept_)) {
        layout.DescriptionEditable = false;
        layout.Description = MortalVesselName;
        layout.LevelShown = layout.RoleLevelShown = false;
        layout.BuyCaption = "Alter Vessel";
        layout.RemoveShown = false;
        layout.RemoveCaption = "Remove Vessel";
    } else {
        layout.BuyCaption = "Buy Vessel";
        layout.RemoveCaption = "Remove Vessel";
    }
    return layout;
}

TVesselInputs TCreationRules::VesselInputsFor(const TVessel& vessel) {
    return {vessel.Name, Decimal(vessel.Level), Decimal(vessel.Charisma->Level), Decimal(vessel.Role->Level),
            Decimal(vessel.Role->Status)};
}

TServantInputs TCreationRules::ServantInputsFor(const TServant& servant) {
    return {servant.Name, Decimal(servant.Level), servant.ServantClass};
}

// ------------------------------------------------------------- artifacts

std::vector<std::string> TCreationRules::ArtifactSongChoices() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < SongCount; ++i) {
        const TSong* song = Songs()[i];
        out.push_back(i < 42 ? RealmName(song->Realm) + " Song of " + song->Name : song->Name);
    }
    return out;
}

std::string TCreationRules::BuyArtifact(const TArtifactPurchase& purchase) {
    if (purchase.Realm > 2) throw std::out_of_range("realm " + std::to_string(purchase.Realm) + " is not 0, 1 or 2");
    auto artifact = std::make_unique<TArtifact>();
    artifact->Name = purchase.Description;
    artifact->Level = ReadWholeNumber(purchase.Level);
    if (artifact->Level < 1) return "You must take at least 1 level on an artifact.";
    if (purchase.Realm == 1) {
        if (!purchase.SkillPosition) return "You must choose a skill.";
        if (*purchase.SkillPosition < 0 || *purchase.SkillPosition >= static_cast<std::int32_t>(SkillCount))
            throw EListError(*purchase.SkillPosition);
        artifact->Skill = Skills()[static_cast<std::size_t>(*purchase.SkillPosition)];
    } else if (purchase.Realm == 2) {
        if (!purchase.SongPosition) return "You must choose a song.";
        if (*purchase.SongPosition < 0 || *purchase.SongPosition >= static_cast<std::int32_t>(SongCount))
            throw EListError(*purchase.SongPosition);
        artifact->Song = Songs()[static_cast<std::size_t>(*purchase.SongPosition)];
        artifact->ReliquaryType = !purchase.IsReliquary ? 0 : purchase.EssenceCanBeDrawn ? 2 : 1;
    }
    artifact->Realm = purchase.Realm;
    if (TArtifact* held = FindArtifact(purchase.Description)) {
        held->Realm = artifact->Realm;
        held->Level = artifact->Level;
        held->Song = artifact->Song;
        held->Skill = artifact->Skill;
        held->ReliquaryType = artifact->ReliquaryType;
    } else {
        character_->Resources.Add(std::move(artifact));
    }
    return {};
}

TArtifact* TCreationRules::FindArtifact(const std::string& description) const {
    for (TArtifact* artifact : ResourcesOf<TArtifact>())
        if (artifact->Name == description) return artifact;
    return nullptr;
}

std::vector<TOwnedLine<TArtifact>> TCreationRules::OwnedArtifacts() const {
    std::vector<TOwnedLine<TArtifact>> lines;
    for (TArtifact* a : ResourcesOf<TArtifact>())
        lines.push_back({a->Name + " (" + RealmName(a->Realm) + " Artifact) - Lvl: " + Decimal(a->Level), a});
    return lines;
}

TArtifactInputs TCreationRules::ArtifactInputsFor(const TArtifact& artifact) const {
    TArtifactInputs inputs;
    inputs.Realm = artifact.Realm;
    inputs.Description = artifact.Name;
    inputs.Level = Decimal(artifact.Level);
    if (artifact.Realm == 1 && artifact.Skill != nullptr)
        for (std::size_t p = 0; p < SkillCount; ++p)
            if (Skills()[p]->Name == artifact.Skill->Name) {
                inputs.SkillPosition = static_cast<std::int32_t>(p);
                break;
            }
    if (artifact.Realm == 2) {
        if (artifact.Song != nullptr)
            for (std::size_t p = 0; p < SongCount; ++p)
                if (Songs()[p]->Name == artifact.Song->Name && Songs()[p]->Realm == artifact.Song->Realm) {
                    inputs.SongPosition = static_cast<std::int32_t>(p);
                    break;
                }
        inputs.IsReliquary = artifact.ReliquaryType == 1 || artifact.ReliquaryType == 2;
        inputs.EssenceCanBeDrawn = artifact.ReliquaryType == 2;
    }
    return inputs;
}

// -------------------------------------------------------------- discords

std::int32_t TCreationRules::DiscordRowOffset(std::uint8_t realm) { return DiscordRows(realm).Offset; }

std::vector<std::string> TCreationRules::DiscordChoices(std::uint8_t realm) const {
    const DiscordRealmRows rows = DiscordRows(realm);
    std::vector<std::string> out;
    for (std::int32_t r = rows.Offset; r < rows.Offset + rows.Count; ++r)
        out.push_back(Discords()[static_cast<std::size_t>(r)]->Name);
    return out;
}

bool TCreationRules::DiscordSpecificationNeeded(std::uint8_t realm, std::int32_t position) const {
    const DiscordRealmRows rows = DiscordRows(realm);
    if (position < 0 || position >= rows.Count) throw EListError(position);
    return Discords()[static_cast<std::size_t>(rows.Offset + position)]->SpecificationRequired;
}

std::string TCreationRules::BuyDiscord(std::uint8_t realm, std::int32_t position, const std::string& levelText,
                                       const std::string& specificationText) {
    const DiscordRealmRows rows = DiscordRows(realm);
    if (position < 0 || position >= rows.Count) throw EListError(position);
    const std::string name(DiscordNames[static_cast<std::size_t>(rows.Offset + position)]);
    const TDiscord* source = nullptr;
    for (const TDiscord* d : Discords())
        if (d->Name == name) {
            source = d;
            break;
        }
    if (source == nullptr) throw EListError(position);
    auto copy = TDiscord::CreateCopy(*source);
    copy->Level = ReadWholeNumber(levelText);
    copy->Specification = specificationText;
    if (copy->Level < 1 || copy->Level > 6)
        return "The discord level must be greater than 0 and lesser than 6 (included).";
    if (copy->SpecificationRequired && copy->Specification.empty())
        return "You must detail a specification for this discord.";
    if (TDiscord* held = FindDiscord(copy->Name, copy->Specification))
        held->Level = copy->Level;
    else
        character_->Resources.Add(std::move(copy));
    return {};
}

TDiscord* TCreationRules::FindDiscord(const std::string& name, const std::string& specification) const {
    for (TDiscord* discord : ResourcesOf<TDiscord>())
        if (discord->Name == name && discord->Specification == specification) return discord;
    return nullptr;
}

std::vector<TOwnedLine<TDiscord>> TCreationRules::OwnedDiscords() const {
    std::vector<TOwnedLine<TDiscord>> lines;
    for (TDiscord* d : ResourcesOf<TDiscord>())
        lines.push_back({SpecifiedLine(d->Name, d->SpecificationRequired, d->Specification, d->Level), d});
    return lines;
}

TDiscordInputs TCreationRules::DiscordInputsFor(const TDiscord& discord) const {
    TDiscordInputs inputs;
    inputs.Realm = discord.Realm;
    if (discord.Realm <= 2) {
        const DiscordRealmRows rows = DiscordRows(discord.Realm);
        for (std::int32_t p = 0; p < rows.Count; ++p) {
            const TDiscord* entry = Discords()[static_cast<std::size_t>(rows.Offset + p)];
            if (entry->Name == discord.Name) {
                inputs.DiscordPosition = p;
                inputs.SpecificationRequired = entry->SpecificationRequired;
                break;
            }
        }
    }
    inputs.Specification = discord.Specification;
    inputs.Level = Decimal(discord.Level);
    return inputs;
}

} // namespace halvane
