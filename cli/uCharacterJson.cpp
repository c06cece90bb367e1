#include "uCharacterJson.h"

#include <array>

namespace halvane {
namespace {

using json = nlohmann::ordered_json;

template <class T>
json OrNull(const std::optional<T>& value) {
    return value ? json(*value) : json(nullptr);
}

json ForcesToJson(const TForces& forces) {
    return {{"forces", forces.Forces},
            {"characteristic1", forces.Characteristic1},
            {"characteristic2", forces.Characteristic2}};
}

// The class name of the most derived resource class the format knows.
const char* ClassName(const TResource& r) {
    if (dynamic_cast<const TSkill*>(&r)) return "TSkill";
    if (dynamic_cast<const TSong*>(&r)) return "TSong";
    if (dynamic_cast<const TServant*>(&r)) return "TServant";
    if (dynamic_cast<const TVessel*>(&r)) return "TVessel";
    if (dynamic_cast<const TArtifact*>(&r)) return "TArtifact";
    if (dynamic_cast<const TChoirAttunement*>(&r)) return "TChoirAttunement";
    if (dynamic_cast<const TServitorAttunement*>(&r)) return "TServitorAttunement";
    if (dynamic_cast<const TDiscord*>(&r)) return "TDiscord";
    if (dynamic_cast<const TCharisma*>(&r)) return "TCharisma";
    if (dynamic_cast<const TRole*>(&r)) return "TRole";
    return "TResource";
}

json ResourceToJson(const TResource& r) {
    json out = {{"class", ClassName(r)},
                {"name", r.Name},
                {"level", r.Level},
                {"granted", r.Granted},
                {"cost", r.GetCost()}};
    if (const auto* skill = dynamic_cast<const TSkill*>(&r)) {
        out["specification"] = skill->Specification;
        out["specificationRequired"] = skill->SpecificationRequired;
    } else if (const auto* song = dynamic_cast<const TSong*>(&r)) {
        out["realm"] = song->Realm;
    } else if (const auto* servant = dynamic_cast<const TServant*>(&r)) {
        out["servantClass"] = servant->ServantClass;
    } else if (const auto* vessel = dynamic_cast<const TVessel*>(&r)) {
        out["charisma"] = {{"name", vessel->Charisma->Name}, {"level", vessel->Charisma->Level}};
        out["role"] = {{"name", vessel->Role->Name},
                       {"level", vessel->Role->Level},
                       {"status", vessel->Role->Status}};
    } else if (const auto* artifact = dynamic_cast<const TArtifact*>(&r)) {
        out["realm"] = artifact->Realm;
        out["reliquaryType"] = artifact->ReliquaryType;
        out["skill"] = artifact->Skill != nullptr ? json(artifact->Skill->Name) : json(nullptr);
        out["song"] = artifact->Song != nullptr
                          ? json{{"name", artifact->Song->Name}, {"realm", artifact->Song->Realm}}
                          : json(nullptr);
    } else if (const auto* choir = dynamic_cast<const TChoirAttunement*>(&r)) {
        out["superior"] = choir->Superior != nullptr ? json(choir->Superior->Name) : json(nullptr);
        out["celestialKind"] = OrNull(choir->CelestialKind);
    } else if (const auto* servitor = dynamic_cast<const TServitorAttunement*>(&r)) {
        out["superior"] = servitor->Superior != nullptr ? json(servitor->Superior->Name) : json(nullptr);
    } else if (const auto* discord = dynamic_cast<const TDiscord*>(&r)) {
        out["specification"] = discord->Specification;
        out["specificationRequired"] = discord->SpecificationRequired;
        out["realm"] = discord->Realm;
    }
    return out;
}

} // namespace

json CharacterToJson(const THalvaneCharacter& c) {
    json superior = nullptr;
    if (const TSuperior* s = c.Superior()) superior = {{"name", s->Name}, {"word", s->Word}};

    json forces = json::array();
    for (std::int32_t g = 0; g < 3; ++g) forces.push_back(ForcesToJson(c.GetForces(g)));

    json distinctions = json::array();
    for (const TDistinction* d : c.Distinctions)
        distinctions.push_back({{"name", d->Name}, {"rank", d->Rank}});

    json resources = json::array();
    for (const TResource* r : c.Resources) resources.push_back(ResourceToJson(*r));

    return {{"name", c.Name},
            {"word", c.Word},
            {"concept", OrNull(c.Concept)},
            {"celestialKind", OrNull(c.CelestialKind)},
            {"superior", superior},
            {"forces", forces},
            {"distinctions", distinctions},
            {"resourcePoints", c.ResourcePoints},
            // The same figure the wizard shows as the points left to spend.
            {"remainingResourcePoints", std::int64_t{c.ResourcePoints} - c.TotalResourceCost()},
            {"resources", resources}};
}

} // namespace halvane
