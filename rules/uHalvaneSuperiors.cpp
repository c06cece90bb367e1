#include "uHalvaneSuperiors.h"

#include <vector>

namespace halvane {
namespace {

struct SuperiorRow {
    std::string_view Word;
    std::optional<std::uint8_t> Kind;
    std::vector<std::string_view> Servitors;
    std::optional<std::array<std::string_view, 3>> Distinctions;
};

using Ranks = std::array<std::string_view, 3>;

const std::array<SuperiorRow, SuperiorCount>& Table() {
    static const std::array<SuperiorRow, SuperiorCount> rows = {{
        {"Dreams", 1, {"Dream Walking", "Healing Dream"},
         Ranks{"Vassal of Dreams", "Friend of Sleepers", "Master of the Realms of Night"}},
        {"Stone", 4, {"Deep Gaze", "Cold Touch"},
         Ranks{"Vassal of Stone", "Friend of Subterranean World", "Master of the Granite Hand"}},
        {"Judgement", 0, {"Incarnate Law", "Heavenly Judgement"},
         Ranks{"Vassal of Conscience", "Friend of Judgement", "Master of Law"}},
        {"Creation", 6, {"Abracadabra", "Transubstantiation"}, std::nullopt},
        {"Fire", 2, {"Dance of the Atoms", "Smite"},
         Ranks{"Vassal of Fire", "Friend of Divine Spark", "Master of Light"}},
        {"Wind", 2, {"Passage", "Swipe"},
         Ranks{"Vassal of Wind", "Friend of Unseen", "Master of Motion"}},
        {"Lightning", 3, {"Generator", "Remote Control"},
         Ranks{"Vassal of Lightning", "Friend of the Illuminated", "Master of the Machine"}},
        {"Animals", 5, {"Call of the Wind", "Animal Magnetism"},
         Ranks{"Vassal of Animals", "Friend of Beasts", "Master of the Creature Within"}},
        {"Sword", 4, {"Blade Blessing of Laurence", "Hunt"},
         Ranks{"Vassal of Sword", "Friend of the Lord's Troops", "Master of the Armies of God"}},
        {"Trade", 6, {"Divine Contract", "Head of a PIN"},
         Ranks{"Vassal of Trade", "Friend of the Shareholders", "Master of Finances"}},
        {"War", 0, {"Proficiency", "Howl"},
         Ranks{"Vassal of War", "Friend of the Fighters", "Master of Valor"}},
        {"Flowers", 1, {"Nothing But Flowers", "Crown of Joy"},
         Ranks{"Vassal of Flowers", "Friend of the Gardeners", "Master of Peace"}},
        {"Destiny", std::nullopt, {"Divine Destiny", "Divine Logic"},
         Ranks{"Vassal of Destiny", "Friend of the Sages", "Master of Divine Knowledge"}},
        {"Lust", 14, {"Dark Desire", "Kiss of Death"},
         Ranks{"Knight of Infernal Pleasures", "Captain of Diabolical Delight",
               "Baron of Eternal Ecstasy"}},
        {"Game", 9, {"Dissonance Binding", "Humanity"},
         Ranks{"Knight of Judgement", "Captain of Integrity", "Baron of Justice"}},
        {"War", 8, {"Art of Combat", "State of Ophis"},
         Ranks{"Knight of the Black Order", "Captain of the Infernal Armies", "Baron of Victory"}},
        {"Nightmares", 9, {"Dream Walking", "Terror"},
         Ranks{"Knight of Restlessness", "Captain of Headhaunters", "Baron of Screams"}},
        {"Fire", 10, {"Incendiary", "Firewalker"},
         Ranks{"Knight of Infernal Furnaces", "Captain of Ethernal Fire",
               "Baron of Demonic Brazier"}},
        {"Gluttony", 10, {"Consume", "Devour"},
         Ranks{"Knight of Banquets", "Captain of Cannibals", "Baron of Satanic Dishes"}},
        {"Dark Humor", 14, {"Prank"},
         Ranks{"Knight of Derision", "Captain of Repartee", "Baron of Hysteria"}},
        {"Fate", 8, {"Fated Future", "Temporal Projection"},
         Ranks{"Knight of the Winged Chariot", "Captain of the Infernal Hourglass",
               "Baron of the Book of Days"}},
        {"Factions", 13, {"Imbroglio", "Polarize"},
         Ranks{"Knight of Deception", "Captain of Broken Promise", "Baron of Inner Torment"}},
        {"Media", 14, {"Soundtrack", "Subliminal"},
         Ranks{"Knight of Influence", "Captain of Swank", "Baron of the Fourth State"}},
        {"Death", 13, {"Zombi", "Vampiric Kiss"},
         Ranks{"Knight of the Dead", "Captain of the Infernal Legion",
               "Baron of the Undead Kingdom"}},
        {"Theft", 10, {"Passage", "Swipe"},
         Ranks{"Knight of Kleptos", "Captain of Corsairs", "Baron of Buccaneers"}},
        {"Technology", 11, {"Invention"},
         Ranks{"Knight of Combustion", "Captain of Inspector", "Baron of Gremlins"}},
        {"Freedom", std::nullopt, {}, std::nullopt},
    }};
    return rows;
}

} // namespace

void AddServitorAttunement(TSuperior& superior, std::string_view name) {
    auto attunement = std::make_unique<TServitorAttunement>();
    attunement->Superior = &superior;
    attunement->Name = std::string(name);
    superior.ServitorAttunements.Add(std::move(attunement));
}

void AddDistinctions(TSuperior& superior, const std::array<std::string_view, 3>& names) {
    superior.Distinctions = std::make_unique<TDistinctions>();
    std::int32_t rank = 1;
    for (std::string_view name : names) {
        auto distinction = std::make_unique<TDistinction>();
        distinction->Name = std::string(name);
        distinction->Rank = rank++;
        superior.Distinctions->Add(std::move(distinction));
    }
}

std::unique_ptr<TSuperior> CreateSuperior(std::uint8_t index) {
    if (index >= SuperiorCount) return nullptr;
    const SuperiorRow& row = Table()[index];

    auto superior = std::make_unique<TSuperior>(std::string(row.Word));
    superior->CelestialKind = row.Kind;
    superior->Name = std::string(SuperiorNames[index]);
    for (std::string_view servitor : row.Servitors) AddServitorAttunement(*superior, servitor);
    if (row.Distinctions) AddDistinctions(*superior, *row.Distinctions);

    // The side is read from the kind and the name, so both must be set first.
    const bool angelic = superior->IsAngelic();
    for (std::uint8_t i = 0; i < 7; ++i) {
        const std::uint8_t kind = angelic ? i : static_cast<std::uint8_t>(i + 8);
        auto attunement = std::make_unique<TChoirAttunement>();
        attunement->Superior = superior.get();
        attunement->CelestialKind = kind;
        attunement->Name = std::string(CelestialKinds[kind]) + " of " + superior->Word;
        superior->ChoirAttunements.Add(std::move(attunement));
    }
    return superior;
}

void BuildSuperiors(std::array<std::unique_ptr<TSuperior>, SuperiorCount>& superiors) {
    for (std::size_t i = 0; i < SuperiorCount; ++i)
        superiors[i] = CreateSuperior(static_cast<std::uint8_t>(i));
}

} // namespace halvane
