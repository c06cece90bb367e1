#include "uHalvaneSystem.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>

using namespace halvane;

namespace {

constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();

std::unique_ptr<TResource> Skill(std::int32_t level) {
    auto r = std::make_unique<TSkill>();
    r->Level = level;
    return r;
}
std::unique_ptr<TResource> Song(std::int32_t level) {
    auto r = std::make_unique<TSong>();
    r->Level = level;
    return r;
}
std::unique_ptr<TResource> Servant(std::uint8_t servantClass, std::int32_t level) {
    auto r = std::make_unique<TServant>();
    r->ServantClass = servantClass;
    r->Level = level;
    return r;
}
std::unique_ptr<TVessel> Vessel(std::int32_t level, std::int32_t charisma, std::int32_t roleLevel,
                                std::int32_t status, bool granted) {
    auto v = std::make_unique<TVessel>();
    v->Level = level;
    v->Charisma->Level = charisma;
    v->Role->Level = roleLevel;
    v->Role->Status = status;
    v->Granted = granted;
    return v;
}
std::unique_ptr<TResource> Artifact(std::uint8_t realm, std::uint8_t reliquary, std::int32_t level) {
    auto r = std::make_unique<TArtifact>();
    r->Realm = realm;
    r->ReliquaryType = reliquary;
    r->Level = level;
    return r;
}
std::unique_ptr<TResource> Discord(std::int32_t level) {
    auto r = std::make_unique<TDiscord>();
    r->Level = level;
    return r;
}
std::unique_ptr<TResource> Choir(bool granted) {
    auto r = std::make_unique<TChoirAttunement>();
    r->Granted = granted;
    return r;
}
std::unique_ptr<TResource> Servitor(std::int32_t level) {
    auto r = std::make_unique<TServitorAttunement>();
    r->Level = level;
    return r;
}

struct CostCase {
    const char* what;
    std::function<std::unique_ptr<TResource>()> make;
    TCost cost;
};

void PrintTo(const CostCase& c, std::ostream* os) { *os << c.what; }

class Costs : public ::testing::TestWithParam<CostCase> {};

TEST_P(Costs, GetCost) {
    const CostCase& c = GetParam();
    EXPECT_EQ(c.make()->GetCost(), c.cost) << c.what;
}

TCost RoleCost(std::int32_t status, std::int32_t level, bool grantedVessel) {
    auto v = Vessel(0, 0, level, status, grantedVessel);
    return v->Role->GetCost();
}

INSTANTIATE_TEST_SUITE_P(
    Table, Costs,
    ::testing::Values(
        CostCase{"skill level 4", [] { return Skill(4); }, 4},
        CostCase{"song level 4", [] { return Song(4); }, 4},
        CostCase{"servant class 0 level 3", [] { return Servant(0, 3); }, 2},
        CostCase{"servant class 5 level 3", [] { return Servant(5, 3); }, 9},
        CostCase{"servant class 1 level 1", [] { return Servant(1, 1); }, 1},
        // Half of an odd negative product rounds toward positive infinity.
        CostCase{"servant class 0 level -3", [] { return Servant(0, -3); }, -1},
        CostCase{"servant class 2 level -1", [] { return Servant(2, -1); }, -1},
        CostCase{"bought vessel 2, charisma 1, role 3/1",
                 [] { return std::unique_ptr<TResource>(Vessel(2, 1, 3, 1, false)); }, 10},
        CostCase{"granted vessel 2, charisma 1, role 3/1",
                 [] { return std::unique_ptr<TResource>(Vessel(2, 1, 3, 1, true)); }, 4},
        CostCase{"vessel 1 with charisma -2",
                 [] { return std::unique_ptr<TResource>(Vessel(1, -2, 0, 0, false)); }, -1},
        CostCase{"mortal vessel as granted", [] { return std::unique_ptr<TResource>(Vessel(1, 0, 1, 0, true)); }, 0},
        CostCase{"corporeal artifact 2", [] { return Artifact(0, 0, 2); }, 2},
        CostCase{"ethereal artifact 2", [] { return Artifact(1, 0, 2); }, 4},
        CostCase{"celestial artifact 2", [] { return Artifact(2, 0, 2); }, 6},
        CostCase{"celestial reliquary 2", [] { return Artifact(2, 1, 2); }, 10},
        CostCase{"celestial drawn reliquary 2", [] { return Artifact(2, 2, 2); }, 12},
        CostCase{"celestial unknown reliquary 2", [] { return Artifact(2, 7, 2); }, 6},
        CostCase{"celestial unknown reliquary 255", [] { return Artifact(2, 255, 2); }, 6},
        CostCase{"discord level 2", [] { return Discord(2); }, -6},
        CostCase{"granted choir attunement", [] { return Choir(true); }, 0},
        CostCase{"bought choir attunement", [] { return Choir(false); }, 5},
        CostCase{"servitor attunement level 0", [] { return Servitor(0); }, 10},
        CostCase{"servitor attunement level 9", [] { return Servitor(9); }, 10},
        // The extremes must give the true value, not a wrapped one.
        CostCase{"servant class 5 at max level", [] { return Servant(5, Max32); }, 3 * TCost{Max32}},
        CostCase{"servant class 5 at min level", [] { return Servant(5, Min32); }, 3 * TCost{Min32}},
        CostCase{"drawn reliquary at max level", [] { return Artifact(2, 2, Max32); }, 6 * TCost{Max32}},
        CostCase{"discord at min level", [] { return Discord(Min32); }, -3 * TCost{Min32}},
        CostCase{"bought vessel at extremes",
                 [] { return std::unique_ptr<TResource>(Vessel(Max32, Max32, Max32, Max32, false)); },
                 3 * TCost{Max32} + 2 * TCost{Max32} + (TCost{Max32} * Max32 + 1) / 2}));

TEST(RoleCosts, GrantedVesselChargesStatusOnly) {
    EXPECT_EQ(RoleCost(3, 5, false), 8);
    EXPECT_EQ(RoleCost(3, 5, true), 6);
    EXPECT_EQ(RoleCost(0, 5, false), 0);
    EXPECT_EQ(RoleCost(0, 5, true), 0);
    EXPECT_EQ(RoleCost(Min32, Min32, false), TCost{Min32} * Min32 / 2);
    TRole loose;  // a role without a vessel is priced as in a bought one
    loose.Status = 1;
    loose.Level = 3;
    EXPECT_EQ(loose.GetCost(), 2);
    TCharisma charisma;
    charisma.Level = -2;
    EXPECT_EQ(charisma.GetCost(), -4);
}

TEST(Vessels, OwnTheirCharismaAndRole) {
    auto vessel = std::make_unique<TVessel>();
    ASSERT_NE(vessel->Charisma, nullptr);
    ASSERT_NE(vessel->Role, nullptr);
    EXPECT_EQ(vessel->Charisma->Vessel, vessel.get());
    EXPECT_EQ(vessel->Role->Vessel, vessel.get());
    EXPECT_EQ(vessel->Role->Status, 0);
    EXPECT_EQ(vessel->GetCost(), 0);
    vessel.reset();  // the sanitized run reports a leak if the parts outlive it
}

TEST(Copies, SkillKeepsCatalogueFactsButNotSpecificationOrGrant) {
    TSkill source;
    source.Name = "Knowledge";
    source.Level = 3;
    source.Attributes = 2;
    source.Default = -4;
    source.SpecificationRequired = true;
    source.Specification = "set by someone";
    source.Granted = true;
    auto copy = TSkill::CreateCopy(source);
    EXPECT_EQ(copy->Name, "Knowledge");
    EXPECT_EQ(copy->Level, 3);
    EXPECT_EQ(copy->Attributes, 2);
    EXPECT_EQ(copy->Default, -4);
    EXPECT_TRUE(copy->SpecificationRequired);
    EXPECT_TRUE(copy->Specification.empty());
    EXPECT_FALSE(copy->Granted);
}

TEST(Copies, SongAndDiscord) {
    TSong song;
    song.Name = "Dreams";
    song.Realm = 2;
    song.Level = 1;
    song.Granted = true;
    auto songCopy = TSong::CreateCopy(song);
    EXPECT_EQ(songCopy->Name, "Dreams");
    EXPECT_EQ(songCopy->Realm, 2);
    EXPECT_EQ(songCopy->Level, 1);
    EXPECT_FALSE(songCopy->Granted);

    TDiscord discord;
    discord.Name = "Fear";
    discord.Specification = "of heights";
    discord.SpecificationRequired = true;
    discord.Realm = 1;
    discord.Level = 2;
    discord.Granted = true;
    auto discordCopy = TDiscord::CreateCopy(discord);
    EXPECT_EQ(discordCopy->Name, "Fear");
    EXPECT_EQ(discordCopy->Specification, "of heights");  // unlike a skill, a discord keeps it
    EXPECT_TRUE(discordCopy->SpecificationRequired);
    EXPECT_EQ(discordCopy->Realm, 1);
    EXPECT_EQ(discordCopy->Level, 2);
    EXPECT_FALSE(discordCopy->Granted);
}

TEST(Copies, AttunementsKeepTheirSuperiorAndOwnTheirKind) {
    const TSuperior& blandine = *Superiors()[0];
    const auto& source = dynamic_cast<const TChoirAttunement&>(*blandine.ChoirAttunements.Items(1));
    auto copy = TChoirAttunement::CreateCopy(source);
    EXPECT_EQ(copy->Name, "Cherubim of Dreams");
    EXPECT_EQ(copy->Superior, &blandine);
    EXPECT_EQ(copy->CelestialKind, 1);
    EXPECT_FALSE(copy->Granted);
    EXPECT_EQ(copy->GetCost(), 5);
    copy->Granted = true;
    copy->CelestialKind = 9;
    EXPECT_EQ(copy->GetCost(), 0);
    EXPECT_EQ(source.CelestialKind, 1);
    EXPECT_FALSE(source.Granted);
    EXPECT_EQ(source.GetCost(), 5);

    const auto& servitor =
        dynamic_cast<const TServitorAttunement&>(*blandine.ServitorAttunements.Items(0));
    auto servitorCopy = TServitorAttunement::CreateCopy(servitor);
    EXPECT_EQ(servitorCopy->Name, "Dream Walking");
    EXPECT_EQ(servitorCopy->Superior, &blandine);
    EXPECT_EQ(servitorCopy->GetCost(), 10);
}

TEST(Interfaces, RunTimeClassTestsAndAccessors) {
    TDiscord discord;
    IResourceWithRealm* realm = &discord;
    IResourceWithSpecification* spec = &discord;
    realm->SetRealm(2);
    spec->SetSpecification("x");
    spec->SetSpecificationRequired(true);
    EXPECT_EQ(discord.Realm, 2);
    EXPECT_EQ(discord.Specification, "x");
    EXPECT_TRUE(discord.SpecificationRequired);

    TChoirAttunement choir;
    TServitorAttunement servitor;
    TSkill skill;
    TResource* resources[] = {&choir, &servitor, &skill};
    EXPECT_NE(dynamic_cast<TAttunement*>(resources[0]), nullptr);
    EXPECT_NE(dynamic_cast<TAttunement*>(resources[1]), nullptr);
    EXPECT_EQ(dynamic_cast<TAttunement*>(resources[2]), nullptr);
    EXPECT_NE(dynamic_cast<IResourceWithSpecification*>(resources[2]), nullptr);
    EXPECT_EQ(dynamic_cast<IResourceWithRealm*>(resources[2]), nullptr);
}

TEST(Superiors, IsAngelicByKindOrByTheNameYves) {
    struct Case {
        std::optional<std::uint8_t> kind;
        const char* name;
        bool angelic;
    };
    for (const Case& c : {Case{std::nullopt, "Yves", true}, Case{std::nullopt, "Lilith", false},
                          Case{std::nullopt, "yves", false}, Case{std::nullopt, "YVES", false},
                          Case{std::nullopt, "", false}, Case{7, "Lilith", true},
                          Case{8, "Yves", false}, Case{0, "", true}, Case{14, "", false}}) {
        TSuperior s;
        s.Name = c.name;
        s.CelestialKind = c.kind;
        EXPECT_EQ(s.IsAngelic(), c.angelic) << c.name << " kind " << (c.kind ? int(*c.kind) : -1);
    }
}

TEST(Superiors, WordlessConstructorMakesAnEmptySuperior) {
    TSuperior s;
    EXPECT_TRUE(s.Word.empty());
    EXPECT_TRUE(s.Name.empty());
    EXPECT_FALSE(s.CelestialKind.has_value());
    EXPECT_EQ(s.ChoirAttunements.Count(), 0);
    EXPECT_EQ(s.ServitorAttunements.Count(), 0);
    EXPECT_EQ(s.Distinctions, nullptr);
    TSuperior worded("Dreams");
    EXPECT_EQ(worded.Word, "Dreams");
    EXPECT_EQ(worded.Distinctions, nullptr);
}

} // namespace
